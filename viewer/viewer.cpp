#include "viewer/viewer.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "base/errors.h"
#include "model/solid_catalogue.h"
#include "viewer/picture_pick.h"

namespace velkora {

namespace {

constexpr int kPreselected = 3;  // "Ikosaeder"

}  // namespace

void Viewer::create() { controller_.create(); }

void Viewer::destroy() {
  rotating_ = false;
  controller_.destroy();
}

int Viewer::startPosition(int chosen) const {
  const int count = static_cast<int>(listLines().size());
  return chosen >= 0 && chosen < count ? chosen : kPreselected;
}

void Viewer::pick(int position) {
  const bool wasRotating = rotating_;
  rotating_ = false;
  position_ = position;
  // A stopped rotation and the captions of the new family are told with the load's changes.
  pending_ |= kCaptionsChanged | kViewsChanged | (wasRotating ? kRotationChanged : 0u);
  load();
}

void Viewer::reload() { load(); }

void Viewer::load() {
  dropPick();
  if (position_ < 0 || position_ >= static_cast<int>(listLines().size())) {
    flush();
    return;
  }
  controller_.load(listLineAt(controller_.state().texts, position_), position_);
  unsigned changes = kSolidChanged | kViewsChanged;
  if (morphOpen_) {
    // The morph starts the new solid's path.
    controller_.beginMorph();
    ++morphPath_;
    changes |= kToolsChanged;
  }
  if (jitterbugOpen_) {
    // The jitterbug starts again on its own solid and closes on any other.
    if (position_ == jitterbugPosition()) {
      controller_.beginJitterbug();
      ++jitterbugRound_;
    } else {
      jitterbugOpen_ = false;
    }
    changes |= kToolsChanged;
  }
  pending_ |= changes;
  if (inPresentation()) {
    fitPresentation();
  } else {
    draw();
  }
  flush();
}

int Viewer::neighbour(int direction) const {
  const int next = position_ + (direction > 0 ? 1 : -1);
  return next >= 0 && next < static_cast<int>(listLines().size()) ? next : -1;
}

Family captionFamilyOf(int position) {
  return position < 0 ? Family::Platonic : familyOf(std::min(position, kSolidCount - 1));
}

Family Viewer::captionFamily() const { return captionFamilyOf(position_); }

void Viewer::setView(View view) {
  view_ = view;
  draw();
  flush();
}

ViewState Viewer::shownViewState() const {
  return controller_.viewState(controller_.showingMoment() ? View::Polyhedron : view_);
}

ViewsOff Viewer::viewsOff() const {
  if (controller_.folding()) return ViewsOff::Folding;
  if (controller_.showingMoment()) return ViewsOff::Moment;
  return ViewsOff::No;
}

void Viewer::setMarks(bool on) {
  controller_.setMarks(on);
  draw();
  flush();
}

void Viewer::setLineWidth(int width) {
  controller_.setLineWidth(width);
  // Before the first pick there is no picture yet to draw again.
  if (position_ >= 0) draw();
  flush();
}

void Viewer::setColourFaces(bool on) {
  if (on == controller_.colourFaces()) return;
  controller_.setColourFaces(on);
  // Before the first pick there is no picture yet to draw again.
  if (position_ >= 0) draw();
  flush();
}

void Viewer::setRotating(bool on) {
  if (on == rotating_) return;
  rotating_ = on;
  if (on) controller_.prepareAnimation();
  pending_ |= kRotationChanged | kDescriptionChanged;
  flush();
}

void Viewer::tick(int count) {
  try {
    for (int i = 0; i < count; ++i)
      controller_.tick();
    composeFrame();
  } catch (...) {
    // A failing rotation stops rather than failing on every tick.
    pending_ = 0;
    setRotating(false);
    throw;
  }
  pending_ |= kPictureChanged;
  flush();
}

void Viewer::setStep(int axis, int value) {
  if (controller_.setStep(axis, value)) draw();
  flush();
}

void Viewer::zoom(int steps) {
  controller_.zoom(steps);
  if (steps != 0) draw();
  flush();
}

void Viewer::wheel(int angleDelta) {
  if (controller_.wheel(angleDelta) != 0) draw();
  flush();
}

void Viewer::turn(double a, double b, double c) {
  controller_.turn(a, b, c);
  draw();
  flush();
}

bool Viewer::press(bool leftButton, int x, int y) {
  // A plain press ends a question to the picture, then does what it always did.
  if (dropPick()) draw();
  return controller_.press(leftButton, x, y);
}

bool Viewer::dropPick() {
  if (!hasPick()) return false;
  picked_ = PickFacts{};
  pickedSolid_ = Polyhedron{};
  controller_.setHighlight({});
  pending_ |= kPickChanged | kDescriptionChanged;
  return true;
}

void Viewer::clearPick() {
  if (dropPick()) drawFor(false);
  flush();
}

bool Viewer::pickFace(int x, int y) { return pickAt(x, y, false); }

bool Viewer::pickVertex(int x, int y) { return pickAt(x, y, true); }

bool Viewer::pickAt(int x, int y, bool vertex) {
  const bool had = dropPick();
  if (!pickable()) return pickFound(-1, vertex, had);
  const Surface surface = surface_ ? surface_() : Surface{};
  const int scale = std::clamp(surface.scale, kMinPixelScale, kMaxPixelScale);
  const FrameGeometry frame{surface.width * scale, surface.height * scale, scale};
  // The middle of the logical pixel, in device pixels.
  const double px = (x + 0.5) * scale;
  const double py = (y + 0.5) * scale;
  const Model& model = controller_.shownModel();
  const int found = vertex ? frontVertexNear(model, frame, px, py, kPickReach * scale)
                           : frontFaceAt(model, frame, px, py);
  return pickFound(found, vertex, had);
}

bool Viewer::pickable() const {
  return !controller_.folding() && !controller_.state().solid.geometry.vertices.empty();
}

bool Viewer::pickFaceByIndex(int face) {
  const bool had = dropPick();
  const bool inRange = pickable() && face >= 0 && face < controller_.shownModel().faceCount;
  return pickFound(inRange ? face : -1, false, had);
}

bool Viewer::pickVertexByIndex(int vertex) {
  const bool had = dropPick();
  const bool inRange = pickable() && vertex >= 0 && vertex < controller_.shownModel().vertexCount;
  return pickFound(inRange ? vertex : -1, true, had);
}

bool Viewer::pickFound(int found, bool vertex, bool had) {
  if (found >= 0) {
    const Model& model = controller_.shownModel();
    const Polyhedron solid = polyhedronOf(model);
    picked_ = vertex ? vertexFacts(solid, found) : faceKindFacts(solid, found);
    pickedSolid_ = controller_.shownSolid().geometry;
    controller_.setHighlight(picked_.faces);
    pending_ |= kPickChanged | kDescriptionChanged;
  }
  if (found >= 0 || had) drawFor(false);
  flush();
  return found >= 0;
}

void Viewer::move(int x, int y) {
  if (controller_.move(x, y)) draw();
  flush();
}

void Viewer::surfaceResized() {
  if (inPresentation()) {
    fitPresentation();
  } else {
    draw();
  }
  flush();
}

void Viewer::setPresentation(bool on) {
  if (on == inPresentation()) return;
  if (on) {
    controller_.beginPresentation();
  } else {
    // The zoom of before, or, after another solid was loaded in the mode,
    // that solid without the mode's fitting.
    controller_.endPresentation();
  }
}

void Viewer::fitPresentation() {
  const Surface surface = surface_ ? surface_() : Surface{};
  if (controller_.fitPresentation(view_ == View::OuterSphere, surface.width, surface.height)) {
    draw();
  }
  flush();
}

void Viewer::openTool(Tool tool) {
  if (dropPick()) drawFor(false);
  switch (tool) {
    case Tool::Morph:
      if (kaleidoscopeOpen_) closeTool(Tool::Kaleidoscope);
      if (jitterbugOpen_) closeTool(Tool::Jitterbug);
      controller_.beginMorph();
      morphOpen_ = true;
      ++morphPath_;
      pending_ |= kToolsChanged;
      break;
    case Tool::Kaleidoscope:
      if (morphOpen_) closeTool(Tool::Morph);
      if (jitterbugOpen_) closeTool(Tool::Jitterbug);
      kaleidoscopeOpen_ = true;
      // Preset to the symmetry of the solid on show.
      setKaleidoscopeFamily(controller_.kaleidoscopeFamily());
      break;
    case Tool::Jitterbug: {
      if (morphOpen_) closeTool(Tool::Morph);
      if (kaleidoscopeOpen_) closeTool(Tool::Kaleidoscope);
      const int start = jitterbugPosition();
      if (position_ != start) pick(start);
      controller_.beginJitterbug();
      jitterbugOpen_ = true;
      ++jitterbugRound_;
      pending_ |= kToolsChanged | kViewsChanged | kSolidChanged | kDescriptionChanged;
      draw();
      break;
    }
    case Tool::Fold:
      controller_.beginFold();  // throws for a solid without a net; the tool stays closed
      foldOpen_ = true;
      ++foldRound_;
      pending_ |= kToolsChanged | kViewsChanged;
      draw();
      break;
  }
  flush();
}

void Viewer::closeTool(Tool tool) {
  dropPick();
  switch (tool) {
    case Tool::Morph:
      morphOpen_ = false;
      controller_.endMorph();
      pending_ |= kToolsChanged | kViewsChanged | kSolidChanged;
      break;
    case Tool::Kaleidoscope:
      kaleidoscopeOpen_ = false;
      controller_.endKaleidoscope();
      pending_ |= kToolsChanged | kViewsChanged | kSolidChanged;
      break;
    case Tool::Fold:
      foldOpen_ = false;
      controller_.endFold();
      pending_ |= kToolsChanged | kViewsChanged;
      break;
    case Tool::Jitterbug:
      jitterbugOpen_ = false;
      controller_.endJitterbug();
      pending_ |= kToolsChanged | kViewsChanged | kSolidChanged;
      break;
  }
  draw();
  flush();
}

bool Viewer::toolOpen(Tool tool) const {
  switch (tool) {
    case Tool::Morph:
      return morphOpen_;
    case Tool::Kaleidoscope:
      return kaleidoscopeOpen_;
    case Tool::Fold:
      return foldOpen_;
    case Tool::Jitterbug:
      return jitterbugOpen_;
  }
  return false;
}

int Viewer::jitterbugPosition() {
  const std::vector<JitterbugStop>& stops = controller_.jitterbugStops();
  if (!stops.empty()) return stops.front().position;
  return jitterbugStart(controller_.catalogue(), velkora::jitterbugStops(controller_.catalogue()))
      .position;
}

void Viewer::setJitterbugParameter(double j, bool playTick) {
  controller_.setJitterbugParameter(j);
  pending_ |= kViewsChanged | kSolidChanged;
  drawFor(playTick);
  flush();
}

void Viewer::setMorphParameter(double t, bool playTick) {
  controller_.setMorphParameter(t);
  pending_ |= kViewsChanged | kSolidChanged;
  drawFor(playTick);
  flush();
}

void Viewer::setTouchMarks(bool on) {
  controller_.setTouchMarks(on);
  draw();
  flush();
}

void Viewer::setKaleidoscopeFamily(WythoffFamily family) {
  kaleidoscopeStart_ = controller_.beginKaleidoscope(family);
  kaleidoscopeFamily_ = family;
  ++kaleidoscopeRound_;
  pending_ |= kToolsChanged | kViewsChanged | kSolidChanged;
  draw();
  flush();
}

void Viewer::setKaleidoscopeSnub(bool snub, bool mirror) {
  const WythoffCopies copies = !snub    ? WythoffCopies::Reflections
                               : mirror ? WythoffCopies::MirroredRotations
                                        : WythoffCopies::Rotations;
  if (copies == controller_.kaleidoscopeCopies()) return;
  controller_.setKaleidoscopeCopies(copies);
  if (kaleidoscopeOpen_) {
    kaleidoscopeStart_ = controller_.kaleidoscopeWeights();
    ++kaleidoscopeRound_;
    pending_ |= kToolsChanged | kViewsChanged | kSolidChanged;
    draw();
  }
  flush();
}

bool Viewer::kaleidoscopeSnub() const {
  return controller_.kaleidoscopeCopies() != WythoffCopies::Reflections;
}

bool Viewer::kaleidoscopeMirror() const {
  return controller_.kaleidoscopeCopies() == WythoffCopies::MirroredRotations;
}

void Viewer::setKaleidoscopeWeights(WythoffWeights weights) {
  controller_.setKaleidoscopeWeights(weights);
  pending_ |= kViewsChanged | kSolidChanged;
  draw();
  flush();
}

void Viewer::setFoldStage(double f, bool playTick) {
  controller_.setFoldStage(f);
  drawFor(playTick);
  flush();
}

void Viewer::setFoldLabels(bool on) {
  controller_.setFoldLabels(on);
  draw();
  flush();
}

void Viewer::playStopped() {
  pending_ |= kDescriptionChanged;
  flush();
}

void Viewer::drawFor(bool playTick) {
  // While the rotation runs, its next tick (as often as a play tick) draws
  // the frame of a play tick; one frame per tick is enough.
  if (playTick && rotating_) return;
  composeFrame();
  pending_ |= kPictureChanged | (playTick ? 0u : kDescriptionChanged);
}

void Viewer::draw() {
  drawFor(false);
  flush();
}

void Viewer::composeFrame() {
  // A pick belongs to the solid it was made on: another on show, or the net, ends it.
  if (hasPick() && (controller_.folding() ||
                    controller_.shownSolid().geometry.vertices != pickedSolid_.vertices ||
                    controller_.shownSolid().geometry.faces != pickedSolid_.faces))
    dropPick();
  const Surface surface = surface_ ? surface_() : Surface{};
  controller_.compose(view_, surface.width * surface.scale, surface.height * surface.scale,
                      surface.scale);
  composedScale_ = surface.scale;
  if (foldOpen_ && !controller_.folding()) {
    // The net could not follow the solid on show: the fold closes, and says why.
    foldOpen_ = false;
    pending_ |= kToolsChanged | kViewsChanged | kPictureChanged | kDescriptionChanged;
    flush();
    const std::string problem = controller_.foldProblem();
    if (!problem.empty()) throw Error(problem);
  }
}

void Viewer::flush() {
  // Changes are told once, when the outermost command ends; a listener's own
  // commands add theirs to the next round.
  if (pending_ == 0 || telling_) return;
  telling_ = true;
  while (pending_ != 0) {
    const unsigned changes = std::exchange(pending_, 0u);
    if (listener_) {
      try {
        listener_(changes);
      } catch (...) {
        telling_ = false;
        throw;
      }
    }
  }
  telling_ = false;
}

PictureFacts Viewer::pictureFacts() const {
  PictureFacts facts;
  facts.rotating = rotating_;
  facts.marks = marks();
  if (!controller_.showingMoment() && controller_.state().solid.geometry.vertices.empty()) {
    return facts;  // nothing loaded yet
  }
  facts.solidName = controller_.shownSolid().name;
  facts.view = view_;
  if (controller_.folding()) {
    facts.kind = PictureFacts::Kind::Fold;
    facts.foldPercent = static_cast<int>(std::lround(controller_.foldStage() * 100.0));
  } else if (controller_.morphing()) {
    facts.kind = PictureFacts::Kind::Morph;
    facts.morphT = controller_.morphParameter();
  } else if (controller_.jitterbugBegun()) {
    facts.kind = PictureFacts::Kind::Jitterbug;
    facts.jitterbugJ = controller_.jitterbugParameter();
  } else if (controller_.showingMoment()) {
    facts.kind = PictureFacts::Kind::Kaleidoscope;
  } else {
    facts.kind = PictureFacts::Kind::Solid;
  }
  return facts;
}

}  // namespace velkora
