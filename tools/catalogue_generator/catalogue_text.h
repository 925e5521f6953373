// The three catalogue texts as bytes: the name list, the vertex catalogue and the face
// catalogue. Every line ends in CR LF; the catalogues hold the 31 sections in identifier order
// and end with the line "[#]". Knows the formats, not the geometry.
#pragma once

#include "tools/catalogue_generator/solid.h"

#include <string>
#include <vector>

namespace velkora::gen {

inline constexpr const char* kLineEnd = "\r\n";
inline constexpr const char* kEndMarker = "[#]";

std::string headerLine(int sectionId);

// "name TAB type" per line, in list order, Windows-1252.
std::string nameListText();

// Needs one solid per type 0..30, in type order, already in catalogue order.
std::string vertexCatalogueText(const std::vector<Solid>& solids);
std::string faceCatalogueText(const std::vector<Solid>& solids);

}  // namespace velkora::gen
