#pragma once
// Real solids from the embedded catalogue, loaded as the program loads them
// (tilted and scaled to 260 pixels), for the render tests and benchmarks.

#include "model/model.h"

namespace velkora::test {

// Loads the solid of the given type number (0..30) from the embedded name
// list and catalogues. Throws what the catalogue and model libraries throw
// (ESolidNotFound when the name list has no line for the type).
Model loadCatalogueSolid(int type);

}  // namespace velkora::test
