#include "render/face_tints.h"

#include <algorithm>

namespace velkora {

namespace {

constexpr std::uint32_t kFrontShift = 16;
constexpr std::uint32_t kBackMask = 0xFFFFu;
constexpr std::uint32_t kFrontMask = 0xFFu;
// The back layer's classes sit at the top of its 16 bits.
constexpr std::uint32_t kBackClassBase = 0xFF00u;

// Red and blue behind the glass: 0xE6 / 0xFF of themselves, about 90 %.
constexpr std::uint32_t kGlassPart = 0xE6u;

std::uint32_t scaled(std::uint32_t channel) { return (channel * kGlassPart + 127u) / 255u; }

}  // namespace

std::uint32_t kindTint(int kind) {
  return kKindTints[static_cast<std::size_t>(kind) % kKindTints.size()];
}

std::vector<std::uint32_t> tintsOfKinds(std::span<const int> kindOfFace) {
  std::vector<std::uint32_t> tints;
  tints.reserve(kindOfFace.size());
  for (const int kind : kindOfFace)
    tints.push_back(kindTint(kind));
  return tints;
}

std::uint32_t behindGlass(std::uint32_t tint) {
  const std::uint32_t r = scaled((tint >> 16) & 0xFFu);
  const std::uint32_t g = (tint >> 8) & 0xFFu;
  const std::uint32_t b = scaled(tint & 0xFFu);
  return 0xFF000000u | (r << 16) | (g << 8) | b;
}

TintTable tintTableOf(std::span<const std::uint32_t> faceTints, int faceCount) {
  TintTable table;
  const std::size_t faces =
      std::min(faceTints.size(), static_cast<std::size_t>(std::max(faceCount, 0)));
  table.tintOfFace.assign(faces, -1);
  for (std::size_t f = 0; f < faces; ++f) {
    if (faceTints[f] == 0) continue;
    const std::uint32_t colour = faceTints[f] | 0xFF000000u;
    const auto found = std::find(table.colours.begin(), table.colours.end(), colour);
    if (found != table.colours.end()) {
      table.tintOfFace[f] = static_cast<int>(found - table.colours.begin());
    } else if (table.colours.size() < static_cast<std::size_t>(kMaxTints)) {
      table.tintOfFace[f] = static_cast<int>(table.colours.size());
      table.colours.push_back(colour);
    }
  }
  return table;
}

std::uint32_t tintCode(bool frontLayer, TintClass kind, int tint) {
  const std::uint32_t value =
      kind == TintClass::Tint ? static_cast<std::uint32_t>(tint) : static_cast<std::uint32_t>(kind);
  if (frontLayer) return 0xFF000000u | (value << kFrontShift) | kBackMask;
  const std::uint32_t back = kind == TintClass::Tint ? value : kBackClassBase | value;
  return 0xFFFF0000u | back;
}

void applyTints(std::uint32_t* picture, const std::uint32_t* codes, std::size_t count,
                const TintTable& table) {
  const std::uint32_t tints = static_cast<std::uint32_t>(table.colours.size());
  const auto fromFront = [](TintClass c) { return static_cast<std::uint32_t>(c); };
  const auto fromBack = [](TintClass c) { return kBackClassBase | static_cast<std::uint32_t>(c); };
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t code = codes[i];
    const std::uint32_t front = (code >> kFrontShift) & kFrontMask;
    const std::uint32_t back = code & kBackMask;
    const bool backTinted = back < tints;
    if (front < tints) {
      // A tinted front face hides the fill of the face behind it, not what
      // is drawn there: outlines, marks and the inner sphere.
      if (backTinted || back == fromBack(TintClass::Empty) ||
          back == fromBack(TintClass::UntintedFace)) {
        picture[i] = behindGlass(table.colours[front]);
      }
    } else if (backTinted) {
      if (front == fromFront(TintClass::Empty)) {
        picture[i] = table.colours[back];
      } else if (front == fromFront(TintClass::UntintedFace) ||
                 front == fromFront(TintClass::OtherFill)) {
        picture[i] = behindGlass(table.colours[back]);
      }
    }
  }
}

}  // namespace velkora
