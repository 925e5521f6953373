// Worksheets and the booklet written by the real program, read back as a
// reader would: the text through pdftotext (names, counts against the
// catalogue's own faces, blanks and answers, contents page numbers, German
// numbers), the pages through pdftoppm (nothing in the margins).

#include <gtest/gtest.h>

#include <map>
#include <set>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "base/polyhedron.h"
#include "tests/support/embedded_catalogue.h"
#include "tests/support/german_locale.h"

namespace velkora::test {
namespace {

struct ToolRun {
  int exitCode = -1;
  QString out;
  QString err;
};

ToolRun run(const QString& program, const QStringList& arguments,
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  if (!process.waitForFinished(120000)) return {};
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

ToolRun korvelindra(const QStringList& arguments,
                    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment()) {
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  return run(QStringLiteral(VELKORA_PROGRAM_PATH), arguments, environment);
}

// The text of each page, in layout order (pdftotext ends every page with a form feed).
QStringList pageTexts(const QString& pdf) {
  const ToolRun text = run(QStringLiteral("pdftotext"), {"-layout", pdf, "-"});
  EXPECT_EQ(text.exitCode, 0) << "pdftotext (poppler-utils) failed: " << text.err.toStdString();
  QStringList pages = text.out.split(QLatin1Char('\f'));
  if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

// The value in the row of label ("Ecken   12" gives "12"); empty when the row has none.
QString rowValue(const QString& page, const QString& label) {
  const QRegularExpression row(QStringLiteral("(?:^|\\n)[ \\t]*") +
                               QRegularExpression::escape(label) +
                               QStringLiteral("(?:[ \\t]+([^\\n]*))?\\n"));
  const QRegularExpressionMatch match = row.match(page);
  return match.hasMatch() ? match.captured(1).trimmed() : QStringLiteral("<no row>");
}

// The face list of a page: face number to the number of corners it is listed with.
std::map<int, int> listedFaces(const QString& page) {
  const qsizetype start = page.indexOf(QStringLiteral("Flächen nach Nummern"));
  if (start < 0) return {};
  QString list = page.mid(start);
  list = list.left(list.indexOf(QStringLiteral("Steckbrief:")));
  list.replace(QLatin1Char('\n'), QLatin1Char(' '));
  std::map<int, int> faces;
  static const QRegularExpression kGroup(QStringLiteral("\\((\\d+) Ecken\\):([0-9\\x{2013}, ]+)"));
  for (const QRegularExpressionMatch& group : kGroup.globalMatch(list)) {
    const int sides = group.captured(1).toInt();
    for (const QString& run : group.captured(2).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
      const QStringList ends = run.trimmed().split(QChar(0x2013));
      const int first = ends.front().toInt();
      const int last = ends.back().toInt();
      for (int n = first; n <= last; ++n) {
        EXPECT_TRUE(faces.emplace(n, sides).second) << "face " << n << " listed twice";
      }
    }
  }
  return faces;
}

// The first page of a worksheet shows the solid's name and counts as the
// catalogue's own polyhedron has them, and lists every face once under its
// number of corners.
void expectSheetOf(const QString& page, const Solid& solid) {
  const std::string name = solid.name;
  const Polyhedron& p = solid.geometry;
  EXPECT_TRUE(page.trimmed().startsWith(QString::fromStdString(name))) << name;
  EXPECT_EQ(rowValue(page, QStringLiteral("Ecken")), QString::number(p.vertices.size())) << name;
  EXPECT_EQ(rowValue(page, QStringLiteral("Kanten")), QString::number(edgesOf(p.faces).size()))
      << name;
  EXPECT_EQ(rowValue(page, QStringLiteral("Flächen")), QString::number(p.faces.size())) << name;
  const std::map<int, int> faces = listedFaces(page);
  ASSERT_EQ(faces.size(), p.faces.size()) << name;
  for (const auto& [number, sides] : faces) {
    ASSERT_GE(number, 1) << name;
    ASSERT_LE(number, static_cast<int>(p.faces.size())) << name;
    EXPECT_EQ(sides, static_cast<int>(p.faces[static_cast<std::size_t>(number - 1)].size()))
        << name << ", face " << number;
  }
  // Numbers for people: a decimal comma, never a decimal point (the dots of
  // the configuration "3.4.3.4" are no numbers).
  for (const char* label : {"Oberfläche", "Volumen", "Mittelkugelradius"}) {
    const QString value = rowValue(page, QString::fromUtf8(label));
    EXPECT_TRUE(value.contains(QRegularExpression(QStringLiteral("^\\d+(,\\d+)?$"))))
        << name << ", " << label << ": " << value.toStdString();
  }
  QString numbers = page;
  numbers.remove(QRegularExpression(QStringLiteral("konfiguration[^\\n]*")));
  EXPECT_FALSE(numbers.contains(QRegularExpression(QStringLiteral("\\d\\.\\d")))) << name;
}

TEST(Worksheet, TheBookletHasEverySolidWhereItsContentsPageSays) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("steckbriefe.pdf"));
  const ToolRun written = korvelindra({"--export-booklet", pdf});
  ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
  const QStringList pages = pageTexts(pdf);
  const std::vector<Solid>& solids = embeddedSolids();
  ASSERT_EQ(solids.size(), 31u);

  // The contents page: "k. name   page" for every solid, in list order.
  const QString& contents = pages.front();
  qsizetype from = 0;
  int previousPage = 1;
  for (std::size_t k = 0; k < solids.size(); ++k) {
    const QString name = QString::fromStdString(solids[k].name);
    const QRegularExpression entry(QStringLiteral("\\b%1\\.\\s+%2\\s+(\\d+)\\n")
                                       .arg(k + 1)
                                       .arg(QRegularExpression::escape(name)));
    const QRegularExpressionMatch match = entry.match(contents, from);
    ASSERT_TRUE(match.hasMatch()) << "no entry " << k + 1 << " " << name.toStdString();
    from = match.capturedEnd();
    const int page = match.captured(1).toInt();
    EXPECT_GT(page, previousPage) << name.toStdString();
    previousPage = page;
    ASSERT_LE(page, pages.size()) << name.toStdString();
    expectSheetOf(pages[page - 1], solids[k]);
  }
}

TEST(Worksheet, BlanksLeaveTheCountsOutAndTheAnswerPageHasThem) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("kuboktaeder.pdf"));
  const ToolRun written = korvelindra({"--solid", "Kuboktaeder", "--view", "umkugel", "--marks",
                                       "--blanks", "--export-sheet", pdf});
  ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
  const QStringList pages = pageTexts(pdf);
  ASSERT_GE(pages.size(), 3);
  const QString& first = pages.front();
  EXPECT_TRUE(first.trimmed().startsWith(QStringLiteral("Kuboktaeder")));
  for (const char* label : {"Ecken", "Kanten", "Flächen", "Flächenarten"}) {
    EXPECT_EQ(rowValue(first, QString::fromUtf8(label)), QString()) << label;
  }
  EXPECT_FALSE(first.contains(QStringLiteral("Dreiecke")));
  EXPECT_FALSE(first.contains(QStringLiteral("12 - 24 + 14")));
  // The edge lengths and angles do not give the number of edges away.
  EXPECT_EQ(rowValue(first, QStringLiteral("Kantenlängen")), QStringLiteral("1 (\u2026×)"));
  EXPECT_FALSE(first.contains(QStringLiteral("24×")));
  // What is not asked stays filled in.
  EXPECT_EQ(rowValue(first, QStringLiteral("Dualer Körper")), QStringLiteral("Rhombendodekaeder"));

