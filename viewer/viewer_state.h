#pragma once
// Everything the main window keeps about the program: the name list and both catalogues, the
// solid on show as read and its model, the animation and drag state, and the point-mark flag.
// Plain data; the window's handlers pass it by reference to the model,
// motion and render functions and hold no other program state.

#include "model/model.h"
#include "model/solid.h"
#include "model/solid_catalogue.h"
#include "viewer/motion_state.h"

namespace velkora {

struct ViewerState {
  CatalogueTexts texts;  // name list, vertex and face catalogue, line by line
  Solid solid;           // the solid on show as its pick read it (none before the first)
  Model model;           // the solid on show, in its current pose and size
  MotionState motion;    // rotation steps, formReady, drag position
  bool markPoints = false;
};

// The solid on show; throws Error("Kein Körper gewählt") before the first pick.
const Solid& shownSolid(const ViewerState& state);

}  // namespace velkora
