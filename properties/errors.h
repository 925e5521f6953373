#pragma once
// The error of measuring a solid whose faces do not close into one convex
// surface (an edge not shared by exactly two faces, a face without area).
// Loading errors of the catalogue pass through unchanged.

#include <string>

#include "catalogue/errors.h"

namespace velkora {

class EDegenerateSolid : public Error {
 public:
  explicit EDegenerateSolid(const std::string& message) : Error(message) {}
};

}  // namespace velkora
