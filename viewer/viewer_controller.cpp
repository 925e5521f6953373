#include "viewer/viewer_controller.h"

#include <algorithm>
#include <cmath>

#include "jitterbug/jitterbug.h"
#include "kaleidoscope/kaleidoscope_family.h"
#include "model/polyhedron.h"
#include "model/rotation.h"
#include "model/solid.h"
#include "model/solid_catalogue.h"
#include "model/zoom.h"
#include "properties/face_orbits.h"
#include "render/face_tints.h"
#include "viewer/motion_state.h"

namespace velkora {

namespace {

// The part of the drawing area's shorter side that the picture fills in presentation mode.
constexpr double kPresentationFill = 0.9;

}  // namespace

void ViewerController::create() {
  state_.texts = loadCatalogueTexts();
  state_.motion.stepX = 0.0;
  state_.motion.stepY = 0.0;
  state_.motion.stepZ = 0.5;
  state_.markPoints = false;
  state_.motion.formReady = true;
}

void ViewerController::destroy() {
  state_.texts = CatalogueTexts{};
  catalogue_.reset();
}

void ViewerController::load(std::string_view listLine, int position) {
  state_.solid = pickSolid(state_.model, listLine, position, state_.texts);
  endMorph();
  endJitterbug();
  moment_.reset();
  ++loadCount_;
  presentationFit_ = 1.0;
}

std::span<const Solid> ViewerController::catalogue() {
  if (!catalogue_) catalogue_ = readAllSolids(state_.texts);
  return *catalogue_;
}

void ViewerController::beginJitterbug() {
  endMorph();
  endKaleidoscope();
  jitterbugStops_ = velkora::jitterbugStops(catalogue());
  jitterbugBegun_ = true;
  setJitterbugParameter(0.0);
}

void ViewerController::endJitterbug() {
  if (jitterbugBegun_) moment_.reset();
  jitterbugBegun_ = false;
  jitterbugJ_ = 0.0;
  jitterbugStops_.clear();
  jitterbugTints_.clear();
}

void ViewerController::setJitterbugParameter(double j) {
  if (!jitterbugBegun_) return;
  jitterbugJ_ = std::clamp(j, 0.0, 1.0);
  try {
    moment_ = jitterbugSolid(state_.solid, jitterbugJ_, jitterbugStops_);
  } catch (...) {
    endJitterbug();
    throw;
  }
  // The eight triangles in the first colour of the kinds' palette, the
  // faces that open between them in the second.
  jitterbugTints_.clear();
  for (const bool turning : jitterbugShape(jitterbugJ_).turning)
    jitterbugTints_.push_back(kindTint(turning ? 0 : 1));
}

void ViewerController::beginMorph() {
  const Solid& solid = velkora::shownSolid(state_);
  auto morph = std::make_unique<DualMorph>(solid.geometry);
  stops_ = velkora::morphStops(*morph, catalogue());
  endKaleidoscope();
  endJitterbug();
  morph_ = std::move(morph);
  morphT_ = 0.0;
}

void ViewerController::endMorph() {
  if (morph_ != nullptr) moment_.reset();
  morph_.reset();
  stops_.clear();
  morphT_ = 0.0;
}

void ViewerController::setMorphParameter(double t) {
  if (morph_ == nullptr) return;
  morphT_ = std::clamp(t, 0.0, 1.0);
  if (morphT_ > 0.0) {
    moment_ = morphedSolid(state_.solid, *morph_, morphT_, stops_);
  } else {
    moment_.reset();
  }
}

WythoffWeights ViewerController::beginKaleidoscope(WythoffFamily family) {
  auto kaleidoscope = std::make_unique<Kaleidoscope>(family);
  kaleidoscopeStops_ = velkora::kaleidoscopeStops(*kaleidoscope, catalogue(), kaleidoscopeCopies_);
  endMorph();
  endJitterbug();
  kaleidoscope_ = std::move(kaleidoscope);
  moment_.reset();
  const int picked = velkora::shownSolid(state_).position;
  for (const KaleidoscopeStop& stop : kaleidoscopeStops_) {
    if (picked >= 0 && stop.position == picked) {
      kaleidoscopeWeights_ = stop.weights;
      // The mirrored snub's stop is the picked solid's mirror image: on show.
      if (kaleidoscopeCopies_ == WythoffCopies::MirroredRotations)
        setKaleidoscopeWeights(stop.weights);
      return stop.weights;
    }
  }
  const WythoffWeights cornerA{1.0, 0.0, 0.0};
  setKaleidoscopeWeights(cornerA);
  return cornerA;
}

WythoffFamily ViewerController::kaleidoscopeFamily() {
  return kaleidoscopeFamilyOf(velkora::shownSolid(state_), catalogue()).value_or(WythoffFamily::O);
}

void ViewerController::endKaleidoscope() {
  if (kaleidoscope_ != nullptr) moment_.reset();
  kaleidoscope_.reset();
  kaleidoscopeStops_.clear();
}

void ViewerController::setKaleidoscopeCopies(WythoffCopies copies) {
  kaleidoscopeCopies_ = copies;
  if (kaleidoscope_ == nullptr) return;
  kaleidoscopeStops_ = velkora::kaleidoscopeStops(*kaleidoscope_, catalogue(), copies);
  setKaleidoscopeWeights(kaleidoscopeWeights_);
}

void ViewerController::setKaleidoscopeWeights(WythoffWeights weights) {
  if (kaleidoscope_ == nullptr) return;
  kaleidoscopeWeights_ = weights;
  Solid shape = kaleidoscopeSolid(*kaleidoscope_, weights, kaleidoscopeStops_, kaleidoscopeCopies_);
  // Its vertices lie on the unit sphere; the farthest goes where the picked solid's is.
  scaleToReach(shape.geometry, velkora::shownSolid(state_).geometry);
  moment_ = std::move(shape);
}

const Solid& ViewerController::shownSolid() const {
  return moment_ ? *moment_ : velkora::shownSolid(state_);
}

const Model& ViewerController::shownModel() {
  if (!moment_) return state_.model;
  if (momentModel_ == nullptr) momentModel_ = std::make_unique<Model>();
  placeShape(*momentModel_, moment_->geometry, state_.solid, state_.model);
  return *momentModel_;
}

Polyhedron ViewerController::shownStartPose() {
  const Solid& solid = velkora::shownSolid(state_);
  if (!moment_) return startPoseOf(solid);
  auto start = std::make_unique<Model>();
  placeSolid(*start, solid);
  placeShape(*start, moment_->geometry, solid, *start);
  return polyhedronOf(*start);
}

void ViewerController::prepareAnimation() { prepareAnimationStart(state_.motion); }

void ViewerController::tick() { rechnen(state_.model, state_.motion); }

bool ViewerController::setStep(int axis, int spinValue) {
  setStepFromSpin(state_.motion, axis, spinValue);
  if (!state_.motion.formReady) return false;
  rechnen(state_.model, state_.motion);
  return true;
}

void ViewerController::restoreStep(int axis, int spinValue) {
  setStepFromSpin(state_.motion, axis, spinValue);
}

void ViewerController::zoom(int steps) {
  const double factor = steps > 0 ? kEnlargeFactor : kShrinkFactor;
  for (int k = 0; k < std::abs(steps); ++k) {
    zoomModel(state_.model, factor);
  }
}

int ViewerController::wheel(int angleDelta) {
  const int notches = wheelNotches(wheel_, angleDelta);
  zoom(notches);
  return notches;
}

void ViewerController::turn(double a, double b, double c) { drehen(state_.model, a, b, c); }

bool ViewerController::press(bool leftButton, int x, int y) {
  return dragPress(state_.motion, leftButton, x, y);
}

bool ViewerController::move(int x, int y) { return dragMove(state_.model, state_.motion, x, y); }

void ViewerController::release() { dragRelease(state_.motion); }

void ViewerController::beginPresentation() {
  presentation_ = Presentation{state_.model.scale, loadCount_};
  presentationFit_ = 1.0;
}

bool ViewerController::fitPresentation(bool outerSphere, int width, int height) {
  const double side = std::min(width, height);
  if (side <= 0) return false;
  presentationFit_ *= zoomToRadius(state_.model, outerSphere, kPresentationFill * side / 2.0);
  return true;
}

void ViewerController::endPresentation() {
  if (!presentation_) return;
  const Presentation memory = *presentation_;
  presentation_.reset();
  if (loadCount_ == memory.loadCount && state_.model.scale > 0.0) {
    zoomModel(state_.model, memory.scale / state_.model.scale);
  } else if (presentationFit_ > 0.0) {
    zoomModel(state_.model, 1.0 / presentationFit_);
  }
}

void ViewerController::beginFold() {
  foldProblem_.clear();
  auto fold = std::make_unique<FoldingNet>(shownSolid());
  fold->faceViewer(shownModel());
  fold_ = std::move(fold);
  foldStage_ = 0.0;
}

void ViewerController::endFold() {
  fold_.reset();
  foldLabels_.clear();
}

void ViewerController::followShownSolid() {
  if (fold_ == nullptr || fold_->solid().geometry.vertices == shownSolid().geometry.vertices)
    return;
  try {
    auto fold = std::make_unique<FoldingNet>(shownSolid());
    fold->faceViewer(shownModel());
    fold_ = std::move(fold);
  } catch (const Error& error) {
    foldProblem_ = error.what();
    endFold();
  }
}

std::span<const std::uint32_t> ViewerController::kindTintsOf(const Model& model) {
  // A turn leaves the kinds as they are: the shown solid's geometry in its
  // start pose says when they must be found again.
  const Polyhedron& solid = shownSolid().geometry;
  if (faceTints_.size() != static_cast<std::size_t>(std::max(model.faceCount, 0)) ||
      tintedSolid_.vertices != solid.vertices || tintedSolid_.faces != solid.faces) {
    faceTints_ = tintsOfKinds(faceOrbits(polyhedronOf(model)).kindOfFace);
    tintedSolid_ = solid;
  }
  return faceTints_;
}

std::span<const std::uint32_t> ViewerController::frameTints(const Model& shown) {
  std::span<const std::uint32_t> tints;
  if (jitterbugBegun_ && moment_) {
    tints = jitterbugTints_;
  } else if (colourFaces_ && (moment_ || !state_.solid.geometry.vertices.empty())) {
    // Before the first pick there is no solid and nothing to tint.
    tints = kindTintsOf(shown);
  }
  if (highlight_.empty()) return tints;
  // The picked faces in the pick's tint, the others as they were.
  highlightTints_.assign(tints.begin(), tints.end());
  highlightTints_.resize(static_cast<std::size_t>(std::max(shown.faceCount, 0)), 0u);
  for (const int face : highlight_) {
    if (face >= 0 && face < shown.faceCount)
      highlightTints_[static_cast<std::size_t>(face)] = kPickTint;
  }
  return highlightTints_;
}

void ViewerController::compose(View view, int width, int height, int scale) {
  followShownSolid();
  if (fold_ != nullptr) {
    const Model& shown = shownModel();
    fold_->scene(foldStage_, shown, foldScene_);
    composeDepthPicture(foldScene_, width, height, buffers_.frame, foldDepth_, scale, lineWidth_);
    foldLabels_.clear();
    if (foldLabelsOn_) foldLabels_ = fold_->labels(foldStage_, shown, foldDepth_, scale);
    return;
  }
  ViewState shown = viewState(moment_ ? View::Polyhedron : view);
  shown.lineWidth = lineWidth_;
  if (morph_ != nullptr && touchMarks_) {
    touchPoints_ =
        placePoints(touchPointsAt(state_.solid, *morph_, morphT_), state_.solid, state_.model);
    shown.extraMarks = touchPoints_;
  }
  const Model& model = moment_ ? shownModel() : state_.model;
  shown.faceTints = frameTints(model);
  composeFrame(model, shown, width, height, buffers_, scale);
}

}  // namespace velkora
