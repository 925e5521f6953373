#pragma once
// The table of embedded resources: the stored name and the compressed bytes of
// each. It is defined in a source that the build generates from resources/*.z
// (target catalogue_resources); read-only and valid for the whole run.

#include <span>
#include <string_view>

namespace velkora {

struct EmbeddedResource {
  std::string_view name;                 // stored name, upper case ("MPOLY1")
  std::span<const unsigned char> bytes;  // one complete zlib stream
};

// Every embedded resource, in no particular order.
std::span<const EmbeddedResource> embeddedResources() noexcept;

}  // namespace velkora
