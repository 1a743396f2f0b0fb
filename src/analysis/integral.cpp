#include "analysis/integral.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <queue>
#include <vector>

namespace kurvo {
namespace {

// The 15-point Kronrod rule with its embedded 7-point Gauss rule (the Gauss
// nodes are the odd-numbered ones).
constexpr double kNodes[8] = {0.991455371120812639206854697526329, 0.949107912342758524526189684047851,
                              0.864864423359769072789712788640926, 0.741531185599394439863864773280788,
                              0.586087235467691130294144845693013, 0.405845151377397166906606412076961,
                              0.207784955007898467600689403773245, 0.0};
constexpr double kKronrod[8] = {0.022935322010529224963732008058970, 0.063092092629978553290700663189204,
                                0.104790010322250183839876322541518, 0.140653259715525918745189590510238,
                                0.169004726639267902826583426598550, 0.190350578064785409913256402421014,
                                0.204432940075298892414161999234649, 0.209482141084727828012999174891714};
constexpr double kGauss[4] = {0.129484966168869693270611432679082, 0.279705391489276667901467771423780,
                              0.381830050505118944950369775488975, 0.417959183673469387755102040816327};

struct Piece {
    double a = 0, b = 0, value = 0, error = 0, absolute = 0;
    bool operator<(const Piece& other) const { return error < other.error; }
};

bool Rule(const RealFunction& f, double a, double b, Piece& piece) {
    const double centre = 0.5 * (a + b), half = 0.5 * (b - a);
    double kronrod = 0, gauss = 0, absolute = 0;
    for (int i = 0; i < 8; ++i) {
        const int points = i == 7 ? 1 : 2;
        for (int side = 0; side < points; ++side) {
            double y;
            const double x = centre + (side ? -1 : 1) * half * kNodes[i];
            if (!f(x, y) || !std::isfinite(y)) return false;
            kronrod += kKronrod[i] * y;
            absolute += kKronrod[i] * std::abs(y);
            if (i % 2 == 1) gauss += kGauss[i / 2] * y;
        }
    }
    piece = {a, b, kronrod * half, std::abs((kronrod - gauss) * half), absolute * std::abs(half)};
    return true;
}

}  // namespace

std::optional<double> Integrate(const RealFunction& f, double a, double b, double relative) {
    if (a == b) return 0.0;
    if (a > b) {
        const auto reversed = Integrate(f, b, a, relative);
        return reversed ? std::optional<double>(-*reversed) : std::nullopt;
    }
    std::priority_queue<Piece> pieces;
    Piece whole;
    if (!Rule(f, a, b, whole)) return std::nullopt;
    pieces.push(whole);
    double value = whole.value, error = whole.error, absolute = whole.absolute;
    // A pole keeps the error of the piece beside it from shrinking.
    for (int splits = 0; splits < 20000; ++splits) {
        if (error <= relative * std::max(std::abs(value), 1e-3 * absolute) || error <= 1e-300) return value;
        const Piece worst = pieces.top();
        pieces.pop();
        const double middle = 0.5 * (worst.a + worst.b);
        if (!(middle > worst.a && middle < worst.b)) return std::nullopt;
        Piece left, right;
        if (!Rule(f, worst.a, middle, left) || !Rule(f, middle, worst.b, right)) return std::nullopt;
        value += left.value + right.value - worst.value;
        error += left.error + right.error - worst.error;
        absolute += left.absolute + right.absolute - worst.absolute;
        pieces.push(left);
        pieces.push(right);
    }
    return std::nullopt;
}

std::optional<IntegralAndArea> IntegrateWithArea(const RealFunction& f, double a, double b, int samples) {
    const double sign = a <= b ? 1 : -1;
    const double lo = std::min(a, b), hi = std::max(a, b);
    for (int i = 0; i <= samples; ++i) {
        double y;
        const double x = i == samples ? hi : lo + (hi - lo) * i / samples;
        if (!f(x, y) || !std::isfinite(y)) return std::nullopt;
    }
    std::vector<double> edges{lo};
    if (lo < hi)
        for (double root : FindRoots(f, lo, hi, samples))
            if (root > edges.back() && root < hi) edges.push_back(root);
    edges.push_back(hi);
    // |f| is integrated too, not |integral of f|: a jump may cross the
    // axis where no root is.
    const RealFunction absolute = [&f](double x, double& y) {
        const bool ok = f(x, y);
        y = std::abs(y);
        return ok;
    };
    IntegralAndArea result;
    for (size_t i = 0; i + 1 < edges.size(); ++i) {
        const auto piece = Integrate(f, edges[i], edges[i + 1]);
        const auto size = Integrate(absolute, edges[i], edges[i + 1]);
        if (!piece || !size) return std::nullopt;
        result.integral += *piece;
        result.area += *size;
    }
    result.integral *= sign;
    // Within the accuracy of the pieces, an integral this small against
    // the area is 0 (sin x from -p to p).
    if (std::abs(result.integral) <= 1e-12 * result.area) result.integral = 0;
    return result;
}

}  // namespace kurvo
