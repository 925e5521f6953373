#pragma once
// The solids' names as people read them: the catalogue's German names, in
// the language in use, and the list of names marked for translation.

#include <array>

#include <QString>

namespace velkora {

// The catalogue's 31 names (German, UTF-8), in list order, as marked for
// the translation files.
extern const std::array<const char*, 31> kTranslatedSolidNames;

// germanName in the language in use.
QString shownSolidName(const QString& germanName);

}  // namespace velkora
