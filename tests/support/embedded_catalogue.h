#pragma once
// The three embedded catalogue texts, loaded once per test program through the
// program's own loader, the solids read from them, a solid's model loaded as the
// window loads it, and the name-list line of a type number. Test support only.

#include <string>
#include <vector>

#include "model/model.h"
#include "model/solid.h"
#include "model/solid_catalogue.h"

namespace velkora::test {

using velkora::CatalogueTexts;

// The name list, vertex and face catalogue as the program loads them.
const CatalogueTexts& embeddedTexts();

// Every solid of the list as the program reads it, read once per test program.
const std::vector<Solid>& embeddedSolids();
// The read solid at list position 0..30.
const Solid& embeddedSolid(int position);

// The model of the solid with type number 0..30, loaded as the program loads
// it (tilted and scaled to 260 pixels). Throws what the catalogue and model
// libraries throw (ESolidNotFound when the name list has no line for the type).
Model embeddedModelOfType(int type);

// The name-list line whose type number (after the TAB) is type. Needs 0 <= type <= 30.
std::string listLineOf(const CatalogueTexts& texts, int type);

}  // namespace velkora::test
