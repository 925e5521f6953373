#include "nets/label_font.h"

#include <algorithm>
#include <string>
#include <vector>

namespace velkora {

namespace {

constexpr char32_t kReplacement = U'?';

// The code points of utf8; a malformed or overlong sequence gives one kReplacement.
std::vector<char32_t> codePoints(std::string_view utf8) {
  std::vector<char32_t> codes;
  std::size_t k = 0;
  while (k < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[k]);
    int length = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 0;
    char32_t code = length == 1   ? lead
                    : length == 2 ? lead & 0x1F
                    : length == 3 ? lead & 0x0F
                                  : lead & 0x07;
    bool valid = length > 0 && k + static_cast<std::size_t>(length) <= utf8.size();
    for (int i = 1; valid && i < length; ++i) {
      const auto next = static_cast<unsigned char>(utf8[k + static_cast<std::size_t>(i)]);
      valid = (next >> 6) == 0x2;
      code = (code << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (valid && (code < kSmallest[length] || code > 0x10FFFF)) valid = false;
    codes.push_back(valid ? code : kReplacement);
    k += valid ? static_cast<std::size_t>(length) : 1;
  }
  return codes;
}

const LabelGlyph& glyphOrReplacement(char32_t code) {
  if (const LabelGlyph* glyph = labelGlyph(code)) return *glyph;
  return *labelGlyph(kReplacement);
}

}  // namespace

const LabelGlyph* labelGlyph(char32_t code) {
  const std::span<const LabelGlyph> glyphs = labelGlyphs();
  const auto it = std::lower_bound(glyphs.begin(), glyphs.end(), code,
                                   [](const LabelGlyph& g, char32_t c) { return g.code < c; });
  return it != glyphs.end() && it->code == code ? &*it : nullptr;
}

TextInk labelTextInk(std::string_view utf8) {
  const double em = labelFontUnitsPerEm();
  int pen = 0;
  bool any = false;
  int left = 0, right = 0, bottom = 0, top = 0;
  for (char32_t code : codePoints(utf8)) {
    const LabelGlyph& glyph = glyphOrReplacement(code);
    if (glyph.left != glyph.right && glyph.bottom != glyph.top) {
      left = any ? std::min(left, pen + glyph.left) : pen + glyph.left;
      right = any ? std::max(right, pen + glyph.right) : pen + glyph.right;
      bottom = any ? std::min(bottom, glyph.bottom) : glyph.bottom;
      top = any ? std::max(top, glyph.top) : glyph.top;
      any = true;
    }
    pen += glyph.advance;
  }
  return {left / em, right / em, bottom / em, top / em};
}

double labelTextAdvance(std::string_view utf8) {
  int pen = 0;
  for (char32_t code : codePoints(utf8))
    pen += glyphOrReplacement(code).advance;
  return pen / static_cast<double>(labelFontUnitsPerEm());
}

TextMeasure labelTextMeasure() {
  return [](const std::string& utf8) { return labelTextInk(utf8); };
}

}  // namespace velkora
