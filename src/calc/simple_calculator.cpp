#include "calc/simple_calculator.h"

#include <algorithm>

#include "expr/errors.h"
#include "expr/real_format.h"

namespace kurvo {

namespace {

// The engine reads "." whatever the user's separator; the display shows
// the user's separator, so a shown result can take part in a calculation.
std::string EngineNumber(std::string text) {
    const char separator = DecimalSeparator();
    if (separator != '.') std::replace(text.begin(), text.end(), separator, '.');
    return text;
}

}  // namespace

bool TSimpleCalculator::PressKey(const std::string& caption) {
    if (caption.size() == 1 && caption[0] >= '0' && caption[0] <= '9') {
        DigitEntry(caption[0]);
    } else if (caption == "\xC2\xB7" || caption == ".") {
        DigitEntry('.');
    } else if (caption == "+" || caption == "-") {
        OperatorEntry(caption[0]);
    } else if (caption == "\xC3\x97" || caption == "*") {
        OperatorEntry('*');
    } else if (caption == "\xC3\xB7" || caption == "/") {
        OperatorEntry('/');
    } else if (caption == "+/-") {
        SignChange();
    } else if (caption == "=") {
        Evaluate();
    } else if (caption == "CL") {
        Clear();
    } else {
        return false;
    }
    return true;
}

void TSimpleCalculator::DigitEntry(char digit) {
    if (ResultShown) display_.clear();
    const char shown = digit == '.' ? DecimalSeparator() : digit;
    if (OperatorEntered)
        display_ = std::string(1, shown);
    else
        display_ += shown;
    OperatorEntered = false;
    ResultShown = false;
}

void TSimpleCalculator::OperatorEntry(char op) {
    if (OperatorEntered) {
        if (!PendingExpression.empty()) PendingExpression.pop_back();
    } else {
        PendingExpression += EngineNumber(display_);
    }
    OperatorEntered = true;
    PendingExpression += op;
}

void TSimpleCalculator::SignChange() {
    if (display_.empty() || display_[0] != '-')
        display_.insert(display_.begin(), '-');
    else
        display_.erase(0, 1);
}

void TSimpleCalculator::Evaluate() {
    PendingExpression += EngineNumber(display_);
    PendingExpression.resize(std::min<size_t>(PendingExpression.size(), 255));
    try {
        parser_.SetExpression(PendingExpression);
        display_ = FormatReal(parser_.Value() + 0.0L, 15);
    } catch (const std::exception&) {
        display_ = kErrorText;
    }
    PendingExpression.clear();
    OperatorEntered = false;
    ResultShown = true;
}

void TSimpleCalculator::Clear() {
    OperatorEntered = false;
    ResultShown = false;
    PendingExpression.clear();
    parser_.SetExpression("");
    display_.clear();
}

}  // namespace kurvo
