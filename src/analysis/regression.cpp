#include "analysis/regression.h"

#include <cstdio>

#include "analysis/statistics.h"
#include "expr/real_format.h"

namespace kurvo {

std::string LinearEquationText(double slope, double intercept) {
    return FormatReal(slope) + "x+" + FormatReal(intercept);
}

std::string PolynomialEquationText(const FitCoefficients& c, int degree) {
    std::string text = FormatReal(c[0]) + "+" + FormatReal(c[1]) + "x+";
    for (int k = 2; k < degree; ++k) text += FormatReal(c[size_t(k)]) + "x^" + std::to_string(k) + "+";
    text += FormatReal(c[size_t(degree)]) + "x^" + std::to_string(degree);
    if (text.size() > 255) text.resize(255);
    return text;
}

void TRegression::Compute(const std::vector<std::string>& lines) {
    TCurveFit fit;
    AddDataSetPoints(lines, fit);

    double slope = 0, intercept = 0;
    LinearOk = fit.LinearFit(slope, intercept, LinearQuality);
    // Every x equal: no line y = mx + c, so the box stays empty.
    LinearText = LinearOk ? LinearEquationText(slope, intercept) : std::string();

    FitCoefficients c{};
    double quality = 0;
    PolynomialOk = fit.PolynomialFit(Degree, c, quality);
    if (PolynomialOk) {
        PolynomialQuality = quality;
        PolynomialText = PolynomialEquationText(c, Degree);
    }
    UpdateQualityText();
}

void TRegression::UpdateQualityText() {
    const bool ok = LinearChosen ? LinearOk : PolynomialOk;
    if (!ok) {
        // No stale quality beside a polynomial that was not refitted.
        QualityText.clear();
        return;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", LinearChosen ? LinearQuality : PolynomialQuality);
    QualityText = buffer;
    for (char& ch : QualityText)
        if (ch == '.') ch = DecimalSeparator();
}

}  // namespace kurvo
