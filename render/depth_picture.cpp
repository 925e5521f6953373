// Fill rule: a pixel belongs to a polygon when its centre (x + 0.5, y + 0.5)
// lies in the polygon, rows half-open at the bottom and columns at the right,
// so polygons sharing an edge neither overlap nor leave a gap. Depth is the
// polygon's plane at the pixel centre; the nearer one wins, an equal one
// drawn later does not. Outlines step along the edge one device pixel at a
// time and take the depth of their own polygon's plane at each pixel they
// paint, so an outline shows exactly where its polygon or one sharing the
// edge is the nearest, and never through a polygon in front.

#include "render/depth_picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace velkora {

void DepthScene::clear() {
  corners.clear();
  firsts.assign(1, 0);
  colours.clear();
}

void DepthScene::addPolygon(std::span<const Vec3> polygon, std::uint32_t colour) {
  corners.insert(corners.end(), polygon.begin(), polygon.end());
  firsts.push_back(static_cast<std::uint32_t>(corners.size()));
  colours.push_back(colour);
}

namespace {

constexpr float kFar = std::numeric_limits<float>::infinity();
// Sides of a polygon that the fill looks at; faces have at most 24 corners.
constexpr std::size_t kMaxSides = 32;
// Outlines are drawn where their depth is at most this much behind the
// nearest surface (logical pixels), which absorbs float rounding.
constexpr double kOutlineSlack = 1e-3;

// z = base + dzdx * X + dzdy * Y over device pixels, or flat = false for a
// polygon seen edge-on.
struct DepthPlane {
  double base = 0.0;
  double dzdx = 0.0;
  double dzdy = 0.0;
  bool flat = false;

  double at(double x, double y) const { return base + dzdx * x + dzdy * y; }
};

DepthPlane planeOf(std::span<const Vec3> points) {
  Vec3 n;
  Vec3 mean;
  for (std::size_t k = 0; k < points.size(); ++k) {
    const Vec3& p = points[k];
    const Vec3& q = points[(k + 1) % points.size()];
    n.x += (p.y - q.y) * (p.z + q.z);
    n.y += (p.z - q.z) * (p.x + q.x);
    n.z += (p.x - q.x) * (p.y + q.y);
    mean = mean + p;
  }
  mean = mean / static_cast<double>(points.size());
  DepthPlane plane;
  // Seen edge-on when the screen-facing part of the normal is tiny.
  if (std::abs(n.z) <= 1e-9 * norm(n) || std::abs(n.z) < 1e-12) return plane;
  plane.flat = true;
  plane.dzdx = -n.x / n.z;
  plane.dzdy = -n.y / n.z;
  plane.base = mean.z - plane.dzdx * mean.x - plane.dzdy * mean.y;
  return plane;
}

class DepthPainter {
 public:
  DepthPainter(Bitmap& frame, DepthBuffer& depth)
      : pixels_(frame.pixels), depth_(depth.values), width_(frame.width), height_(frame.height) {}

  void fill(std::span<const Vec3> points, const DepthPlane& plane, std::uint32_t colour) {
    double top = INFINITY;
    double bottom = -INFINITY;
    for (const Vec3& p : points) {
      top = std::min(top, p.y);
      bottom = std::max(bottom, p.y);
    }
    const int firstRow = std::max(0, static_cast<int>(std::ceil(std::max(top, -1.0) - 0.5)));
    const int endRow =
        std::min(height_, static_cast<int>(std::ceil(std::min(bottom, height_ + 1.0) - 0.5)));
    // Each edge as x = x0 + slope (y - y0) over its rows, worked out once.
    struct Side {
      double low, high, x0, y0, slope;
    };
    std::array<Side, kMaxSides> sides{};
    std::size_t count = 0;
    for (std::size_t k = 0; k < points.size() && count < kMaxSides; ++k) {
      const Vec3& a = points[k];
      const Vec3& b = points[(k + 1) % points.size()];
      if (a.y == b.y) continue;
      sides[count++] = {std::min(a.y, b.y), std::max(a.y, b.y), a.x, a.y,
                        (b.x - a.x) / (b.y - a.y)};
    }
    for (int y = firstRow; y < endRow; ++y) {
      const double centre = y + 0.5;
      double left = INFINITY;
      double right = -INFINITY;
      for (std::size_t k = 0; k < count; ++k) {
        const Side& side = sides[k];
        // Half-open in y, so that a corner on the row counts once.
        if (centre < side.low || centre >= side.high) continue;
        const double x = side.x0 + (centre - side.y0) * side.slope;
        left = std::min(left, x);
        right = std::max(right, x);
      }
      if (!(left < right)) continue;
      const int first = std::max(0, static_cast<int>(std::ceil(std::max(left, -1.0) - 0.5)));
      const int end =
          std::min(width_, static_cast<int>(std::ceil(std::min(right, width_ + 1.0) - 0.5)));
      const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
      // The row's depths from its first centre on, in float like the store;
      // written without branches so that the compiler can vectorise it.
      const auto start = static_cast<float>(plane.at(first + 0.5, centre));
      const auto step = static_cast<float>(plane.dzdx);
      float* depth = depth_.data() + row;
      std::uint32_t* pixel = pixels_.data() + row;
      for (int x = first; x < end; ++x) {
        const float z = start + step * static_cast<float>(x - first);
        const float old = depth[x];
        const bool nearer = z < old;
        depth[x] = nearer ? z : old;
        const std::uint32_t mask = 0u - static_cast<std::uint32_t>(nearer);
        pixel[x] = (colour & mask) | (pixel[x] & ~mask);
      }
    }
  }

