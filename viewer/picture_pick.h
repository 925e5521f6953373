#pragma once
// Which face or vertex of the model lies under a pixel of the frame that
// composeFrame draws of it: the model projected as the frame projects it
// (model x, y times the pixel scale, origin at the middle of the surface),
// the front faces only. No drawing and no state here.

#include "model/model.h"

namespace velkora {

// Where a frame of width x height device pixels at scale device pixels per
// logical pixel puts its origin, and the device point of a model point.
struct FrameGeometry {
  int width = 0;  // device pixels
  int height = 0;
  int scale = 1;
};

// Inputs: a convex model, the frame it is drawn in, and the point (x, y) in
// device pixels (the middle of a pixel is at +0.5). Output: the index of the
// front face (its outward normal towards the viewer, -z) whose projected
// polygon holds the point, the one nearest the viewer there if several do;
// -1 for none.
int frontFaceAt(const Model& model, const FrameGeometry& frame, double x, double y);

// Inputs as frontFaceAt, and reach in device pixels. Output: the vertex of a
// front face whose projection lies nearest to the point, if within reach;
// -1 for none.
int frontVertexNear(const Model& model, const FrameGeometry& frame, double x, double y,
                    double reach);

}  // namespace velkora
