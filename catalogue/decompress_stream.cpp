// decompressStream over inflateBuffer, whichever inflater the build has.

#include "catalogue/inflate.h"

namespace velkora {

ByteString decompressStream(std::span<const unsigned char> source, InflateRounds* rounds) {
  if (rounds != nullptr) {
    rounds->capacities.clear();
  }
  if (source.empty()) {
    return {};
  }
  const std::vector<unsigned char> output = inflateBuffer(source.data(), source.size(), 0, rounds);
  return ByteString(output.begin(), output.end());
}

}  // namespace velkora
