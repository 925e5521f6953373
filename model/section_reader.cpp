// Checked reading of a catalogue section.
#include "model/section_reader.h"

#include <limits>

#include "catalogue/sections.h"
#include "model/errors.h"
#include "model/integer_text.h"

namespace velkora {

SectionReader::SectionReader(const ByteList& list, std::string_view catalogueName,
                             long long identifier, std::int32_t& cursor)
    : list_(list), catalogueName_(catalogueName), identifier_(identifier), cursor_(cursor) {
  int header = -1;
  if (identifier >= std::numeric_limits<int>::min() &&
      identifier <= std::numeric_limits<int>::max()) {
    header = findSection(list_, static_cast<int>(identifier));
  }
  if (header < 0) {
    throw ECatalogueError("Abschnitt [" + std::to_string(identifier_) + "] fehlt im " +
                          catalogueName_);
  }
  cursor_ = header + 1;
}

const ByteString& SectionReader::nextLine() {
  if (cursor_ < 0 || static_cast<std::size_t>(cursor_) >= list_.size()) {
    throw ECatalogueError(where() + " ist unvollständig: der Katalog endet vor Zeile " +
                          std::to_string(static_cast<long long>(cursor_) + 1));
  }
  const ByteString& line = list_[static_cast<std::size_t>(cursor_)];
  ++cursor_;
  return line;
}

std::int32_t SectionReader::nextCount(std::int32_t minimum, std::int32_t maximum) {
  const std::int32_t count = integerFromText(nextLine());
  if (count < minimum || count > maximum) {
    throw ECatalogueError(where() + ": Anzahl " + std::to_string(count) +
                          " liegt nicht im Bereich " + std::to_string(minimum) + " bis " +
                          std::to_string(maximum));
  }
  return count;
}

std::string SectionReader::where() const {
  return "Abschnitt [" + std::to_string(identifier_) + "] im " + catalogueName_;
}

}  // namespace velkora
