#pragma once
// Inflating one complete zlib stream held in memory, on the system zlib.
// Owns the output growth rule and the mapping of zlib failures to
// EDecompressionError; knows nothing of resources or lines.

#include <cstddef>
#include <span>
#include <vector>

#include "catalogue/byte_list.h"

namespace velkora {

// Inflates input[0 .. inputLength) and returns exactly the inflated bytes.
// The output starts at estimate bytes (or, for estimate 0, at the step: the input
// length rounded up to a multiple of 256) and grows by the step until the stream ends.
// Throws EDecompressionError for a bad header, bad data, a bad checksum, a stream
// that ends early or needs a preset dictionary; inputLength 0 is such a stream.
std::vector<unsigned char> inflateBuffer(const unsigned char* input, std::size_t inputLength,
                                         std::size_t estimate);

// The inflated bytes of source; an empty source gives an empty result without inflating.
// Throws as inflateBuffer.
ByteString decompressStream(std::span<const unsigned char> source);

// Number of zlib inflate calls made by this process so far. Lets tests see how
// many growth rounds a stream took and that empty input never reaches zlib.
std::size_t inflateCallCount() noexcept;

}  // namespace velkora
