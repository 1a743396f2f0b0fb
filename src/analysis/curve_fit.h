#pragma once
// The point accumulator behind the statistics and regression dialogs:
// points are added one at a time; the means, deviations, correlation and
// the least-squares fits are computed from the stored points.
//
// Every figure is taken from centred data (the deviations from the mean,
// summed with compensation), never from raw power sums, whose differences
// cancel catastrophically when the spread is small against the values
// (10^7 + k/10) or the x values are small or far from 0. The polynomial
// is fitted on x centred and scaled to [-1, 1] by Householder QR with
// column scaling and converted back to coefficients of x.
#include <array>
#include <cstdint>
#include <vector>

namespace kurvo {

constexpr int kMaxFitDegree = 8;
using FitCoefficients = std::array<double, kMaxFitDegree + 1>;  // c[k] multiplies x^k

class TCurveFit {
public:
    void Clear();
    void AddPoint(double x, double y);

    int32_t Count() const { return int32_t(xs_.size()); }
    double SumX() const { return Moments().sumX; }
    double SumY() const { return Moments().sumY; }
    double SumX2() const { return Moments().sumX2; }
    double SumY2() const { return Moments().sumY2; }
    double MeanX() const { return Moments().meanX; }
    double MeanY() const { return Moments().meanY; }
    double MeanDifference() const { return Moments().meanD; }  // of x - y
    // sqrt(sum of squared deviations / n); 0 without points.
    double PopulationSDX() const;
    double PopulationSDY() const;
    // sqrt(sum of squared deviations / (n - 1)); 0 below three points.
    double SampleSDX() const;
    double SampleSDY() const;
    double SampleSDDifference() const;
    // 0 below three points or when either coordinate does not vary.
    double Correlation() const;

    // Least-squares line y = slope·x + intercept with its coefficient of
    // determination. Below two points all three are 0 (true); false when
    // every x is equal (no line of the form y = mx + c fits).
    bool LinearFit(double& slope, double& intercept, double& quality) const;
    // Least-squares polynomial of degree m (2..8). False, with nothing
    // changed, when there are fewer than m + 1 distinct x values or the
    // scaled problem is rank-deficient.
    bool PolynomialFit(int m, FitCoefficients& coefficients, double& quality) const;

private:
    struct Sums {
        double sumX = 0, sumY = 0, sumX2 = 0, sumY2 = 0;
        double meanX = 0, meanY = 0, meanD = 0;
        double sxx = 0, syy = 0, sdd = 0, sxy = 0;  // centred sums of squares and products
    };
    const Sums& Moments() const;

    std::vector<double> xs_, ys_;
    mutable Sums sums_;
    mutable bool fresh_ = true;
};

}  // namespace kurvo
