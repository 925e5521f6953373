#include "tools/catalogue_generator/generator.h"

#include "tools/catalogue_generator/catalogue_text.h"
#include "tools/catalogue_generator/checks.h"
#include "tools/catalogue_generator/compression.h"
#include "tools/catalogue_generator/construction.h"
#include "tools/catalogue_generator/errors.h"
#include "tools/catalogue_generator/families.h"
#include "tools/catalogue_generator/ordering.h"

#include <fstream>

namespace velkora::gen {

namespace {

constexpr std::size_t kNameListCompressedBytes = 280;

CatalogueFile compressedFile(std::string name, std::string text) {
  CatalogueFile file{std::move(name), std::move(text), {}};
  file.compressed = compressBest(file.text);
  if (file.compressed.size() < 2 || static_cast<unsigned char>(file.compressed[0]) != 0x78 ||
      static_cast<unsigned char>(file.compressed[1]) != 0xDA) {
    throw GeneratorError(file.name + ": zlib-Kopf ist nicht 0x78 0xDA");
  }
  if (inflateAll(file.compressed) != file.text) {
    throw GeneratorError(file.name + ": entpackter Text weicht vom geschriebenen ab");
  }
  return file;
}

}  // namespace

std::vector<Solid> buildCatalogueSolids() {
  std::vector<Solid> solids;
  for (int type = 0; type < kTypeCount; ++type) {
    Solid solid = constructSolid(type);
    orderForCatalogue(solid, type);
    solids.push_back(std::move(solid));
  }
  return solids;
}

Generation generateAndCheck() {
  const auto solids = buildCatalogueSolids();
  Generation generation;
  generation.files.push_back(compressedFile("VELKORA", nameListText()));
  generation.files.push_back(compressedFile("MPOLY1", vertexCatalogueText(solids)));
  generation.files.push_back(compressedFile("MPOLY2", faceCatalogueText(solids)));

  checkNameList(generation.files[0].text);
  if (generation.files[0].compressed.size() != kNameListCompressedBytes) {
    throw GeneratorError("VELKORA: " + std::to_string(generation.files[0].compressed.size()) +
                         " komprimierte Bytes statt 280");
  }
  generation.measurements = checkCatalogues(generation.files[1].text, generation.files[2].text);
  return generation;
}

void writeFiles(const Generation& generation, const std::filesystem::path& folder) {
  for (const CatalogueFile& file : generation.files) {
    const auto path = folder / (file.name + ".z");
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(file.compressed.data(), static_cast<std::streamsize>(file.compressed.size()));
    out.close();
    if (!out) {
      throw GeneratorError("Datei " + path.string() + " konnte nicht geschrieben werden");
    }
  }
}

}  // namespace velkora::gen
