#pragma once
// Walking through one section of a catalogue list with the model's line
// cursor, with every read checked: a missing header, a body cut short by the
// end of the list and a count outside its range raise ECatalogueError, a
// count line that is not an integer raises EConvertError.

#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/byte_list.h"

namespace velkora {

class SectionReader {
 public:
  // Finds the header "[identifier]" in list and sets cursor to the line after
  // it. catalogueName names the list in messages (e.g. "Eckpunktkatalog").
  SectionReader(const ByteList& list, std::string_view catalogueName, long long identifier,
                std::int32_t& cursor);

  // The line at the cursor; the cursor advances by one.
  const ByteString& nextLine();

  // The next line read as an integer, which must lie in minimum..maximum.
  std::int32_t nextCount(std::int32_t minimum, std::int32_t maximum);

  // "Abschnitt [id] im <catalogue>", the start of every message about this section.
  [[nodiscard]] std::string where() const;

 private:
  const ByteList& list_;
  std::string catalogueName_;
  long long identifier_;
  std::int32_t& cursor_;
};

}  // namespace velkora
