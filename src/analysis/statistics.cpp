#include "analysis/statistics.h"

#include <cctype>
#include <charconv>
#include <string_view>

#include "expr/real_format.h"

namespace kurvo {

namespace {

constexpr size_t kBoxWidth = 14;  // characters a box shows

// Reading the numbers is most of the cost of the statistics of a large
// set: plain decimal texts go straight to double, everything else through
// ParseReal for its rules and its message.
double ParseCoordinate(std::string_view text) {
    if (DecimalSeparator() == '.' && !text.empty()) {
        const char* p = text.data();
        const char* end = p + text.size();
        const bool negative = *p == '-';
        if (*p == '-' || *p == '+') ++p;
        if (p < end && (std::isdigit(static_cast<unsigned char>(*p)) || *p == '.')) {
            double v = 0;
            const auto r = std::from_chars(p, end, v, std::chars_format::general);
            if (r.ec == std::errc() && r.ptr == end) return negative ? -v : v;
        }
    }
    return double(ParseReal(std::string(text)));
}

}  // namespace

const std::array<StatisticsBox, kStatisticsBoxCount>& StatisticsBoxes() {
    static const std::array<StatisticsBox, kStatisticsBoxCount> boxes = {{
        {"Number of Points", "The number of points in the data set"},
        {"Sum (x):", "The sum of all the x coordinates"},
        {"Sum (x\xB2)", "The sum of the squares of all the x coordinates"},
        {"Mean (x):", "The mean of the x coordinates"},
        {"Popul S.D. (x):", "The population standard deviation of the x coordinates"},
        {"Sample S.D. (x):", "The sample standard deviation of the x coordinates"},
        {"Sum (y):", "The sum of all the y coordinates"},
        {"Sum (y\xB2):", "The sum of the squares of all the y coordinates"},
        {"Mean (y):", "The mean of the y coordinates"},
        {"Popul S.D. (y):", "The population standard deviation of the y coordinates"},
        {"Sample S.D. (y):", "The sample standard deviation of the y coordinates"},
        {"Mean of Differences (x,y):", "The mean of the differences between the x and y coordinates"},
        {"S.D. of Differences (x,y):",
         "The standard deviation of the differences between the x and y coordinates"},
        {"Correlation Coefficient   r=", "The correlation coefficient of the data set"},
    }};
    return boxes;
}

void AddDataSetPoints(const std::vector<std::string>& lines, TCurveFit& fit) {
    for (const std::string& line : lines) {
        if (line == "#") continue;
        const std::string_view text(line);
        const size_t comma = text.find(',');
        // Without a comma both texts are empty, as BeforeComma/AfterComma give.
        const bool pair = comma != text.npos;
        const double x = ParseCoordinate(pair ? text.substr(0, comma) : std::string_view());
        const double y = ParseCoordinate(pair ? text.substr(comma + 1) : std::string_view());
        fit.AddPoint(x, y);
    }
}

std::array<double, kStatisticsBoxCount> StatisticsValues(const TCurveFit& fit) {
    return {double(fit.Count()),    fit.SumX(),           fit.SumX2(),
            fit.MeanX(),            fit.PopulationSDX(),  fit.SampleSDX(),
            fit.SumY(),             fit.SumY2(),          fit.MeanY(),
            fit.PopulationSDY(),    fit.SampleSDY(),      fit.MeanDifference(),
            fit.SampleSDDifference(), fit.Correlation()};
}

std::string StatisticsBoxText(int box, double value, int digits) {
    if (box == 0) return std::to_string(static_cast<long long>(value));
    if (digits > 0) return FormatReal(value, digits);
    std::string text = FormatReal(value, 8);
    return text.size() > kBoxWidth ? std::string("*********") : text;
}

}  // namespace kurvo
