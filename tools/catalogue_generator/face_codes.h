// Face lines of the face catalogue: one byte per corner, byte = vertex index + 48, so
// indices 0-119 become the bytes 48-167 ("0".."9", ":" ... "~", 127, 128-167).
#pragma once

#include "tools/catalogue_generator/solid.h"

#include <string>
#include <string_view>

namespace velkora::gen {

constexpr int kMaxFaceIndex = 119;

// Needs every index in 0..119; throws GeneratorError otherwise.
std::string encodeFaceLine(const Face& face);

// Each byte minus 48; bytes below 48 or above 167 throw GeneratorError.
Face decodeFaceLine(std::string_view line);

}  // namespace velkora::gen
