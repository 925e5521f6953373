#include "animation/animation_frames.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "folding/folding_net.h"
#include "jitterbug/jitterbug.h"
#include "jitterbug/jitterbug_solid.h"
#include "kaleidoscope/kaleidoscope_solid.h"
#include "kaleidoscope/kaleidoscope_tour.h"
#include "model/polyhedron.h"
#include "model/rotation.h"
#include "morph/dual_morph.h"
#include "morph/morph_solid.h"
#include "properties/face_orbits.h"
#include "render/depth_picture.h"
#include "render/face_tints.h"
#include "text/ui_text.h"

namespace velkora {

struct AnimationFrames::Setup {
  AnimationScene scene;
  std::vector<Solid> catalogue;
  // The morph's path and stops, made on the first morph frame.
  std::unique_ptr<DualMorph> morph;
  std::vector<SolidStop> morphStops;
  // The tints of the faces of the frame being composed.
  std::vector<std::uint32_t> faceTints;
  // The kaleidoscope, its stops and its tour, made on the first tour frame.
  std::unique_ptr<Kaleidoscope> kaleidoscope;
  std::vector<KaleidoscopeStop> kaleidoscopeStops;
  std::vector<WythoffWeights> tour;
  // The jitterbug's stops, its start (the catalogue's cuboctahedron) and that
  // start's model in the scene's pose, made on the first jitterbug frame.
  std::vector<JitterbugStop> jitterbugStops;
  const Solid* jitterbugStart = nullptr;
  std::unique_ptr<Model> jitterbugModel;
  // The folding net, made on the first fold frame, and its drawing stores.
  std::unique_ptr<FoldingNet> fold;
  DepthScene foldScene;
  DepthBuffer foldDepth;
};

namespace {

using Setup = AnimationFrames::Setup;

// The frame functions: the model and view at phase (k / n, 0 <= phase < 1).
// Each starts from the scene's start model, never from the frame before, so
// that no rounding piles up and the last frame leads into the first.

// One full turn about the screen's vertical axis (the x-z plane).
ViewState spinFrame(Setup& setup, double phase, Model& model) {
  model = *setup.scene.start;
  if (phase > 0.0) drehen(model, 0.0, 0.0, 360.0 * phase);
  return setup.scene.view;
}

// t from 0 up to 1 at half time and back; like the window, the sphere views
// only where t is 0, the polyhedron anywhere else.
ViewState morphFrame(Setup& setup, double phase, Model& model) {
  const double t = phase < 0.5 ? 2.0 * phase : 2.0 * (1.0 - phase);
  if (t <= 0.0) {
    model = *setup.scene.start;
    return setup.scene.view;
  }
  if (setup.morph == nullptr) {
    setup.morph = std::make_unique<DualMorph>(setup.scene.solid.geometry);
    setup.morphStops = morphStops(*setup.morph, setup.catalogue);
  }
  const Solid shape = morphedSolid(setup.scene.solid, *setup.morph, t, setup.morphStops);
  placeShape(model, shape.geometry, setup.scene.solid, *setup.scene.start);
  return ViewState{View::Polyhedron, setup.scene.view.markPoints};
}

// The point on the window's tour, the solid in the scene's pose and reach.
ViewState kaleidoscopeFrame(Setup& setup, double phase, Model& model) {
  if (setup.kaleidoscope == nullptr) {
    setup.kaleidoscope = std::make_unique<Kaleidoscope>(*setup.scene.family);
    setup.kaleidoscopeStops =
        kaleidoscopeStops(*setup.kaleidoscope, setup.catalogue, setup.scene.copies);
    setup.tour = kaleidoscopeTour(setup.kaleidoscopeStops);
  }
  Solid shape = kaleidoscopeSolid(*setup.kaleidoscope, tourPointAt(setup.tour, phase),
                                  setup.kaleidoscopeStops, setup.scene.copies);
  scaleToReach(shape.geometry, setup.scene.solid.geometry);
  placeShape(model, shape.geometry, setup.scene.solid, *setup.scene.start);
  return ViewState{View::Polyhedron, setup.scene.view.markPoints};
}

// j from 0 up to 1 at half time and back: the cuboctahedron's triangles
// turning into the octahedron, in the scene's pose when the scene is the
// cuboctahedron, else in the cuboctahedron's start pose. The turning
// triangles in the first tint of the kinds, the opening faces in the second.
ViewState jitterbugFrame(Setup& setup, double phase, Model& model) {
  if (setup.jitterbugStart == nullptr) {
    setup.jitterbugStops = jitterbugStops(setup.catalogue);
    setup.jitterbugStart = &jitterbugStart(setup.catalogue, setup.jitterbugStops);
    setup.jitterbugModel = std::make_unique<Model>();
    if (setup.scene.solid.position == setup.jitterbugStart->position) {
      *setup.jitterbugModel = *setup.scene.start;
    } else {
      placeSolid(*setup.jitterbugModel, *setup.jitterbugStart);
    }
  }
  const double j = phase < 0.5 ? 2.0 * phase : 2.0 * (1.0 - phase);
  const Solid shape = jitterbugSolid(*setup.jitterbugStart, j, setup.jitterbugStops);
  placeShape(model, shape.geometry, *setup.jitterbugStart, *setup.jitterbugModel);
  setup.faceTints.clear();
  for (const bool turning : jitterbugShape(j).turning)
    setup.faceTints.push_back(kindTint(turning ? 0 : 1));
  ViewState view{View::Polyhedron, setup.scene.view.markPoints};
  view.faceTints = setup.faceTints;
  return view;
}

// The folding net has no model of its own: its frames keep the start model,
// and compose draws the net folded from flat up to closed at half time and
// open again.
ViewState foldFrame(Setup& setup, double /*phase*/, Model& model) {
  model = *setup.scene.start;
  return ViewState{View::Polyhedron, false};
}

double foldStageAt(double phase) { return phase < 0.5 ? 2.0 * phase : 2.0 * (1.0 - phase); }

using FrameFunction = ViewState (*)(Setup&, double, Model&);

struct KindEntry {
  AnimationKind kind;
  std::string_view name;   // on the command line
  std::string_view label;  // in the window
  FrameFunction frame;
};

// The table of kinds, in the order they are listed.
constexpr KindEntry kKinds[] = {
    {AnimationKind::Spin, "spin", UI_TEXT_MARK("Animation", "Drehung um die senkrechte Achse"),
     spinFrame},
    {AnimationKind::Morph, "morph",
     UI_TEXT_MARK("Animation", "Verwandlung in den dualen Körper und zurück"), morphFrame},
    {AnimationKind::Kaleidoscope, "kaleidoscope",
     UI_TEXT_MARK("Animation", "Rundgang im Kaleidoskop"), kaleidoscopeFrame},
    {AnimationKind::Fold, "fold", UI_TEXT_MARK("Animation", "Netz falten und wieder öffnen"),
     foldFrame},
    {AnimationKind::Jitterbug, "jitterbug",
     UI_TEXT_MARK("Animation", "Jitterbug: vom Kuboktaeder zum Oktaeder und zurück"),
     jitterbugFrame},
};

const KindEntry& entryOf(AnimationKind kind) {
  for (const KindEntry& entry : kKinds) {
    if (entry.kind == kind) return entry;
  }
  throw EAnimation("Unbekannte Art der Animation");
}

}  // namespace

std::vector<AnimationKind> animationKinds() {
  std::vector<AnimationKind> kinds;
  for (const KindEntry& entry : kKinds)
    kinds.push_back(entry.kind);
  return kinds;
}

std::string_view animationKindName(AnimationKind kind) { return entryOf(kind).name; }

std::string_view animationKindLabel(AnimationKind kind) { return entryOf(kind).label; }

std::optional<AnimationKind> animationKindOf(std::string_view name) {
  std::string folded(name);
  std::transform(folded.begin(), folded.end(), folded.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const KindEntry& entry : kKinds) {
    if (entry.name == folded) return entry.kind;
  }
  return std::nullopt;
}

AnimationFrames::AnimationFrames(AnimationKind kind, AnimationScene scene, int count,
                                 std::span<const Solid> catalogue)
    : kind_(kind), count_(count), setup_(std::make_unique<Setup>()) {
  if (count < kMinAnimationFrames || count > kMaxAnimationFrames) {
    throw EAnimation("Eine Animation hat 2 bis 720 Bilder, nicht " + std::to_string(count));
  }
  if (scene.start == nullptr) throw EAnimation("Die Animation hat kein Ausgangsbild");
  if (kind == AnimationKind::Kaleidoscope && !scene.family) {
    throw EAnimation(scene.solid.name + " gehört zu keiner Familie des Kaleidoskops");
  }
  entryOf(kind);
  setup_->scene = std::move(scene);
  setup_->catalogue.assign(catalogue.begin(), catalogue.end());
}

AnimationFrames::~AnimationFrames() = default;

ViewState AnimationFrames::frame(int k, Model& model) {
  const double phase = static_cast<double>(std::clamp(k, 0, count_ - 1)) / count_;
  return entryOf(kind_).frame(*setup_, phase, model);
}

void AnimationFrames::compose(int k, int width, int height, FrameBuffers& buffers, Model& model,
                              int scale) {
  if (kind_ != AnimationKind::Fold) {
    ViewState view = frame(k, model);
    // The jitterbug's own two tints stand; other frames may take the kinds'.
    if (setup_->scene.colourFaces && kind_ != AnimationKind::Jitterbug) {
      setup_->faceTints = tintsOfKinds(faceOrbits(polyhedronOf(model)).kindOfFace);
      view.faceTints = setup_->faceTints;
    }
    composeFrame(model, view, width, height, buffers, scale);
    return;
  }
  Setup& setup = *setup_;
  if (setup.fold == nullptr) {
    setup.fold = std::make_unique<FoldingNet>(setup.scene.solid);
    setup.fold->faceViewer(*setup.scene.start);
  }
  const double phase = static_cast<double>(std::clamp(k, 0, count_ - 1)) / count_;
  setup.fold->scene(foldStageAt(phase), *setup.scene.start, setup.foldScene);
  composeDepthPicture(setup.foldScene, width, height, buffers.frame, setup.foldDepth, scale);
}

}  // namespace velkora
