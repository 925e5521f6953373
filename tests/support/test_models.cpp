#include "tests/support/test_models.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace velkora::test {

namespace {

constexpr int kRings = 18;     // latitude rings of a sphere mesh
constexpr int kSegments = 24;  // points per ring

CentreRec centreOf(const std::array<Point3, kCapacity>& points, const FaceRec& face) {
  CentreRec c;
  for (int i = 0; i < face.count; ++i) {
    const Point3& p = points[face.indices[i]];
    c.x += p.x;
    c.y += p.y;
    c.z += p.z;
  }
  c.x /= face.count;
  c.y /= face.count;
  c.z /= face.count;
  return c;
}

// Latitude-longitude meshes of radius 1 scaled by the two radii.
void buildSpheres(Model& m, double innerRadius, double outerRadius) {
  m.innerRadius = innerRadius;
  m.outerRadius = outerRadius;
  m.spherePointCount = kRings * kSegments;
  for (int r = 0; r < kRings; ++r) {
    const double lat = std::numbers::pi * (-85.0 + 10.0 * r) / 180.0;
    for (int s = 0; s < kSegments; ++s) {
      const double lon = 2.0 * std::numbers::pi * s / kSegments;
      const Point3 unit{std::cos(lat) * std::cos(lon), std::sin(lat),
                        std::cos(lat) * std::sin(lon)};
      const int i = r * kSegments + s;
      m.innerPoints[i] = {unit.x * innerRadius, unit.y * innerRadius, unit.z * innerRadius};
      m.outerPoints[i] = {unit.x * outerRadius, unit.y * outerRadius, unit.z * outerRadius};
    }
  }
  m.sphereQuadCount = (kRings - 1) * kSegments;
  for (int r = 0; r + 1 < kRings; ++r) {
    for (int s = 0; s < kSegments; ++s) {
      const int q = r * kSegments + s;
      const int next = (s + 1) % kSegments;
      FaceRec quad;
      quad.count = 4;
      quad.indices[0] = r * kSegments + s;
      quad.indices[1] = r * kSegments + next;
      quad.indices[2] = (r + 1) * kSegments + next;
      quad.indices[3] = (r + 1) * kSegments + s;
      m.sphereQuads[q] = quad;
      m.innerCentres[q] = centreOf(m.innerPoints, quad);
      m.outerCentres[q] = centreOf(m.outerPoints, quad);
    }
  }
}

void finishFaces(Model& m) {
  for (int f = 0; f < m.faceCount; ++f) {
    m.faceCentres[f] = centreOf(m.vertices, m.faces[f]);
  }
}

// Scales the three point arrays so that the largest absolute coordinate is 260.
void scaleTo260(Model& m) {
  double largest = 0.0;
  auto widen = [&](const Point3& p) {
    largest = std::max({largest, std::abs(p.x), std::abs(p.y), std::abs(p.z)});
  };
  for (int i = 0; i < m.vertexCount; ++i)
    widen(m.vertices[i]);
  for (int i = 0; i < m.spherePointCount; ++i)
    widen(m.innerPoints[i]);
  for (int i = 0; i < m.spherePointCount; ++i)
    widen(m.outerPoints[i]);
  m.scale = 260.0 / largest;
  auto grow = [&](Point3& p) {
    p.x *= m.scale;
    p.y *= m.scale;
    p.z *= m.scale;
  };
  for (int i = 0; i < m.vertexCount; ++i)
    grow(m.vertices[i]);
  for (int i = 0; i < m.spherePointCount; ++i)
    grow(m.innerPoints[i]);
  for (int i = 0; i < m.spherePointCount; ++i)
    grow(m.outerPoints[i]);
}

template <typename P>
void turnPoint(P& p, double ca, double sa, double cb, double sb) {
  const double x1 = ca * p.x - sa * p.y;
  const double y1 = sa * p.x + ca * p.y;
  const double y2 = cb * y1 - sb * p.z;
  const double z1 = sb * y1 + cb * p.z;
  p.x = x1;
  p.y = y2;
  p.z = z1;
}

}  // namespace

int addFace(Model& model, std::initializer_list<Point3> corners) {
  FaceRec face;
  for (const Point3& p : corners) {
    model.vertices[model.vertexCount] = p;
    face.indices[face.count++] = model.vertexCount++;
  }
  const int index = model.faceCount++;
  model.faces[index] = face;
  model.faceCentres[index] = centreOf(model.vertices, face);
  return index;
}

int addSphereQuad(Model& model, std::initializer_list<Point3> corners) {
  FaceRec quad;
  for (const Point3& p : corners) {
    model.innerPoints[model.spherePointCount] = p;
    model.outerPoints[model.spherePointCount] = p;
    quad.indices[quad.count++] = model.spherePointCount++;
  }
  const int index = model.sphereQuadCount++;
  model.sphereQuads[index] = quad;
  model.innerCentres[index] = centreOf(model.innerPoints, quad);
  model.outerCentres[index] = centreOf(model.outerPoints, quad);
  return index;
}

