#pragma once
// Widening Windows-1252 bytes to UTF-8 for error messages. Catalogue texts
// stay bytes everywhere else; only the texts quoted in messages are widened.

#include <string>
#include <string_view>

namespace velkora {

// Every byte becomes its Windows-1252 character; the five bytes that code page
// leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 control of the
// same number, as Windows converts them. The result is always valid UTF-8.
std::string widenWindows1252(std::string_view bytes);

}  // namespace velkora
