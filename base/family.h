#pragma once
// The three families of the 31 solids by type number (0-4 Platonic,
// 5-17 Archimedean, 18-30 Catalan), and the catalogue section that holds a
// type. The name list keeps the same blocks of positions, so a list position
// gives the family in the same way.

namespace velkora {

enum class Family { Platonic, Archimedean, Catalan };

inline constexpr int kSolidCount = 31;
inline constexpr int kFirstArchimedean = 5;
inline constexpr int kFirstCatalan = 18;

// The family of a type number or list position; needs 0 <= type < kSolidCount.
constexpr Family familyOf(int type) {
  if (type < kFirstArchimedean) return Family::Platonic;
  if (type < kFirstCatalan) return Family::Archimedean;
  return Family::Catalan;
}

// The catalogue section identifier of a type number: 1..5 for the Platonic
// types 0..4, 4001..4026 for types 5..30, and -1 for any other type.
constexpr int sectionIdentifier(int type) {
  if (type >= 0 && type < kFirstArchimedean) return type + 1;
  if (type >= kFirstArchimedean && type < kSolidCount) return type + 3996;
  return -1;
}

}  // namespace velkora
