#pragma once
// The colours of the picture as 0xFFRRGGBB values: the green glass of the
// shell, the outlines and the yellow core. Nothing else lives here.

#include <cstdint>

namespace velkora {

inline constexpr std::uint32_t kLightGreen = 0xFFA0FFA0u;  // fill of every shell polygon
inline constexpr std::uint32_t kRed = 0xFFFF0000u;       // polyhedron shell and front quad outlines
inline constexpr std::uint32_t kLightRed = 0xFFFF8080u;  // back sphere quads of the outer view
inline constexpr std::uint32_t kYellow = 0xFFFFFF00u;    // core fill and vertex marks
inline constexpr std::uint32_t kBlue = 0xFF0000FFu;      // core outline

}  // namespace velkora
