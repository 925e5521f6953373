#include "catalogue/resources.h"

#include <algorithm>
#include <string>

#include "catalogue/errors.h"
#include "catalogue/resource_table.h"

namespace velkora {

namespace {

// ASCII-only folding: resource names are plain ASCII, and the user's locale
// must not change which resource a name finds.
char foldCase(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return foldCase(x) == foldCase(y);
         });
}

}  // namespace

std::span<const unsigned char> findResource(std::string_view name) {
  for (const EmbeddedResource& resource : embeddedResources()) {
    if (equalIgnoringCase(resource.name, name)) {
      return resource.bytes;
    }
  }
  throw EResNotFound(std::string(name));
}

}  // namespace velkora
