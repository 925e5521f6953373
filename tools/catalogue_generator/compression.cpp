#include "tools/catalogue_generator/compression.h"

#include "tools/catalogue_generator/errors.h"

#include <zlib.h>

#include <memory>
#include <vector>

namespace velkora::gen {

namespace {

const Bytef* bytesOf(std::string_view text) { return reinterpret_cast<const Bytef*>(text.data()); }

struct InflateEnd {
  void operator()(z_stream* stream) const { inflateEnd(stream); }
};

}  // namespace

std::string compressBest(std::string_view text) {
  uLongf size = compressBound(static_cast<uLong>(text.size()));
  std::vector<Bytef> buffer(size);
  const int status = compress2(buffer.data(), &size, bytesOf(text), static_cast<uLong>(text.size()),
                               Z_BEST_COMPRESSION);
  if (status != Z_OK) {
    throw GeneratorError("compress2 meldet " + std::to_string(status));
  }
  return {reinterpret_cast<const char*>(buffer.data()), size};
}

std::string inflateAll(std::string_view stream) {
  z_stream z{};
  z.next_in = const_cast<Bytef*>(bytesOf(stream));
  z.avail_in = static_cast<uInt>(stream.size());
  if (inflateInit(&z) != Z_OK) {
    throw GeneratorError("inflateInit fehlgeschlagen");
  }
  const std::unique_ptr<z_stream, InflateEnd> guard(&z);
  std::string out;
  char chunk[16384];
  int status = Z_OK;
  while (status != Z_STREAM_END) {
    z.next_out = reinterpret_cast<Bytef*>(chunk);
    z.avail_out = sizeof chunk;
    status = inflate(&z, Z_NO_FLUSH);
    if (status != Z_OK && status != Z_STREAM_END) {
      throw GeneratorError("inflate meldet " + std::to_string(status));
    }
    out.append(chunk, sizeof chunk - z.avail_out);
    if (status == Z_OK && z.avail_in == 0 && z.avail_out != 0) {
      throw GeneratorError("Datenstrom endet vor seinem Ende");
    }
  }
  if (z.avail_in != 0) {
    throw GeneratorError("Bytes nach dem Ende des Datenstroms");
  }
  return out;
}

}  // namespace velkora::gen
