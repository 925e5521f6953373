#include "text/ui_text.h"

#include <atomic>

namespace velkora {

namespace {

// Set once per language change from the window thread and read by any
// thread that writes a page; atomics keep those reads defined.
std::atomic<TextTranslator> currentTranslator{nullptr};
std::atomic<bool> currentDecimalComma{true};

}  // namespace

void setTextTranslator(TextTranslator translator) { currentTranslator.store(translator); }

std::string uiText(const char* context, const char* source) {
  const TextTranslator translator = currentTranslator.load();
  return translator != nullptr ? translator(context, source) : std::string(source);
}

void setDecimalComma(bool comma) { currentDecimalComma.store(comma); }

bool decimalComma() { return currentDecimalComma.load(); }

}  // namespace velkora