  const QString& answers = pages.back();
  EXPECT_TRUE(answers.contains(QStringLiteral("Lösungen: Kuboktaeder")));
  EXPECT_EQ(rowValue(answers, QStringLiteral("Ecken")), QStringLiteral("12"));
  EXPECT_EQ(rowValue(answers, QStringLiteral("Kanten")), QStringLiteral("24"));
  EXPECT_EQ(rowValue(answers, QStringLiteral("Flächen")), QStringLiteral("14"));
  EXPECT_EQ(rowValue(answers, QStringLiteral("Flächenarten")),
            QStringLiteral("8 Dreiecke, 6 Quadrate"));
  EXPECT_EQ(listedFaces(answers).size(), 14u);
}

// With blanks every solid takes one more page, its answers; the footer of each
// sheet and answer page shows the number the reader counts to in the PDF, and
// the contents page sends the reader to the first of those pages.
TEST(Worksheet, TheFootersOfABookletWithBlanksCountItsPages) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("steckbriefe.pdf"));
  const ToolRun written = korvelindra({"--export-booklet", pdf, "--blanks"});
  ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
  const QStringList pages = pageTexts(pdf);
  static const QRegularExpression kFooter(QStringLiteral("Steckbrief: [^\\n]*Seite (\\d+)\\s*$"));
  int sheets = 0;
  int answers = 0;
  for (qsizetype k = 0; k < pages.size(); ++k) {
    const QRegularExpressionMatch footer = kFooter.match(pages[k].trimmed());
    if (!footer.hasMatch()) continue;
    EXPECT_EQ(footer.captured(1).toInt(), k + 1) << "page " << k + 1;
    (pages[k].contains(QStringLiteral("Lösungen: ")) ? answers : sheets) += 1;
  }
  EXPECT_EQ(sheets, 31);
  EXPECT_EQ(answers, 31);
}

