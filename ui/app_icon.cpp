#include "ui/app_icon.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include <QPainter>
#include <QPolygonF>

#include "base/vec.h"

namespace velkora {

namespace {

// Turns about the vertical axis by yaw, then about the horizontal axis by pitch.
Vec3 turned(const Vec3& v, double yaw, double pitch) {
  const Vec3 a{v.x * std::cos(yaw) + v.z * std::sin(yaw), v.y,
               -v.x * std::sin(yaw) + v.z * std::cos(yaw)};
  return {a.x, a.y * std::cos(pitch) - a.z * std::sin(pitch),
          a.y * std::sin(pitch) + a.z * std::cos(pitch)};
}

using Triangle = std::array<Vec3, 3>;

// The 24 outer triangles: every octahedron face (a, b, c) carries a spike whose
// apex is the cube corner in that face's direction.
std::vector<Triangle> stellatedOctahedron() {
  std::vector<Triangle> triangles;
  for (const double sx : {-1.0, 1.0}) {
    for (const double sy : {-1.0, 1.0}) {
      for (const double sz : {-1.0, 1.0}) {
        const Vec3 a{sx, 0, 0};
        const Vec3 b{0, sy, 0};
        const Vec3 c{0, 0, sz};
        const Vec3 apex{sx, sy, sz};
        for (const auto& [p, q] : {std::pair{a, b}, std::pair{b, c}, std::pair{c, a}}) {
          Triangle t{p, q, apex};
          // Orient every triangle outwards (its plane misses the centre).
          if (dot(cross(t[1] - t[0], t[2] - t[0]), t[0]) < 0) {
            std::swap(t[1], t[2]);
          }
          triangles.push_back(t);
        }
      }
    }
  }
  return triangles;
}

}  // namespace

std::vector<IconFacet> appIconFacets(double side) {
  constexpr double kYaw = 0.55;
  constexpr double kPitch = -0.45;
  const double half = side / 2.0;
  const double radius = 17.5 * side / kIconSize;          // projected corners stay inside the icon
  const Vec3 light = normalized(Vec3{-0.5, -0.7, -1.0});  // from upper left, in front

  struct Facet {
    IconFacet shape;
    double depth = 0.0;
  };
  std::vector<Facet> facets;
  for (const Triangle& t : stellatedOctahedron()) {
    Triangle view{};
    for (std::size_t i = 0; i < 3; ++i)
      view[i] = turned(t[i], kYaw, kPitch);
    const Vec3 normal = normalized(cross(view[1] - view[0], view[2] - view[0]));
    if (normal.z >= 0) continue;  // z grows away from the viewer: facing away
    Facet facet;
    for (const Vec3& v : view) {
      facet.shape.outline << QPointF(half + v.x * radius, half + v.y * radius);
    }
    facet.depth = (view[0].z + view[1].z + view[2].z) / 3.0;
    const double shade = 0.3 + 0.7 * std::max(0.0, dot(normal, light));
    facet.shape.fill = QColor(static_cast<int>(255 * std::min(1.0, shade + 0.15)),
                              static_cast<int>(140 * shade), static_cast<int>(20 * shade));
    facets.push_back(facet);
  }
  // Farthest first, so nearer facets paint over farther ones.
  std::sort(facets.begin(), facets.end(),
            [](const Facet& a, const Facet& b) { return a.depth > b.depth; });
  std::vector<IconFacet> shapes;
  shapes.reserve(facets.size());
  for (const Facet& facet : facets)
    shapes.push_back(facet.shape);
  return shapes;
}

QColor appIconEdgeColour() { return QColor(120, 50, 0); }

double appIconEdgeWidth(double side) { return 0.6 * side / kIconSize; }

QImage appIconImage(int side) {
  QImage icon(side, side, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(QPen(appIconEdgeColour(), appIconEdgeWidth(side)));
  for (const IconFacet& facet : appIconFacets(side)) {
    painter.setBrush(facet.fill);
    painter.drawPolygon(facet.outline);
  }
  return icon;
}

}  // namespace velkora
