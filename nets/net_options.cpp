#include "nets/net_options.h"

#include <algorithm>

namespace velkora {

namespace {

bool sameName(std::string_view name, std::string_view lower) {
  return name.size() == lower.size() &&
         std::equal(name.begin(), name.end(), lower.begin(), [](char a, char b) {
           return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
         });
}

}  // namespace

std::optional<Paper> paperNamed(std::string_view name) {
  if (sameName(name, "a4")) return Paper::A4;
  if (sameName(name, "a3")) return Paper::A3;
  if (sameName(name, "letter")) return Paper::Letter;
  return std::nullopt;
}

std::optional<Orientation> orientationNamed(std::string_view name) {
  if (sameName(name, "portrait")) return Orientation::Portrait;
  if (sameName(name, "landscape")) return Orientation::Landscape;
  if (sameName(name, "auto")) return Orientation::Best;
  return std::nullopt;
}

std::optional<TabStyle> tabStyleNamed(std::string_view name) {
  if (sameName(name, "one")) return TabStyle::One;
  if (sameName(name, "both")) return TabStyle::Both;
  if (sameName(name, "none")) return TabStyle::None;
  return std::nullopt;
}

void setTabStyle(NetOptions& options, TabStyle style) {
  options.tabStyle = style;
  options.tabs = style != TabStyle::None;
}

}  // namespace velkora
