#pragma once
// The program's real-number text: general format, at most 15 significant
// digits, the user's decimal separator.
#include <cstdint>
#include <string>

namespace kurvo {

// The decimal separator used in every real written or read. It starts as
// the separator of the user's locale (LC_NUMERIC); tests and command-line
// switches set it.
char DecimalSeparator();
void SetDecimalSeparator(char separator);
void UseLocaleDecimalSeparator();

// General format with at most `digits` significant digits (1..18):
// fixed notation when the integer part has at most `digits` digits and
// |x| >= 1E-5 (or x is 0), else mantissa + "E" + exponent ("1E-6",
// "2.5E20"). Trailing zeros and a needless separator are dropped.
std::string FormatReal(long double x, int digits = 15);

// Text to real with the current decimal separator (blanks around are
// allowed). Returns false when the text is not a number.
bool TryParseReal(const std::string& text, long double& value);
// As TryParseReal; throws EConvertError "'text' is not a valid floating
// point value" when the text is not a number.
long double ParseReal(const std::string& text);
// Text to 32-bit integer; throws EConvertError "'text' is not a valid
// integer value".
int32_t ParseInt(const std::string& text);

}  // namespace kurvo
