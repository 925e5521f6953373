#include "render/core_cover.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "base/convex_solid.h"
#include "render/projection.h"

namespace velkora {

namespace {

// The corners of a face as indices into the vertices; false when the
// record is out of range.
bool cornersOf(const Model& model, const FaceRec& face, std::span<const std::int32_t>& corners) {
  if (face.count < 3 || face.count > kMaxCorners) {
    return false;
  }
  corners = std::span(face.indices.data(), static_cast<std::size_t>(face.count));
  return std::all_of(corners.begin(), corners.end(), [&model](std::int32_t i) {
    return i >= 0 && i < std::min(model.vertexCount, kCapacity);
  });
}

// Twice the signed area of a polygon, and whether it is convex: every turn
// has that sign or none.
std::pair<std::int64_t, bool> convexArea(std::span<const PixelPoint> corners) {
  std::int64_t area = 0;
  bool left = false;
  bool right = false;
  const std::size_t n = corners.size();
  for (std::size_t i = 0; i < n; ++i) {
    const PixelPoint& p = corners[i];
    const PixelPoint& q = corners[(i + 1) % n];
    const PixelPoint& r = corners[(i + 2) % n];
    area += static_cast<std::int64_t>(p.x) * q.y - static_cast<std::int64_t>(q.x) * p.y;
    const std::int64_t turn = static_cast<std::int64_t>(q.x - p.x) * (r.y - q.y) -
                              static_cast<std::int64_t>(q.y - p.y) * (r.x - q.x);
    left = left || turn > 0;
    right = right || turn < 0;
  }
  return {area, !(left && right)};
}

std::int64_t cross(const PixelPoint& o, const PixelPoint& a, const PixelPoint& b) {
  return static_cast<std::int64_t>(a.x - o.x) * (b.y - o.y) -
         static_cast<std::int64_t>(a.y - o.y) * (b.x - o.x);
}

// The convex hull of the points, turning by positive cross products.
std::vector<PixelPoint> hullOf(std::vector<PixelPoint> points) {
  std::sort(points.begin(), points.end(), [](const PixelPoint& a, const PixelPoint& b) {
    return a.x < b.x || (a.x == b.x && a.y < b.y);
  });
  std::vector<PixelPoint> hull;
  for (int half = 0; half < 2; ++half) {
    const std::size_t base = hull.size();
    for (const PixelPoint& p : points) {
      while (hull.size() >= base + 2 && cross(hull[hull.size() - 2], hull.back(), p) <= 0) {
        hull.pop_back();
      }
      hull.push_back(p);
    }
    hull.pop_back();
    std::reverse(points.begin(), points.end());
  }
  return hull;
}

}  // namespace

CoreCover::CoreCover(const Model& model, int centreX, int centreY, int scale) {
  const std::int32_t faceCount = std::min(model.faceCount, kCapacity);
  const std::int32_t vertexCount = std::min(model.vertexCount, kCapacity);
  if (faceCount < 4 || vertexCount < 4) {
    return;
  }
  for (std::int32_t v = 0; v < vertexCount; ++v) {
    const Point3& p = model.vertices[v];
    // Farther out, polygons are clipped before rounding.
    if (!(std::abs(p.x) < kPixelLimit / 2 && std::abs(p.y) < kPixelLimit / 2 &&
          std::isfinite(p.z))) {
      return;
    }
  }
  std::vector<std::span<const std::int32_t>> faces(static_cast<std::size_t>(faceCount));
  for (std::int32_t f = 0; f < faceCount; ++f) {
    if (!cornersOf(model, model.faces[f], faces[static_cast<std::size_t>(f)])) {
      return;
    }
  }
  // Closed and convex, with outward normals; anything else covers nothing.
  ConvexSolid solid;
  std::string problem;
  if (!tryConvexSolid(std::span(model.vertices.data(), static_cast<std::size_t>(vertexCount)),
                      faces, kConvexTolerance, solid, problem)) {
    return;
  }
  const double tolerance = kConvexTolerance * solid.reach;

  std::vector<PixelPoint> used;
  std::vector<bool> towardViewer(static_cast<std::size_t>(faceCount), false);
  for (std::int32_t f = 0; f < faceCount; ++f) {
    const std::span<const std::int32_t> corners = faces[static_cast<std::size_t>(f)];
    const Point3& normal = solid.normals[static_cast<std::size_t>(f)];
    std::array<PixelPoint, kMaxCorners> pixels{};
    for (std::size_t i = 0; i < corners.size(); ++i) {
      pixels[i] = projectPoint(model.vertices[corners[i]], centreX, centreY, scale);
      used.push_back(pixels[i]);
    }
    // A face toward the viewer (at negative z) must keep its shape when rounded.
    if (normal.z < -kConvexTolerance) {
      towardViewer[static_cast<std::size_t>(f)] = true;
      double exactArea = 0.0;
      for (std::size_t i = 0; i < corners.size(); ++i) {
        const Point3& p = model.vertices[corners[i]];
        const Point3& q = model.vertices[corners[(i + 1) % corners.size()]];
        exactArea += p.x * q.y - q.x * p.y;
      }
      const auto [area, convex] = convexArea(std::span(pixels.data(), corners.size()));
      if (!convex || area == 0 || (area > 0) != (exactArea > 0.0)) {
        // Its fill is not what the argument needs: nothing near it is covered.
        const auto [xs, xe] = std::minmax_element(
            pixels.begin(), pixels.begin() + static_cast<std::ptrdiff_t>(corners.size()),
            [](const PixelPoint& a, const PixelPoint& b) { return a.x < b.x; });
        const auto [ys, ye] = std::minmax_element(
            pixels.begin(), pixels.begin() + static_cast<std::ptrdiff_t>(corners.size()),
            [](const PixelPoint& a, const PixelPoint& b) { return a.y < b.y; });
        holes_.push_back({static_cast<double>(xs->x), static_cast<double>(ys->y),
                          static_cast<double>(xe->x), static_cast<double>(ye->y)});
      }
    }
  }

  const std::vector<PixelPoint> hull = hullOf(std::move(used));
  if (hull.size() < 3) {
    return;
  }
  // Rounding moves a corner by up to half a pixel's diagonal times the
  // scale; the exact hull lies within that of the rounded one, and the
  // argument needs that much again inside the exact hull. The faces may
  // stray from convex by the tolerance; one pixel more keeps clear of ties.
  const double margin = (std::sqrt(2.0) + 2.0 * tolerance) * scale + 1.0;
  for (std::size_t i = 0; i < hull.size(); ++i) {
    const PixelPoint& p = hull[i];
    const PixelPoint& q = hull[(i + 1) % hull.size()];
    // The hull turns left (cross > 0) in these coordinates: its inside lies
    // left of every edge p -> q.
    Edge edge{static_cast<double>(q.y - p.y), static_cast<double>(p.x - q.x), 0.0};
    const double length = std::hypot(edge.a, edge.b);
    edge.c = edge.a * p.x + edge.b * p.y - margin * length;
    edges_.push_back(edge);
  }
  for (Box& hole : holes_) {
    hole = {hole.left - margin, hole.top - margin, hole.right + margin, hole.bottom + margin};
  }
  towardViewer_ = std::move(towardViewer);
}

bool CoreCover::covers(std::span<const PixelPoint> corners, int penWidth, int markReach) const {
  if (edges_.empty() || corners.empty()) {
    return false;
  }
  int left = corners[0].x;
  int top = corners[0].y;
  int right = left;
  int bottom = top;
  for (const PixelPoint& p : corners) {
    left = std::min(left, p.x);
    top = std::min(top, p.y);
    right = std::max(right, p.x);
    bottom = std::max(bottom, p.y);
  }
  // Fill and outline keep to the corners' box, the outline growing by up to
  // twice the pen width right of and below it, the marks by their reach all
  // round; every pixel centre in there must lie inside the cover.
  const double x0 = left - 1.0 - markReach;
  const double y0 = top - 1.0 - markReach;
  const double x1 = right + 2.0 * penWidth + 1.0 + markReach;
  const double y1 = bottom + 2.0 * penWidth + 1.0 + markReach;
  return std::all_of(edges_.begin(), edges_.end(),
                     [&](const Edge& e) {
                       return std::max(e.a * x0, e.a * x1) + std::max(e.b * y0, e.b * y1) <= e.c;
                     }) &&
         std::none_of(holes_.begin(), holes_.end(), [&](const Box& hole) {
           return x0 <= hole.right && hole.left <= x1 && y0 <= hole.bottom && hole.top <= y1;
         });
}

}  // namespace velkora
