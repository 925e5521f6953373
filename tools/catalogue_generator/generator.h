// The whole generation: constructs and orders the 31 solids, writes the three texts, checks
// them as read back, compresses them and checks the compressed streams. Writing the files is
// a separate step so that a failed check never leaves new files behind.
#pragma once

#include "tools/catalogue_generator/measurement.h"
#include "tools/catalogue_generator/solid.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velkora::gen {

struct CatalogueFile {
  std::string name;        // "VELKORA", "MPOLY1", "MPOLY2"
  std::string text;        // inflated bytes
  std::string compressed;  // zlib stream written as <name>.z
};

struct Generation {
  std::vector<CatalogueFile> files;       // VELKORA, MPOLY1, MPOLY2
  std::vector<Measurement> measurements;  // by type
};

// The 31 solids in catalogue order, by type.
std::vector<Solid> buildCatalogueSolids();

// Throws GeneratorError when any construction or check fails.
Generation generateAndCheck();

// Writes <name>.z for each file into the folder (which must exist).
void writeFiles(const Generation& generation, const std::filesystem::path& folder);

}  // namespace velkora::gen
