#include "ui/cp1252.h"

#include <string>

#include "model/cp1252.h"
#include "model/solid_catalogue.h"

namespace velkora {

QString decodeWindows1252(std::string_view bytes) {
  const std::string utf8 = widenWindows1252(bytes);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString listDisplayName(std::string_view line) {
  return decodeWindows1252(splitListLine(line).name);
}

}  // namespace velkora
