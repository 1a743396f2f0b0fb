#include "calc/simple_calculator.h"

#include <algorithm>
#include <cctype>
#include <cmath>

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

bool TSimpleCalculator::ErrorShown() const {
    for (const char* text : {kErrorText, kSyntaxErrorText, kOverflowText, kUndefinedText, kTooLongText})
        if (display_ == text) return true;
    return false;
}

std::string TSimpleCalculator::FailureText(const std::string& expression, bool compiled, double value) const {
    if (expression.size() > 255) return kTooLongText;
    if (!compiled) return kSyntaxErrorText;
    // Every divisor is a number as typed: a zero one is the cause.
    for (size_t slash = expression.find('/'); slash != std::string::npos; slash = expression.find('/', slash + 1)) {
        size_t end = slash + 1;
        if (end < expression.size() && expression[end] == '-') ++end;
        while (end < expression.size() && (std::isdigit(static_cast<unsigned char>(expression[end])) ||
                                           expression[end] == '.' || expression[end] == 'E' || expression[end] == 'e'))
            ++end;
        long double divisor = 1;
        if (TryParseReal(expression.substr(slash + 1, end - slash - 1), divisor) && divisor == 0) return kErrorText;
    }
    return std::isnan(value) ? kUndefinedText : kOverflowText;
}

void TSimpleCalculator::Evaluate() {
    PendingExpression += EngineNumber(display_);
    const std::string whole = PendingExpression;
    PendingExpression.resize(std::min<size_t>(PendingExpression.size(), 255));
    bool compiled = false;
    double value = 0;
    try {
        parser_.SetExpression(PendingExpression);
        compiled = true;
        if (whole.size() > 255 || !parser_.TryValue(value)) throw EEvaluationError();
        display_ = FormatReal(value + 0.0L, 15);
    } catch (const std::exception&) {
        display_ = FailureText(whole, compiled, value);
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
