#pragma once
// The function names the translator recognises: the user's lower-case
// spelling, the engine name in each angle mode and the engine name of the
// inverse function (used when solving a relation for y).
#include <array>
#include <cstddef>

namespace kurvo {

struct FunctionToken {
    const char* pattern;   // lower case, Windows-1252 ("\xB2" is "²")
    const char* radians;   // engine name in radian mode
    const char* degrees;   // engine name in degree mode
    const char* inverse;   // engine name of the inverse (radian form), "" when none

    const char* Replacement(bool degreeMode) const { return degreeMode ? degrees : radians; }
};

constexpr std::size_t FunctionTokenCount = 69;

// In matching order: every spelling comes before the shorter spellings it
// contains, and every replacement is upper case so that later lower-case
// patterns never match it again.
const std::array<FunctionToken, FunctionTokenCount>& FunctionTokens();

// The inverse in the given angle mode: in degree mode the inverse of "sin"
// is DEGASIN and that of "arcsin" is SINRAD, so a relation solved for y
// keeps y in the same unit as x.
const char* InverseName(const FunctionToken& token, bool degreeMode);

}  // namespace kurvo
