// Vertex lines, integer texts and the widening of quoted catalogue bytes.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "model/cp1252.h"
#include "model/errors.h"
#include "model/integer_text.h"
#include "model/load.h"

namespace velkora {
namespace {

struct PointCase {
  const char* line;
  double x;
  double y;
  double z;
};

void PrintTo(const PointCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }

class ParsePointTable : public ::testing::TestWithParam<PointCase> {};

TEST_P(ParsePointTable, SplitsAtSingleSpacesAndZeroesMalformedFields) {
  const PointCase& c = GetParam();
  double x = -99.0;
  double y = -99.0;
  double z = -99.0;
  parsePoint(c.line, x, y, z);
  EXPECT_EQ(x, c.x) << '"' << c.line << '"';
  EXPECT_EQ(y, c.y) << '"' << c.line << '"';
  EXPECT_EQ(z, c.z) << '"' << c.line << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParsePointTable,
    ::testing::Values(PointCase{"1.5 -2 3E-1", 1.5, -2.0, 0.3},
                      PointCase{"1,5 2 3", 0.0, 2.0, 3.0},  // decimal comma
                      PointCase{"1 2 3 ", 1.0, 2.0, 0.0},   // trailing space
                      PointCase{"1  2 3", 1.0, 0.0, 0.0},   // double space
                      PointCase{"1 2", 1.0, 0.0, 2.0},      // two fields
                      PointCase{"5", 0.0, 0.0, 5.0},        // one field
                      PointCase{"", 0.0, 0.0, 0.0},
                      PointCase{"-0.8164966 1.414214 -0.5773503", -0.8164966, 1.414214, -0.5773503},
                      PointCase{"+1 -.5 2.", 1.0, -0.5, 2.0},  // plus sign, bare points
                      PointCase{"1 2  3", 1.0, 2.0, 3.0},      // leading space of z
                      PointCase{"1e2 1E+2 1e", 100.0, 100.0, 0.0},
                      PointCase{"inf nan infinity", 0.0, 0.0, 0.0},
                      PointCase{"1e400 -1e400 0x10", 0.0, 0.0, 0.0},
                      PointCase{"- + --1", 0.0, 0.0, 0.0}, PointCase{"1a 2 3", 0.0, 2.0, 3.0}));

TEST(IntegerFromText, AcceptsDecimalIntegersWithLeadingSpacesAndSign) {
  EXPECT_EQ(integerFromText("0"), 0);
  EXPECT_EQ(integerFromText("30"), 30);
  EXPECT_EQ(integerFromText("  7"), 7);
  EXPECT_EQ(integerFromText("-12"), -12);
  EXPECT_EQ(integerFromText("+12"), 12);
  EXPECT_EQ(integerFromText("2147483647"), 2147483647);
  EXPECT_EQ(integerFromText("-2147483648"), -2147483647 - 1);
}

TEST(IntegerFromText, RejectsEverythingElseQuotingTheText) {
  for (const char* text :
       {"", " ", "3 ", "3.0", "x", "[1]", "+-3", "++3", "+", "-", "2147483648", "0x10", "1e3"}) {
    try {
      integerFromText(text);
      ADD_FAILURE() << '"' << text << "\" was accepted";
    } catch (const EConvertError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' ist kein gültiger Integerwert");
    }
  }
}

TEST(WidenWindows1252, GivesValidUtf8ForEveryByte) {
  EXPECT_EQ(widenWindows1252("Hexaeder, W\xFC"
                             "rfel"),
            "Hexaeder, Würfel");
  EXPECT_EQ(widenWindows1252("\x80\x9F\xA7\xFF"), "€Ÿ§ÿ");
  EXPECT_EQ(widenWindows1252("\x81"), "\xC2\x81");  // unassigned: C1 control of that number
  std::string all;
  for (int b = 0; b < 256; ++b) {
    all.push_back(static_cast<char>(b));
  }
  const std::string wide = widenWindows1252(all);
  // Decode the UTF-8 again: every sequence well formed, exactly 256 characters.
  int characters = 0;
  for (std::size_t i = 0; i < wide.size(); ++characters) {
    const auto lead = static_cast<unsigned char>(wide[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    ASSERT_NE(length, 0U) << "bad lead byte at " << i;
    ASSERT_LE(i + length, wide.size());
    for (std::size_t k = 1; k < length; ++k) {
      ASSERT_EQ(static_cast<unsigned char>(wide[i + k]) & 0xC0, 0x80);
    }
    i += length;
  }
  EXPECT_EQ(characters, 256);
}

TEST(WidenWindows1252, Bytes80To9FAreTheCodePagesCharacters) {
  // The published assignments of Windows-1252; the five bytes it leaves
  // unassigned become the C1 control of the same number.
  const char* const kExpected[32] = {
      "\u20AC",   "\xC2\x81", "\u201A", "\u0192", "\u201E", "\u2026",   "\u2020", "\u2021",
      "\u02C6",   "\u2030",   "\u0160", "\u2039", "\u0152", "\xC2\x8D", "\u017D", "\xC2\x8F",
      "\xC2\x90", "\u2018",   "\u2019", "\u201C", "\u201D", "\u2022",   "\u2013", "\u2014",
      "\u02DC",   "\u2122",   "\u0161", "\u203A", "\u0153", "\xC2\x9D", "\u017E", "\u0178",
  };
  for (int b = 0x80; b <= 0x9F; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(widenWindows1252(byte), kExpected[b - 0x80]) << "byte 0x" << std::hex << b;
  }
}

}  // namespace
}  // namespace velkora
