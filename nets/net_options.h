#pragma once
// The net's options by the names the command line takes (--paper a4,
// --orientation landscape, --tabs both), for every front end: ASCII letter
// case ignored, empty for an unknown name. Owns no parsing of whole command
// lines and no messages.

#include <optional>
#include <string_view>

#include "nets/net_types.h"

namespace velkora {

std::optional<Paper> paperNamed(std::string_view name);              // a4, a3, letter
std::optional<Orientation> orientationNamed(std::string_view name);  // portrait, landscape, auto
std::optional<TabStyle> tabStyleNamed(std::string_view name);        // one, both, none

// Tabs of style, as --tabs STYLE sets them: none is the same as --no-tabs
// (no tab, and no pair marked as taped shut for want of one).
void setTabStyle(NetOptions& options, TabStyle style);

}  // namespace velkora
