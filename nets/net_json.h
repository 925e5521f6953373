#pragma once
// The net as JSON for other programs and for checks: solid, type, edge size,
// paper and per page the faces, fold pairs, numbered cut edges and tabs, in
// millimetres with the origin at the paper's bottom-left corner, y up,
// polygons counter-clockwise. Same document, same bytes.

#include <string>

#include "nets/net_types.h"

namespace velkora {

std::string netJson(const NetDocument& net);

}  // namespace velkora
