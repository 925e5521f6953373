#include "tools/catalogue_generator/face_codes.h"

#include "tools/catalogue_generator/errors.h"

namespace velkora::gen {

namespace {
constexpr int kCodeOffset = 48;
}

std::string encodeFaceLine(const Face& face) {
  std::string line;
  for (int index : face) {
    if (index < 0 || index > kMaxFaceIndex) {
      throw GeneratorError("Eckenindex " + std::to_string(index) + " nicht kodierbar");
    }
    line.push_back(static_cast<char>(static_cast<unsigned char>(index + kCodeOffset)));
  }
  return line;
}

Face decodeFaceLine(std::string_view line) {
  Face face;
  for (char c : line) {
    const int index = static_cast<unsigned char>(c) - kCodeOffset;
    if (index < 0 || index > kMaxFaceIndex) {
      throw GeneratorError("Byte " + std::to_string(static_cast<unsigned char>(c)) +
                           " ist kein Eckencode");
    }
    face.push_back(index);
  }
  return face;
}

}  // namespace velkora::gen
