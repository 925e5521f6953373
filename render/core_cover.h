#pragma once
// Which polygons the fills of the polyhedron's faces are certain to paint
// over: the core of the outer sphere view hides most back quads of the
// shell, and a quad whose every pixel a later fill repaints need not be
// drawn at all. Decides only; drawing lives with the passes.
//
// Why it is exact: the faces of a closed convex polyhedron that face the
// viewer project onto the convex hull of the projected corners. Rounding the
// corners to pixels moves every point of those faces by at most half a
// pixel's diagonal, times the pixel scale, so every point of the hull
// farther than that inside still lies on a rounded front face (a winding
// number argument), and so does every point just right of it: its pixel is
// filled. That needs each rounded front face to stay a convex polygon of
// one orientation, which is checked; so are closedness and convexity.

#include <span>
#include <vector>

#include "model/model.h"
#include "render/canvas.h"

namespace velkora {

class CoreCover {
 public:
  // The hull of the model's faces as projected for a frame with origin
  // (centreX, centreY) at the pixel scale, pulled in by the rounding margin.
  // Covers nothing when the faces do not make a closed convex polyhedron,
  // when a corner lies too far out to be projected unclipped, or when a
  // front face rounds to a polygon that is not convex.
  CoreCover(const Model& model, int centreX, int centreY, int scale);

  // Whether the fill of the faces repaints every pixel that a polygon with
  // these corners, outlined with a pen penWidth pixels wide, can paint.
  bool covers(std::span<const PixelPoint> corners, int penWidth) const;

 private:
  // The inside of the cover: a * x + b * y <= c for every edge.
  struct Edge {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
  };
  std::vector<Edge> edges_;
};

}  // namespace velkora
