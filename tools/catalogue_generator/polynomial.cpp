#include "tools/catalogue_generator/polynomial.h"

#include "tools/catalogue_generator/errors.h"

#include <cmath>
#include <string>

namespace velkora::gen {

namespace {

Real derivativeAt(const std::vector<Real>& coefficients, Real x) {
  Real value = 0;
  const std::size_t degree = coefficients.size() - 1;
  for (std::size_t i = 0; i < degree; ++i) {
    value = value * x + coefficients[i] * static_cast<Real>(degree - i);
  }
  return value;
}

}  // namespace

Real evaluatePolynomial(const std::vector<Real>& coefficients, Real x) {
  Real value = 0;
  for (Real c : coefficients) {
    value = value * x + c;
  }
  return value;
}

Real newtonRoot(const std::vector<Real>& coefficients, Real start) {
  Real x = start;
  for (int iteration = 0; iteration < 200; ++iteration) {
    const Real slope = derivativeAt(coefficients, x);
    if (slope == 0) {
      break;
    }
    const Real next = x - evaluatePolynomial(coefficients, x) / slope;
    if (next == x) {
      return x;
    }
    x = next;
  }
  if (std::fabs(evaluatePolynomial(coefficients, x)) < 1e-15L) {
    return x;  // the last steps only jumped between neighbouring representable values
  }
  throw GeneratorError("Nullstelle des Polynoms konvergiert nicht (Start " +
                       std::to_string(static_cast<double>(start)) + ")");
}

}  // namespace velkora::gen
