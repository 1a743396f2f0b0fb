#pragma once
// The regression dialog's logic: the line and the polynomial of best fit
// of the pooled data sets, their box texts and the fit quality of the
// chosen one. The dialog and `kurvo32 fit` drive it.
#include <string>
#include <vector>

#include "analysis/curve_fit.h"

namespace kurvo {

// "2x+-3": slope, "x+", intercept.
std::string LinearEquationText(double slope, double intercept);
// "1+-2x+1x^2": ascending powers, cut at 255 characters.
std::string PolynomialEquationText(const FitCoefficients& c, int degree);

class TRegression {
public:
    int Degree = 2;             // the spin box, 2..8
    bool LinearChosen = false;  // else the polynomial is chosen

    // Box texts. The polynomial box keeps its text when a fit fails.
    std::string LinearText;
    std::string PolynomialText;
    std::string QualityText;

    bool LinearOk = false;
    bool PolynomialOk = false;
    double LinearQuality = 0;
    double PolynomialQuality = 0;

    // Fits the points of `lines` afresh. Throws EConvertError for a point
    // that is not a number; the boxes then keep their texts.
    void Compute(const std::vector<std::string>& lines);
    // The text of the chosen equation, for the formula box.
    const std::string& ChosenEquation() const { return LinearChosen ? LinearText : PolynomialText; }
    // Rewrites the quality box for the current choice.
    void UpdateQualityText();
};

}  // namespace kurvo
