// The browser build's number conversions against the standard library's:
// the same characters for printing, the same values and ends for reading,
// over random doubles of every magnitude and the awkward cases.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "base/portable_charconv.h"

namespace velkora {
namespace {

namespace fb = portable_fallback;

std::string text(std::to_chars_result result, const char* buffer) {
  EXPECT_EQ(result.ec, std::errc{});
  return std::string(buffer, static_cast<std::size_t>(result.ptr - buffer));
}

// Random bit patterns (every exponent) and the values that sit on edges.
std::vector<double> samples() {
  std::vector<double> values = {0.0,
                                -0.0,
                                1.0,
                                -1.0,
                                0.1,
                                0.5,
                                1e15,
                                1e16,
                                1e17,
                                1e21,
                                1e22,
                                1e23,
                                1e-5,
                                1e-4,
                                1e-7,
                                123456.0,
                                1200.0,
                                5e-324,
                                2.2250738585072014e-308,
                                std::numeric_limits<double>::max(),
                                9007199254740993.0,
                                0.30000000000000004,
                                2.0 / 3.0,
                                100.0,
                                1.5e300};
  for (int e = -1074; e <= 1023; e += 7)
    values.push_back(std::ldexp(1.0, e));
  std::mt19937_64 random(20261210);
  for (int i = 0; i < 20000; ++i) {
    std::uint64_t bits = random();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (std::isfinite(value)) values.push_back(value);
  }
  std::uniform_real_distribution<double> plain(-1000.0, 1000.0);
  for (int i = 0; i < 20000; ++i)
    values.push_back(plain(random));
  return values;
}

TEST(PortableCharconv, PrintsAsTheStandardDoes) {
  char ours[512];
  char theirs[512];
  for (const double value : samples()) {
    EXPECT_EQ(text(fb::toCharsShortest(ours, ours + sizeof ours, value), ours),
              text(std::to_chars(theirs, theirs + sizeof theirs, value), theirs))
        << "shortest of " << value;
    for (const int digits : {1, 6, 15, 17}) {
      EXPECT_EQ(text(fb::toCharsGeneral(ours, ours + sizeof ours, value, digits), ours),
                text(std::to_chars(theirs, theirs + sizeof theirs, value,
                                   std::chars_format::general, digits),
                     theirs))
          << "general " << digits << " of " << value;
    }
    if (std::fabs(value) < 1e30) {
      for (const int decimals : {0, 3, 10}) {
        EXPECT_EQ(text(fb::toCharsFixed(ours, ours + sizeof ours, value, decimals), ours),
                  text(std::to_chars(theirs, theirs + sizeof theirs, value,
                                     std::chars_format::fixed, decimals),
                       theirs))
            << "fixed " << decimals << " of " << value;
      }
    }
  }
}

TEST(PortableCharconv, ATooSmallBufferIsReportedAndInfinityAndNaNPrintAsTheStandard) {
  char small[3];
  EXPECT_EQ(fb::toCharsShortest(small, small + sizeof small, 12345.0).ec,
            std::errc::value_too_large);
  char ours[32];
  char theirs[32];
  for (const double value : {HUGE_VAL, -HUGE_VAL, std::nan("")}) {
    EXPECT_EQ(text(fb::toCharsShortest(ours, ours + sizeof ours, value), ours),
              text(std::to_chars(theirs, theirs + sizeof theirs, value), theirs));
  }
}

TEST(PortableCharconv, ReadsAsTheStandardDoes) {
  std::vector<std::string> inputs = {"0",
                                     "-0",
                                     "1.5",
                                     ".5",
                                     "5.",
                                     "-2.25e3",
                                     "1e",
                                     "1e+",
                                     "1e-2x",
                                     "1E5",
                                     "+1",
                                     "e5",
                                     ".",
                                     "-",
                                     "",
                                     "12abc",
                                     "0x1p3",
                                     "inf",
                                     "-Inf",
                                     "nan",
                                     "INFINITY",
                                     "infin",
                                     "1e400",
                                     "-1e400",
                                     "4.9e-324",
                                     "0.000001",
                                     "123456789012345678901234567890",
                                     "3.14159265358979323846264338327950288"};
  char buffer[64];
  for (const double value : samples()) {
    inputs.push_back(text(std::to_chars(buffer, buffer + sizeof buffer, value), buffer));
    inputs.push_back(
        text(std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 9),
             buffer));
  }
  for (const std::string& input : inputs) {
    double ours = -7.0;
    double theirs = -7.0;
    const auto a = fb::fromCharsGeneral(input.data(), input.data() + input.size(), ours);
    const auto b = std::from_chars(input.data(), input.data() + input.size(), theirs,
                                   std::chars_format::general);
    EXPECT_EQ(a.ec, b.ec) << input;
    EXPECT_EQ(a.ptr - input.data(), b.ptr - input.data()) << input;
    if (std::isnan(theirs)) {
      EXPECT_TRUE(std::isnan(ours)) << input;
    } else {
      EXPECT_EQ(ours, theirs) << input;
      EXPECT_EQ(std::signbit(ours), std::signbit(theirs)) << input;
    }
  }
}

}  // namespace
}  // namespace velkora
