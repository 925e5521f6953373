#pragma once
// A solid as it was read: its name, its place in the list, its type and
// family, and its geometry in catalogue units and orientation. Reading the
// catalogue texts ends here; measuring, nets and exports take a Solid.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/family.h"
#include "model/model.h"
#include "model/polyhedron.h"
#include "model/solid_catalogue.h"

namespace velkora {

struct Solid {
  std::string name;              // UTF-8
  int position = -1;             // list position; -1 for a solid that no list line describes
  int type = -1;                 // catalogue type number; -1 likewise
  std::optional<Family> family;  // empty for a solid that is none of the catalogue's
  Polyhedron geometry;           // catalogue units and orientation
};

// Reads the solid at list position: its list line and both of its sections.
// Throws ESolidNotFound and what loadGeometry throws.
Solid readSolid(const CatalogueTexts& texts, int position);

// Every solid of the list, in list order, each read once. Throws as readSolid.
std::vector<Solid> readAllSolids(const CatalogueTexts& texts);

// A pick: loads listLine (the line at position) into model as loadModel does
// and returns the solid that this one reading gave. Throws as loadModel;
// model is unchanged on failure.
Solid pickSolid(Model& model, std::string_view listLine, int position, const CatalogueTexts& texts);

// The model of a catalogue solid right after its pick (start pose, 260
// pixels), built from the read solid with the same numbers as the pick.
// Throws ECatalogueError for a solid without a catalogue type.
void placeSolid(Model& model, const Solid& solid);

// The geometry of a catalogue solid in its start pose, in catalogue units.
Polyhedron startPoseOf(const Solid& solid);

}  // namespace velkora