// In English the sheet, its net page and the answers speak English, and the
// blanks still find the rows they empty.
TEST(Worksheet, AnEnglishSheetWithBlanks) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("cuboctahedron.pdf"));
  const ToolRun written =
      korvelindra({"--solid", "Cuboctahedron", "--blanks", "--lang", "en", "--export-sheet", pdf});
  ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
  const QStringList pages = pageTexts(pdf);
  ASSERT_GE(pages.size(), 3);
  const QString& first = pages.front();
  EXPECT_TRUE(first.trimmed().startsWith(QStringLiteral("Cuboctahedron")));
  for (const char* label : {"Vertices", "Edges", "Faces", "Face kinds"})
    EXPECT_EQ(rowValue(first, QString::fromUtf8(label)), QString()) << label;
  EXPECT_EQ(rowValue(first, QStringLiteral("Edge lengths")), QStringLiteral("1 (\u2026×)"));
  EXPECT_EQ(rowValue(first, QStringLiteral("Dual solid")), QStringLiteral("Rhombic dodecahedron"));
  EXPECT_TRUE(pages[1].contains(QStringLiteral("printed at 100 %: 50 mm")));
  const QString& answers = pages.back();
  EXPECT_TRUE(answers.contains(QStringLiteral("Answers: Cuboctahedron")));
  EXPECT_EQ(rowValue(answers, QStringLiteral("Face kinds")),
            QStringLiteral("8 triangles, 6 squares"));
  EXPECT_EQ(rowValue(first, QStringLiteral("Midradius")), QStringLiteral("0.866025"));
  const QString all = pages.join(QLatin1Char('\n'));
  for (const char* german : {"Ecken", "Flächen", "Kante", "Seite", "Steckbrief", "Würfel"})
    EXPECT_FALSE(all.contains(QString::fromUtf8(german))) << german;
}

