#pragma once
// The table of values of graphs y = f(x): x from a start to an end in equal
// steps, each x computed afresh as start + k * step (never by adding steps
// up), shared by `kurvo32 table` and the Table of Values dialog.
#include <string>
#include <vector>

#include "analysis/points_of_interest.h"

namespace kurvo {

struct ValueTableRange {
    double from = 0, to = 0, step = 1;
};

constexpr long kMaxValueTableRows = 100000;

// The number of rows: k = 0, 1, ... while from + k * step <= to + step / 2
// (0 when the end lies before the start); -1 when the step is not above 0
// or the rows would be more than kMaxValueTableRows.
long ValueTableRows(const ValueTableRange& range);
// "" or the message that refuses the range.
std::string CheckValueTable(const ValueTableRange& range);
double ValueTableX(const ValueTableRange& range, long k);

// The value of f at x in the program's number format (15 significant
// digits), or "undefined".
std::string ValueText(const RealFunction& f, double x);

// The rows "x<TAB>y1<TAB>y2...", one column per curve.
std::vector<std::string> ValueTable(const ValueTableRange& range, const std::vector<GraphCurve>& curves);

}  // namespace kurvo
