#pragma once
// A German locale (de_DE.UTF-8, decimal comma) for tests of number output.
// When the system has none, it is compiled once with localedef into the build
// folder, and LOCPATH points the C library there. Fails the test, not skips
// it, when no German locale can be had: the check must not pass unseen.

#include <QProcessEnvironment>
#include <QString>

namespace velkora::test {

inline constexpr const char* kGermanLocale = "de_DE.UTF-8";

// The folder to put into LOCPATH for the German locale, or an empty text
// when the system's own locales have it. Empty with *error set when neither.
QString germanLocalePath(QString* error);

// env with LC_ALL and LANG set to the German locale (and LOCPATH where
// needed). Returns false with *error set when there is no German locale.
bool addGermanLocale(QProcessEnvironment& env, QString* error);

}  // namespace velkora::test
