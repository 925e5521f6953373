#pragma once
// Texts a person reads, in the language the program speaks. The Qt-free
// libraries mark such texts with uiText(context, source), German source
// first; the window layer installs the translator that answers it. Without
// one, the German source is the text. Also the decimal mark of numbers for
// people, which follows the language.

#include <string>

namespace velkora {

// Answers a German source text of a context in the current language.
using TextTranslator = std::string (*)(const char* context, const char* source);

// Installs translator (null: German, the sources themselves).
void setTextTranslator(TextTranslator translator);

// source in the current language.
std::string uiText(const char* context, const char* source);

// Marks a text for the translation files where it is only handed on, to be
// translated later by uiText(context, text).
#define UI_TEXT_MARK(context, text) text

// Whether numbers for people take a decimal comma (German, the default) or a point.
void setDecimalComma(bool comma);
bool decimalComma();

}  // namespace velkora
