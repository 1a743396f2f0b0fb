#pragma once
// The statistics dialog's fourteen boxes: labels, hints, values and box
// texts, shared by the dialog and `kurvo32 stats`. Texts are
// Windows-1252 ("Sum (x\xB2)").
#include <array>
#include <string>
#include <vector>

#include "analysis/curve_fit.h"

namespace kurvo {

constexpr int kStatisticsBoxCount = 14;

struct StatisticsBox {
    const char* label;
    const char* hint;
};
const std::array<StatisticsBox, kStatisticsBoxCount>& StatisticsBoxes();

// Adds the point of every line that is not "#" (x before the first comma,
// y after it); every data set of the list is pooled. Throws EConvertError
// for a text that is not a number; `fit` then holds the points before it.
void AddDataSetPoints(const std::vector<std::string>& lines, TCurveFit& fit);

// The values in box order; the first is the number of points.
std::array<double, kStatisticsBoxCount> StatisticsValues(const TCurveFit& fit);

// A box's text: box 0 as an integer; the others in general format with 8
// significant digits, "*********" when that is wider than the box. With
// `digits` (1..17) that many digits, never the asterisks.
std::string StatisticsBoxText(int box, double value, int digits = 0);

}  // namespace kurvo
