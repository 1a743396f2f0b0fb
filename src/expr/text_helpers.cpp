#include "text_helpers.h"

#include <cmath>

namespace kurvo {

int FindText(const std::string& text, const std::string& pattern) {
    auto p = text.find(pattern);
    return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
}

std::string LeftPart(const std::string& text, int32_t count) {
    if (count <= 0) return {};
    return text.substr(0, static_cast<size_t>(count));
}

std::string RightPart(const std::string& text, uint8_t count) {
    if (count < text.size()) return text.substr(text.size() - count);
    return text;
}

namespace {

// Characters from 1-based position `from` to the end.
std::string From(const std::string& text, size_t from) {
    if (from < 1) from = 1;
    return from > text.size() ? std::string() : text.substr(from - 1);
}

std::string Before(const std::string& text, const char* sep) {
    int p = FindText(text, sep);
    return p < 1 ? std::string() : LeftPart(text, p - 1);
}

std::string After(const std::string& text, const char* sep) {
    int p = FindText(text, sep);
    return p < 1 ? std::string() : From(text, static_cast<size_t>(p) + 1);
}

}  // namespace

std::string BeforeColon(const std::string& text) { return Before(text, ":"); }
std::string AfterColon(const std::string& text) { return After(text, ":"); }
std::string BeforeComma(const std::string& text) { return Before(text, ","); }
std::string AfterComma(const std::string& text) { return After(text, ","); }

std::string ReplaceFirst(const std::string& text, const std::string& pattern,
                         const std::string& replacement) {
    int p = FindText(text, pattern);
    std::string head = LeftPart(text, p - 1).substr(0, 255);
    std::string tail = p == 0 ? From(text, pattern.size()) : From(text, p + pattern.size());
    return head + replacement + tail.substr(0, 255);
}

std::string RemoveAll(const std::string& text, const std::string& pattern) {
    std::string result = text;
    if (pattern.empty()) return result;
    for (;;) {
        int p = FindText(result, pattern);
        if (p < 1) break;
        result.erase(static_cast<size_t>(p) - 1, 1);
    }
    return result;
}

namespace {

// The general power of the engine: exp(b ln a) outside the integral cases,
// so a negative base with a fractional exponent gives NaN.
long double Power(long double a, long double b) {
    if (b == 0) return 1;
    if (a == 0 && b > 0) return 0;
    if (b == std::trunc(b) && std::fabs(b) <= 2147483647.0L) {
        long double result = 1, base = a;
        unsigned long n = static_cast<unsigned long>(std::fabs(b));
        while (n) {
            if (n & 1) result *= base;
            base *= base;
            n >>= 1;
        }
        return b < 0 ? 1 / result : result;
    }
    return a < 0 ? std::nanl("") : std::exp(b * std::log(a));
}

}  // namespace

long double RealRoot(long double x, long double n) {
    if (n == 0) return std::nanl("");  // 1/0: undefined
    long double k = std::trunc(n);
    if (x >= 0) return Power(x, 1 / n);
    if (std::fmod(k, 2.0L) != 0) return -Power(-x, 1 / n);
    return Power(x, 1 / n);
}

int32_t NegativeMark(long double x) { return x < 0 ? -1 : 0; }

int32_t FloorTrunc(long double x) {
    auto t = static_cast<int32_t>(x);
    return x < 0 ? t - 1 : t;
}

}  // namespace kurvo
