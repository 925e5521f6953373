#pragma once
// The viewer without its widgets: the state (catalogues, model, motion, marks)
// and the frame buffers, and the rules the window's handlers apply to them:
// loading a list line, the animation's start and ticks, the spin steps, zoom
// by buttons, keys and wheel, turning by keys and drag, and presentation
// mode's fit and restore. Qt-free; the window reads its controls, calls these
// and shows the frame. Does not know list positions, captions or timers.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "folding/folding_net.h"
#include "jitterbug/jitterbug_solid.h"
#include "kaleidoscope/kaleidoscope_solid.h"
#include "kaleidoscope/wythoff.h"
#include "model/polyhedron.h"
#include "morph/dual_morph.h"
#include "morph/morph_solid.h"
#include "render/frame.h"
#include "viewer/viewer_state.h"
#include "viewer/wheel.h"

namespace velkora {

class ViewerController {
 public:
  ViewerState& state() { return state_; }
  const ViewerState& state() const { return state_; }
  const FrameBuffers& frameBuffers() const { return buffers_; }

  // Loads both catalogues and sets the first steps (0, 0, 0.5), no marks, formReady.
  void create();
  // Frees the catalogues.
  void destroy();

  // Picks the list line (name, TAB, type) at list position: reads the solid
  // and loads it into the model in start pose and size. A new solid ends any
  // fitting that presentation mode did to the one before.
  void load(std::string_view listLine, int position);
  int loadCount() const { return loadCount_; }

  // Every solid of the list, read on first use (the dual search needs them).
  // Throws what readSolid throws.
  std::span<const Solid> catalogue();

  // The morph of the solid on show into its dual. begin works out its stops
  // (reading the catalogue on first use) and starts at t = 0; a load ends it.
  // While t > 0 the picture, the shown solid and model are those of M(t), in
  // the solid's pose and size, always in the polyhedron view.
  void beginMorph();
  void endMorph();
  void setMorphParameter(double t);
  bool morphBegun() const { return morph_ != nullptr; }
  bool morphing() const { return morph_ != nullptr && morphT_ > 0.0; }
  // The kaleidoscope of a family: begin works out its stops (ending any
  // morph), weights show its solid in the picked solid's pose and reach; a
  // load or end returns to the picked solid. begin returns where the point
  // starts: on the picked solid when it is one of the family's stops (the
  // picture stays on it; the mirrored snub's own stop shows its mirror
  // image), else at corner A, whose solid is then on show.
  WythoffWeights beginKaleidoscope(WythoffFamily family);
  // Which copies of the point span the kaleidoscope's solid (the
  // reflections' until set otherwise; it outlasts the families and the
  // kaleidoscope's closing). A new choice works out the stops of those copies
  // and shows their solid at the point's weights.
  void setKaleidoscopeCopies(WythoffCopies copies);
  WythoffCopies kaleidoscopeCopies() const { return kaleidoscopeCopies_; }
  // Where the point is: as last set, or where begin put it.
  WythoffWeights kaleidoscopeWeights() const { return kaleidoscopeWeights_; }
  // The family the kaleidoscope opens with for the picked solid: that of its
  // rotation group (O for a solid of none). Throws before the first pick.
  WythoffFamily kaleidoscopeFamily();
  void endKaleidoscope();
  void setKaleidoscopeWeights(WythoffWeights weights);
  const Kaleidoscope* kaleidoscope() const { return kaleidoscope_.get(); }
  // The jitterbug of the picked solid, a cuboctahedron: begin works out its
  // stops (ending any morph or kaleidoscope) and shows it at j = 0; the
  // parameter turns its triangles by j x 60 degrees. While it is begun the
  // frame tints its turning triangles in one colour and the faces that open
  // between them in another. Throws EInvalidSolid for a picked solid that is
  // no cuboctahedron.
  void beginJitterbug();
  void endJitterbug();
  void setJitterbugParameter(double j);
  bool jitterbugBegun() const { return jitterbugBegun_; }
  double jitterbugParameter() const { return jitterbugJ_; }
  const std::vector<JitterbugStop>& jitterbugStops() const { return jitterbugStops_; }
  const std::vector<KaleidoscopeStop>& kaleidoscopeStops() const { return kaleidoscopeStops_; }
  // Whether a solid of the moment (the morph's beyond t = 0, the
  // kaleidoscope's) is on show instead of the picked one.
  bool showingMoment() const { return moment_.has_value(); }
  double morphParameter() const { return morphT_; }
  const std::vector<SolidStop>& morphStops() const { return stops_; }
  // The paper net of the solid on show folding in the picture: begin builds
  // it (throws what FoldingNet throws) with its flat side facing the viewer
  // in the current pose, at stage 0 (flat); the stage runs to 1 (closed on
  // the solid). While it is begun the picture shows the net; when the solid
  // on show changes (a pick, a morph or kaleidoscope step) the net follows
  // it, and a solid that has no net ends the folding (foldProblem says why).
  void beginFold();
  void endFold();
  void setFoldStage(double f) { foldStage_ = std::clamp(f, 0.0, 1.0); }
  double foldStage() const { return foldStage_; }
  bool folding() const { return fold_ != nullptr; }
  const FoldingNet* foldingNet() const { return fold_.get(); }
  const std::string& foldProblem() const { return foldProblem_; }
  // Whether compose also works out where the cut numbers go (foldLabels).
  void setFoldLabels(bool on) { foldLabelsOn_ = on; }
  const std::vector<FoldLabel>& foldLabels() const { return foldLabels_; }
  const DepthBuffer& foldDepth() const { return foldDepth_; }

