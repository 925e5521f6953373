#pragma once
// Inflating one complete zlib stream held in memory, on the system zlib.
// Owns the output growth rule and the mapping of zlib failures to
// EDecompressionError; knows nothing of resources or lines.

#include <cstddef>
#include <span>
#include <vector>

#include "catalogue/byte_list.h"

namespace velkora {

// The output capacity offered to zlib in each inflate round, in order: one entry
// per call of zlib's inflate. Empty when zlib was never called.
struct InflateRounds {
  std::vector<std::size_t> capacities;
};

// Inflates input[0 .. inputLength) and returns exactly the inflated bytes.
// The output starts at estimate bytes (or, for estimate 0, at the step: the input
// length rounded up to a multiple of 256) and grows by the step until the stream ends.
// When rounds is given, it receives the capacity of every round (also when inflating fails).
// Throws EDecompressionError for a bad header, bad data, a bad checksum, a stream
// that ends early or needs a preset dictionary; inputLength 0 is such a stream.
std::vector<unsigned char> inflateBuffer(const unsigned char* input, std::size_t inputLength,
                                         std::size_t estimate, InflateRounds* rounds = nullptr);

// The inflated bytes of source; an empty source gives an empty result without inflating
// (rounds, when given, stays empty). Throws as inflateBuffer.
ByteString decompressStream(std::span<const unsigned char> source, InflateRounds* rounds = nullptr);

}  // namespace velkora
