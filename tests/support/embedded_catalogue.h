#pragma once
// The three embedded catalogue texts, loaded once per test program through the
// program's own loader, and the name-list line of a type number. Test support only.

#include <string>

#include "model/solid_catalogue.h"

namespace velkora::test {

using velkora::CatalogueTexts;

// The name list, vertex and face catalogue as the program loads them.
const CatalogueTexts& embeddedTexts();

// The name-list line whose type number (after the TAB) is type. Needs 0 <= type <= 30.
std::string listLineOf(const CatalogueTexts& texts, int type);

}  // namespace velkora::test
