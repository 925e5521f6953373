#pragma once
// The text of a solid's worksheet that is not a picture: the properties rows
// with the values a pupil fills in marked as blanks, and the faces grouped by
// kind under their numbers (face index + 1, the numbers the net pages carry).
// No Qt; laying the text out on paper is output/worksheet's business.

#include <span>
#include <string>
#include <vector>

#include "model/solid.h"
#include "properties/properties.h"

namespace velkora {

// One row of the worksheet's table; blank: the value is left to be filled in.
struct SheetRow {
  std::string label;
  std::string value;  // UTF-8, also for a blank row (the answer page shows it)
  bool blank = false;
};

// The properties rows (propertiesRows, same labels and wording); with blanks the
// counts of vertices, edges and faces, Euler's formula and the face kinds are blank,
// and the edge lengths and dihedral angles say "(…×)" instead of how many edges.
std::vector<SheetRow> sheetRows(const SolidProperties& properties, bool blanks);

// The faces of one kind and their numbers, ascending.
struct FaceGroup {
  std::string name;  // the kind's German name as in the properties
  int sides = 0;
  std::vector<int> numbers;  // face index + 1
};

// The faces of solid by kind, in the order of properties.faceKinds (regular
// faces by their number of sides, Catalan faces by shape). Needs a closed
// convex solid; throws EInvalidSolid else.
std::vector<FaceGroup> faceGroups(const Solid& solid);

// Ascending numbers as runs: "1–8, 10, 12–14" (en dash); "" for none.
std::string numberRuns(std::span<const int> numbers);

// "Dreiecke (3 Ecken): 1–8, 15".
std::string faceGroupText(const FaceGroup& group);

}  // namespace velkora
