// The generator's self-check of its written output: every invariant the viewer relies on,
// the counts and face sizes of the 31 solids, the 4-decimal geometry table, and the radius
// rules against the measured distances. Each check throws GeneratorError naming the type
// and the value at fault.
#pragma once

#include "tools/catalogue_generator/measurement.h"

#include <string>
#include <string_view>
#include <vector>

namespace velkora::gen {

// Largest difference allowed between a measured value and its 4-decimal table entry.
inline constexpr double kTableTolerance = 1e-4;

struct Radii {
  Real inner = 0;
  Real outer = 0;
};

// The viewer's radius rules for a type and the length a of its edge 0-1: closed formulas for
// types 0-4, the single-precision factor tables times a for types 5-30.
Radii radiusRules(int type, Real a);

// Invariants, counts, geometry table and radii of one section.
void checkSection(int type, const Measurement& m);

// Reads both catalogues back from their text, checks every section, and returns the
// measurements by type.
std::vector<Measurement> checkCatalogues(std::string_view vertexText, std::string_view faceText);

// The name list text: 31 CR LF lines as in the reference list, 672 bytes.
void checkNameList(std::string_view text);

// One block per type with the measured values, as printed by --report.
std::string reportTable(const std::vector<Measurement>& measurements);

}  // namespace velkora::gen
