#include "analysis/curve_fit.h"

#include <algorithm>
#include <cmath>

namespace kurvo {

namespace {

// Neumaier's compensated sum: the rounding error of every addition is
// carried along and added back at the end.
struct CompensatedSum {
    double sum = 0, carry = 0;
    void Add(double v) {
        const double t = sum + v;
        carry += std::fabs(sum) >= std::fabs(v) ? (sum - t) + v : (v - t) + sum;
        sum = t;
    }
    double Value() const { return sum + carry; }
};

// Mean shifted by the first value, so that equal values give exactly
// that value and large offsets do not enter the sum.
double ShiftedMean(const std::vector<double>& v) {
    const double first = v[0];
    CompensatedSum s;
    for (double value : v) s.Add(value - first);
    const double mean = first + s.Value() / double(v.size());
    if (std::isfinite(mean) || !std::isfinite(first)) return mean;
    // Values near the largest double overflow the differences: halves of
    // the differences, each divided by n, cannot, and the mean lies
    // between the values, so adding the sum twice stays in range.
    CompensatedSum scaled;
    for (double value : v) scaled.Add((value / 2 - first / 2) / double(v.size()));
    return (first + scaled.Value()) + scaled.Value();
}

}  // namespace

void TCurveFit::Clear() {
    xs_.clear();
    ys_.clear();
    fresh_ = true;
}

void TCurveFit::AddPoint(double x, double y) {
    xs_.push_back(x);
    ys_.push_back(y);
    fresh_ = true;
}

const TCurveFit::Sums& TCurveFit::Moments() const {
    if (!fresh_) return sums_;
    fresh_ = false;
    sums_ = Sums{};
    const size_t n = xs_.size();
    if (n == 0) return sums_;
    CompensatedSum sx, sy, sx2, sy2;
    CompensatedSum sd, shiftD;
    const double firstD = xs_[0] - ys_[0];
    for (size_t i = 0; i < n; ++i) {
        sx.Add(xs_[i]);
        sy.Add(ys_[i]);
        sx2.Add(xs_[i] * xs_[i]);
        sy2.Add(ys_[i] * ys_[i]);
        shiftD.Add((xs_[i] - ys_[i]) - firstD);
    }
    Sums& s = sums_;
    s.sumX = sx.Value();
    s.sumY = sy.Value();
    s.sumX2 = sx2.Value();
    s.sumY2 = sy2.Value();
    s.meanX = ShiftedMean(xs_);
    s.meanY = ShiftedMean(ys_);
    s.meanD = firstD + shiftD.Value() / double(n);

    // Second pass: the deviations, with the sum of the deviations taken
    // off again (it is 0 in exact arithmetic; subtracting it removes the
    // first-order effect of the mean's rounding).
    CompensatedSum dx, dy, dd, xx, yy, ddd, xy;
    for (size_t i = 0; i < n; ++i) {
        const double ex = xs_[i] - s.meanX;
        const double ey = ys_[i] - s.meanY;
        const double ed = (xs_[i] - ys_[i]) - s.meanD;
        dx.Add(ex);
        dy.Add(ey);
        dd.Add(ed);
        xx.Add(ex * ex);
        yy.Add(ey * ey);
        ddd.Add(ed * ed);
        xy.Add(ex * ey);
    }
    const double nn = double(n);
    s.sxx = std::max(0.0, xx.Value() - dx.Value() * dx.Value() / nn);
    s.syy = std::max(0.0, yy.Value() - dy.Value() * dy.Value() / nn);
    s.sdd = std::max(0.0, ddd.Value() - dd.Value() * dd.Value() / nn);
    s.sxy = xy.Value() - dx.Value() * dy.Value() / nn;
    return sums_;
}

double TCurveFit::PopulationSDX() const { return Count() ? std::sqrt(Moments().sxx / Count()) : 0; }
double TCurveFit::PopulationSDY() const { return Count() ? std::sqrt(Moments().syy / Count()) : 0; }
double TCurveFit::SampleSDX() const { return Count() < 3 ? 0 : std::sqrt(Moments().sxx / (Count() - 1)); }
double TCurveFit::SampleSDY() const { return Count() < 3 ? 0 : std::sqrt(Moments().syy / (Count() - 1)); }
double TCurveFit::SampleSDDifference() const {
    return Count() < 3 ? 0 : std::sqrt(Moments().sdd / (Count() - 1));
}

double TCurveFit::Correlation() const {
    if (Count() <= 2) return 0;
    const Sums& s = Moments();
    if (s.sxx <= 0 || s.syy <= 0) return 0;
    return std::clamp(s.sxy / (std::sqrt(s.sxx) * std::sqrt(s.syy)), -1.0, 1.0);
}

bool TCurveFit::LinearFit(double& slope, double& intercept, double& quality) const {
    slope = intercept = quality = 0;
    if (Count() < 2) return true;
    const Sums& s = Moments();
    if (s.sxx <= 0) return false;
    slope = s.sxy / s.sxx;
    intercept = s.meanY - slope * s.meanX;
    if (s.syy == 0) {
        quality = 1;
        return true;
    }
    CompensatedSum residual;
    for (size_t i = 0; i < xs_.size(); ++i) {
        const double e = (ys_[i] - s.meanY) - slope * (xs_[i] - s.meanX);
        residual.Add(e * e);
    }
    quality = 1 - residual.Value() / s.syy;
    return true;
}

bool TCurveFit::PolynomialFit(int m, FitCoefficients& coefficients, double& quality) const {
    const size_t n = xs_.size();
    if (m < 1 || m > kMaxFitDegree || n < size_t(m) + 1) return false;
    {
        std::vector<double> sorted = xs_;
        std::sort(sorted.begin(), sorted.end());
        const size_t distinct = size_t(std::unique(sorted.begin(), sorted.end()) - sorted.begin());
        if (distinct < size_t(m) + 1) return false;
    }
    const auto [lo, hi] = std::minmax_element(xs_.begin(), xs_.end());
    const double centre = *lo / 2 + *hi / 2;
    const double half = *hi / 2 - *lo / 2;
    if (!(half > 0)) return false;
    const Sums& s = Moments();

    // Columns t^k of the scaled Vandermonde matrix, each scaled to unit
    // length, and the right side y - mean y.
    const int cols = m + 1;
    std::vector<double> a(n * size_t(cols));
    std::vector<double> b(n);
    std::vector<double> t(n);
    for (size_t i = 0; i < n; ++i) {
        t[i] = (xs_[i] - centre) / half;
        double power = 1;
        for (int k = 0; k < cols; ++k) {
            a[size_t(k) * n + i] = power;
            power *= t[i];
        }
        b[i] = ys_[i] - s.meanY;
    }
    std::vector<double> colScale(static_cast<size_t>(cols), 1.0);
    for (int k = 0; k < cols; ++k) {
        double* col = &a[size_t(k) * n];
        long double norm2 = 0;
        for (size_t i = 0; i < n; ++i) norm2 += (long double)col[i] * col[i];
        const double norm = double(std::sqrt(norm2));
        if (!(norm > 0)) return false;
        colScale[size_t(k)] = norm;
        for (size_t i = 0; i < n; ++i) col[i] /= norm;
    }

    // Householder QR: R overwrites the upper triangle, Q^T is applied to b.
    std::vector<double> diag(static_cast<size_t>(cols));
    for (int k = 0; k < cols; ++k) {
        double* col = &a[size_t(k) * n];
        long double norm2 = 0;
        for (size_t i = size_t(k); i < n; ++i) norm2 += (long double)col[i] * col[i];
        const double norm = double(std::sqrt(norm2));
        // Unit columns: a remaining length this small means column k lies
        // in the span of the earlier ones.
        if (!(norm > 1e-12)) return false;
        const double head = col[k];
        const double alpha = head > 0 ? -norm : norm;
        col[k] = head - alpha;  // v = x - alpha e_k, stored in place
        // |v|^2 = 2(|x|^2 - alpha x_k); alpha and x_k differ in sign, so
        // nothing cancels.
        const long double vnorm2 = 2 * (norm2 - (long double)alpha * head);
        diag[size_t(k)] = alpha;
        auto reflect = [&](double* target) {
            long double dot = 0;
            for (size_t i = size_t(k); i < n; ++i) dot += (long double)col[i] * target[i];
            const double f = double(2 * dot / vnorm2);
            for (size_t i = size_t(k); i < n; ++i) target[i] -= f * col[i];
        };
        for (int j = k + 1; j < cols; ++j) reflect(&a[size_t(j) * n]);
        reflect(b.data());
    }
    // Back substitution, then undo the column scaling.
    std::vector<long double> u(static_cast<size_t>(cols));
    for (int k = cols - 1; k >= 0; --k) {
        long double sum = b[size_t(k)];
        for (int j = k + 1; j < cols; ++j) sum -= (long double)a[size_t(j) * n + size_t(k)] * u[size_t(j)];
        u[size_t(k)] = sum / diag[size_t(k)];
    }
    for (int k = 0; k < cols; ++k) u[size_t(k)] /= colScale[size_t(k)];
    u[0] += s.meanY;

    // Quality from the residuals of the scaled form.
    CompensatedSum residual;
    for (size_t i = 0; i < n; ++i) {
        long double p = 0;
        for (int k = cols - 1; k >= 0; --k) p = p * t[i] + u[size_t(k)];
        const double e = double(ys_[i] - p);
        residual.Add(e * e);
    }
    quality = s.syy != 0 ? 1 - residual.Value() / s.syy : 1;

    // sum u_k ((x - centre)/half)^k as a polynomial in x.
    std::array<long double, kMaxFitDegree + 2> result{}, power{};
    power[0] = 1;
    for (int k = 0; k < cols; ++k) {
        for (int j = 0; j <= k; ++j) result[size_t(j)] += u[size_t(k)] * power[size_t(j)];
        // power *= (x - centre) / half
        for (int j = k + 1; j >= 0; --j)
            power[size_t(j)] = ((j > 0 ? power[size_t(j - 1)] : 0.0L) - centre * power[size_t(j)]) / half;
    }
    coefficients.fill(0);
    for (int k = 0; k < cols; ++k) coefficients[size_t(k)] = double(result[size_t(k)]);
    return true;
}

}  // namespace kurvo
