// Statistics and regression: the box texts of small data sets, and the
// accuracy on near-cancelling data against results worked out exactly
// here (noise is made orthogonal to the fitted polynomials, so the exact
// least-squares answer is the polynomial itself).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/regression.h"
#include "analysis/statistics.h"
#include "expr/errors.h"
#include "expr/real_format.h"

namespace kurvo {
namespace {

using Lines = std::vector<std::string>;

std::vector<std::string> BoxTexts(const std::vector<std::string>& lines) {
    TCurveFit fit;
    AddDataSetPoints(lines, fit);
    const auto values = StatisticsValues(fit);
    std::vector<std::string> texts;
    for (int i = 0; i < kStatisticsBoxCount; ++i) texts.push_back(StatisticsBoxText(i, values[size_t(i)]));
    return texts;
}

void ExpectRelative(double got, double want, double tolerance, const char* what) {
    EXPECT_LE(std::fabs(got - want), tolerance * std::fabs(want)) << what << ": " << got << " vs " << want;
}

TEST(Statistics, BoxTextsOfSmallSets) {
    SetDecimalSeparator('.');
    struct Case {
        std::vector<std::string> lines;
        std::vector<std::string> boxes;
    } cases[] = {
        {{"1,2", "2,4", "3,6", "#"},
         {"3", "6", "14", "2", "0.81649658", "1", "12", "56", "4", "1.6329932", "2", "-2", "1", "1"}},
        // Two data sets pooled.
        {{"1,2", "#", "2,4", "3,6", "#"},
         {"3", "6", "14", "2", "0.81649658", "1", "12", "56", "4", "1.6329932", "2", "-2", "1", "1"}},
        // Two points: no sample deviations and no r, population ones kept.
        {{"1,1", "3,5", "#"}, {"2", "4", "10", "2", "1", "0", "6", "26", "3", "2", "0", "-1", "0", "0"}},
        // Every x equal: deviations of x and r exactly 0.
        {{"0.1,1", "0.1,2", "0.1,4", "#"},
         {"3", "0.3", "0.03", "0.1", "0", "0", "7", "21", "2.3333333", "1.2472191", "1.5275252",
          "-2.2333333", "1.5275252", "0"}},
        {{"#"}, {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}},
        // Too wide for its box.
        {{"-1.23456789E-200,0", "#"},
         {"1", "*********", "0", "*********", "0", "0", "0", "0", "0", "0", "0", "*********", "0", "0"}},
    };
    for (const Case& c : cases) EXPECT_EQ(BoxTexts(c.lines), c.boxes) << c.lines[0];
    EXPECT_EQ(StatisticsBoxText(1, 2.0 / 3, 12), "0.666666666667");
    EXPECT_THROW(BoxTexts({"1,2", "x,3"}), EConvertError);
}

// Values 10^7 + k/10 and 10^6 + k: the one-pass formulas lose every digit
// of the deviation here.
TEST(Statistics, DeviationsOfNearlyEqualLargeValues) {
    const int n = 1000;
    TCurveFit tenths, units;
    for (int k = 0; k < n; ++k) {
        tenths.AddPoint(1e7 + k / 10.0, 3 + 2 * (1e7 + k / 10.0));
        units.AddPoint(1e6 + k, -(1e6 + k));
    }
    // Sample variance of 0..n-1 is n(n+1)/12.
    const double sd = std::sqrt(n * (n + 1) / 12.0);
    const double popSd = std::sqrt((double(n) * n - 1) / 12.0);
    ExpectRelative(tenths.MeanX(), 1e7 + 49.95, 1e-13, "mean");
    ExpectRelative(tenths.SampleSDX(), sd / 10, 1e-8, "sample sd, tenths");
    ExpectRelative(tenths.PopulationSDX(), popSd / 10, 1e-8, "population sd, tenths");
    ExpectRelative(tenths.Correlation(), 1, 1e-12, "r");
    ExpectRelative(units.SampleSDX(), sd, 1e-12, "sample sd, units");
    ExpectRelative(units.SampleSDDifference(), 2 * sd, 1e-12, "sd of differences");
    ExpectRelative(units.MeanDifference(), 2 * (1e6 + 499.5), 1e-13, "mean difference");
    ExpectRelative(units.Correlation(), -1, 1e-12, "r");
}

TEST(Statistics, MeansOfValuesNearTheLargestDouble) {
    const struct {
        std::vector<double> xs;
        double mean;
    } cases[] = {
        {{1e308, -1e308}, 0},
        {{-1e308, 1e308, 1e308}, 1e308 / 3},
        {{1.7e308, 1.7e308, 1.7e308}, 1.7e308},
        {{-1.7e308, 1.7e308, 1.7e308, 1.7e308}, 0.85e308},
    };
    for (const auto& c : cases) {
        TCurveFit fit;
        for (double x : c.xs) fit.AddPoint(x, -x);
        EXPECT_NEAR(fit.MeanX(), c.mean, 1e293) << c.xs[0];
        EXPECT_NEAR(fit.MeanY(), -c.mean, 1e293) << c.xs[0];
    }
}

TEST(Regression, BoxTextsAndQuality) {
    SetDecimalSeparator('.');
    TRegression reg;
    reg.LinearChosen = true;
    reg.Compute(Lines({"0,1", "1,3", "2,5", "#"}));
    EXPECT_EQ(reg.LinearText, "2x+1");
    EXPECT_EQ(reg.QualityText, "1.00");
    EXPECT_EQ(reg.ChosenEquation(), "2x+1");

    reg.LinearChosen = false;
    reg.Compute(Lines({"0,1", "1,0", "2,1", "3,4", "#"}));
    EXPECT_EQ(reg.LinearText, "1x+0");
    EXPECT_EQ(reg.PolynomialText, "1+-2x+1x^2");
    EXPECT_EQ(reg.QualityText, "1.00");

    // Degree 8 needs nine points: the text stays, the quality goes.
    reg.Degree = 8;
    reg.Compute(Lines({"0,1", "1,0", "2,1", "3,4", "4,1", "5,2", "6,0", "7,7"}));
    EXPECT_FALSE(reg.PolynomialOk);
    EXPECT_EQ(reg.PolynomialText, "1+-2x+1x^2");
    EXPECT_EQ(reg.QualityText, "");

    // Every x equal: no line; same y everywhere: quality 1.
    reg.Degree = 2;
    reg.LinearChosen = true;
    reg.Compute(Lines({"2,1", "2,3", "2,5"}));
    EXPECT_EQ(reg.LinearText, "");
    EXPECT_EQ(reg.QualityText, "");
    reg.Compute(Lines({"1,4", "2,4", "3,4", "5,4"}));
    EXPECT_EQ(reg.QualityText, "1.00");
    EXPECT_DOUBLE_EQ(reg.PolynomialQuality, 1);

    FitCoefficients c{1, -2, 1, 0.5, -1e-20};
    EXPECT_EQ(PolynomialEquationText(c, 4), "1+-2x+1x^2+0.5x^3+-1E-20x^4");
    EXPECT_EQ(LinearEquationText(2, -3), "2x+-3");
}

TEST(Regression, TooFewDistinctXIsSingular) {
    TCurveFit fit;
    for (int k = 0; k < 30; ++k) fit.AddPoint(k % 3, k);
    FitCoefficients c{};
    double q = 0;
    EXPECT_TRUE(fit.PolynomialFit(2, c, q));
    EXPECT_FALSE(fit.PolynomialFit(3, c, q));
}

// y = p(x) + A·w with w_i = (-1)^i C(N, i): w is orthogonal to every
// polynomial of degree below N on equally spaced x, so p is the exact fit.
struct FitCase {
    const char* name;
    double x0, dx;
    std::vector<double> p;  // ascending coefficients
    double noise;
    double tolerance;  // relative, per coefficient
};

TEST(Regression, PolynomialAccuracyOnWellPosedData) {
    const FitCase cases[] = {
        {"degree 5 over 0..20, exact", 0, 1, {1, -3, 2, -1, 0.25, -0.0625}, 0, 1e-8},
        {"degree 5 over 0..20, noisy", 0, 1, {1, -3, 2, -1, 0.25, -0.0625}, 4, 1e-6},
        {"quadratic over 0..1e6", 0, 50000, {7, -0.5, 1.0 / (1 << 20)}, 1000, 1e-10},
        {"quadratic in thousandths", 0, 1.0 / 1024, {1, 1, 1}, 1.0 / 4096, 1e-9},
        {"line in thousandths", 0, 0.001, {2.5, -4}, 0, 1e-11},
        {"degree 8 over -1..1", -1, 0.1, {1, -1, 2, -2, 3, -3, 4, -4, 5}, 0, 1e-8},
    };
    const int N = 20;
    for (const FitCase& fc : cases) {
        TCurveFit fit;
        double binomial = 1;
        for (int i = 0; i <= N; ++i) {
            const double x = fc.x0 + i * fc.dx;
            double y = 0;
            for (size_t k = fc.p.size(); k-- > 0;) y = y * x + fc.p[k];
            fit.AddPoint(x, y + fc.noise * (i % 2 ? -binomial : binomial));
            binomial = binomial * (N - i) / (i + 1);
        }
        const int m = int(fc.p.size()) - 1;
        FitCoefficients c{};
        double quality = 0;
        if (m == 1) {
            double q;
            ASSERT_TRUE(fit.LinearFit(c[1], c[0], q)) << fc.name;
        } else {
            ASSERT_TRUE(fit.PolynomialFit(m, c, quality)) << fc.name;
        }
        for (int k = 0; k <= m; ++k) ExpectRelative(c[size_t(k)], fc.p[size_t(k)], fc.tolerance, fc.name);
        if (fc.noise == 0 && m > 1) {
            EXPECT_NEAR(quality, 1, 1e-12) << fc.name;
        }
    }
}

}  // namespace
}  // namespace kurvo
