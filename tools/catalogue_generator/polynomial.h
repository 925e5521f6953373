// Real roots of polynomials by Newton's method in long double, for the two snub solids whose
// shape is fixed by the real root of a cubic. Throws GeneratorError when it does not converge.
#pragma once

#include "tools/catalogue_generator/vec3.h"

#include <vector>

namespace velkora::gen {

// Value of the polynomial with the given coefficients, highest power first, at x.
Real evaluatePolynomial(const std::vector<Real>& coefficients, Real x);

// A real root near start, refined until the step no longer shrinks the residual.
Real newtonRoot(const std::vector<Real>& coefficients, Real start);

}  // namespace velkora::gen
