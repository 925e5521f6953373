#pragma once
// The viewer as a front end sees it: the whole state and every rule of the
// window, with no widget, no timer and no Qt type. Commands come in (a pick,
// the view, the marks, the rotation and its ticks, the steps, zoom, wheel and
// drag, presentation mode, the tools and their steps); queries give what to
// show (the frame, which controls are off and why, what the picture shows in
// facts, which tools are open and the solid the properties list), and one
// listener hears what changed after each command. The front end's timer calls
// tick(); the front end puts words to the facts.

#include <functional>
#include <string>
#include <vector>

#include "base/family.h"
#include "kaleidoscope/wythoff.h"
#include "model/polyhedron.h"
#include "properties/pick_facts.h"
#include "render/frame.h"
#include "viewer/viewer_controller.h"

namespace velkora {

// The tool windows whose solid or net the picture shows.
enum class Tool { Morph, Kaleidoscope, Fold, Jitterbug };

// Why the view choices (polyhedron, inner, outer sphere) are off, if they are.
enum class ViewsOff {
  No,       // they apply
  Folding,  // the picture shows the folding net
  Moment,   // a solid of the morph or kaleidoscope is on show: always its polyhedron
};

// What changed after a command, as bits: the listener gets their union.
enum ViewerChange : unsigned {
  kPictureChanged = 1u,      // a new frame was composed: show it
  kDescriptionChanged = 2u,  // the picture's description may read differently
  kSolidChanged = 4u,        // the solid on show is another: the properties follow
  kViewsChanged = 8u,        // viewsOff or the captions' family changed
  kToolsChanged = 16u,       // a tool opened or closed, or what it offers changed
  kRotationChanged = 32u,    // the rotation started or stopped
  kCaptionsChanged = 64u,    // a pick: the view choices' words follow its family
  kPickChanged = 128u,       // a face kind or vertex was asked about, or the question cleared
};

// What the picture shows, for a sentence that describes it.
struct PictureFacts {
  enum class Kind { None, Solid, Morph, Kaleidoscope, Fold, Jitterbug };
  Kind kind = Kind::None;
  std::string solidName;  // as the catalogue names it (German)
  View view = View::Polyhedron;
  bool marks = false;
  double morphT = 0.0;
  double jitterbugJ = 0.0;
  int foldPercent = 0;
  bool rotating = false;
};

class Viewer {
 public:
  using Listener = std::function<void(unsigned changes)>;

  // The listener runs after every command that changed something, with the
  // union of the ViewerChange bits; it may ask every query.
  void setListener(Listener listener) { listener_ = std::move(listener); }

  ViewerController& controller() { return controller_; }
  const ViewerController& controller() const { return controller_; }
  const FrameBuffers& frameBuffers() const { return controller_.frameBuffers(); }

  // Loads both catalogues, first steps and no marks; destroy frees them and stops the rotation.
  void create();
  void destroy();
  // The list's lines (name, TAB, type) in list order.
  const std::vector<ByteString>& listLines() const { return controller_.state().texts.names; }
  // The position the list opens at: chosen when it is one, else the Ikosaeder.
  int startPosition(int chosen) const;

  // A user's pick of a list position: stops the rotation and loads the solid
  // in its start pose; an open morph starts the new solid's path, an open
  // fold folds its net, the kaleidoscope stays on its family.
  void pick(int position);
  // Loads the picked solid again in its start pose; the rotation runs on.
  void reload();
  // Takes position and view as the picked ones without loading or drawing
  // (the controls set from code before the first showing).
  void preselect(int position, View view) {
    position_ = position;
    view_ = view;
  }
  int position() const { return position_; }
  // The position one step further (+1) or back (-1), or -1 past an end.
  int neighbour(int direction) const;
  // The family whose words the view choices carry: that of the picked position.
  Family captionFamily() const;

  // The view asked for, and the one the picture draws (the polyhedron while a
  // solid of a tool is on show).
  void setView(View view);
  View view() const { return view_; }
  ViewState shownViewState() const;
  ViewsOff viewsOff() const;
  void setMarks(bool on);
  bool marks() const { return controller_.state().markPoints; }
  void setLineWidth(int width);
  // Faces filled in the tints of their kinds by symmetry (render/face_tints.h):
  // the solid on show and the tools' solids, not the folding net.
  void setColourFaces(bool on);
  bool colourFaces() const { return controller_.colourFaces(); }

  // The rotation: on makes the first step of all-zero steps a turn about the
  // vertical axis; tick turns by the steps, count times (a front end whose
  // frames come slower than the steps' rate catches up), and draws once.
  void setRotating(bool on);
  bool rotating() const { return rotating_; }
  void tick(int count = 1);
  // Sets a step from its box (value x 0.25 degrees) and turns once by it;
  // restoreStep sets it without turning.
  void setStep(int axis, int value);
  void restoreStep(int axis, int value) { controller_.restoreStep(axis, value); }
  void zoom(int steps);
  void wheel(int angleDelta);
  void turn(double a, double b, double c);
  // The drag: press returns whether it began (a left press).
  bool press(bool leftButton, int x, int y);
  void move(int x, int y);
  void release() { controller_.release(); }

  // Asking the picture: pickFace takes the front face under the logical
  // pixel (x, y) of the surface and highlights every face of its kind;
  // pickVertex takes the front vertex within kPickReach logical pixels of it
  // and highlights the faces round it. Either returns whether it found one
  // (then picked() tells what), else it clears; the folding net has none to
  // find. The highlight goes with a pick from the list, a tool opening or
  // closing, a press on the picture, clearPick, and whenever another solid
  // comes on show.
  static constexpr double kPickReach = 8.0;
  bool pickFace(int x, int y);
  bool pickVertex(int x, int y);
  // The same by index into the solid on show: the kind of face face, or vertex
  // vertex; false (and cleared) for an index out of range or the net.
  bool pickFaceByIndex(int face);
  bool pickVertexByIndex(int vertex);
  void clearPick();
  const PickFacts& picked() const { return picked_; }
  bool hasPick() const { return picked_.kind != PickFacts::Kind::None; }

