#pragma once
// The polyhedron model: one solid with its faces and face centres, the meshes
// of its inner and outer sphere, both radii and the current magnification.
// A plain aggregate with fixed-capacity arrays; counts say how much is valid,
// and nothing beyond a count is cleared or read. No operations live here beyond
// memberwise equality (every field and every array element, also those beyond
// the counts).

#include <array>
#include <cstdint>

#include "base/vec.h"

namespace velkora {

inline constexpr int kCapacity = 501;   // elements per model array
inline constexpr int kMaxCorners = 24;  // corner slots of a FaceRec

// One model point: x right, y down on the screen, z depth (away from the viewer).
using Point3 = Vec3;

// A polygon: corner count and corner positions (0-based) into its point array.
struct FaceRec {
  std::int32_t count = 0;
  std::array<std::int32_t, kMaxCorners> indices{};

  bool operator==(const FaceRec&) const = default;
};

// Mean of the corners of the face or quad at the same array position.
using CentreRec = Vec3;

struct Model {
  std::int32_t polyType = 0;    // 0..4 Platonic, 5..17 Archimedean, 18..30 Catalan
  std::int32_t lineCursor = 0;  // next catalogue line to read during a load
  std::int32_t vertexCount = 0;
  std::array<Point3, kCapacity> vertices{};
  std::int32_t faceCount = 0;
  std::array<FaceRec, kCapacity> faces{};
  std::array<CentreRec, kCapacity> faceCentres{};
  std::int32_t spherePointCount = 0;
  std::array<Point3, kCapacity> innerPoints{};
  std::array<Point3, kCapacity> outerPoints{};
  std::int32_t sphereQuadCount = 0;
  // The quads of both sphere meshes: the outer mesh is the inner one scaled,
  // so one set of corner numbers serves innerPoints and outerPoints.
  std::array<FaceRec, kCapacity> sphereQuads{};
  std::array<CentreRec, kCapacity> innerCentres{};
  std::array<CentreRec, kCapacity> outerCentres{};
  double innerRadius = 0.0;  // catalogue units
  double outerRadius = 0.0;  // catalogue units
  double scale = 0.0;        // pixels per catalogue unit of the point arrays

  bool operator==(const Model&) const = default;
};

}  // namespace velkora
