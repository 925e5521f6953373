#pragma once
// The language the program speaks, by its code: "de" (German, the source
// language and the default) or any language whose translation file is
// built in (translations/korvelindra_<code>.ts). Choosing one installs our
// translation and Qt's own for the whole process, the decimal mark of
// numbers for people and the default locale of number fields.

#include <optional>

#include <QString>
#include <QStringList>

namespace velkora {

inline const QString kGerman = QStringLiteral("de");

// "de" first, then the code of every built-in translation.
QStringList availableLanguages();

// The code of an available language (any case, spaces around ignored), or empty.
std::optional<QString> languageOfCode(const QString& code);

// The language's name in itself ("Deutsch", "English"), for the menu.
QString languageName(const QString& code);

// Makes code (an available language) the one every text is shown in from
// now on. Windows learn of it through Qt's LanguageChange event. Needs an
// application object.
void useLanguage(const QString& code);
QString currentLanguage();

// source (a German text of context) in English, whatever language is in
// use: the command line takes English names too.
QString englishText(const char* context, const QString& source);

}  // namespace velkora