  void outline(std::span<const Vec3> points, const DepthPlane& plane, int penWidth) {
    for (std::size_t k = 0; k < points.size(); ++k)
      edge(points[k], points[(k + 1) % points.size()], plane, penWidth);
  }

 private:
  // Cuts the segment a-b to the part near the picture; false when none is.
  bool clip(Vec3& a, Vec3& b) const {
    double t0 = 0.0;
    double t1 = 1.0;
    const double lo[2] = {-8.0, -8.0};
    const double hi[2] = {width_ + 8.0, height_ + 8.0};
    const double start[2] = {a.x, a.y};
    const double delta[2] = {b.x - a.x, b.y - a.y};
    for (int axis = 0; axis < 2; ++axis) {
      if (delta[axis] == 0.0) {
        if (start[axis] < lo[axis] || start[axis] > hi[axis]) return false;
        continue;
      }
      double u = (lo[axis] - start[axis]) / delta[axis];
      double v = (hi[axis] - start[axis]) / delta[axis];
      if (u > v) std::swap(u, v);
      t0 = std::max(t0, u);
      t1 = std::min(t1, v);
    }
    if (t0 > t1) return false;
    const Vec3 d = b - a;
    b = a + t1 * d;
    a = a + t0 * d;
    return true;
  }

  void edge(Vec3 a, Vec3 b, const DepthPlane& plane, int penWidth) {
    if (!clip(a, b)) return;
    const int steps = std::max(
        1, static_cast<int>(std::ceil(std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)))));
    const double shift = (penWidth - 1) * 0.5;
    const Vec3 step = (b - a) / static_cast<double>(steps);
    Vec3 p = a;
    for (int i = 0; i <= steps; ++i, p = p + step) {
      const int left = static_cast<int>(std::floor(p.x - shift));
      const int top = static_cast<int>(std::floor(p.y - shift));
      for (int y = std::max(top, 0); y < std::min(top + penWidth, height_); ++y) {
        for (int x = std::max(left, 0); x < std::min(left + penWidth, width_); ++x) {
          const double z = plane.flat ? plane.at(x + 0.5, y + 0.5) : p.z;
          const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                 static_cast<std::size_t>(x);
          if (z <= depth_[at] + kOutlineSlack) pixels_[at] = kDepthOutline;
        }
      }
    }
  }

  std::vector<std::uint32_t>& pixels_;
  std::vector<float>& depth_;
  int width_;
  int height_;
};

}  // namespace

void composeDepthPicture(const DepthScene& scene, int width, int height, Bitmap& frame,
                         DepthBuffer& depth, int pixelScale, int lineWidth) {
  const int scale = std::clamp(pixelScale, 1, 4);
  const int pen = scale * std::clamp(lineWidth, 1, 3);
  if (frame.width == width && frame.height == height &&
      frame.pixels.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    frame.whitenPainted();
  } else {
    frame.resetWhite(width, height);
  }
  if (depth.width == frame.width && depth.height == frame.height &&
      depth.values.size() == frame.pixels.size()) {
    const PixelRect& box = depth.written;
    for (int y = std::max(box.top, 0); y < std::min(box.bottom, depth.height); ++y) {
      float* row = depth.values.data() + static_cast<std::size_t>(y) * depth.width;
      std::fill(row + std::max(box.left, 0), row + std::min(box.right, depth.width), kFar);
    }
  } else {
    depth.width = frame.width;
    depth.height = frame.height;
    depth.values.assign(frame.pixels.size(), kFar);
  }
  depth.written = {};
  const double centreX = frame.width / 2;
  const double centreY = frame.height / 2;
  std::vector<Vec3> device;
  const auto devicePolygon = [&](std::size_t i) {
    device.clear();
    for (std::uint32_t k = scene.firsts[i]; k < scene.firsts[i + 1]; ++k) {
      const Vec3& p = scene.corners[k];
      device.push_back({scale * p.x + centreX, scale * p.y + centreY, p.z});
    }
    return std::span<const Vec3>(device);
  };
  std::vector<DepthPlane> planes;
  planes.reserve(scene.size());
  for (std::size_t i = 0; i < scene.size(); ++i)
    planes.push_back(planeOf(devicePolygon(i)));
  DepthPainter painter(frame, depth);
  for (std::size_t i = 0; i < scene.size(); ++i) {
    if (planes[i].flat && scene.firsts[i + 1] - scene.firsts[i] >= 3)
      painter.fill(devicePolygon(i), planes[i], scene.colours[i] | 0xFF000000u);
  }
  for (std::size_t i = 0; i < scene.size(); ++i)
    painter.outline(devicePolygon(i), planes[i], pen);
  // Everything drawn lies within the corners' box, grown by the pen.
  PixelRect box{frame.width, frame.height, 0, 0};
  for (const Vec3& p : scene.corners) {
    const double x = std::clamp(scale * p.x + centreX, -1.0, frame.width + 1.0);
    const double y = std::clamp(scale * p.y + centreY, -1.0, frame.height + 1.0);
    box.left = std::min(box.left, static_cast<int>(std::floor(x)) - pen);
    box.top = std::min(box.top, static_cast<int>(std::floor(y)) - pen);
    box.right = std::max(box.right, static_cast<int>(std::ceil(x)) + pen + 1);
    box.bottom = std::max(box.bottom, static_cast<int>(std::ceil(y)) + pen + 1);
  }
  box = {std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, frame.width),
         std::min(box.bottom, frame.height)};
  if (box.empty()) box = {};
  frame.painted.unite(box);
  frame.paintedBands.clear();
  depth.written = box;
}

}  // namespace velkora
