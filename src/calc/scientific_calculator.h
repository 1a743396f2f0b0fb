#pragma once
// The scientific calculator: an Input text built by keys or typing, EXE
// evaluates it with the graphs' translator and a parser of its own, whose
// constants A, B, C, D, E, X and Y are the memories and Z the last answer.
// Used by the scientific calculator window and by `kurvo32 scical`.
// Texts are Windows-1252 (the translator's "²" and "³").
#include <string>

#include "expr/formula_trans.h"
#include "expr/parser.h"

namespace kurvo {

class TScientificCalculator {
public:
    TScientificCalculator();
    static constexpr const char* kSyntaxError = "Syntax Error. Please edit your expression.";
    // The causes of an expression that reads but gives no number.
    static constexpr const char* kUndefined = "Undefined result. Please edit your expression.";
    static constexpr const char* kInfinite = "Division by zero or overflow. Please edit your expression.";
    static constexpr const char* kTooLong = "Too long: at most 255 characters. Please edit your expression.";

    // The key with this caption (UTF-8; "x^2"/"x^3" stand for "x²"/"x³",
    // "*" and "/" for "×" and "÷", "." for "·", "-->" is the arrow key).
    // "Inverse" and "Hyperbolic" toggle the shifts, "Degrees" and
    // "Radians" set the angle mode. False for an unknown caption.
    bool PressKey(const std::string& caption);
    // EXE. False when an error text was shown.
    bool Execute();

    std::string Input;
    std::string Result;
    bool NewEntry = false;
    bool CalcDegrees = true;
    bool InverseShift = false;
    bool HyperbolicShift = false;
    long double LastAnswer = 0;
    std::string LastExpression;

    // The memory of that letter (A, B, C, D, E, X, Y), nullptr for others.
    double* Memory(char letter);

private:
    void Append(const std::string& text, bool clears);
    std::string TrigName(const std::string& base) const;

    TFormulaTrans trans_;
    TParser parser_;
};

}  // namespace kurvo
