#include "catalogue/sections.h"

#include <algorithm>
#include <string>

namespace velkora {

int findLine(const ByteList& list, std::string_view line) {
  const auto it = std::find(list.begin(), list.end(), line);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

int findSection(const ByteList& list, int identifier) {
  if (identifier == -1) {
    return -1;
  }
  // Built by appending: GCC 12 warns falsely (-Wrestrict) about "[" + std::string.
  std::string header = "[";
  header += std::to_string(identifier);
  header += ']';
  return findLine(list, header);
}

}  // namespace velkora
