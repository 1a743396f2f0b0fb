#pragma once
// Text and number helpers shared by the translator, the graph window, the
// editors, the data set code and the calculators. Positions are 1-based.
#include <cstdint>
#include <string>

namespace kurvo {

int FindText(const std::string& text, const std::string& pattern);  // 0 when absent
std::string LeftPart(const std::string& text, int32_t count);
std::string RightPart(const std::string& text, uint8_t count);
std::string BeforeColon(const std::string& text);
std::string AfterColon(const std::string& text);
std::string BeforeComma(const std::string& text);
std::string AfterComma(const std::string& text);
// Note: when the pattern is absent the result is replacement + the text
// from position length(pattern); callers test for the pattern first when
// they only mean to replace an occurrence.
std::string ReplaceFirst(const std::string& text, const std::string& pattern,
                         const std::string& replacement);
std::string RemoveAll(const std::string& text, const std::string& pattern);

// The real n-th root; NaN where it is undefined (negative radicand with an
// even index), which evaluation reports as an undefined value.
long double RealRoot(long double x, long double n);
int32_t NegativeMark(long double x);
// Truncation toward zero, minus 1 below zero (FloorTrunc(-2) = -3). The
// caller keeps x within the 32-bit range.
int32_t FloorTrunc(long double x);

}  // namespace kurvo
