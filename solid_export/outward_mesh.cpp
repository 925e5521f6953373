#include "solid_export/outward_mesh.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <utility>

#include "solid_export/mesh_export.h"

namespace velkora {
namespace {

std::string number(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string faceText(std::size_t f) { return "Fläche " + std::to_string(f); }

void checkDiameter(double diameterMm) {
  if (!(diameterMm >= kSmallestDiameterMm && diameterMm <= kLargestDiameterMm)) {
    throw EMeshExport("Durchmesser " + number(diameterMm) + " mm liegt nicht im Bereich " +
                      number(kSmallestDiameterMm) + " bis " + number(kLargestDiameterMm) + " mm");
  }
}

void checkCorners(const Polyhedron& solid) {
  const int vertexCount = static_cast<int>(solid.vertices.size());
  if (vertexCount < 4 || solid.faces.size() < 4) {
    throw EMeshExport("Ein Körper mit " + std::to_string(vertexCount) + " Ecken und " +
                      std::to_string(solid.faces.size()) + " Flächen umschließt keinen Raum");
  }
  for (const Point3& p : solid.vertices) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) {
      throw EMeshExport("Eine Eckkoordinate ist keine endliche Zahl");
    }
  }
  for (std::size_t f = 0; f < solid.faces.size(); ++f) {
    const auto& face = solid.faces[f];
    if (face.size() < 3) throw EMeshExport(faceText(f) + " hat weniger als 3 Ecken");
    for (std::size_t i = 0; i < face.size(); ++i) {
      if (face[i] < 0 || face[i] >= vertexCount) {
        throw EMeshExport(faceText(f) + ": Ecke " + std::to_string(face[i]) +
                          " liegt außerhalb 0 bis " + std::to_string(vertexCount - 1));
      }
      if (std::find(face.begin(), face.begin() + static_cast<long>(i), face[i]) !=
          face.begin() + static_cast<long>(i)) {
        throw EMeshExport(faceText(f) + ": Ecke " + std::to_string(face[i]) + " kommt zweimal vor");
      }
    }
  }
}

// Every edge once in each direction: the surface is closed and consistently
// oriented. Directed edges sorted as pairs.
void checkClosed(const std::vector<std::vector<int>>& faces) {
  std::vector<std::pair<int, int>> edges;
  for (const auto& face : faces) {
    for (std::size_t i = 0; i < face.size(); ++i) {
      edges.emplace_back(face[i], face[(i + 1) % face.size()]);
    }
  }
  std::sort(edges.begin(), edges.end());
  for (std::size_t k = 0; k < edges.size(); ++k) {
    const auto [from, to] = edges[k];
    if (k + 1 < edges.size() && edges[k + 1] == edges[k]) {
      throw EMeshExport("Die Kante " + std::to_string(from) + "-" + std::to_string(to) +
                        " liegt auf mehr als einer Fläche in derselben Richtung");
    }
    if (!std::binary_search(edges.begin(), edges.end(), std::make_pair(to, from))) {
      throw EMeshExport("Die Kante " + std::to_string(from) + "-" + std::to_string(to) +
                        " gehört nur zu einer Fläche");
    }
  }
}

// Newell's normal (twice the area along the normal) and the corner mean of a face.
void normalAndCentre(const std::vector<Point3>& points, const std::vector<int>& face, Point3& n,
                     Point3& c) {
  n = newellNormal(points, face);
  c = cornerMean(points, face);
}

}  // namespace

OutwardMesh outwardMesh(const Polyhedron& solid, double diameterMm) {
  checkDiameter(diameterMm);
  checkCorners(solid);
  double cx = 0.0;
  double cy = 0.0;
  double cz = 0.0;
  for (const Point3& p : solid.vertices) {
    cx += p.x;
    cy += p.y;
    cz += p.z;
  }
  const double count = static_cast<double>(solid.vertices.size());
  cx /= count;
  cy /= count;
  cz /= count;
  double radius = 0.0;
  for (const Point3& p : solid.vertices) {
    radius = std::max(radius, std::hypot(p.x - cx, p.y - cy, p.z - cz));
  }
  if (!(radius > 0.0) || !std::isfinite(radius)) {
    throw EMeshExport("Alle Ecken liegen im Mittelpunkt");
  }
  const double scale = diameterMm / (2.0 * radius);
  OutwardMesh mesh;
  for (const Point3& p : solid.vertices) {
    mesh.points.push_back({(p.x - cx) * scale, (p.y - cy) * scale, (p.z - cz) * scale});
  }
  mesh.faces = solid.faces;
  for (std::size_t f = 0; f < mesh.faces.size(); ++f) {
    auto& face = mesh.faces[f];
    for (std::size_t i = 0; i < face.size(); ++i) {
      const Point3& p = mesh.points[static_cast<std::size_t>(face[i])];
      const Point3& q = mesh.points[static_cast<std::size_t>(face[(i + 1) % face.size()])];
      if (!(std::hypot(q.x - p.x, q.y - p.y, q.z - p.z) > 0.0)) {
        throw EMeshExport(faceText(f) + ": die Ecken " + std::to_string(face[i]) + " und " +
                          std::to_string(face[(i + 1) % face.size()]) + " liegen aufeinander");
      }
    }
    Point3 n;
    Point3 c;
    normalAndCentre(mesh.points, face, n, c);
    const double length = std::hypot(n.x, n.y, n.z);
    const double side = n.x * c.x + n.y * c.y + n.z * c.z;
    if (!(length > 0.0) || !(std::fabs(side) > 1e-9 * length * radius * scale)) {
      throw EMeshExport(faceText(f) +
                        " hat keine Fläche oder liegt in einer Ebene mit dem Mittelpunkt");
    }
    // The centre lies inside a convex solid, so the outward normal points away
    // from it. Normal and centre are worked out again on the turned face, so
    // that the bytes do not depend on the corner order of the input.
    if (side < 0.0) {
      std::reverse(face.begin() + 1, face.end());
      normalAndCentre(mesh.points, face, n, c);
    }
    const double turnedLength = std::hypot(n.x, n.y, n.z);
    mesh.normals.push_back({n.x / turnedLength, n.y / turnedLength, n.z / turnedLength});
    mesh.centres.push_back(c);
  }
  checkClosed(mesh.faces);
  return mesh;
}

}  // namespace velkora
