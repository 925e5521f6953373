#include "catalogue/inflate.h"

#include <zlib.h>

#include <algorithm>
#include <limits>
#include <string>

#include "catalogue/errors.h"

namespace velkora {

namespace {

constexpr std::size_t kMaxChunk = std::numeric_limits<uInt>::max();

// A zlib inflate stream that is ended on every path out of its scope.
class InflateStream {
 public:
  InflateStream() {
    const int status = inflateInit(&stream_);
    if (status != Z_OK) {
      throw EDecompressionError("zlib lässt sich nicht starten (Status " + std::to_string(status) +
                                ")");
    }
  }
  ~InflateStream() { inflateEnd(&stream_); }
  InflateStream(const InflateStream&) = delete;
  InflateStream& operator=(const InflateStream&) = delete;

  z_stream& get() { return stream_; }

 private:
  z_stream stream_{};  // zalloc, zfree, opaque null: zlib's default allocator
};

// What a failed inflate call means, in words, with how far it got.
std::string failureText(int status, bool progress, const z_stream& zs, std::size_t inputLength) {
  std::string what;
  switch (status) {
    case Z_DATA_ERROR:
      what = "ungültiger Kopf, ungültige Deflate-Daten oder falsche Prüfsumme";
      break;
    case Z_NEED_DICT:
      what = "die Daten verlangen ein Wörterbuch";
      break;
    case Z_MEM_ERROR:
      what = "zu wenig Speicher";
      break;
    default:
      what = progress ? "zlib-Status " + std::to_string(status)
                      : "die Daten enden vor dem Ende des Datenstroms";
      break;
  }
  return what + " (nach " + std::to_string(zs.total_in) + " von " + std::to_string(inputLength) +
         " Bytes)";
}

// Points the stream's output at the unused tail of output, behind the bytes produced so far.
void setOutputWindow(z_stream& zs, std::vector<unsigned char>& output, std::size_t produced) {
  zs.next_out = output.data() + produced;
  zs.avail_out = static_cast<uInt>(std::min(output.size() - produced, kMaxChunk));
}

}  // namespace

std::vector<unsigned char> inflateBuffer(const unsigned char* input, std::size_t inputLength,
                                         std::size_t estimate, InflateRounds* rounds) {
  if (rounds != nullptr) {
    rounds->capacities.clear();
  }
  if (inputLength > kMaxChunk) {
    throw EInputTooLarge(inputLength);
  }
  const std::size_t step = (inputLength + 255) & ~static_cast<std::size_t>(255);
  std::vector<unsigned char> output(estimate != 0 ? estimate : step);

  InflateStream inflater;
  z_stream& zs = inflater.get();
  // zlib's interface is not const-correct; inflate only reads its input.
  zs.next_in = const_cast<Bytef*>(input);
  zs.avail_in = static_cast<uInt>(inputLength);
  setOutputWindow(zs, output, 0);

  for (;;) {
    if (rounds != nullptr) {
      rounds->capacities.push_back(output.size());
    }
    const uInt inBefore = zs.avail_in;
    const uInt outBefore = zs.avail_out;
    const int status = inflate(&zs, Z_FINISH);
    if (status == Z_STREAM_END) {
      break;
    }
    // A current zlib answers Z_BUF_ERROR when the output is full, even after progress:
    // that means "grow and go on". Without progress the stream cannot end (truncated
    // input); any other status, Z_NEED_DICT included, is damaged or unusable data.
    const bool progress = zs.avail_in != inBefore || zs.avail_out != outBefore;
    if ((status != Z_OK && status != Z_BUF_ERROR) || !progress) {
      throw EDecompressionError(failureText(status, progress, zs, inputLength));
    }
    const auto produced = static_cast<std::size_t>(zs.next_out - output.data());
    output.resize(output.size() + step);
    setOutputWindow(zs, output, produced);
  }

  output.resize(static_cast<std::size_t>(zs.next_out - output.data()));
  output.shrink_to_fit();
  return output;
}

}  // namespace velkora
