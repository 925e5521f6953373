#pragma once
// Sums of products in about 106 bits from doubles alone: a value as a pair of
// doubles (its rounded part and the rest), exact products by Dekker's
// splitting (no fused multiply-add needed), and a x + b y rounded once to
// double. For targets whose long double is slow (WebAssembly's is a 128-bit
// type in software); inputs of ordinary size, far from overflow.

namespace velkora {

struct DoubleDouble {
  double hi = 0.0;
  double lo = 0.0;
};

// A long double as its nearest double and the rest.
inline DoubleDouble toDoubleDouble(long double value) {
  const double hi = static_cast<double>(value);
  return {hi, static_cast<double>(value - hi)};
}

// The exact product of two doubles: the rounded product and its error.
inline DoubleDouble exactProduct(double a, double b) {
  constexpr double kSplit = 134217729.0;  // 2^27 + 1
  const double p = a * b;
  const double ca = kSplit * a;
  const double ah = ca - (ca - a);
  const double al = a - ah;
  const double cb = kSplit * b;
  const double bh = cb - (cb - b);
  const double bl = b - bh;
  return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

// a x + b y, rounded once to double.
inline double sumOfProducts(const DoubleDouble& a, double x, const DoubleDouble& b, double y) {
  const DoubleDouble p = exactProduct(a.hi, x);
  const DoubleDouble q = exactProduct(b.hi, y);
  const double s = p.hi + q.hi;
  const double v = s - p.hi;
  const double sumError = (p.hi - (s - v)) + (q.hi - v);
  return s + (sumError + (p.lo + q.lo + (a.lo * x + b.lo * y)));
}

}  // namespace velkora
