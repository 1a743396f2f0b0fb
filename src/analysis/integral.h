#pragma once
// Definite integrals of y = f(x) by adaptive Gauss-Kronrod quadrature, and
// the area between a curve and the x axis, for `kurvo32 area` and the
// window's Area dialog.
#include <optional>

#include "analysis/points_of_interest.h"

namespace kurvo {

// The integral of f from a to b (b may be below a) to `relative` accuracy.
// Nothing where f is undefined at a point the rule looks at, or where the
// estimate does not settle (a pole inside the interval).
std::optional<double> Integrate(const RealFunction& f, double a, double b, double relative = 1e-10);

struct IntegralAndArea {
    double integral = 0;
    double area = 0;  // the integral of |f|
};

// Both values over [a, b]: f is checked at `samples` points first (any
// undefined one gives nothing), and the area is summed piece by piece
// between the roots of f. An integral below 1e-12 of the area is 0.
std::optional<IntegralAndArea> IntegrateWithArea(const RealFunction& f, double a, double b, int samples = 4096);

}  // namespace kurvo
