// The language switch in one process: our translation and Qt's own, the
// numbers for people, and the solids' names.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include <QKeySequence>
#include <QLocale>

#include "properties/pick_facts.h"
#include "tests/support/embedded_catalogue.h"
#include "text/number_text.h"
#include "text/ui_text.h"
#include "translations/language.h"
#include "translations/solid_names.h"

namespace velkora::test {
namespace {

// Every test leaves the process German, as the program starts.
class LanguageTest : public ::testing::Test {
 protected:
  void TearDown() override { useLanguage(kGerman); }
};

TEST_F(LanguageTest, EveryCatalogueNameIsMarkedAndHasItsOwnEnglishName) {
  const auto& solids = embeddedSolids();
  ASSERT_EQ(solids.size(), kTranslatedSolidNames.size());
  std::set<QString> english;
  for (std::size_t k = 0; k < solids.size(); ++k) {
    EXPECT_EQ(solids[k].name, kTranslatedSolidNames[k]) << "list position " << k;
    const QString german = QString::fromStdString(solids[k].name);
    const QString name = englishText("Solid", german);
    EXPECT_NE(name, german) << solids[k].name << " has no English name";
    english.insert(name);
  }
  EXPECT_EQ(english.size(), solids.size()) << "two solids share an English name";
  EXPECT_EQ(englishText("Solid", QString::fromStdString(solids[1].name)), QStringLiteral("Cube"));
  EXPECT_EQ(englishText("Solid", QString::fromStdString(solids[21].name)),
            QStringLiteral("Disdyakis triacontahedron"));
}

TEST_F(LanguageTest, OurTextsQtsOwnAndTheNumbersFollowTheLanguage) {
  const QKeySequence next(Qt::CTRL | Qt::Key_PageDown);
  useLanguage(QStringLiteral("en"));
  EXPECT_EQ(currentLanguage(), QStringLiteral("en"));
  EXPECT_EQ(shownSolidName(QStringLiteral("Hexaeder, Würfel")), QStringLiteral("Cube"));
  EXPECT_EQ(uiText("Properties", "Volumen"), "Volume");
  EXPECT_EQ(peopleNumber(1.5, 1), "1.5");
  EXPECT_EQ(QLocale().toString(1.5), QStringLiteral("1.5"));
  EXPECT_EQ(next.toString(QKeySequence::NativeText), QStringLiteral("Ctrl+PgDown"));

  useLanguage(kGerman);
  EXPECT_EQ(shownSolidName(QStringLiteral("Hexaeder, Würfel")), QStringLiteral("Hexaeder, Würfel"));
  EXPECT_EQ(uiText("Properties", "Volumen"), "Volumen");
  EXPECT_EQ(peopleNumber(1.5, 1), "1,5");
  EXPECT_EQ(QLocale().toString(1.5), QStringLiteral("1,5"));
  // Qt's own words are German too: the key names in menus and tooltips.
  EXPECT_TRUE(next.toString(QKeySequence::NativeText).startsWith(QStringLiteral("Strg+")))
      << next.toString(QKeySequence::NativeText).toStdString();
}

TEST_F(LanguageTest, TheLanguagesAreTheBuiltInTranslationsAndEachNamesItself) {
  const QStringList languages = availableLanguages();
  ASSERT_FALSE(languages.isEmpty());
  EXPECT_EQ(languages.front(), kGerman);
  EXPECT_TRUE(languages.contains(QStringLiteral("en")));
  EXPECT_EQ(languages.count(kGerman), 1);
  EXPECT_EQ(languageOfCode(QStringLiteral(" EN ")), QStringLiteral("en"));
  EXPECT_EQ(languageOfCode(QStringLiteral("de")), kGerman);
  for (const char* unknown : {"fr", "deutsch", "", "e", "en_US"})
    EXPECT_FALSE(languageOfCode(QString::fromLatin1(unknown))) << unknown;
  EXPECT_EQ(languageName(QStringLiteral("de")), QStringLiteral("Deutsch"));
  EXPECT_EQ(languageName(QStringLiteral("en")), QStringLiteral("English"));
}

// The sentences of a question to the picture, built in the core, speak the language in use.
TEST_F(LanguageTest, ThePicturesAnswersSpeakEnglish) {
  constexpr int kRhombicuboctahedron = 16;
  const Polyhedron& solid = embeddedSolid(kRhombicuboctahedron).geometry;
  std::set<std::string> german;
  for (int f = 0; f < static_cast<int>(solid.faces.size()); ++f)
    german.insert(pickText(faceKindFacts(solid, f)));
  EXPECT_EQ(german.count("Quadrat, 12 von 26 Flächen, grenzt an 2 Dreiecke und 2 Quadrate"), 1u);
  useLanguage(QStringLiteral("en"));
  std::set<std::string> english;
  for (int f = 0; f < static_cast<int>(solid.faces.size()); ++f)
    english.insert(pickText(faceKindFacts(solid, f)));
  EXPECT_EQ(english, (std::set<std::string>{
                         "Square, 12 of 26 faces, next to 2 triangles and 2 squares",
                         "Square, 6 of 26 faces, next to 4 squares",
                         "Triangle, 8 of 26 faces, next to 3 squares",
                     }));
  EXPECT_EQ(pickText(vertexFacts(solid, 0)), "Vertex 3.4.4.4");
  EXPECT_EQ(polygonName(4, "Drachenviereck", 2), "kites");
}

}  // namespace
}  // namespace velkora::test
