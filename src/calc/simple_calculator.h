#pragma once
// The four-function calculator: key presses in, display text out. It
// collects the whole calculation as text and evaluates it at "=", so × and
// ÷ bind tighter than + and − (2 + 3 × 4 = 14). Used by the calculator
// window and by `kurvo32 calc`.
#include <string>

#include "expr/parser.h"

namespace kurvo {

class TSimpleCalculator {
public:
    static constexpr const char* kErrorText = "Division by zero error";
    // The other causes, shown in the same display.
    static constexpr const char* kSyntaxErrorText = "Syntax error";
    static constexpr const char* kOverflowText = "Overflow error";
    static constexpr const char* kUndefinedText = "Undefined result";
    static constexpr const char* kTooLongText = "Too long: at most 255 characters";
    // Whether the display shows one of the error texts.
    bool ErrorShown() const;

    // The key with this caption ("0".."9", "·" or ".", "+", "-", "×" or
    // "*", "÷" or "/", "+/-", "=", "CL"; UTF-8). False for an unknown one.
    bool PressKey(const std::string& caption);

    void DigitEntry(char digit);    // a digit, or '.' for the point key
    void OperatorEntry(char op);    // '+', '-', '*' or '/'
    void SignChange();
    void Evaluate();
    void Clear();

    // The display, with the program's decimal separator.
    const std::string& Display() const { return display_; }

    std::string PendingExpression;
    bool OperatorEntered = false;
    bool ResultShown = false;

private:
    // The error text for a calculation that gave no number.
    std::string FailureText(const std::string& expression, bool compiled, double value) const;

    std::string display_;
    TParser parser_;
};

}  // namespace kurvo
