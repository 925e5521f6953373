// korvelindra_label_font FONT.ttf OUT.cpp: the table of nets/label_font.h for
// the characters the net pages can show (printable ASCII, Latin-1, Latin
// Extended-A and a few punctuation marks), read from the font file without
// hinting at one pixel per font unit, so the numbers are the font's own
// design units. Exit code 0 on success, 1 when the font cannot be read or the
// file written, 2 for a usage error.

#include <QByteArray>
#include <QGuiApplication>
#include <QRawFont>
#include <QRectF>
#include <QSaveFile>
#include <QString>
#include <QVector>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

std::vector<char32_t> characters() {
  std::vector<char32_t> codes;
  for (char32_t c = 0x20; c <= 0x7E; ++c)
    codes.push_back(c);
  for (char32_t c = 0xA0; c <= 0x17F; ++c)
    codes.push_back(c);
  for (char32_t c : {0x2009, 0x2013, 0x2014, 0x2018, 0x2019, 0x201A, 0x201C, 0x201D, 0x201E, 0x2026,
                     0x202F, 0x2212}) {
    codes.push_back(c);
  }
  return codes;
}

int rounded(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fputs("usage: korvelindra_label_font FONT.ttf OUT.cpp\n", stderr);
    return 2;
  }
  QRawFont probe(QString::fromLocal8Bit(argv[1]), 16.0, QFont::PreferNoHinting);
  if (!probe.isValid()) {
    std::fprintf(stderr, "korvelindra_label_font: cannot read %s\n", argv[1]);
    return 1;
  }
  const double unitsPerEm = probe.unitsPerEm();
  const QRawFont font(QString::fromLocal8Bit(argv[1]), unitsPerEm, QFont::PreferNoHinting);
  QByteArray out;
  out += "// The advance widths and ink boxes of " + font.familyName().toUtf8() + " " +
         font.styleName().toUtf8() +
         " in font units, y up,\n"
         "// written by tools/label_font (cmake --build <dir> --target label_font_table)\n"
         "// from the font file. Do not edit by hand.\n\n"
         "#include \"nets/label_font.h\"\n\nnamespace velkora {\n\n"
         "int labelFontUnitsPerEm() { return " +
         QByteArray::number(rounded(unitsPerEm)) +
         "; }\n\n"
         "std::span<const LabelGlyph> labelGlyphs() {\n"
         "  static constexpr LabelGlyph kGlyphs[] = {\n";
  int count = 0;
  for (char32_t code : characters()) {
    const QString text = QString::fromUcs4(&code, 1);
    const QVector<quint32> glyphs = font.glyphIndexesForString(text);
    if (glyphs.size() != 1 || glyphs[0] == 0) continue;  // not in the font
    if (code == 0xAD) {
      // The soft hyphen shows only where a line breaks, and labels never break.
      out += "    {0xad, 0, 0, 0, 0, 0},\n";
      ++count;
      continue;
    }
    const QVector<QPointF> advances =
        font.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    const QRectF ink = font.boundingRect(glyphs[0]);
    const bool empty = ink.isEmpty();
    out += QByteArray("    {0x") + QByteArray::number(static_cast<uint>(code), 16) + ", " +
           QByteArray::number(rounded(advances[0].x())) + ", " +
           QByteArray::number(empty ? 0 : rounded(ink.left())) + ", " +
           QByteArray::number(empty ? 0 : rounded(ink.right())) + ", " +
           QByteArray::number(empty ? 0 : rounded(-ink.bottom())) + ", " +
           QByteArray::number(empty ? 0 : rounded(-ink.top())) + "},\n";
    ++count;
  }
  out += "  };\n  return kGlyphs;\n}\n\n}  // namespace velkora\n";
  std::fprintf(stderr, "%d glyphs, %g units per em\n", count, unitsPerEm);
  QSaveFile file(QString::fromLocal8Bit(argv[2]));
  if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
    std::fprintf(stderr, "korvelindra_label_font: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
