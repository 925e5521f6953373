#pragma once
// Locating a solid's section in a catalogue list. A section starts at the
// first line equal to "[" + identifier + "]"; the whole line must match.
// The identifier of a type comes from sectionIdentifier (base/family.h).

#include <string_view>

#include "base/family.h"
#include "catalogue/byte_list.h"

namespace velkora {

// Position of the first entry equal to line, or -1 when there is none.
int findLine(const ByteList& list, std::string_view line);

// Position of the header line of section identifier, or -1 when there is none.
// The identifier -1 (no section, see sectionIdentifier) always gives -1.
int findSection(const ByteList& list, int identifier);

}  // namespace velkora
