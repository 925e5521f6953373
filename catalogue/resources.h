#pragma once
// Finding an embedded resource by name. Only the lookup lives here; the bytes
// themselves come from catalogue/resource_table.h and are never copied.

#include <span>
#include <string_view>

namespace velkora {

// The compressed bytes of the resource called name, ASCII letter case ignored
// ("mpoly1", "MPOLY1" and "Mpoly1" find the same bytes).
// Throws EResNotFound carrying name as requested.
std::span<const unsigned char> findResource(std::string_view name);

}  // namespace velkora
