#pragma once
// The centre of a face or sphere quad: the mean of its corners, summed in
// corner order. The one place the model's centres are computed.

#include <array>

#include "model/model.h"

namespace velkora {

// Needs 1 <= polygon.count <= kMaxCorners and corner numbers inside points.
CentreRec cornerMean(const FaceRec& polygon, const std::array<Point3, kCapacity>& points);

}  // namespace velkora
