// Number and JSON text for files: a decimal point under every locale, the
// forms the writers rely on, and JSON strings that a JSON reader takes back.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/german_locale.h"
#include "text/json_text.h"
#include "text/number_text.h"

namespace velkora::test {
namespace {

// Switches the process to the German locale for the scope, as
// QCoreApplication does with the environment's locale.
class GermanNumbers {
 public:
  GermanNumbers() {
    QString error;
    const QString path = germanLocalePath(&error);
    ok_ = error.isEmpty();
    if (!ok_) {
      error_ = error.toStdString();
      return;
    }
    if (!path.isEmpty()) setenv("LOCPATH", path.toLocal8Bit().constData(), 1);
    ok_ = std::setlocale(LC_ALL, kGermanLocale) != nullptr;
    if (!ok_) error_ = "setlocale refused the German locale";
  }
  ~GermanNumbers() { std::setlocale(LC_ALL, "C"); }
  GermanNumbers(const GermanNumbers&) = delete;
  GermanNumbers& operator=(const GermanNumbers&) = delete;

  bool ok() const { return ok_; }
  const std::string& error() const { return error_; }

 private:
  bool ok_ = false;
  std::string error_;
};

TEST(NumberText, WritesAPointUnderAGermanLocale) {
  const GermanNumbers german;
  ASSERT_TRUE(german.ok()) << german.error();
  char printed[16];
  std::snprintf(printed, sizeof printed, "%.1f", 1.5);
  ASSERT_EQ(std::string(printed), "1,5") << "the German locale is not in force";

  EXPECT_EQ(fixedText(1.5, 6), "1.500000");
  EXPECT_EQ(fixedText(-1234.56789, 2), "-1234.57");
  EXPECT_EQ(fixedText(2.0, 0), "2");
  EXPECT_EQ(shortestText(0.1), "0.1");
  EXPECT_EQ(shortestText(1e-7), "1e-07");
  EXPECT_EQ(significantText(1.0 / 3.0, 6), "0.333333");
  EXPECT_EQ(significantText(1234567.0, 6), "1.23457e+06");
  EXPECT_EQ(jsonNumber(0.5), "0.5");
  EXPECT_EQ(jsonFixed(-0.25, 3), "-0.250");
}

TEST(NumberText, ZeroIsUnsignedAndNonFiniteIsNamed) {
  // Rounding to zero from below must not leave "-0.000000" in a file.
  EXPECT_EQ(fixedText(-0.0000004, 6), "0.000000");
  EXPECT_EQ(fixedText(-0.0, 2), "0.00");
  EXPECT_EQ(fixedText(-0.0000006, 6), "-0.000001");
  EXPECT_EQ(fixedText(1e300, 1).size(), 303u);
  EXPECT_EQ(jsonNumber(std::numeric_limits<double>::quiet_NaN()), "null");
  EXPECT_EQ(jsonFixed(-std::numeric_limits<double>::infinity(), 6), "null");
}

TEST(NumberText, ShortestTextReadsBackExactly) {
  for (const double value : {0.1, 1.0 / 3.0, 2.0 / 3.0, 1e-300, 123456789.123456789, -7.25}) {
    EXPECT_EQ(std::strtod(shortestText(value).c_str(), nullptr), value) << shortestText(value);
  }
}

TEST(JsonText, EscapesQuotesBackslashesAndControlBytes) {
  EXPECT_EQ(jsonString("Hexaeder, Würfel"), "\"Hexaeder, Würfel\"");
  EXPECT_EQ(jsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(jsonString(std::string("\n\t\r\x01\x1f", 5)), "\"\\n\\t\\r\\u0001\\u001f\"");
  EXPECT_EQ(jsonString(""), "\"\"");
}

}  // namespace
}  // namespace velkora::test
