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
// its orientation: near one that does not, nothing is covered. Closedness
// and convexity are checked.

#include <span>
#include <vector>

#include "model/model.h"
#include "render/canvas.h"

namespace velkora {

class CoreCover {
 public:
  // The hull of the model's faces as projected for a frame with origin
  // (centreX, centreY) at the pixel scale, pulled in by the rounding margin.
  // Covers nothing when the faces do not make a closed convex polyhedron or
  // when a corner lies too far out to be projected unclipped; covers nothing
  // near a front face that rounds to a polygon that is not convex.
  CoreCover(const Model& model, int centreX, int centreY, int scale);

  // Whether the fill of the faces repaints every pixel that a polygon with
  // these corners, outlined with a pen penWidth pixels wide, can paint, with
  // marks reaching up to markReach pixels round its corners.
  bool covers(std::span<const PixelPoint> corners, int penWidth, int markReach = 0) const;
  // Whether face index faces the viewer; the fills of those faces make the
  // cover, so a face painted before all of them can be hidden by them.
  bool facesViewer(std::int32_t face) const {
    return face >= 0 && static_cast<std::size_t>(face) < towardViewer_.size() &&
           towardViewer_[static_cast<std::size_t>(face)];
  }

 private:
  // The inside of the cover: a * x + b * y <= c for every edge.
  struct Edge {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
  };
  // Boxes near front faces that round badly, where nothing is covered.
  struct Box {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
  };
  std::vector<Edge> edges_;
  std::vector<Box> holes_;
  std::vector<bool> towardViewer_;  // per face, when the cover is not empty
};

}  // namespace velkora
