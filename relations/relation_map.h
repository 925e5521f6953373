#pragma once
// The map of how the 31 solids are related, worked out from the tools' own
// stops rather than typed in: each solid's dual (the end of its morph), the
// kaleidoscope's operations on the Platonic solids at the triangle's corners
// (rectify at the third corner, truncate and cantellate on the sides,
// omnitruncate inside, snub inside with the rotations alone) and the
// jitterbug's passage from stop to stop. No Qt, no picture.

#include <span>
#include <string_view>
#include <vector>

#include "kaleidoscope/wythoff.h"
#include "model/solid.h"

namespace velkora {

enum class RelationKind { Dual, Truncate, Rectify, Cantellate, Omnitruncate, Snub, Jitterbug };

// The relation's English key, as --relations prints it: dual, truncate,
// rectify, cantellate, omnitruncate, snub, jitterbug.
std::string_view relationKey(RelationKind kind);

struct Relation {
  int from = -1;  // list positions
  RelationKind kind = RelationKind::Dual;
  int to = -1;
  // Where the kaleidoscope shows the path (its operations): the family and
  // the weights of to's stop, with the copies of the snub for a snub.
  WythoffFamily family = WythoffFamily::O;
  WythoffWeights at;
};

// Every relation once, sorted by kind, then from, then to (of a path that
// two families make, that of the smaller family: T before O before I). A dual pair
// appears once, from the lower list position (the Tetraeder with itself);
// the jitterbug goes from each of its stops to the next. catalogue: the 31
// in list order (readAllSolids).
std::vector<Relation> relationMap(std::span<const Solid> catalogue);

}  // namespace velkora
