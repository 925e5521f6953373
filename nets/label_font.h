#pragma once
// The font the net pages' labels are set in, DejaVu Sans Book, as a fixed
// table of advance widths and ink boxes, and text measured with it: the same
// label boxes on the desktop and in the browser, with no font engine. Text is
// set glyph after glyph by advance width, without kerning; a character the
// table lacks is measured as "?". Owns no drawing.

#include <span>
#include <string_view>

#include "nets/net_labels.h"

namespace velkora {

// The family name to draw the labels in, for QFont and for SVG.
inline constexpr const char* kLabelFontFamily = "DejaVu Sans";

// One character's glyph in font units, y up from the baseline: its advance
// width and its ink box (all four 0 for a glyph without ink, like the space).
struct LabelGlyph {
  char32_t code = 0;
  int advance = 0;
  int left = 0, right = 0, bottom = 0, top = 0;
};

// The table (nets/label_font_table.cpp, written by tools/label_font), sorted by code.
std::span<const LabelGlyph> labelGlyphs();
int labelFontUnitsPerEm();

// The glyph of code, or nullptr where the table has none.
const LabelGlyph* labelGlyph(char32_t code);

// The ink of utf8 set one millimetre high (all 0 for text without ink), and
// the width its glyphs advance, in millimetres. Malformed UTF-8 counts as "?".
TextInk labelTextInk(std::string_view utf8);
double labelTextAdvance(std::string_view utf8);

// labelTextInk as the TextMeasure that layOutLabels takes.
TextMeasure labelTextMeasure();

}  // namespace velkora
