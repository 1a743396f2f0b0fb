#include "analysis/value_table.h"

#include <cmath>

#include "expr/real_format.h"

namespace kurvo {

double ValueTableX(const ValueTableRange& range, long k) { return range.from + static_cast<double>(k) * range.step; }

long ValueTableRows(const ValueTableRange& r) {
    if (!(r.step > 0) || !std::isfinite(r.from) || !std::isfinite(r.to)) return -1;
    const double last = r.to + r.step / 2;
    if (last < r.from) return 0;
    const double estimate = std::floor((last - r.from) / r.step);
    if (!(estimate <= kMaxValueTableRows)) return -1;
    // The estimate may be one out by rounding; the rule decides.
    long k = static_cast<long>(estimate);
    while (k >= 0 && ValueTableX(r, k) > last) --k;
    while (ValueTableX(r, k + 1) <= last) ++k;
    return k + 1 > kMaxValueTableRows ? -1 : k + 1;
}

std::string CheckValueTable(const ValueTableRange& range) {
    if (!(range.step > 0)) return "the step must be greater than 0";
    if (ValueTableRows(range) < 0) return "the table would have more than 100,000 rows";
    return {};
}

std::string ValueText(const RealFunction& f, double x) {
    double y;
    if (!f(x, y) || !std::isfinite(y)) return "undefined";
    return FormatReal(y == 0 ? 0.0 : y);
}

std::vector<std::string> ValueTable(const ValueTableRange& range, const std::vector<GraphCurve>& curves) {
    std::vector<std::string> rows;
    const long count = ValueTableRows(range);
    for (long k = 0; k < count; ++k) {
        const double x = ValueTableX(range, k);
        std::string row = FormatReal(x == 0 ? 0.0 : x);
        for (const GraphCurve& c : curves) row += "\t" + ValueText(c.f, x);
        rows.push_back(row);
    }
    return rows;
}

}  // namespace kurvo
