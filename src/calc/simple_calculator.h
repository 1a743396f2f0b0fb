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
    std::string display_;
    TParser parser_;
};

}  // namespace kurvo
