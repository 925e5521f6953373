#pragma once
// A reference picture of flat polygons with a depth test, for tests: every pixel centre checked
// against every polygon whose bounding box holds it, and the pixels near any polygon's edge marked
// so that tests can leave the rasteriser's edge decisions out. Test support only; independent of
// the program's rendering.

#include <cstdint>
#include <vector>

#include "base/errors.h"
#include "tests/support/ref_point.h"

namespace velkora::test {

// A polygon in device pixels: x to the right, y down, z the depth (larger is farther from the
// viewer); colour as 0xAARRGGBB, written to the pixels as given. Needs at least 3 corners, planar
// and convex, in either order.
struct RefPolygon {
  std::vector<RefPoint> corners;
  std::uint32_t colour;
};

struct RefPicture {
  int width, height;
  std::vector<std::uint32_t> pixels;   // row-major, 0xFFRRGGBB, background 0xFFFFFFFF
  std::vector<std::uint8_t> nearEdge;  // 1 where the pixel centre lies within 1.5 px of any edge
};

// Polygons the reference refuses: fewer than 3 corners, a coordinate that is not finite, or a
// negative picture size.
class EDepthReference : public Error {
 public:
  using Error::Error;
};

// The picture of polygons in a width x height pixel grid.
// Each pixel (x, y) is sampled at its centre (x + 0.5, y + 0.5) and takes the colour of the
// polygon covering that point (edges and corners included) whose plane is nearest there (least
// z); on equal depth the polygon earlier in the list wins. Both sides of a polygon are drawn. A
// polygon seen edge-on (its projection has no area, to 1e-9 of its squared size) covers nothing.
// nearEdge marks every pixel whose centre lies within 1.5 px of the projection of an edge of any
// polygon, hidden, edge-on or not.
RefPicture referenceDepthPicture(int width, int height, const std::vector<RefPolygon>& polygons);

}  // namespace velkora::test