  // The drawing surface, asked for its size whenever a frame is composed.
  struct Surface {
    int width = 0;  // logical pixels
    int height = 0;
    int scale = 1;  // device pixels per logical pixel
  };
  void setSurfaceSource(std::function<Surface()> surface) { surface_ = std::move(surface); }
  // The surface has a new size: a new frame (in presentation mode fitted first).
  void surfaceResized();
  // The scale of the last frame composed.
  int composedScale() const { return composedScale_; }
  // Presentation mode: on remembers the zoom, off restores it (or, after
  // another pick in the mode, takes that solid's own); neither draws.
  // fitPresentation zooms so that the solid (in the outer sphere's view, its
  // sphere) fills 90 % of the surface's shorter side, and draws.
  void setPresentation(bool on);
  bool inPresentation() const { return controller_.inPresentation(); }
  void fitPresentation();

  // The tools. Morph, kaleidoscope and jitterbug exclude each other: opening
  // one closes the others; the fold goes with any. The jitterbug turns the
  // Kuboktaeder's triangles: opening it picks the Kuboktaeder, and a pick of
  // another solid closes it. The kaleidoscope opens on the
  // family of the solid on show; the fold throws when the solid has no net
  // (the tool stays closed).
  void openTool(Tool tool);
  void closeTool(Tool tool);
  bool toolOpen(Tool tool) const;
  // A tool's steps. playTick marks a step of the tool's own play: it leaves
  // the description alone and, while the rotation runs, its tick draws.
  void setMorphParameter(double t, bool playTick = false);
  void setTouchMarks(bool on);
  void setKaleidoscopeFamily(WythoffFamily family);
  // The kaleidoscope's family and where its point started, as chosen last.
  WythoffFamily kaleidoscopeFamily() const { return kaleidoscopeFamily_; }
  WythoffWeights kaleidoscopeStart() const { return kaleidoscopeStart_; }
  // Count the morph paths and kaleidoscope families begun: a front end shows
  // a tool's stops again when its count moved.
  int morphPaths() const { return morphPath_; }
  int kaleidoscopeRounds() const { return kaleidoscopeRound_; }
  int foldRounds() const { return foldRound_; }
  int jitterbugRounds() const { return jitterbugRound_; }
  // The jitterbug's j from 0 (the Kuboktaeder) to 1 (the Oktaeder); playTick as for the morph.
  void setJitterbugParameter(double j, bool playTick = false);
  void setKaleidoscopeWeights(WythoffWeights weights);
  // The snub: with snub the solid is the hull of the point's copies under the
  // family's rotations alone, in the hand of the catalogue's snub solids, or
  // with mirror too in the other hand; mirror counts only with snub. The
  // choice outlasts families and the tool's closing. While the kaleidoscope
  // is open the point keeps its weights, its solid of the new copies is on
  // show and a new round begins, so that a front end shows the stops of
  // those copies.
  void setKaleidoscopeSnub(bool snub, bool mirror);
  bool kaleidoscopeSnub() const;
  bool kaleidoscopeMirror() const;
  void setFoldStage(double f, bool playTick = false);
  void setFoldLabels(bool on);
  // A tool's play stopped: the picture is described again.
  void playStopped();

  // Composes the frame at the surface and tells the listener. When the
  // folding net could not follow a new solid, the fold closes and this
  // throws why, after the frame.
  void draw();
  // What the picture shows now.
  PictureFacts pictureFacts() const;

 private:
  void load();
  // The list position the jitterbug starts from: the Kuboktaeder.
  int jitterbugPosition();
  // Composes a frame unless a play tick falls while the rotation draws anyway.
  void drawFor(bool playTick);
  void composeFrame();
  // Tells the listener the changes gathered, once the outermost command ends.
  void flush();
  // Clears the pick without drawing; returns whether there was one.
  bool dropPick();
  // Finds a face (or a vertex) under (x, y) and picks it.
  bool pickAt(int x, int y, bool vertex);
  // Picks found (a face or a vertex index of the solid on show, -1 for none)
  // after a pick before was dropped (had), draws and tells.
  bool pickFound(int found, bool vertex, bool had);
  // Whether there is a solid on show to ask about (not the net, not before the first pick).
  bool pickable() const;

  ViewerController controller_;
  PickFacts picked_;
  Polyhedron pickedSolid_;  // the start-pose geometry of the solid the pick belongs to
  Listener listener_;
  std::function<Surface()> surface_;
  unsigned pending_ = 0;  // ViewerChange bits not yet told
  bool telling_ = false;  // the listener runs
  int position_ = -1;
  View view_ = View::Polyhedron;
  bool rotating_ = false;
  bool morphOpen_ = false;
  bool kaleidoscopeOpen_ = false;
  bool foldOpen_ = false;
  bool jitterbugOpen_ = false;
  int morphPath_ = 0;
  int kaleidoscopeRound_ = 0;
  int foldRound_ = 0;
  int jitterbugRound_ = 0;
  WythoffFamily kaleidoscopeFamily_ = WythoffFamily::O;
  WythoffWeights kaleidoscopeStart_{1.0, 0.0, 0.0};
  int composedScale_ = 1;
};

// The family whose words the view choices carry at a list position (the
// Platonic solids' before any pick).
Family captionFamilyOf(int position);

}  // namespace velkora
