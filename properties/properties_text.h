#pragma once
// The properties of a solid as text: German rows (label, value) normalised to
// edge length 1 or midradius 1, the same rows as a tab-separated table, and
// one JSON object at the catalogue's own scale. Numbers never use the locale:
// the rows have a decimal comma (for people), the JSON a decimal point.

#include <string>
#include <utility>
#include <vector>

#include "properties/properties.h"

namespace velkora {

// German label and UTF-8 value per row; lengths shown as catalogue length *
// normalisation, angles in degrees, 6 significant digits with a decimal
// comma; "Listenplatz" is the list position, the number --solid takes.
std::vector<std::pair<std::string, std::string>> propertiesRows(const SolidProperties& p);

// The rows as "label<TAB>value" lines, each ended by a newline.
std::string propertiesTable(const SolidProperties& p);

// One JSON object with the keys name, position, type (the catalogue's type number), family,
// vertices, edges, faces, face_kinds, configuration, dual, symmetry, edge_lengths, dihedral_angles,
// inradius, midradius, circumradius, surface_area and volume, at catalogue scale.
std::string propertiesJson(const SolidProperties& p);

// How far drawn lies from true, as shown in the rows: "0,24 % kleiner",
// "0,10 % größer", or "gleich bis auf < 0,01 %". Needs true > 0.
std::string radiusDifference(double drawn, double truth);

}  // namespace velkora
