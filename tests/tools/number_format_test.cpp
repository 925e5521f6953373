// Coordinate numbers and face-line bytes as the catalogue writes them.

#include "tools/catalogue_generator/number_format.h"
#include "tools/catalogue_generator/errors.h"
#include "tools/catalogue_generator/face_codes.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <utility>
#include <vector>

namespace velkora::gen {
namespace {

TEST(NumberFormat, WritesSevenSignificantDigitsInTheCatalogueForm) {
  const std::vector<std::pair<Real, std::string>> cases{
      {std::sqrt(3.0L), "1.732051"},
      {-1 / std::sqrt(3.0L), "-0.5773503"},  // leading zero, 7 digits below 1
      {std::sqrt(8.0L / 3), "1.632993"},
      {0.5L, "0.5"},  // trailing zeros dropped
      {2.0L, "2"},    // whole numbers without a point
      {-1.0L, "-1"},
      {0.99999996L, "1"},  // rounding carries into a new digit
      {-9.9999996L, "-10"},
      {0.012345678L, "0.01234568"},
      {0.000012345678L, "0.0000123457"},    // capped at 10 decimals
      {-0.000012345678L, "-0.0000123457"},  // 13 characters, the longest allowed
      {123.456789L, "123.4568"},
  };
  for (const auto& [value, text] : cases) {
    EXPECT_EQ(formatCoordinate(value), text) << static_cast<double>(value);
  }
}

TEST(NumberFormat, WritesRoundingNoiseAndNegativeZeroAsZero) {
  for (Real value : {0.0L, -0.0L, 1e-12L, -1e-12L, -9e-10L, -4e-11L}) {
    EXPECT_EQ(formatCoordinate(value), "0") << static_cast<double>(value);
  }
  // Just above the noise limit, the value survives as far as 10 decimals allow.
  EXPECT_EQ(formatCoordinate(-4e-9L), "-0.000000004");
  EXPECT_EQ(formatCoordinate(4e-11L + 1e-9L), "0.000000001");
}

TEST(NumberFormat, EveryWrittenNumberIsAcceptedAndReadsBackWithinHalfAUnit) {
  for (int i = -2000; i <= 2000; ++i) {
    const Real value = std::sin(static_cast<Real>(i)) * std::pow(10.0L, (i % 7) - 4);
    const std::string text = formatCoordinate(value);
    ASSERT_TRUE(isCatalogueNumber(text)) << text;
    if (text == "0") {
      EXPECT_LT(std::fabs(value), 1e-9L);
      continue;
    }
    double back = 0;
    std::from_chars(text.data(), text.data() + text.size(), back);
    const Real magnitude = std::max(std::fabs(value), 1e-9L);
    const Real unit = std::max(std::pow(10.0L, std::floor(std::log10(magnitude)) - 6), 1e-10L);
    EXPECT_LE(std::fabs(back - value), unit / 2 + 1e-15L) << text;
  }
}

TEST(NumberFormat, RejectsNumbersOutsideTheCatalogueForm) {
  for (const char* text : {"", "-0", "+1", ".5", "-.5", "1.", "1.50", "01", "-01.5", "1e-5", "1,5",
                           " 1", "0.00000000001", "-123456.123456", "1.2.3", "--1"}) {
    EXPECT_FALSE(isCatalogueNumber(text)) << text;
  }
  for (const char* text : {"0", "-1", "10", "0.5", "-0.5", "1.732051", "-0.0000123457"}) {
    EXPECT_TRUE(isCatalogueNumber(text)) << text;
  }
}

TEST(FaceCodes, MapIndicesToBytesIndexPlus48BothWays) {
  const Face face{0, 9, 10, 43, 45, 78, 79, 80, 119};
  const std::string line = encodeFaceLine(face);
  const std::string expected{'0', '9', ':', '[', ']', '~', '\x7F', '\x80', '\xA7'};
  EXPECT_EQ(line, expected);
  EXPECT_EQ(decodeFaceLine(line), face);
  EXPECT_THROW(encodeFaceLine({0, 120, 1}), GeneratorError);
  EXPECT_THROW(encodeFaceLine({-1, 0, 1}), GeneratorError);
  EXPECT_THROW(decodeFaceLine("01/"), GeneratorError);     // byte 47
  EXPECT_THROW(decodeFaceLine("01\xA8"), GeneratorError);  // byte 168
}

}  // namespace
}  // namespace velkora::gen
