#include "solid_export/outward_mesh.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/convex_solid.h"
#include "base/face_geometry.h"
#include "solid_export/mesh_export.h"
#include "text/number_text.h"

namespace velkora {
namespace {

void checkDiameter(double diameterMm) {
  if (!(diameterMm >= kSmallestDiameterMm && diameterMm <= kLargestDiameterMm)) {
    throw EMeshExport("Durchmesser " + shortestText(diameterMm) + " mm liegt nicht im Bereich " +
                      shortestText(kSmallestDiameterMm) + " bis " +
                      shortestText(kLargestDiameterMm) + " mm");
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
  const ConvexSolid checked = checkConvexSolid(solid.vertices, solid.faces);
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
  const double scale = diameterMm / (2.0 * radius);
  OutwardMesh mesh;
  for (const Point3& p : solid.vertices) {
    mesh.points.push_back({(p.x - cx) * scale, (p.y - cy) * scale, (p.z - cz) * scale});
  }
  // Normal and centre are worked out on the outward face, so that the bytes
  // do not depend on the corner order of the input.
  mesh.faces = checked.faces;
  for (const auto& face : mesh.faces) {
    Point3 n;
    Point3 c;
    normalAndCentre(mesh.points, face, n, c);
    const double length = std::hypot(n.x, n.y, n.z);
    mesh.normals.push_back({n.x / length, n.y / length, n.z / length});
    mesh.centres.push_back(c);
  }
  return mesh;
}

}  // namespace velkora