void turn(Model& m, double a, double b) {
  const double ra = a * std::numbers::pi / 180.0;
  const double rb = b * std::numbers::pi / 180.0;
  const double ca = std::cos(ra), sa = std::sin(ra), cb = std::cos(rb), sb = std::sin(rb);
  for (int i = 0; i < m.vertexCount; ++i)
    turnPoint(m.vertices[i], ca, sa, cb, sb);
  for (int i = 0; i < m.faceCount; ++i)
    turnPoint(m.faceCentres[i], ca, sa, cb, sb);
  for (int i = 0; i < m.spherePointCount; ++i)
    turnPoint(m.innerPoints[i], ca, sa, cb, sb);
  for (int i = 0; i < m.sphereQuadCount; ++i)
    turnPoint(m.innerCentres[i], ca, sa, cb, sb);
  for (int i = 0; i < m.spherePointCount; ++i)
    turnPoint(m.outerPoints[i], ca, sa, cb, sb);
  for (int i = 0; i < m.sphereQuadCount; ++i)
    turnPoint(m.outerCentres[i], ca, sa, cb, sb);
}

Model icosahedron() {
  Model m;
  m.polyType = 3;
  const double phi = (1.0 + std::sqrt(5.0)) / 2.0;
  const std::array<Point3, 12> v = {{{0, 1, phi},
                                     {0, -1, phi},
                                     {0, 1, -phi},
                                     {0, -1, -phi},
                                     {1, phi, 0},
                                     {-1, phi, 0},
                                     {1, -phi, 0},
                                     {-1, -phi, 0},
                                     {phi, 0, 1},
                                     {-phi, 0, 1},
                                     {phi, 0, -1},
                                     {-phi, 0, -1}}};
  m.vertexCount = 12;
  std::copy(v.begin(), v.end(), m.vertices.begin());
  // Faces are the triples of mutually adjacent vertices (edge length 2).
  auto adjacent = [&](int a, int b) {
    const double dx = v[a].x - v[b].x, dy = v[a].y - v[b].y, dz = v[a].z - v[b].z;
    return std::abs(dx * dx + dy * dy + dz * dz - 4.0) < 1e-9;
  };
  for (int a = 0; a < 12; ++a)
    for (int b = a + 1; b < 12; ++b)
      for (int c = b + 1; c < 12; ++c)
        if (adjacent(a, b) && adjacent(b, c) && adjacent(a, c)) {
          FaceRec& f = m.faces[m.faceCount++];
          f.count = 3;
          f.indices[0] = a;
          f.indices[1] = b;
          f.indices[2] = c;
        }
  finishFaces(m);
  const double circumradius = std::sqrt(1.0 + phi * phi);
  const double inradius = phi * phi / std::sqrt(3.0);
  buildSpheres(m, inradius, circumradius);
  turn(m, -30.0, -30.0);
  scaleTo260(m);
  return m;
}

Model hundredTwentyTriangles() {
  Model m;
  m.polyType = 29;
  // Two poles and 6 rings of 10 points, the rings turned by half a step in turn.
  constexpr int kRingCount = 6;
  constexpr int kPerRing = 10;
  m.vertices[0] = {0.0, -1.0, 0.0};
  for (int r = 0; r < kRingCount; ++r) {
    const double lat = std::numbers::pi * (-62.5 + 25.0 * r) / 180.0;
    for (int s = 0; s < kPerRing; ++s) {
      const double lon = 2.0 * std::numbers::pi * (s + 0.5 * (r % 2)) / kPerRing;
      m.vertices[1 + r * kPerRing + s] = {std::cos(lat) * std::cos(lon), std::sin(lat),
                                          std::cos(lat) * std::sin(lon)};
    }
  }
  const int south = 1 + kRingCount * kPerRing;
  m.vertices[south] = {0.0, 1.0, 0.0};
  m.vertexCount = south + 1;
  auto tri = [&](int a, int b, int c) {
    FaceRec& f = m.faces[m.faceCount++];
    f.count = 3;
    f.indices[0] = a;
    f.indices[1] = b;
    f.indices[2] = c;
  };
  auto at = [&](int r, int s) { return 1 + r * kPerRing + ((s % kPerRing) + kPerRing) % kPerRing; };
  for (int s = 0; s < kPerRing; ++s)
    tri(0, at(0, s), at(0, s + 1));
  for (int r = 0; r + 1 < kRingCount; ++r) {
    // Odd rings sit half a step further round than even ones.
    const int shift = r % 2;
    for (int s = 0; s < kPerRing; ++s) {
      tri(at(r, s), at(r, s + 1), at(r + 1, s + shift));
      tri(at(r + 1, s + shift - 1), at(r + 1, s + shift), at(r, s));
    }
  }
  for (int s = 0; s < kPerRing; ++s)
    tri(south, at(kRingCount - 1, s), at(kRingCount - 1, s + 1));
  finishFaces(m);
  buildSpheres(m, 0.8, 1.0);
  turn(m, -30.0, -30.0);
  scaleTo260(m);
  return m;
}

}  // namespace velkora::test
