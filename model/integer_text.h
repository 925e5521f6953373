#pragma once
// Reading a catalogue or list text as a decimal integer, the way count lines
// and type numbers are read. Fails with EConvertError quoting the text.

#include <cstdint>
#include <string_view>

namespace velkora {

// Accepts optional leading spaces, an optional sign and at least one decimal
// digit up to the last character, within the 32-bit range. Anything else
// throws EConvertError("'<text>' ist kein gültiger Integerwert").
std::int32_t integerFromText(std::string_view text);

}  // namespace velkora
