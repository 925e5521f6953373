#pragma once
// Animation steps and mouse-drag state, and the rules that act on them.
// Plain data owned by the window; the functions are what its handlers call.

#include <cstdint>

#include "model/model.h"

namespace velkora {

struct MotionState {
  double stepX = 0.0;  // degrees per tick in the x-y (screen) plane
  double stepY = 0.0;  // degrees per tick in the y-z plane
  double stepZ = 0.5;  // degrees per tick in the x-z plane
  bool formReady = false;
  bool dragging = false;
  std::int32_t lastMouseX = 0;
  std::int32_t lastMouseY = 0;
};

// One animation step: drehen(stepX, stepY, stepZ).
void rechnen(Model& model, const MotionState& state);

// Starting the animation: when all three steps are exactly 0, stepZ becomes 0.25.
void prepareAnimationStart(MotionState& state);

// Sets the step of axis 0, 1 or 2 (stepX, stepY, stepZ) from a spin value (value * 0.25).
void setStepFromSpin(MotionState& state, int axis, int spinValue);

// Mouse drag. A press of the left button starts a drag at (x, y); any other
// button is ignored. Returns whether a drag started.
bool dragPress(MotionState& state, bool leftButton, std::int32_t x, std::int32_t y);

// A move during a drag to a new position turns the model by one degree per
// pixel; returns whether it turned (so the caller redraws).
bool dragMove(Model& model, MotionState& state, std::int32_t x, std::int32_t y);

// A release of any button ends the drag and forgets the position.
void dragRelease(MotionState& state);

}  // namespace velkora
