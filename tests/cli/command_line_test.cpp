// Parsing the command line: solids by position or name, values, and every
// kind of usage error with a message that names the offending part.

#include <gtest/gtest.h>

#include <string>

#include "cli/command_line.h"
#include "model/solid_catalogue.h"
#include "solid_export/mesh_export.h"
#include "tests/support/embedded_catalogue.h"
#include "translations/language.h"

namespace velkora::test {
namespace {

// The messages checked here are the English ones, as with --lang en.
class CommandLine : public ::testing::Test {
 protected:
  void SetUp() override { useLanguage(QStringLiteral("en")); }
  void TearDown() override { useLanguage(kGerman); }
};

CliRequest parse(const QStringList& arguments) {
  return parseCommandLine(arguments, test::embeddedTexts());
}

// The message of the usage error the arguments give, or "" when they parse.
std::string usageMessage(const QStringList& arguments) {
  try {
    parse(arguments);
  } catch (const EUsageError& error) {
    return error.what();
  }
  return "";
}

TEST_F(CommandLine, SolidsByPositionOrByNameWithSpelledOutUmlauts) {
  const CatalogueTexts& texts = test::embeddedTexts();
  EXPECT_EQ(findSolid(QStringLiteral("3"), texts), 3);
  EXPECT_EQ(findSolid(QStringLiteral("ikosaeder"), texts), 3);
  EXPECT_EQ(findSolid(QStringLiteral("IKOSAEDER"), texts), 3);
  EXPECT_EQ(findSolid(QStringLiteral("Abgeschrägtes Dodekaeder"), texts), 5);
  EXPECT_EQ(findSolid(QStringLiteral("abgeschraegtes dodekaeder"), texts), 5);
  EXPECT_EQ(findSolid(QStringLiteral("Würfel"), texts), 1);
  EXPECT_EQ(findSolid(QStringLiteral("wuerfel"), texts), 1);
  EXPECT_EQ(findSolid(QStringLiteral("Hexaeder, Wuerfel"), texts), 1);
  EXPECT_EQ(findSolid(QStringLiteral("deltoid-24-flaechner"), texts), 18);
  EXPECT_EQ(findSolid(QStringLiteral("30"), texts), 30);
  for (const char* bad : {"31", "-1", "Kugel", "", "ikosaede"}) {
    EXPECT_THROW(findSolid(QString::fromUtf8(bad), texts), EUsageError) << bad;
  }
}

TEST_F(CommandLine, WithoutOptionsTheWindowStartsAsAlways) {
  const CliRequest request = parse({});
  EXPECT_EQ(request.action, CliAction::Window);
  EXPECT_FALSE(request.position.has_value());
  EXPECT_EQ(request.view, View::Polyhedron);

  const CliRequest chosen = parse({"--solid", "Kuboktaeder", "--view", "umkugel"});
  EXPECT_EQ(chosen.action, CliAction::Window);
  EXPECT_EQ(chosen.position, 12);
  EXPECT_EQ(chosen.view, View::OuterSphere);
}

// --reset-settings belongs to the window; an explicit --view is told apart
// from the default one, so that it comes before a remembered view.
TEST_F(CommandLine, ResettingTheSettingsAndAnExplicitViewAreTheWindowsAlone) {
  const CliRequest plain = parse({});
  EXPECT_FALSE(plain.resetSettings);
  EXPECT_FALSE(plain.viewGiven);
  const CliRequest reset = parse({"--reset-settings", "--view", "polyeder"});
  EXPECT_EQ(reset.action, CliAction::Window);
  EXPECT_TRUE(reset.resetSettings);
  EXPECT_TRUE(reset.viewGiven);
  EXPECT_EQ(usageMessage({"--solid", "3", "--export-picture", "a.png", "--reset-settings"}),
            "--reset-settings only works with the window");
  EXPECT_EQ(usageMessage({"--reset-settings=yes"}), "Unexpected value after '--reset-settings'.");
}

TEST_F(CommandLine, QtsOwnOptionsAreLeftForQtWithTheirValues) {
  EXPECT_EQ(withoutQtOptions({"-platform", "xcb", "--solid", "3", "--reverse", "-style=fusion",
                              "--display", ":1", "--view", "umkugel"}),
            (QStringList{"--solid", "3", "--view", "umkugel"}));
  // A value that looks like a Qt option stays the program's; unknown options
  // stay for the program to refuse.
  EXPECT_EQ(withoutQtOptions({"--solid", "name", "--bogus", "-geometry"}),
            (QStringList{"--solid", "name", "--bogus"}));
  EXPECT_EQ(withoutQtOptions({}), QStringList{});
}

TEST_F(CommandLine, ExportsCarryTheirValues) {
  const CliRequest picture = parse({"--solid", "0", "--view", "inkugel", "--marks", "--scale", "4",
                                    "--export-picture", "a.PNG"});
  EXPECT_EQ(picture.action, CliAction::ExportPicture);
  EXPECT_EQ(picture.view, View::InnerSphere);
  EXPECT_TRUE(picture.marks);
  EXPECT_EQ(picture.scale, 4);
  EXPECT_EQ(picture.file, QStringLiteral("a.PNG"));

  const CliRequest solid = parse({"--solid", "1", "--export-solid", "w.obj", "--size-mm", "80.5"});
  EXPECT_EQ(solid.action, CliAction::ExportSolid);
  EXPECT_DOUBLE_EQ(solid.sizeMm, 80.5);
  EXPECT_DOUBLE_EQ(parse({"--solid", "1", "--export-solid", "w.stl"}).sizeMm, 60.0);

  const CliRequest net = parse({"--solid", "2", "--export-net", "n.svg", "--paper", "letter",
                                "--edge-mm", "30", "--no-tabs"});
  EXPECT_EQ(net.action, CliAction::ExportNet);
  EXPECT_EQ(net.paper, Paper::Letter);
  EXPECT_EQ(net.edgeMm, 30.0);
  EXPECT_FALSE(net.tabs);
  // The defaults of the page extras, and each turned the other way.
  EXPECT_EQ(net.orientation, Orientation::Best);
  EXPECT_TRUE(net.numbers && net.scaleBar && net.faceNumbers && !net.foldAngles);
  const CliRequest extras =
      parse({"--solid", "2", "--export-net", "n.pdf", "--orientation", "Landscape", "--tabs",
             "both", "--no-numbers", "--no-scale-bar", "--no-face-numbers", "--fold-angles"});
  EXPECT_EQ(extras.orientation, Orientation::Landscape);
  EXPECT_TRUE(extras.tabs);
  EXPECT_EQ(extras.tabStyle, TabStyle::Both);
  EXPECT_FALSE(extras.numbers || extras.scaleBar || extras.faceNumbers);
  EXPECT_TRUE(extras.foldAngles);
  const CliRequest on =
      parse({"--solid", "2", "--export-net", "n.pdf", "--orientation", "auto", "--scale-bar",
             "--face-numbers", "--no-fold-angles", "--tabs", "none"});
  EXPECT_EQ(on.orientation, Orientation::Best);
  EXPECT_TRUE(on.scaleBar && on.faceNumbers && !on.foldAngles);
  EXPECT_FALSE(on.tabs);
  EXPECT_EQ(
      parse({"--solid", "2", "--export-net", "n.pdf", "--orientation", "portrait"}).orientation,
      Orientation::Portrait);
  // --no-tabs is --tabs none, and may be given with it.
  EXPECT_FALSE(
      parse({"--solid", "2", "--export-net", "n.pdf", "--no-tabs", "--tabs", "none"}).tabs);

  EXPECT_TRUE(parse({"--solid", "2", "--properties", "--json"}).json);
  EXPECT_EQ(parse({"--version"}).action, CliAction::Version);
  EXPECT_EQ(parse({"--help"}).action, CliAction::Help);
}

TEST_F(CommandLine, WorksheetsTakeTheViewMarksAndBlanks) {
  const CliRequest sheet = parse({"--solid", "Oktaeder", "--view", "inkugel", "--marks", "--blanks",
                                  "--export-sheet", "o.PDF"});
  EXPECT_EQ(sheet.action, CliAction::ExportSheet);
  EXPECT_EQ(sheet.position, 2);
  EXPECT_EQ(sheet.view, View::InnerSphere);
  EXPECT_TRUE(sheet.marks);
  EXPECT_TRUE(sheet.blanks);
  EXPECT_EQ(sheet.file, QStringLiteral("o.PDF"));
  const CliRequest booklet = parse({"--export-booklet", "alle.pdf"});
  EXPECT_EQ(booklet.action, CliAction::ExportBooklet);
  EXPECT_FALSE(booklet.position.has_value());
  EXPECT_FALSE(booklet.blanks);
  EXPECT_EQ(parse({"--wythoff", "O", "--at", "1,1,1", "--export-sheet", "w.pdf"}).action,
            CliAction::ExportSheet);
  EXPECT_NE(usageMessage({"--export-booklet", "a.pdf", "--morph", "0.5"}), "");
  EXPECT_NE(usageMessage({"--export-booklet", "a.pdf", "--edge-mm", "30"}).find("A4"),
            std::string::npos);
  EXPECT_NE(usageMessage({"--solid", "0", "--export-sheet", "a.pdf", "--no-tabs"}).find("A4"),
            std::string::npos);
  EXPECT_NE(usageMessage({"--blanks"}).find("--export-sheet"), std::string::npos);
  EXPECT_NE(usageMessage({"--export-booklet", "a.svg"}).find(".pdf"), std::string::npos);
}

TEST_F(CommandLine, UsageErrorsNameWhatIsWrong) {
  const struct {
    QStringList arguments;
    const char* named;
  } cases[] = {
      {{"--frobnicate"}, "frobnicate"},
      {{"--solid", "Kugel"}, "Kugel"},
      {{"--solid", "3", "--view", "seitlich"}, "seitlich"},
      {{"--solid", "3", "--scale", "3", "--export-picture", "a.png"}, "--scale"},
      {{"--solid", "3", "--export-picture", "a.jpg"}, "a.jpg"},
      {{"--solid", "3", "--export-solid", "a.ply"}, "a.ply"},
      {{"--solid", "3", "--export-net", "a.png"}, "a.png"},
      {{"--solid", "3", "--export-solid", "a.stl", "--size-mm", "-5"}, "--size-mm"},
      {{"--solid", "3", "--export-solid", "a.stl", "--size-mm", "nan"}, "--size-mm"},
      {{"--solid", "3", "--export-solid", "a.stl", "--size-mm", "0.5"}, "--size-mm"},
      {{"--solid", "3", "--export-solid", "a.stl", "--size-mm", "20000"}, "--size-mm"},
      {{"--solid", "3", "--export-net", "a.pdf", "--edge-mm", "0"}, "--edge-mm"},
      {{"--solid", "3", "--export-net", "a.pdf", "--paper", "a5"}, "a5"},
      {{"--solid", "3", "--export-net", "a.pdf", "--orientation", "quer"}, "quer"},
      {{"--solid", "3", "--export-net", "a.pdf", "--tabs", "two"}, "two"},
      {{"--solid", "3", "--export-net", "a.pdf", "--tabs", "both", "--no-tabs"}, "--no-tabs"},
      {{"--solid", "3", "--export-net", "a.pdf", "--scale-bar", "--no-scale-bar"}, "--scale-bar"},
      {{"--solid", "3", "--export-net", "a.pdf", "--fold-angles", "--no-fold-angles"},
       "--fold-angles"},
      {{"--solid", "3", "--export-solid", "a.stl", "--face-numbers"}, "--face-numbers"},
      {{"--solid", "3", "--export-picture", "a.png", "--orientation", "portrait"}, "--orientation"},
      {{"--solid", "3", "--properties", "--no-numbers"}, "--no-numbers"},
      {{"--export-picture", "a.png"}, "--solid"},
      {{"--solid", "3", "--properties", "--export-solid", "a.stl"}, "only one"},
      {{"--solid", "3", "--json"}, "--json"},
      {{"--solid", "3", "--export-solid", "a.stl", "--marks"}, "--marks"},
      {{"--solid", "3", "stray"}, "stray"},
      {{"--solid"}, "solid"},
  };
  for (const auto& c : cases) {
    const std::string message = usageMessage(c.arguments);
    EXPECT_NE(message.find(c.named), std::string::npos)
        << c.arguments.join(' ').toStdString() << " -> '" << message << "'";
  }
}

// The command line takes exactly the diameters that the exporter writes: both
// bounds themselves, and nothing a little beyond either.
TEST_F(CommandLine, SizeMmTakesTheSameRangeAsTheSolidExporter) {
  const Polyhedron cube = test::embeddedSolid(1).geometry;
  const auto exporterTakes = [&](double diameter) {
    try {
      meshFileBytes(cube, MeshFormat::Stl, diameter, "w");
      return true;
    } catch (const EMeshExport&) {
      return false;
    }
  };
  const struct {
    const char* text;
    double value;
    bool inside;
  } cases[] = {
      {"1", 1.0, true},
      {"1.0", 1.0, true},
      {"10000", 10000.0, true},
      {"1e4", 10000.0, true},
      {"60", 60.0, true},
      {"0.999", 0.999, false},
      {"0.9999999", 0.9999999, false},
      {"10000.001", 10000.001, false},
      {"10001", 10001.0, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(exporterTakes(c.value), c.inside) << "exporter, " << c.text;
    const QStringList arguments{"--solid", "1",         "--export-solid",
                                "w.stl",   "--size-mm", QString::fromLatin1(c.text)};
    const std::string message = usageMessage(arguments);
    EXPECT_EQ(message.empty(), c.inside) << "command line, " << c.text << ": '" << message << "'";
    if (c.inside && message.empty()) {
      EXPECT_EQ(parse(arguments).sizeMm, c.value) << c.text;
    } else if (!c.inside) {
      EXPECT_NE(message.find("--size-mm"), std::string::npos) << message;
    }
  }
}

TEST_F(CommandLine, AnimationsTakeKindFramesAndThePicturesOptions) {
  const CliRequest plain = parse({"--solid", "3", "--export-animation", "a.gif"});
  EXPECT_EQ(plain.action, CliAction::ExportAnimation);
  EXPECT_EQ(plain.animate, AnimationKind::Spin);
  EXPECT_EQ(plain.frames, 72);
  EXPECT_EQ(plain.scale, 1);

  const CliRequest full =
      parse({"--solid", "Hexaeder", "--export-animation", "m.WEBP", "--animate", "Morph",
             "--frames", "720", "--scale", "2", "--view", "inkugel", "--marks"});
  EXPECT_EQ(full.animate, AnimationKind::Morph);
  EXPECT_EQ(full.frames, 720);
  EXPECT_EQ(full.scale, 2);
  EXPECT_EQ(full.view, View::InnerSphere);
  EXPECT_TRUE(full.marks);
  EXPECT_EQ(parse({"--solid", "1", "--export-animation", "x.gif", "--frames", "2"}).frames, 2);

  // The kaleidoscope's tour needs only the family; a spin of its solid the weights too.
  const CliRequest tour =
      parse({"--wythoff", "I", "--animate", "kaleidoscope", "--export-animation", "k.gif"});
  EXPECT_EQ(tour.wythoff, WythoffFamily::I);
  EXPECT_FALSE(tour.at.has_value());
  EXPECT_EQ(parse({"--wythoff", "O", "--at", "1,1,0", "--export-animation", "s.gif"}).animate,
            AnimationKind::Spin);
  EXPECT_EQ(parse({"--solid", "1", "--morph", "0.5", "--export-animation", "s.gif"}).morph, 0.5);
}

TEST_F(CommandLine, AnimationUsageErrorsNameTheOption) {
  const struct {
    QStringList arguments;
    const char* named;
  } cases[] = {
      {{"--solid", "1", "--export-animation", "a.gif", "--frames", "1"}, "--frames"},
      {{"--solid", "1", "--export-animation", "a.gif", "--frames", "721"}, "--frames"},
      {{"--solid", "1", "--export-animation", "a.gif", "--frames", "7.5"}, "--frames"},
      {{"--solid", "1", "--export-animation", "a.gif", "--frames", "viele"}, "viele"},
      {{"--solid", "1", "--export-animation", "a.gif", "--animate", "falten"}, "falten"},
      {{"--solid", "1", "--export-animation", "a.png"}, "--export-animation"},
      {{"--solid", "1", "--export-animation", "gif"}, "--export-animation"},
      {{"--export-animation", "a.gif"}, "--solid"},
      {{"--solid", "1", "--export-picture", "a.png", "--frames", "10"}, "--frames"},
      {{"--solid", "1", "--export-picture", "a.png", "--animate", "morph"}, "--animate"},
      {{"--solid", "1", "--frames", "10"}, "--frames"},
      {{"--solid", "1", "--export-animation", "a.gif", "--export-picture", "a.png"}, "only one"},
      {{"--solid", "1", "--export-animation", "a.gif", "--scale", "3"}, "--scale"},
      {{"--solid", "1", "--export-animation", "a.gif", "--size-mm", "50"}, "--size-mm"},
      {{"--solid", "1", "--animate", "kaleidoscope", "--view", "umkugel", "--export-animation",
        "a.gif"},
       "--view"},
      {{"--wythoff", "O", "--at", "1,0,0", "--animate", "kaleidoscope", "--export-animation",
        "a.gif"},
       "--at"},
      {{"--wythoff", "O", "--at", "1,0,0", "--animate", "morph", "--export-animation", "a.gif"},
       "--wythoff"},
      {{"--wythoff", "O", "--export-animation", "a.gif"}, "--at"},
      {{"--solid", "1", "--morph", "0.5", "--animate", "morph", "--export-animation", "a.gif"},
       "--morph"},
      {{"--solid", "1", "--morph", "0.5", "--view", "inkugel", "--export-animation", "a.gif"},
       "--view"},
  };
  for (const auto& c : cases) {
    const std::string call = c.arguments.join(QLatin1Char(' ')).toStdString();
    const std::string message = usageMessage(c.arguments);
    EXPECT_NE(message.find(c.named), std::string::npos) << call << ": '" << message << "'";
  }
}

}  // namespace
}  // namespace velkora::test
