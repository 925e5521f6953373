// Type numbers of the 31 solids: which family each belongs to and which Archimedean solid is
// the dual of each Catalan solid. Types 0-4 Platonic, 5-17 Archimedean, 18-30 Catalan.
#pragma once

#include "base/family.h"

namespace velkora::gen {

using Family = velkora::Family;

constexpr int kTypeCount = velkora::kSolidCount;

// The program's family table, with a range check: throws GeneratorError
// outside 0-30.
Family familyOf(int type);

// The Archimedean type whose polar reciprocal is the given Catalan type (18-30).
int archimedeanDualOf(int catalanType);

// The program's section identifier of a type, with the range check of familyOf.
int sectionIdOf(int type);

}  // namespace velkora::gen
