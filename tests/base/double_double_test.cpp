// Sums of products in pairs of doubles, against the same sums in long double
// (80 bits here) and, for exact cases, against the known answer: the turn of
// the browser build computes this way what the desktop computes in long double.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>

#include "base/double_double.h"

namespace velkora {
namespace {

TEST(DoubleDouble, ProductsAreExact) {
  // (2^30 + 1)^2 = 2^60 + 2^31 + 1 needs 61 bits: the rounded product loses
  // the 1, which the error term holds.
  const double a = 1073741825.0;
  const DoubleDouble p = exactProduct(a, a);
  EXPECT_EQ(p.hi, 1152921506754330624.0);
  EXPECT_EQ(p.lo, 1.0);
  // A sum whose terms cancel: only the pair keeps the small remainder.
  const double x = 1.0 + DBL_EPSILON;
  const DoubleDouble one{1.0, 0.0};
  const DoubleDouble minusOne{-1.0, 0.0};
  EXPECT_EQ(sumOfProducts(one, x, minusOne, x), 0.0);
  EXPECT_EQ(sumOfProducts(one, x * x, minusOne, x), x * x - x);
  // A long double's rest survives: 0.1L is not 0.1, and ten of it are not 1.
  EXPECT_NE(sumOfProducts(toDoubleDouble(0.1L), 10.0, minusOne, 1.0), 0.0);
  EXPECT_NEAR(sumOfProducts(toDoubleDouble(0.1L), 10.0, minusOne, 1.0), 1.4e-20, 0.1e-20);
}

TEST(DoubleDouble, TurnsAgreeWithLongDouble) {
  // Sines and cosines of angles and coordinates as the turn sees them: the
  // pair's a x + b y rounded to double against long double's. Long double
  // rounds each product to 64 bits, so the two may part by its own error,
  // 2^-63 of the products' size (which shows where the terms cancel), plus
  // the last rounding; most of the time they are the same double.
  if (LDBL_MANT_DIG < 64) GTEST_SKIP() << "long double has only " << LDBL_MANT_DIG << " bits here";
  std::mt19937_64 random(20261210);
  std::uniform_real_distribution<double> angle(-6.3, 6.3);
  std::uniform_real_distribution<double> coordinate(-700.0, 700.0);
  int parted = 0;
  constexpr int kCases = 200000;
  for (int k = 0; k < kCases; ++k) {
    const long double alpha = angle(random);
    const long double c = std::cos(alpha);
    const long double s = std::sin(alpha);
    const double x = coordinate(random);
    const double y = coordinate(random);
    const double ours = sumOfProducts(toDoubleDouble(c), x, toDoubleDouble(-s), y);
    const double theirs = static_cast<double>(c * x - s * y);
    if (ours == theirs) continue;
    ++parted;
    const double bound = std::ldexp(static_cast<double>(std::fabs(c * x) + std::fabs(s * y)), -62) +
                         std::fabs(std::nextafter(theirs, ours) - theirs);
    EXPECT_LE(std::fabs(ours - theirs), bound)
        << x << ", " << y << " at " << static_cast<double>(alpha);
  }
  EXPECT_LE(parted, kCases / 100) << "pairs and long double part too often";
}

}  // namespace
}  // namespace velkora
