#pragma once
// Damaged copies of the real catalogue text for one solid: random bytes in
// count, coordinate and face lines, extreme and malformed numbers, empty,
// deleted and swapped lines, missing headers, sections cut short and broken
// name-list lines. Knows the section layout (header, count, body), no model.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "catalogue/byte_list.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora::test {

// Everything loadModel reads, and what was done to it.
struct LoadInput {
  std::string listLine;
  ByteList vertexLines;
  ByteList faceLines;
  std::string damage;
};

// Makes damaged inputs for one type from the embedded texts. Needs 0 <= type <= 30.
class CatalogueMutator {
 public:
  CatalogueMutator(const CatalogueTexts& texts, int type, std::uint32_t seed);

  // One case for each fixed kind of damage: every special count in either
  // catalogue, every special face line, headers missing, sections cut short at
  // each line of the shorter body, and broken type texts.
  void forEachFixedCase(const std::function<void(const LoadInput&)>& visit) const;

  // Coordinates next to the largest double (1e308 and the largest double itself)
  // in the edge vertices, in the last one, and in every vertex but the edge.
  void forEachLargestCase(const std::function<void(const LoadInput&)>& visit) const;

  // A copy with one to three random damages anywhere in the type's sections.
  LoadInput randomCase();

 private:
  // Where one catalogue's section lies in the undamaged list.
  struct Section {
    std::size_t header = 0;  // index of "[id]"
    std::size_t count = 0;   // number of body lines
    ByteList LoadInput::*lines = nullptr;
  };

  LoadInput pristine() const;
  // Calls add(damage, change) for each value in each field of vertices 0, 1 and the last.
  template <typename Add>
  void forEachVertexField(const std::vector<std::string>& values, Add& add) const;
  void damageOnce(LoadInput& in);
  std::size_t below(std::size_t n);
  std::string randomBytes(std::size_t maxLength);
  void editBytes(std::string& text);
  const Section& anySection();

  const CatalogueTexts& texts_;
  int type_;
  std::string header_;
  Section vertex_;
  Section face_;
  std::mt19937 rng_;
};

}  // namespace velkora::test
