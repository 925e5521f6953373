#include "catalogue/text_resource.h"

#include <utility>

#include "catalogue/inflate.h"
#include "catalogue/resources.h"

namespace velkora {

ByteList splitLines(std::string_view text) {
  // A byte 0 ends the text, as in a C string.
  text = text.substr(0, text.find('\0'));

  ByteList lines;
  std::size_t start = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const char c = text[pos];
    if (c != '\r' && c != '\n') {
      ++pos;
      continue;
    }
    lines.emplace_back(text.substr(start, pos - start));
    // CR LF is one line end; a CR followed by anything else ends the line alone.
    pos += (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
    start = pos;
  }
  if (start < text.size()) {
    lines.emplace_back(text.substr(start));
  }
  return lines;
}

void loadTextFromCompressed(ByteList& list, std::span<const unsigned char> compressed) {
  // Everything that can fail happens before the caller's list is touched.
  ByteList lines = splitLines(decompressStream(compressed));
  list = std::move(lines);
}

void loadTextResource(ByteList& list, std::string_view name) {
  loadTextFromCompressed(list, findResource(name));
}

}  // namespace velkora
