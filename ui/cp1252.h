#pragma once
// Showing Windows-1252 bytes of the name list on screen. The bytes stay as
// they are everywhere else; these functions only make display text of them.

#include <string_view>

#include <QString>

namespace velkora {

// Decodes Windows-1252 bytes. The five bytes that code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of equal value.
QString decodeWindows1252(std::string_view bytes);

// The name part of a name-list line (name, TAB, type number): everything
// before the first TAB, decoded. A line without a TAB is shown whole.
QString listDisplayName(std::string_view line);

}  // namespace velkora