// Rendered small, every page of a booklet with blanks (contents, sheets,
// nets, answers) and the sheet with the longest face list are white in a
// strip of 7 mm along each edge.
TEST(Worksheet, NothingIsDrawnInTheMargins) {
  QTemporaryDir dir;
  const QString booklet = dir.filePath(QStringLiteral("luecken.pdf"));
  const QString sheet = dir.filePath(QStringLiteral("abgeschraegt.pdf"));
  ASSERT_EQ(korvelindra({"--export-booklet", booklet, "--blanks"}).exitCode, 0);
  ASSERT_EQ(korvelindra({"--solid", "Abgeschrägtes Dodekaeder", "--export-sheet", sheet}).exitCode,
            0);
  constexpr int kDpi = 36;
  const int strip = static_cast<int>(7.0 / 25.4 * kDpi);
  int pages = 0;
  for (const QString& pdf : {booklet, sheet}) {
    const QString prefix = pdf + QStringLiteral("-page");
    ASSERT_EQ(run(QStringLiteral("pdftoppm"), {"-r", QString::number(kDpi), "-png", pdf, prefix})
                  .exitCode,
              0);
    const QFileInfo info(pdf);
    const QStringList images =
        QDir(info.path())
            .entryList({info.fileName() + QStringLiteral("-page*.png")}, QDir::Files, QDir::Name);
    for (const QString& name : images) {
      const QImage image = QImage(dir.filePath(name)).convertToFormat(QImage::Format_RGB32);
      ASSERT_FALSE(image.isNull()) << name.toStdString();
      ++pages;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          const bool inMargin =
              x < strip || y < strip || x >= image.width() - strip || y >= image.height() - strip;
          if (inMargin && qGray(image.pixel(x, y)) < 245) {
            FAIL() << name.toStdString() << ": ink at (" << x << ", " << y << ")";
          }
        }
      }
    }
  }
  EXPECT_GT(pages, 31 * 3);
}

TEST(Worksheet, TheSheetDoesNotDependOnTheLocale) {
  QProcessEnvironment plain = QProcessEnvironment::systemEnvironment();
  plain.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
  QProcessEnvironment german = QProcessEnvironment::systemEnvironment();
  QString error;
  ASSERT_TRUE(addGermanLocale(german, &error)) << error.toStdString();
  QTemporaryDir dir;
  QString texts[2];
  for (int k = 0; k < 2; ++k) {
    const QString pdf = dir.filePath(QStringLiteral("sheet%1.pdf").arg(k));
    ASSERT_EQ(korvelindra({"--solid", "Ikosaederstumpf", "--export-sheet", pdf}, k ? german : plain)
                  .exitCode,
              0);
    texts[k] = pageTexts(pdf).join(QLatin1Char('\f'));
  }
  EXPECT_FALSE(texts[0].isEmpty());
  EXPECT_EQ(texts[0], texts[1]);
  EXPECT_EQ(rowValue(texts[1], QStringLiteral("Oberfläche")), QStringLiteral("72,6073"));
}

TEST(Worksheet, UsageErrorsAndFailedWrites) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("x.pdf"));
  const QList<QPair<QStringList, QString>> usage = {
      {{"--export-sheet", pdf}, "--solid"},
      {{"--solid", "3", "--export-sheet", dir.filePath("x.png")}, ".pdf"},
      {{"--solid", "3", "--export-sheet", pdf, "--paper", "a3"}, "A4"},
      {{"--solid", "3", "--export-booklet", pdf}, "--export-booklet"},
      {{"--export-booklet", pdf, "--scale", "2"}, "--scale"},
      {{"--solid", "3", "--export-net", pdf, "--blanks"}, "--blanks"},
      {{"--export-sheet", pdf, "--export-booklet", pdf, "--solid", "3"}, "nur eine"},
  };
  for (const auto& [arguments, named] : usage) {
    const ToolRun result = korvelindra(arguments);
    const std::string call = arguments.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(result.exitCode, 2) << call;
    EXPECT_TRUE(result.err.contains(named)) << call << ": " << result.err.toStdString();
  }
  EXPECT_FALSE(QFile::exists(pdf));

  // Into a folder nothing can be written; the old file there stays as it was.
  const QString folder = dir.filePath(QStringLiteral("ordner.pdf"));
  ASSERT_TRUE(QDir().mkdir(folder));
  const ToolRun failed = korvelindra({"--solid", "3", "--export-sheet", folder});
  EXPECT_EQ(failed.exitCode, 1);
  EXPECT_TRUE(failed.err.contains(QStringLiteral("lässt sich nicht schreiben")))
      << failed.err.toStdString();
  EXPECT_TRUE(QFileInfo(folder).isDir());
}

}  // namespace
}  // namespace velkora::test
