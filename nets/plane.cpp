#include "nets/plane.h"

#include <algorithm>
#include <cmath>

namespace velkora {

double doubleArea(const std::vector<Vec2>& polygon) {
  double sum = 0.0;
  for (std::size_t k = 0; k < polygon.size(); ++k) {
    sum += cross(polygon[k], polygon[(k + 1) % polygon.size()]);
  }
  return sum;
}

Box boundsOf(const std::vector<Vec2>& points) {
  Box box{points.front().x, points.front().y, points.front().x, points.front().y};
  for (const Vec2& p : points) {
    box.minX = std::min(box.minX, p.x);
    box.minY = std::min(box.minY, p.y);
    box.maxX = std::max(box.maxX, p.x);
    box.maxY = std::max(box.maxY, p.y);
  }
  return box;
}

bool boxesOverlap(const Box& a, const Box& b, double tolerance) {
  return a.minX < b.maxX - tolerance && b.minX < a.maxX - tolerance &&
         a.minY < b.maxY - tolerance && b.minY < a.maxY - tolerance;
}

namespace {

// True when some edge normal of a separates a and b (touching counts as separated).
bool edgeSeparates(const std::vector<Vec2>& a, const std::vector<Vec2>& b, double tolerance) {
  for (std::size_t k = 0; k < a.size(); ++k) {
    const Vec2 p = a[k];
    const Vec2 d = a[(k + 1) % a.size()] - p;
    const double len = norm(d);
    if (len <= 0.0) continue;
    // Outward normal of a counter-clockwise polygon: (d.y, -d.x).
    const Vec2 n{d.y / len, -d.x / len};
    double nearest = dot(b.front() - p, n);
    for (const Vec2& q : b)
      nearest = std::min(nearest, dot(q - p, n));
    if (nearest >= -tolerance) return true;
  }
  return false;
}

}  // namespace

bool convexOverlap(const std::vector<Vec2>& a, const std::vector<Vec2>& b, double tolerance) {
  return !edgeSeparates(a, b, tolerance) && !edgeSeparates(b, a, tolerance);
}

std::vector<Vec2> convexHull(std::vector<Vec2> points) {
  std::sort(points.begin(), points.end(),
            [](Vec2 a, Vec2 b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
  if (points.size() < 3) return points;
  std::vector<Vec2> hull(2 * points.size());
  std::size_t k = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    while (k >= 2 && cross(hull[k - 1] - hull[k - 2], points[i] - hull[k - 2]) <= 0)
      --k;
    hull[k++] = points[i];
  }
  for (std::size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
    while (k >= lower && cross(hull[k - 1] - hull[k - 2], points[i] - hull[k - 2]) <= 0)
      --k;
    hull[k++] = points[i];
  }
  hull.resize(k - 1);
  return hull;
}

Vec2 rotated(Vec2 p, double angle) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  return {c * p.x - s * p.y, s * p.x + c * p.y};
}

double fitScaleAt(const std::vector<Vec2>& points, double angle, double width, double height) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
  for (const Vec2& p : points) {
    const double x = c * p.x - s * p.y;
    const double y = s * p.x + c * p.y;
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
  }
  return std::min(width / (maxX - minX), height / (maxY - minY));
}

Fit bestFit(const std::vector<Vec2>& points, double width, double height) {
  const std::vector<Vec2> hull = convexHull(points);
  Fit best;
  for (std::size_t k = 0; k < hull.size(); ++k) {
    const Vec2 d = hull[(k + 1) % hull.size()] - hull[k];
    const double edgeAngle = std::atan2(d.y, d.x);
    for (int quarter = 0; quarter < 2; ++quarter) {
      // Rotating by -edgeAngle lays the hull edge along the x axis.
      const double angle = -edgeAngle + quarter * (M_PI / 2.0);
      const double scale = fitScaleAt(hull, angle, width, height);
      if (scale > best.scale * (1.0 + 1e-12)) best = {angle, scale};
    }
  }
  return best;
}

}  // namespace velkora
