#include "tests/support/depth_reference.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>

namespace velkora::test {
namespace {

constexpr std::uint32_t kBackground = 0xFFFFFFFFu;
constexpr double kEdgeReach = 1.5;

// A polygon made ready for sampling: its projection, the sign of its projected area, its plane
// as z = z0 + gx (x - x0) + gy (y - y0), and its bounding box.
struct Prepared {
  const RefPolygon* polygon = nullptr;
  bool covers = false;
  double sign = 1.0;
  double x0 = 0.0, y0 = 0.0, z0 = 0.0, gx = 0.0, gy = 0.0;
  double minX = 0.0, maxX = 0.0, minY = 0.0, maxY = 0.0;
};

Prepared prepare(const RefPolygon& polygon) {
  Prepared p;
  p.polygon = &polygon;
  const auto& c = polygon.corners;
  const std::size_t n = c.size();
  // Newell's normal: its z is twice the signed projected area.
  double nx = 0.0, ny = 0.0, nz = 0.0;
  double cx = 0.0, cy = 0.0, cz = 0.0;
  p.minX = p.maxX = c[0].x;
  p.minY = p.maxY = c[0].y;
  double minZ = c[0].z, maxZ = c[0].z;
  for (std::size_t i = 0; i < n; ++i) {
    const RefPoint a = c[i], b = c[(i + 1) % n];
    nx += (a.y - b.y) * (a.z + b.z);
    ny += (a.z - b.z) * (a.x + b.x);
    nz += (a.x - b.x) * (a.y + b.y);
    cx += a.x;
    cy += a.y;
    cz += a.z;
    p.minX = std::min(p.minX, a.x);
    p.maxX = std::max(p.maxX, a.x);
    p.minY = std::min(p.minY, a.y);
    p.maxY = std::max(p.maxY, a.y);
    minZ = std::min(minZ, a.z);
    maxZ = std::max(maxZ, a.z);
  }
  const double size2 = (p.maxX - p.minX) * (p.maxX - p.minX) +
                       (p.maxY - p.minY) * (p.maxY - p.minY) + (maxZ - minZ) * (maxZ - minZ);
  // Edge-on (or collapsed) polygons cover nothing.
  p.covers = std::abs(nz) > 1e-9 * size2 && size2 > 0.0;
  if (!p.covers) return p;
  p.sign = nz > 0.0 ? 1.0 : -1.0;
  const double count = static_cast<double>(n);
  p.x0 = cx / count;
  p.y0 = cy / count;
  p.z0 = cz / count;
  p.gx = -nx / nz;
  p.gy = -ny / nz;
  return p;
}

// Whether the projection of p holds (x, y), its edges included.
bool covers(const Prepared& p, double x, double y) {
  const auto& c = p.polygon->corners;
  const std::size_t n = c.size();
  for (std::size_t i = 0; i < n; ++i) {
    const RefPoint a = c[i], b = c[(i + 1) % n];
    const double side = (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
    if (p.sign * side < 0.0) return false;
  }
  return true;
}

double distanceToSegment(double x, double y, RefPoint a, RefPoint b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0.0 ? ((x - a.x) * dx + (y - a.y) * dy) / length2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(x - (a.x + t * dx), y - (a.y + t * dy));
}

// The pixel columns (or rows) whose centres lie in [low, high], clipped to [0, count).
std::pair<int, int> pixelRange(double low, double high, int count) {
  const double first = std::ceil(low - 0.5), last = std::floor(high - 0.5);
  return {static_cast<int>(std::max(first, 0.0)),
          static_cast<int>(std::min(last, static_cast<double>(count - 1)))};
}

// Marks the pixels whose centres lie within kEdgeReach of segment ab. Row by row, only the
// columns where the segment passes within reach of that row are tried.
void markEdge(RefPicture& picture, RefPoint a, RefPoint b) {
  const auto [row0, row1] =
      pixelRange(std::min(a.y, b.y) - kEdgeReach, std::max(a.y, b.y) + kEdgeReach, picture.height);
  for (int row = row0; row <= row1; ++row) {
    const double y = row + 0.5;
    // The stretch of the segment within the band |y' - y| <= reach, as a range of x.
    double t0 = 0.0, t1 = 1.0;
    const double dy = b.y - a.y;
    if (dy != 0.0) {
      double u0 = (y - kEdgeReach - a.y) / dy, u1 = (y + kEdgeReach - a.y) / dy;
      if (u0 > u1) std::swap(u0, u1);
      t0 = std::max(t0, u0);
      t1 = std::min(t1, u1);
      if (t0 > t1) continue;
    }
    const double xa = a.x + t0 * (b.x - a.x), xb = a.x + t1 * (b.x - a.x);
    const auto [column0, column1] =
        pixelRange(std::min(xa, xb) - kEdgeReach, std::max(xa, xb) + kEdgeReach, picture.width);
    for (int column = column0; column <= column1; ++column) {
      if (distanceToSegment(column + 0.5, y, a, b) <= kEdgeReach) {
        picture.nearEdge[static_cast<std::size_t>(row) * static_cast<std::size_t>(picture.width) +
                         static_cast<std::size_t>(column)] = 1;
      }
    }
  }
}

void checkInput(int width, int height, const std::vector<RefPolygon>& polygons) {
  if (width < 0 || height < 0) {
    throw EDepthReference("Bildgröße " + std::to_string(width) + " x " + std::to_string(height) +
                          " ist negativ");
  }
  for (std::size_t i = 0; i < polygons.size(); ++i) {
    if (polygons[i].corners.size() < 3) {
      throw EDepthReference("Vieleck " + std::to_string(i) + " hat weniger als 3 Ecken");
    }
    for (const RefPoint& c : polygons[i].corners) {
      if (!std::isfinite(c.x) || !std::isfinite(c.y) || !std::isfinite(c.z)) {
        throw EDepthReference("Vieleck " + std::to_string(i) + " hat eine nicht endliche Ecke");
      }
    }
  }
}

}  // namespace

RefPicture referenceDepthPicture(int width, int height, const std::vector<RefPolygon>& polygons) {
  checkInput(width, height, polygons);
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  RefPicture picture{width, height, std::vector<std::uint32_t>(count, kBackground),
                     std::vector<std::uint8_t>(count, 0)};
  std::vector<double> depth(count, std::numeric_limits<double>::infinity());

  for (const RefPolygon& polygon : polygons) {
    const Prepared p = prepare(polygon);
    if (p.covers) {
      const auto [column0, column1] = pixelRange(p.minX, p.maxX, width);
      const auto [row0, row1] = pixelRange(p.minY, p.maxY, height);
      for (int row = row0; row <= row1; ++row) {
        for (int column = column0; column <= column1; ++column) {
          const double x = column + 0.5, y = row + 0.5;
          if (!covers(p, x, y)) continue;
          const double z = p.z0 + p.gx * (x - p.x0) + p.gy * (y - p.y0);
          const std::size_t at = static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                                 static_cast<std::size_t>(column);
          // Strictly nearer only: on equal depth the earlier polygon keeps the pixel.
          if (z < depth[at]) {
            depth[at] = z;
            picture.pixels[at] = polygon.colour;
          }
        }
      }
    }
    const auto& c = polygon.corners;
    for (std::size_t i = 0; i < c.size(); ++i)
      markEdge(picture, c[i], c[(i + 1) % c.size()]);
  }
  return picture;
}

}  // namespace velkora::test
