#include "render/projection.h"

#include <algorithm>
#include <cmath>

namespace velkora {

namespace {

// Beyond this a coordinate carries no pixel precision anyway; cutting it back
// keeps the clipping arithmetic finite (no inf - inf).
constexpr double kFarLimit = 1.0e15;

double saneCoordinate(double v) {
  if (std::isnan(v)) {
    return 0.0;
  }
  return std::clamp(v, -kFarLimit, kFarLimit);
}

// One Sutherland-Hodgman pass: keeps the part of the polygon where
// sign * coordinate(axis) <= kPixelLimit.
int clipAgainst(const Vec2* in, int count, Vec2* out, int capacity, bool alongX, double sign) {
  auto inside = [&](const Vec2& p) { return sign * (alongX ? p.x : p.y) <= kPixelLimit; };
  int written = 0;
  auto emit = [&](Vec2 p) {
    if (written < capacity) {
      out[written++] = p;
    }
  };
  for (int i = 0; i < count; ++i) {
    const Vec2& a = in[i];
    const Vec2& b = in[(i + 1) % count];
    const bool aIn = inside(a);
    const bool bIn = inside(b);
    if (aIn) {
      emit(a);
    }
    if (aIn != bIn) {
      const double limit = sign * kPixelLimit;
      const double t = alongX ? (limit - a.x) / (b.x - a.x) : (limit - a.y) / (b.y - a.y);
      Vec2 cut{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
      // The cut lies on the box side exactly; do not let rounding move it off.
      (alongX ? cut.x : cut.y) = limit;
      emit(cut);
    }
  }
  return written;
}

}  // namespace

int roundPixel(double v) {
  if (std::isnan(v)) {
    return 0;
  }
  return static_cast<int>(std::nearbyint(std::clamp(v, -kPixelLimit, kPixelLimit)));
}

PixelPoint projectPoint(const Point3& p, int centreX, int centreY, int scale) {
  return {scale * roundPixel(p.x) + centreX, scale * roundPixel(p.y) + centreY};
}

int projectPolygon(std::span<const Point3> points, int centreX, int centreY,
                   std::array<PixelPoint, kMaxProjectedCorners>& out, int scale) {
  const int count = static_cast<int>(std::min<std::size_t>(points.size(), kMaxCorners));
  bool inRange = true;
  for (int i = 0; i < count; ++i) {
    const Point3& p = points[i];
    // Written so that NaN counts as out of range.
    if (!(std::abs(p.x) <= kPixelLimit && std::abs(p.y) <= kPixelLimit)) {
      inRange = false;
      break;
    }
  }
  if (inRange) {
    for (int i = 0; i < count; ++i) {
      out[i] = projectPoint(points[i], centreX, centreY, scale);
    }
    return count;
  }

  std::array<Vec2, kMaxProjectedCorners> a{};
  std::array<Vec2, kMaxProjectedCorners> b{};
  for (int i = 0; i < count; ++i) {
    a[i] = {saneCoordinate(points[i].x), saneCoordinate(points[i].y)};
  }
  int n = count;
  n = clipAgainst(a.data(), n, b.data(), kMaxProjectedCorners, true, 1.0);
  n = clipAgainst(b.data(), n, a.data(), kMaxProjectedCorners, true, -1.0);
  n = clipAgainst(a.data(), n, b.data(), kMaxProjectedCorners, false, 1.0);
  n = clipAgainst(b.data(), n, a.data(), kMaxProjectedCorners, false, -1.0);
  for (int i = 0; i < n; ++i) {
    out[i] = {scale * roundPixel(a[i].x) + centreX, scale * roundPixel(a[i].y) + centreY};
  }
  return n;
}

}  // namespace velkora
