#pragma once
// Builders of damaged input shared by the test suites: a byte stream cut short
// and a byte stream with one bit inverted. Generic over bytes; no project types.

#include <cstddef>
#include <span>
#include <vector>

namespace velkora::test {

// The first keep bytes of bytes (all of them when keep is larger).
inline std::vector<unsigned char> truncated(std::span<const unsigned char> bytes,
                                            std::size_t keep) {
  const std::size_t n = keep < bytes.size() ? keep : bytes.size();
  return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n)};
}

// bytes with bit (bitIndex % 8) of byte (bitIndex / 8) inverted. Needs bitIndex < 8 * size.
inline std::vector<unsigned char> bitFlipped(std::span<const unsigned char> bytes,
                                             std::size_t bitIndex) {
  std::vector<unsigned char> copy(bytes.begin(), bytes.end());
  copy.at(bitIndex / 8) ^= static_cast<unsigned char>(1U << (bitIndex % 8));
  return copy;
}

}  // namespace velkora::test
