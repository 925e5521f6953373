#pragma once
// One frame's drawing context and the four routines that paint a single face
// or sphere quad in the colours of its role, with the vertex marks of
// polyhedron faces. The views (render/views.h) decide what is drawn when.

#include <cstdint>

#include "model/model.h"
#include "render/canvas.h"

namespace velkora {

// What one frame paints with: the model, the frame canvas, the front layer,
// the origin in pixels and whether polyhedron corners are marked.
struct Scene {
  const Model& model;
  Canvas& frame;
  Canvas& front;
  int centreX = 0;
  int centreY = 0;
  bool markPoints = false;
};

enum class Role : std::uint8_t { Shell = 0, Core = 1 };

// Frame: polyhedron face as shell (light green, red outline, marks) or
// inner-sphere quad as core (yellow, blue outline). The pen style is the caller's.
void drawInnerViewPolygon(const Scene& scene, std::int32_t index, std::int32_t cornerCount,
                          Role role);

// Front layer: polyhedron face, light green with red outline, with marks.
void drawInnerViewFrontFace(const Scene& scene, std::int32_t index, std::int32_t cornerCount);

// Frame: outer-sphere quad as shell (light green, light red outline) or
// polyhedron face as core (yellow, blue outline, marks).
void drawOuterViewPolygon(const Scene& scene, std::int32_t index, std::int32_t cornerCount,
                          Role role);

// Front layer: outer-sphere quad, light green with red outline.
void drawOuterViewFrontQuad(const Scene& scene, std::int32_t index, std::int32_t cornerCount);

}  // namespace velkora
