// Decimal integer conversion with a German error message.
#include "model/integer_text.h"

#include <charconv>

#include "model/cp1252.h"
#include "model/errors.h"

namespace velkora {

std::int32_t integerFromText(std::string_view text) {
  std::string_view rest = text;
  while (!rest.empty() && rest.front() == ' ') {
    rest.remove_prefix(1);
  }
  // from_chars takes a minus sign but no plus sign.
  if (rest.size() > 1 && rest.front() == '+' && rest[1] != '-' && rest[1] != '+') {
    rest.remove_prefix(1);
  }
  std::int32_t value = 0;
  const char* const end = rest.data() + rest.size();
  const auto [ptr, ec] = std::from_chars(rest.data(), end, value, 10);
  if (rest.empty() || ec != std::errc{} || ptr != end) {
    throw EConvertError("'" + widenWindows1252(text) + "' ist kein gültiger Integerwert");
  }
  return value;
}

}  // namespace velkora
