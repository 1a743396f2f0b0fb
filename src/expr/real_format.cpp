#include "real_format.h"

#include <langinfo.h>
#include <locale.h>

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "errors.h"

namespace kurvo {

namespace {

// Asked of the environment without touching the process locale, so number
// conversions elsewhere stay locale-independent.
char LocaleSeparator() {
    locale_t loc = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (!loc) return '.';
    const char* radix = nl_langinfo_l(RADIXCHAR, loc);
    char sep = radix && radix[0] && !radix[1] ? radix[0] : '.';
    freelocale(loc);
    return sep;
}

char& Separator() {
    static char separator = LocaleSeparator();
    return separator;
}

std::string Trim(const std::string& text) {
    size_t a = text.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    size_t b = text.find_last_not_of(' ');
    return text.substr(a, b - a + 1);
}

}  // namespace

char DecimalSeparator() { return Separator(); }
void SetDecimalSeparator(char separator) { Separator() = separator; }
void UseLocaleDecimalSeparator() { Separator() = LocaleSeparator(); }

std::string FormatReal(long double x, int digits) {
    if (digits < 1) digits = 1;
    if (digits > 18) digits = 18;
    if (std::isnan(x)) return "NAN";
    if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
    if (x == 0) return "0";

    // Round once to the wanted significant digits, then lay the digits out.
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, digits - 1);
    std::string sci(buf, res.ptr);
    bool negative = sci[0] == '-';
    if (negative) sci.erase(0, 1);
    size_t epos = sci.find('e');
    int exponent = std::atoi(sci.c_str() + epos + 1);
    std::string mantissa;
    for (size_t i = 0; i < epos; ++i)
        if (sci[i] != '.') mantissa += sci[i];
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

    const char sep = DecimalSeparator();
    std::string out = negative ? "-" : "";
    // The rounded value is at least 1E-5 exactly when its exponent is -5 or more.
    if (exponent < digits && exponent >= -5) {
        if (exponent < 0) {
            out += "0";
            out += sep;
            out += std::string(static_cast<size_t>(-exponent - 1), '0');
            out += mantissa;
        } else {
            size_t intDigits = static_cast<size_t>(exponent) + 1;
            if (mantissa.size() <= intDigits) {
                out += mantissa + std::string(intDigits - mantissa.size(), '0');
            } else {
                out += mantissa.substr(0, intDigits);
                out += sep;
                out += mantissa.substr(intDigits);
            }
        }
    } else {
        out += mantissa.substr(0, 1);
        if (mantissa.size() > 1) {
            out += sep;
            out += mantissa.substr(1);
        }
        out += "E" + std::to_string(exponent);
    }
    return out;
}

bool TryParseReal(const std::string& text, long double& value) {
    std::string t = Trim(text);
    if (t.empty()) return false;
    const char sep = DecimalSeparator();
    if (sep != '.' && t.find('.') != std::string::npos) return false;
    for (char& c : t)
        if (c == sep) c = '.';
    size_t start = 0;
    bool negative = false;
    if (t[0] == '+' || t[0] == '-') {
        negative = t[0] == '-';
        start = 1;
    }
    // Digits must start the number: no "inf", "nan" or hexadecimal.
    if (start >= t.size() || !(std::isdigit(static_cast<unsigned char>(t[start])) || t[start] == '.'))
        return false;
    long double v = 0;
    auto res = std::from_chars(t.data() + start, t.data() + t.size(), v, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != t.data() + t.size()) return false;
    value = negative ? -v : v;
    return true;
}

long double ParseReal(const std::string& text) {
    long double v;
    if (!TryParseReal(text, v)) throw EConvertError::floating(text);
    return v;
}

int32_t ParseInt(const std::string& text) {
    std::string t = Trim(text);
    size_t start = (!t.empty() && (t[0] == '+' || t[0] == '-')) ? 1 : 0;
    if (start >= t.size()) throw EConvertError::integer(text);
    long long v = 0;
    for (size_t i = start; i < t.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(t[i]))) throw EConvertError::integer(text);
        v = v * 10 + (t[i] - '0');
        if (v > 2147483648LL) throw EConvertError::integer(text);
    }
    if (t[0] == '-') v = -v;
    if (v > 2147483647LL || v < -2147483648LL) throw EConvertError::integer(text);
    return static_cast<int32_t>(v);
}

}  // namespace kurvo
