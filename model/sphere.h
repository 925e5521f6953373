#pragma once
// The latitude-longitude meshes of the inner and outer sphere: 18 rings of
// 24 points (latitudes -85..85 degrees, no poles) and 17 bands of 24 quads.
// Only the mesh arrays, their counts and the quad centres are written here.

#include "model/model.h"

namespace velkora {

inline constexpr int kMeshLongitudes = 24;
inline constexpr int kMeshLatitudes = 18;
inline constexpr int kSpherePoints = kMeshLongitudes * kMeshLatitudes;       // 432
inline constexpr int kSphereQuads = kMeshLongitudes * (kMeshLatitudes - 1);  // 408

// Builds innerPoints, sphereQuads, innerCentres and both counts on a sphere of
// model.innerRadius about the origin.
void buildInnerSphere(Model& model);

// Builds outerPoints and outerCentres from the inner mesh scaled by
// outerRadius / innerRadius. Needs buildInnerSphere first and a non-zero innerRadius.
void buildOuterSphere(Model& model);

}  // namespace velkora