  // What is on show: the solid of the moment, else the picked solid; its model
  // in the current pose; its geometry in the start pose (catalogue units).
  const Solid& shownSolid() const;
  const Model& shownModel();
  Polyhedron shownStartPose();

  void setMarks(bool on) { state_.markPoints = on; }
  // Marks where the solid's edges touch its midsphere while the morph is begun.
  void setTouchMarks(bool on) { touchMarks_ = on; }
  ViewState viewState(View view) const { return ViewState{view, state_.markPoints}; }
  // The window's lines and marks are drawn this much wider (1..3; values
  // outside are clamped); viewState stays at 1 for the exports.
  void setLineWidth(int width) { lineWidth_ = std::clamp(width, kMinLineWidth, kMaxLineWidth); }
  int lineWidth() const { return lineWidth_; }
  // With colourFaces on, the frame fills the faces of the solid on show in
  // the tints of their kinds by symmetry (the folding net stays as it is).
  void setColourFaces(bool on) { colourFaces_ = on; }
  bool colourFaces() const { return colourFaces_; }
  // The tints of the faces of model, the solid on show in its current pose:
  // found once per solid on show, for as long as it stays on show.
  std::span<const std::uint32_t> kindTintsOf(const Model& model);
  // The tints the frame of the solid on show takes now: the jitterbug's two
  // while it is begun, else the kinds' with colourFaces, else none, and over
  // them the highlight (setHighlight). shown:
  // the model of the solid on show (shownModel()).
  std::span<const std::uint32_t> frameTints(const Model& shown);

  // Faces of the solid on show (by index) that the frame fills in kPickTint
  // (render/face_tints.h), over the kinds' or the jitterbug's tints; the
  // other faces keep theirs. Empty for none; the folding net has none.
  void setHighlight(std::vector<int> faces) { highlight_ = std::move(faces); }
  const std::vector<int>& highlight() const { return highlight_; }

  // Before the timer starts: all steps 0 give a first step about the vertical axis.
  void prepareAnimation();
  // One animation step.
  void tick();
  // Sets the step of axis 0, 1 or 2 from a spin value (value x 0.25 degrees);
  // once the form is ready also turns by one step. Returns whether it turned.
  bool setStep(int axis, int spinValue);
  // Sets the step of axis 0, 1 or 2 from a remembered spin value without turning.
  void restoreStep(int axis, int spinValue);

  // Zooms by steps of the buttons' factors: + enlarges by 1.1, - shrinks by 10/11.
  void zoom(int steps);
  // Adds a wheel delta (120 per notch), zooms by the whole notches it
  // completes and returns them.
  int wheel(int angleDelta);
  // Turns the model by the given degrees (drehen).
  void turn(double a, double b, double c);

  // The drag: a left press starts it (returns true), a move turns the model
  // one degree per pixel (returns whether it turned), a release ends it.
  bool press(bool leftButton, int x, int y);
  bool move(int x, int y);
  void release();

  // Presentation mode: begin remembers the zoom; fit zooms so that the solid
  // (outerSphere: its enclosing sphere) fills 90 % of the shorter side of a
  // width x height surface (false and nothing for an empty one); end
  // restores the zoom of before, or, after another solid was loaded, that
  // solid's own.
  void beginPresentation();
  bool fitPresentation(bool outerSphere, int width, int height);
  void endPresentation();
  bool inPresentation() const { return presentation_.has_value(); }

  // Composes the current model into the frame buffers at width x height device
  // pixels, scale device pixels per logical pixel, at the line width.
  void compose(View view, int width, int height, int scale);

 private:
  struct Presentation {
    double scale = 0.0;  // the model's scale before the mode fitted it
    int loadCount = 0;   // loads so far when the mode began
  };

  ViewerState state_;
  std::optional<std::vector<Solid>> catalogue_;
  FrameBuffers buffers_;
  WheelAccumulator wheel_;
  int loadCount_ = 0;             // solids loaded so far
  double presentationFit_ = 1.0;  // zoom that presentation mode applied since the last load
  std::optional<Presentation> presentation_;
  std::unique_ptr<DualMorph> morph_;
  std::vector<SolidStop> stops_;
  double morphT_ = 0.0;
  bool touchMarks_ = false;
  int lineWidth_ = kMinLineWidth;
  bool colourFaces_ = false;
  Polyhedron tintedSolid_;  // the geometry of the solid on show that faceTints_ belong to
  std::vector<std::uint32_t> faceTints_;
  std::vector<int> highlight_;
  std::vector<std::uint32_t> highlightTints_;  // the tints of the frame with the highlight
  std::vector<Point3> touchPoints_;            // in the current pose, for the frame being composed
  std::unique_ptr<Kaleidoscope> kaleidoscope_;
  std::vector<KaleidoscopeStop> kaleidoscopeStops_;
  WythoffCopies kaleidoscopeCopies_ = WythoffCopies::Reflections;
  WythoffWeights kaleidoscopeWeights_{1.0, 0.0, 0.0};
  // Rebuilds the folding net when the solid on show is no longer its solid.
  void followShownSolid();

  std::unique_ptr<FoldingNet> fold_;
  double foldStage_ = 0.0;
  bool foldLabelsOn_ = false;
  std::string foldProblem_;
  DepthScene foldScene_;
  DepthBuffer foldDepth_;
  std::vector<FoldLabel> foldLabels_;
  bool jitterbugBegun_ = false;
  double jitterbugJ_ = 0.0;
  std::vector<JitterbugStop> jitterbugStops_;
  std::vector<std::uint32_t> jitterbugTints_;  // per face of the moment: turning or opened
  std::optional<Solid> moment_;                // in the picked solid's units and reach
  std::unique_ptr<Model> momentModel_;         // the moment's solid in the current pose, per frame
};

}  // namespace velkora
