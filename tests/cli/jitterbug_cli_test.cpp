// The jitterbug on the command line: which options go with --jitterbug and
// --jitterbug-stops and the exact refusals (English and German), and the
// stops printed by a headless run against J worked out here. The real
// program's exports of the jitterbug are in program_test.cpp.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <utility>

#include <QTextStream>

#include "cli/command_line.h"
#include "cli/headless.h"
#include "tests/support/embedded_catalogue.h"
#include "translations/language.h"

namespace velkora::test {
namespace {

std::string refusalOf(const QStringList& arguments) {
  try {
    parseCommandLine(arguments, embeddedTexts());
  } catch (const EUsageError& error) {
    return error.what();
  }
  return "";
}

class JitterbugCommandLine : public ::testing::Test {
 protected:
  void SetUp() override { useLanguage(QStringLiteral("en")); }
  void TearDown() override { useLanguage(kGerman); }
};

TEST_F(JitterbugCommandLine, GoesWithTheExportsOfOneSolidAndNothingElse) {
  const std::string owner =
      "--jitterbug only works with --export-picture, --export-solid, --export-net, "
      "--export-sheet, --properties or a spinning --export-animation";
  const std::string notWithASolid =
      "--jitterbug always starts from the cuboctahedron; give no --solid or --wythoff";
  const std::string stopsAlone = "--jitterbug-stops takes no --solid, --wythoff or --jitterbug";
  const std::pair<QStringList, std::string> cases[] = {
      {{"--jitterbug", "0.5", "--export-picture", "a.png"}, ""},
      {{"--jitterbug", "0.5", "--export-solid", "a.stl"}, ""},
      {{"--jitterbug", "0.5", "--export-net", "a.pdf"}, ""},
      {{"--jitterbug", "0.5", "--export-sheet", "a.pdf"}, ""},
      {{"--jitterbug", "0.5", "--properties", "--json"}, ""},
      {{"--jitterbug", "0.5", "--export-animation", "a.gif"}, ""},
      {{"--jitterbug-stops"}, ""},
      {{"--jitterbug", "0.5"}, owner},
      {{"--jitterbug", "0.5", "--export-animation", "a.gif", "--animate", "morph"}, owner},
      {{"--jitterbug", "0.5", "--export-animation", "a.gif", "--animate", "fold"}, owner},
      {{"--jitterbug", "0.5", "--solid", "3", "--properties"}, notWithASolid},
      {{"--jitterbug", "0.5", "--wythoff", "O", "--at", "1,1,1", "--properties"}, notWithASolid},
      {{"--jitterbug", "0.5", "--at", "1,1,1", "--properties"},
       "--at only works with --wythoff (not with --animate kaleidoscope, whose point moves by "
       "itself)"},
      {{"--jitterbug", "0.5", "--morph", "0.5", "--properties"},
       "--morph only works with --export-picture, --export-solid, --export-net, --export-sheet, "
       "--properties or a spinning --export-animation of a --solid"},
      {{"--jitterbug", "0", "--view", "inkugel", "--export-picture", "a.png"},
       "--view: the jitterbug's solid has no inner or outer sphere; only polyeder works with "
       "--jitterbug"},
      {{"--jitterbug", "0.5", "--view", "polyeder", "--export-picture", "a.png"}, ""},
      {{"--jitterbug", "0.5", "--export-booklet", "b.pdf"},
       "--export-booklet writes every solid; give no --solid, --wythoff or --jitterbug"},
      {{"--jitterbug-stops", "--solid", "3"}, stopsAlone},
      {{"--jitterbug-stops", "--jitterbug", "0.5"}, stopsAlone},
      {{"--jitterbug-stops", "--morph-stops"},
       "give only one of --export-picture, --export-animation, --export-solid, --properties, "
       "--export-net, --export-sheet, --export-booklet, --morph-stops, --wythoff-stops, "
       "--jitterbug-stops, --relations"},
      {{"--jitterbug", "1.5", "--properties"},
       "--jitterbug: expected a number from 0 to 1, got '1.5'"},
      {{"--jitterbug", "-0.1", "--properties"},
       "--jitterbug: expected a number from 0 to 1, got '-0.1'"},
      {{"--jitterbug", "x", "--properties"}, "--jitterbug: expected a number from 0 to 1, got 'x'"},
      {{"--jitterbug", "nan", "--properties"},
       "--jitterbug: expected a number from 0 to 1, got 'nan'"},
      {{"--export-picture", "a.png"}, "an export needs --solid, --wythoff or --jitterbug"},
  };
  for (const auto& [arguments, expected] : cases)
    EXPECT_EQ(refusalOf(arguments), expected) << arguments.join(' ').toStdString();
}

TEST_F(JitterbugCommandLine, TakesJWithAPointOrADecimalComma) {
  const CliRequest point =
      parseCommandLine({"--jitterbug", "0.25", "--properties"}, embeddedTexts());
  const CliRequest comma =
      parseCommandLine({"--jitterbug", "0,25", "--properties"}, embeddedTexts());
  ASSERT_TRUE(point.jitterbug.has_value());
  ASSERT_TRUE(comma.jitterbug.has_value());
  EXPECT_EQ(*point.jitterbug, 0.25);
  EXPECT_EQ(*comma.jitterbug, 0.25);
  EXPECT_FALSE(point.position.has_value());
  EXPECT_EQ(parseCommandLine({"--jitterbug-stops"}, embeddedTexts()).action,
            CliAction::JitterbugStops);
}

TEST(JitterbugCommandLineGerman, RefusesABadJInGerman) {
  EXPECT_EQ(refusalOf({"--jitterbug", "2", "--properties"}),
            "--jitterbug: erwartet eine Zahl von 0 bis 1, nicht „2“");
  EXPECT_EQ(refusalOf({"--jitterbug", "0.5", "--solid", "1", "--properties"}),
            "--jitterbug beginnt immer beim Kuboktaeder; kein --solid oder --wythoff angeben");
}

TEST(JitterbugCommandLineGerman, HelpListsBothOptions) {
  const QString help = helpText();
  EXPECT_TRUE(help.contains(QStringLiteral("--jitterbug <J>"))) << help.toStdString();
  EXPECT_TRUE(help.contains(QStringLiteral("--jitterbug-stops"))) << help.toStdString();
}

TEST(JitterbugStopsRun, PrintsOneLinePerStopWithJAsTheMorphStopsWriteT) {
  // The icosahedron's J from its circumradius of sin(72 degrees) edges: the
  // triangles keep edge sqrt 2 and their corners lie at (2 / sqrt 3) cos(angle)
  // along their axis and sqrt(6) / 3 off it.
  const double s = std::sin(72.0 * std::numbers::pi / 180.0);
  const double angle = std::acos(std::sqrt(1.5 * s * s - 0.5));
  const double j = angle / (std::numbers::pi / 3.0);
  QString out;
  QString err;
  QTextStream outStream(&out);
  QTextStream errStream(&err);
  const CliRequest request = parseCommandLine({"--jitterbug-stops"}, embeddedTexts());
  ASSERT_EQ(runHeadless(request, embeddedTexts(), outStream, errStream), kExitSuccess);
  errStream.flush();
  EXPECT_EQ(err, QString());
  const QString expected = QStringLiteral("0.0000000\t12\t%1\n%2\t3\t%3\n1.0000000\t2\t%4\n")
                               .arg(QString::fromStdString(embeddedSolid(12).name))
                               .arg(j, 0, 'f', 7)
                               .arg(QString::fromStdString(embeddedSolid(3).name),
                                    QString::fromStdString(embeddedSolid(2).name));
  EXPECT_EQ(out, expected);
  EXPECT_TRUE(out.startsWith(QStringLiteral("0.0000000\t12\tKuboktaeder\n0.37")));
}

}  // namespace
}  // namespace velkora::test
