// Animation step and mouse-drag rules.
#include "viewer/motion_state.h"

#include "model/rotation.h"

namespace velkora {

namespace {
constexpr double kDegreesPerSpinUnit = 0.25;
constexpr double kStartStep = 0.25;
}  // namespace

// rechnen: one animation step with the current steps.
void rechnen(Model& model, const MotionState& state) {
  drehen(model, state.stepX, state.stepY, state.stepZ);
}

void prepareAnimationStart(MotionState& state) {
  if (state.stepX == 0.0 && state.stepY == 0.0 && state.stepZ == 0.0) {
    state.stepZ = kStartStep;
  }
}

void setStepFromSpin(MotionState& state, int axis, int spinValue) {
  const double step = spinValue * kDegreesPerSpinUnit;
  switch (axis) {
    case 0:
      state.stepX = step;
      break;
    case 1:
      state.stepY = step;
      break;
    case 2:
      state.stepZ = step;
      break;
    default:
      break;  // no such spin edit
  }
}

bool dragPress(MotionState& state, bool leftButton, std::int32_t x, std::int32_t y) {
  if (!leftButton) {
    return false;
  }
  state.dragging = true;
  state.lastMouseX = x;
  state.lastMouseY = y;
  return true;
}

bool dragMove(Model& model, MotionState& state, std::int32_t x, std::int32_t y) {
  if (!state.dragging) {
    return false;
  }
  if (x == state.lastMouseX && y == state.lastMouseY) {
    return false;
  }
  // Differences in 64 bits so that extreme coordinates cannot overflow;
  // every such difference converts to double exactly.
  const auto a = static_cast<double>(std::int64_t{state.lastMouseX} - x);
  const auto b = static_cast<double>(std::int64_t{state.lastMouseY} - y);
  drehen(model, a, b, 0.0);
  state.lastMouseX = x;
  state.lastMouseY = y;
  return true;
}

void dragRelease(MotionState& state) {
  state.dragging = false;
  state.lastMouseX = 0;
  state.lastMouseY = 0;
}

}  // namespace velkora
