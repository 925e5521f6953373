#pragma once
// Turning an embedded compressed text into a list of lines. Lines end at CR,
// LF or CR LF; a byte 0 ends the text. The list is replaced only after the
// whole text has been inflated, so a failure leaves it as it was.

#include <span>
#include <string_view>

#include "catalogue/byte_list.h"

namespace velkora {

// Splits text into lines (no trimming; no trailing empty entry after a final terminator).
ByteList splitLines(std::string_view text);

// Inflates compressed (one complete zlib stream) and replaces list with its lines.
// Throws EDecompressionError on damaged data; an empty input gives an empty list.
void loadTextFromCompressed(ByteList& list, std::span<const unsigned char> compressed);

// Looks up the embedded resource by name (letter case ignored) and loads it as above.
// Throws EResNotFound with the name as requested.
void loadTextResource(ByteList& list, std::string_view name);

}  // namespace velkora
