// The command line's rules as a table of what the program accepts and what
// it refuses, with the exact message: every option added to every action,
// and the refusal of each bad value. Written down from the program's own
// behaviour before its rules became data, so that the rules stay as they were.
// In English, the language of these messages with --lang en.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "cli/command_line.h"
#include "tests/support/embedded_catalogue.h"
#include "translations/language.h"

namespace velkora::test {
namespace {

class CommandLineRules : public ::testing::Test {
 protected:
  void SetUp() override { useLanguage(QStringLiteral("en")); }
  void TearDown() override { useLanguage(kGerman); }

  // The message of the usage error the arguments give, or "" when they parse.
  static std::string refusal(const QStringList& arguments) {
    try {
      parseCommandLine(arguments, embeddedTexts());
    } catch (const EUsageError& error) {
      return error.what();
    }
    return "";
  }
};

TEST_F(CommandLineRules, EachOptionGoesWithItsActionsOnly) {
  // The actions, one column each in the patterns below.
  const std::vector<QStringList> actions = {
      {"--solid", "3"},
      {"--solid", "3", "--export-picture", "a.png"},
      {"--solid", "3", "--export-animation", "a.gif"},
      {"--solid", "3", "--export-solid", "a.stl"},
      {"--solid", "3", "--properties"},
      {"--solid", "3", "--export-net", "a.pdf"},
      {"--solid", "3", "--export-sheet", "a.pdf"},
      {"--export-booklet", "b.pdf"},
      {"--solid", "3", "--morph-stops"},
      {"--wythoff-stops", "O"},
      {"--wythoff", "O", "--at", "1,1,1"},
      {"--wythoff", "O", "--at", "1,1,1", "--export-picture", "a.png"},
      {"--wythoff", "O", "--at", "1,1,1", "--export-animation", "a.gif"},
      {"--wythoff", "O", "--export-animation", "a.gif", "--animate", "kaleidoscope"},
      {"--wythoff", "O", "--at", "1,1,1", "--properties"},
      {"--solid", "3", "--export-animation", "a.gif", "--animate", "morph"},
      {"--solid", "3", "--export-animation", "a.gif", "--animate", "fold"},
      {"--solid", "3", "--export-animation", "a.gif", "--animate", "kaleidoscope"},
  };
  // The messages, by the letter that stands for each in the patterns.
  const std::map<char, std::string> messages = {
      {'A',
       "--wythoff only works with --export-picture, --export-solid, --export-net, --export-sheet, "
       "--properties or an --export-animation that spins or tours the kaleidoscope"},
      {'B',
       "--view only works with the window, --export-picture, --export-animation, --export-sheet or "
       "--export-booklet"},
      {'C',
       "--view: the kaleidoscope's solid has no inner or outer sphere; only polyeder works with "
       "--wythoff"},
      {'D',
       "--view: the kaleidoscope's solids have no inner or outer sphere; only polyeder works with "
       "--animate kaleidoscope"},
      {'E',
       "--animate fold: the folding net is drawn without spheres and corner marks; leave out "
       "--view and --marks"},
      {'F',
       "--marks only works with --export-picture, --export-animation, --export-sheet or "
       "--export-booklet"},
      {'G', "--scale only works with --export-picture or --export-animation"},
      {'H', "--animate only works with --export-animation"},
      {'I', "--wythoff needs --at a,b,c"},
      {'J', "--frames only works with --export-animation"},
      {'K', "--size-mm only works with --export-solid"},
      {'L', "--json only works with --properties"},
      {'M', "--paper only works with --export-net"},
      {'N',
       "--paper, --edge-mm and --no-tabs only work with --export-net; worksheets are A4 portrait "
       "with the net at the largest size that fits"},
      {'O', "--orientation only works with --export-net"},
      {'P', "--edge-mm only works with --export-net"},
      {'Q', "--tabs only works with --export-net"},
      {'R', "--no-tabs only works with --export-net"},
      {'S', "--no-numbers only works with --export-net"},
      {'T', "--scale-bar only works with --export-net"},
      {'U', "--no-scale-bar only works with --export-net"},
      {'V', "--face-numbers only works with --export-net"},
      {'W', "--no-face-numbers only works with --export-net"},
      {'X', "--fold-angles only works with --export-net"},
      {'Y', "--no-fold-angles only works with --export-net"},
      {'Z', "--blanks only works with --export-sheet or --export-booklet"},
      {'a',
       "--morph only works with --export-picture, --export-solid, --export-net, --export-sheet, "
       "--properties or a spinning --export-animation of a --solid"},
      {'b', "--fold only works with --export-picture"},
      {'c', "give either --solid or --wythoff"},
      {'d', "--export-booklet writes every solid; give no --solid, --wythoff or --jitterbug"},
      {'e',
       "--at only works with --wythoff (not with --animate kaleidoscope, whose point moves by "
       "itself)"},
      {'f', "--reset-settings only works with the window"},
      {'g', "--wythoff-stops takes no --solid"},
      {'h',
       "--fold: the folding net is drawn without spheres and corner marks; leave out --view and "
       "--marks"},
      {'i',
       "--view: the solid on its way into its dual has no inner or outer sphere; only polyeder "
       "works with --morph above 0"},
      {'j', "--snub only works with --wythoff, --wythoff-stops or --animate kaleidoscope"},
      {'m', "--mirror only works with --snub"},
      {'k',
       "--colour-faces only works with --export-picture, --export-animation or --export-sheet"},
      {'l',
       "--colour-faces: the folding net has colours of its own; leave it out with --fold and "
       "--animate fold"},
  };
  // Each option added to each action: "." accepted, a letter the message.
  const std::vector<std::pair<QStringList, std::string>> options = {
      {{}, "..........A......."},
      {{"--view", "polyeder"}, "...BBB..BBA...B..."},
      {{"--view", "inkugel"}, "...BBB..BBACCDB.ED"},
      {{"--marks"}, "F..FFF..FFF...F.E."},
      {{"--colour-faces"}, "k..kkk.kkkk...k.l."},
      {{"--colour-faces", "--fold", "0.5"}, "klbkkkbkkkklbbkbbb"},
      {{"--scale", "2"}, "G..GGGGGGGG...G..."},
      {{"--animate", "spin"}, "HH.HHHHHHHHH.IH..."},
      {{"--frames", "10"}, "JJ.JJJJJJJJJ..J..."},
      {{"--size-mm", "80"}, "KKK.KKKKKKKKKKKKKK"},
      {{"--json"}, "LLLL.LLLLLLLLL.LLL"},
      {{"--paper", "a3"}, "MMMMM.NNMMMMMMMMMM"},
      {{"--orientation", "portrait"}, "OOOOO.OOOOOOOOOOOO"},
      {{"--edge-mm", "30"}, "PPPPP.NNPPPPPPPPPP"},
      {{"--tabs", "both"}, "QQQQQ.QQQQQQQQQQQQ"},
      {{"--tabs", "none"}, "QQQQQ.QQQQQQQQQQQQ"},
      {{"--no-tabs"}, "RRRRR.NNRRRRRRRRRR"},
      {{"--no-numbers"}, "SSSSS.SSSSSSSSSSSS"},
      {{"--scale-bar"}, "TTTTT.TTTTTTTTTTTT"},
      {{"--no-scale-bar"}, "UUUUU.UUUUUUUUUUUU"},
      {{"--face-numbers"}, "VVVVV.VVVVVVVVVVVV"},
      {{"--no-face-numbers"}, "WWWWW.WWWWWWWWWWWW"},
      {{"--fold-angles"}, "XXXXX.XXXXXXXXXXXX"},
      {{"--no-fold-angles"}, "YYYYY.YYYYYYYYYYYY"},
      {{"--blanks"}, "ZZZZZZ..ZZZZZZZZZZ"},
      {{"--morph", "0.5"}, "a......aaaaaaaaaaa"},
      {{"--morph", "0"}, "a......aaaaaaaaaaa"},
      {{"--fold", "0.5"}, "b.bbbbbbbbA.bbbbbb"},
      {{"--wythoff", "T"}, "cIIIIIIdIIA....IIc"},
      {{"--at", "1,2,3"}, "eeeeeeeeeeA..e.eee"},
      {{"--snub"}, "jjjjjjjjj.A....jj."},
      {{"--mirror"}, "mmmmmmmmmmAmmmmmmm"},
      {{"--snub", "--mirror"}, "jjjjjjjjj.A....jj."},
      {{"--reset-settings"}, ".fffffffffAfffffff"},
      {{"--lang", "en"}, "..........A......."},
      {{"--solid", "4"}, ".......d.gc..c...."},
      {{"--marks", "--fold", "0.5"}, "FhbFFFbbFFFhbbFbEb"},
      {{"--morph", "0.5", "--view", "umkugel"}, "aiiBBBiaBBaaaaBaaa"},
  };
  for (const auto& [option, pattern] : options) {
    ASSERT_EQ(pattern.size(), actions.size());
    for (std::size_t k = 0; k < actions.size(); ++k) {
      const QStringList arguments = actions[k] + option;
      const std::string expected = pattern[k] == '.' ? "" : messages.at(pattern[k]);
      EXPECT_EQ(refusal(arguments), expected) << arguments.join(' ').toStdString();
    }
  }
}

TEST_F(CommandLineRules, BadValuesAndMissingPartsAreNamed) {
  const std::pair<QStringList, std::string> cases[] = {
      {{"stray"}, "unexpected argument 'stray'"},
      {{"--solid", "3", "--properties", "--export-solid", "a.stl"},
       "give only one of --export-picture, --export-animation, --export-solid, --properties, "
       "--export-net, --export-sheet, --export-booklet, --morph-stops, --wythoff-stops, "
       "--jitterbug-stops, --relations"},
      {{"--export-picture", "a.png"}, "an export needs --solid, --wythoff or --jitterbug"},
      {{"--morph-stops"}, "an export needs --solid, --wythoff or --jitterbug"},
      {{"--solid", "3", "--wythoff", "O", "--export-animation", "a.gif", "--animate",
        "kaleidoscope"},
       "give either --solid or --wythoff"},
      {{"--solid", "31"}, "--solid: position 31 is outside 0-30"},
      {{"--solid", "Kugel"},
       "--solid: unknown solid 'Kugel' (a list position 0-30 or a name such as Ikosaeder or "
       "Icosahedron)"},
      {{"--view", "seitlich"}, "--view: unknown view 'seitlich' (polyeder, inkugel or umkugel)"},
      {{"--solid", "3", "--export-picture", "a.png", "--scale", "3"},
       "--scale: expected 1, 2 or 4, got '3'"},
      {{"--solid", "3", "--export-animation", "a.gif", "--animate", "hop"},
       "--animate: unknown kind 'hop' (spin, morph, kaleidoscope, fold, jitterbug)"},
      {{"--solid", "3", "--export-animation", "a.gif", "--frames", "1"},
       "--frames: expected a whole number from 2 to 720, got '1'"},
      {{"--solid", "3", "--export-solid", "a.stl", "--size-mm", "-5"},
       "--size-mm: expected a positive number, got '-5'"},
      {{"--solid", "3", "--export-solid", "a.stl", "--size-mm", "0.5"},
       "--size-mm: 0.5 is outside 1-10000 mm"},
      {{"--solid", "3", "--export-net", "a.pdf", "--edge-mm", "x"},
       "--edge-mm: expected a positive number, got 'x'"},
      {{"--solid", "3", "--export-net", "a.pdf", "--paper", "a5"},
       "--paper: unknown paper 'a5' (a4, a3 or letter)"},
      {{"--solid", "3", "--export-net", "a.pdf", "--orientation", "quer"},
       "--orientation: unknown orientation 'quer' (portrait, landscape or auto)"},
      {{"--solid", "3", "--export-net", "a.pdf", "--tabs", "two"},
       "--tabs: unknown tab style 'two' (one, both or none)"},
      {{"--solid", "3", "--export-net", "a.pdf", "--tabs", "both", "--no-tabs"},
       "--no-tabs contradicts --tabs both"},
      {{"--solid", "3", "--export-net", "a.pdf", "--scale-bar", "--no-scale-bar"},
       "give either --scale-bar or --no-scale-bar"},
      {{"--solid", "3", "--export-net", "a.pdf", "--face-numbers", "--no-face-numbers"},
       "give either --face-numbers or --no-face-numbers"},
      {{"--solid", "3", "--export-net", "a.pdf", "--fold-angles", "--no-fold-angles"},
       "give either --fold-angles or --no-fold-angles"},
      {{"--solid", "3", "--export-picture", "a.png", "--morph", "1.5"},
       "--morph: expected a number from 0 to 1, got '1.5'"},
      {{"--solid", "3", "--export-picture", "a.png", "--fold", "-1"},
       "--fold: expected a number from 0 to 1, got '-1'"},
      {{"--wythoff", "Q", "--at", "1,1,1", "--properties"},
       "--wythoff: unknown family 'Q' (T, O or I)"},
      {{"--wythoff-stops", "Q"}, "--wythoff-stops: unknown family 'Q' (T, O or I)"},
      {{"--wythoff", "O", "--at", "1,1", "--properties"},
       "--at: expected three weights a,b,c, none negative and not all 0, got '1,1'"},
      {{"--wythoff", "O", "--at", "0,0,0", "--properties"},
       "--at: expected three weights a,b,c, none negative and not all 0, got '0,0,0'"},
      {{"--lang", "fr"}, "--lang: unknown language 'fr' (de, en)"},
      {{"--solid", "3", "--export-picture", "a.jpg"},
       "--export-picture: 'a.jpg' needs one of the suffixes .png"},
      {{"--solid", "3", "--export-animation", "a.png"},
       "--export-animation: 'a.png' needs one of the suffixes .gif, .webp"},
      {{"--solid", "3", "--export-solid", "a"},
       "--export-solid: 'a' needs one of the suffixes .stl, .obj, .off"},
      {{"--solid", "3", "--export-net", "a.png"},
       "--export-net: 'a.png' needs one of the suffixes .pdf, .svg, .json"},
      {{"--solid", "3", "--export-sheet", "a.svg"},
       "--export-sheet: 'a.svg' needs one of the suffixes .pdf"},
      {{"--export-booklet", "a.png"}, "--export-booklet: 'a.png' needs one of the suffixes .pdf"},
      {{"--solid"}, "Missing value after '--solid'."},
      {{"--frobnicate"}, "Unknown option 'frobnicate'."},
  };
  for (const auto& [arguments, expected] : cases) {
    EXPECT_EQ(refusal(arguments), expected) << arguments.join(' ').toStdString();
  }
}

}  // namespace
}  // namespace velkora::test
