#pragma once
// Model checks for the test suites: counts and indices in range, centres at the mean
// of their corners, the outer mesh as the scaled inner one, equal quad records; whole
// models compared with their differences named, and the largest coordinate.
// Uses only model/model.h.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <sstream>
#include <string>

#include "model/model.h"

namespace velkora::test {

inline bool samePoint(double ax, double ay, double az, double bx, double by, double bz,
                      double tolerance) {
  return std::fabs(ax - bx) <= tolerance && std::fabs(ay - by) <= tolerance &&
         std::fabs(az - bz) <= tolerance;
}

inline bool sameRecord(const FaceRec& a, const FaceRec& b) {
  if (a.count != b.count) {
    return false;
  }
  for (int c = 0; c < a.count; ++c) {
    if (a.indices[static_cast<std::size_t>(c)] != b.indices[static_cast<std::size_t>(c)]) {
      return false;
    }
  }
  return true;
}

// Checks the centre of every polygon against the mean of its current corners,
// both in pixels (centres are kept in catalogue units, so they are multiplied by scale).
template <typename Points, typename Polygons, typename Centres>
::testing::AssertionResult centresMatch(const char* what, const Points& points,
                                        const Polygons& polygons, const Centres& centres, int count,
                                        double scale, double tolerance) {
  for (int k = 0; k < count; ++k) {
    const auto& poly = polygons[static_cast<std::size_t>(k)];
    double sx = 0.0;
    double sy = 0.0;
    double sz = 0.0;
    for (int c = 0; c < poly.count; ++c) {
      const auto& p = points[static_cast<std::size_t>(poly.indices[static_cast<std::size_t>(c)])];
      sx += p.x;
      sy += p.y;
      sz += p.z;
    }
    const auto& centre = centres[static_cast<std::size_t>(k)];
    if (!samePoint(centre.x * scale, centre.y * scale, centre.z * scale, sx / poly.count,
                   sy / poly.count, sz / poly.count, tolerance)) {
      return ::testing::AssertionFailure()
             << what << " " << k << ": centre times scale (" << centre.x * scale << ", "
             << centre.y * scale << ", " << centre.z * scale << ") but mean of corners ("
             << sx / poly.count << ", " << sy / poly.count << ", " << sz / poly.count << ")";
    }
  }
  return ::testing::AssertionSuccess();
}

// The invariants that hold after every load, rotation and zoom. tolerance is
// absolute, in the units of the point arrays.
inline ::testing::AssertionResult modelInvariantsHold(const Model& m, double tolerance) {
  for (const int count : {m.vertexCount, m.faceCount, m.spherePointCount, m.sphereQuadCount}) {
    if (count < 0 || count > kCapacity) {
      return ::testing::AssertionFailure() << "count " << count << " outside 0.." << kCapacity;
    }
  }
  for (int k = 0; k < m.faceCount; ++k) {
    const FaceRec& f = m.faces[static_cast<std::size_t>(k)];
    if (f.count < 1 || f.count > kMaxCorners) {
      return ::testing::AssertionFailure() << "face " << k << " has " << f.count << " corners";
    }
    for (int c = 0; c < f.count; ++c) {
      const int index = f.indices[static_cast<std::size_t>(c)];
      if (index < 0 || index >= m.vertexCount) {
        return ::testing::AssertionFailure() << "face " << k << " corner " << index;
      }
    }
  }
  for (int q = 0; q < m.sphereQuadCount; ++q) {
    const FaceRec& inner = m.sphereQuads[static_cast<std::size_t>(q)];
    if (inner.count < 1 || inner.count > kMaxCorners) {
      return ::testing::AssertionFailure() << "quad " << q << " has " << inner.count << " corners";
    }
    for (int c = 0; c < inner.count; ++c) {
      const int index = inner.indices[static_cast<std::size_t>(c)];
      if (index < 0 || index >= m.spherePointCount) {
        return ::testing::AssertionFailure() << "quad " << q << " corner " << index;
      }
    }
  }
  auto result =
      centresMatch("face", m.vertices, m.faces, m.faceCentres, m.faceCount, m.scale, tolerance);
  if (!result) {
    return result;
  }
  result = centresMatch("inner quad", m.innerPoints, m.sphereQuads, m.innerCentres,
                        m.sphereQuadCount, m.scale, tolerance);
  if (!result) {
    return result;
  }
  result = centresMatch("outer quad", m.outerPoints, m.sphereQuads, m.outerCentres,
                        m.sphereQuadCount, m.scale, tolerance);
  if (!result) {
    return result;
  }
  const double ratio = m.outerRadius / m.innerRadius;
  for (int i = 0; i < m.spherePointCount; ++i) {
    const Point3& in = m.innerPoints[static_cast<std::size_t>(i)];
    const Point3& out = m.outerPoints[static_cast<std::size_t>(i)];
    if (!samePoint(out.x, out.y, out.z, in.x * ratio, in.y * ratio, in.z * ratio, tolerance)) {
      return ::testing::AssertionFailure()
             << "outer point " << i << " is not the inner one times " << ratio;
    }
  }
  return ::testing::AssertionSuccess();
}

// Largest absolute coordinate over the leading entries of the three point arrays.
inline double largestCoordinate(const Model& m) {
  double largest = 0.0;
  auto raise = [&largest](const auto& points, int count) {
    for (int i = 0; i < count; ++i) {
      const auto& p = points[static_cast<std::size_t>(i)];
      largest = std::max({largest, std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
    }
  };
  raise(m.vertices, m.vertexCount);
  raise(m.innerPoints, m.spherePointCount);
  raise(m.outerPoints, m.spherePointCount);
  return largest;
}

// The differences between two models in words, for failure messages only: the
// comparison itself is Model's operator==, which also covers fields this printer
// does not name yet.
inline std::string modelDifference(const Model& a, const Model& b) {
  std::ostringstream diff;
  auto field = [&diff](const char* name, auto x, auto y) {
    if (!(x == y)) {
      diff << name << ": " << x << " vs " << y << "; ";
    }
  };
  field("polyType", a.polyType, b.polyType);
  field("lineCursor", a.lineCursor, b.lineCursor);
  field("vertexCount", a.vertexCount, b.vertexCount);
  field("faceCount", a.faceCount, b.faceCount);
  field("spherePointCount", a.spherePointCount, b.spherePointCount);
  field("sphereQuadCount", a.sphereQuadCount, b.sphereQuadCount);
  field("innerRadius", a.innerRadius, b.innerRadius);
  field("outerRadius", a.outerRadius, b.outerRadius);
  field("scale", a.scale, b.scale);
  auto elements = [&diff](const char* name, const auto& x, const auto& y) {
    for (std::size_t i = 0; i < x.size(); ++i) {
      if (!(x[i] == y[i])) {
        diff << name << "[" << i << "] differs; ";
        return;
      }
    }
  };
  elements("vertices", a.vertices, b.vertices);
  elements("faceCentres", a.faceCentres, b.faceCentres);
  elements("innerPoints", a.innerPoints, b.innerPoints);
  elements("outerPoints", a.outerPoints, b.outerPoints);
  elements("innerCentres", a.innerCentres, b.innerCentres);
  elements("outerCentres", a.outerCentres, b.outerCentres);
  elements("faces", a.faces, b.faces);
  elements("sphereQuads", a.sphereQuads, b.sphereQuads);
  std::string text = diff.str();
  if (text.empty() && !(a == b)) {
    text = "a field the difference printer does not list";
  }
  return text;
}

// Every field and every array element equal (Model's operator==), with the
// differences named when they are not.
inline ::testing::AssertionResult sameModel(const Model& a, const Model& b) {
  if (a == b) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << modelDifference(a, b);
}

}  // namespace velkora::test
