#pragma once
// Locating a solid's section in a catalogue list. A section starts at the
// first line equal to "[" + identifier + "]"; the whole line must match.

#include <string_view>

#include "catalogue/byte_list.h"

namespace velkora {

// Section identifier of a type number: 1..5 for types 0..4, 4001..4026 for
// types 5..30, and -1 for any other type.
int sectionIdentifier(int type);

// Position of the first entry equal to line, or -1 when there is none.
int findLine(const ByteList& list, std::string_view line);

// Position of the header line of section identifier, or -1 when there is none.
// The identifier -1 (no section, see sectionIdentifier) always gives -1.
int findSection(const ByteList& list, int identifier);

}  // namespace velkora
