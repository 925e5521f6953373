#pragma once
// Compression and inflation straight through zlib's one-call functions, kept
// apart from the library under test so its results can be checked against them.

#include <zlib.h>

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velkora::test {

// text as one zlib stream at the given level.
inline std::vector<unsigned char> zlibCompress(std::string_view text, int level = 9) {
  uLongf size = compressBound(static_cast<uLong>(text.size()));
  std::vector<unsigned char> out(size);
  if (compress2(out.data(), &size, reinterpret_cast<const Bytef*>(text.data()),
                static_cast<uLong>(text.size()), level) != Z_OK) {
    throw std::runtime_error("compress2 failed");
  }
  out.resize(size);
  return out;
}

// The inflated bytes of one complete zlib stream, via uncompress.
inline std::string zlibInflate(std::span<const unsigned char> stream) {
  std::string out(16 * stream.size() + 1024, '\0');
  for (;;) {
    uLongf size = static_cast<uLongf>(out.size());
    const int status = uncompress(reinterpret_cast<Bytef*>(out.data()), &size, stream.data(),
                                  static_cast<uLong>(stream.size()));
    if (status == Z_OK) {
      out.resize(size);
      return out;
    }
    if (status != Z_BUF_ERROR || out.size() > (std::size_t{1} << 30)) {
      throw std::runtime_error("uncompress failed");
    }
    out.resize(2 * out.size());
  }
}

}  // namespace velkora::test
