#include "calc/scientific_calculator.h"

#include <cmath>

#include <cctype>
#include <cstring>

#include "expr/errors.h"
#include "expr/real_format.h"

namespace kurvo {

namespace {

constexpr const char* kMemoryLetters = "ABCDEXY";

std::string ReplaceEvery(std::string text, const std::string& pattern, const std::string& with) {
    for (size_t at = text.find(pattern); at != std::string::npos; at = text.find(pattern, at + with.size()))
        text.replace(at, pattern.size(), with);
    return text;
}

}  // namespace

TScientificCalculator::TScientificCalculator() {
    // p is pi here too, as in the formula box.
    if (double* p = parser_.Var('P')) *p = 3.141592654;
}

double* TScientificCalculator::Memory(char letter) {
    const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    if (up == 0 || !std::strchr(kMemoryLetters, up)) return nullptr;
    return parser_.Var(up);
}

void TScientificCalculator::Append(const std::string& text, bool clears) {
    // Every appending key ends the fresh-entry state, so 4 EXE ^ 3 EXE
    // raises the answer instead of emptying the field at the next digit.
    if (clears && NewEntry) Input.clear();
    NewEntry = false;
    Input += text;
}

std::string TScientificCalculator::TrigName(const std::string& base) const {
    return (InverseShift ? "arc" : "") + base + (HyperbolicShift ? "h" : "");
}

bool TScientificCalculator::PressKey(const std::string& key) {
    if (key.size() == 1 && std::strchr("0123456789+-()", key[0])) {
        Append(key, true);
    } else if (key == "\xC2\xB7" || key == ".") {
        Append(".", true);
    } else if (key == "\xC3\x97" || key == "*") {
        Append("*", true);
    } else if (key == "\xC3\xB7" || key == "/") {
        Append("/", true);
    } else if (key == "Pi") {
        Append("3.14159265359", true);
    } else if (key == "sin" || key == "cos" || key == "tan") {
        Append(TrigName(key), true);
    } else if (key == "ln") {
        // E is a memory here, so "e^" would raise the memory, not e.
        Append(InverseShift ? "exp" : "ln", true);
    } else if (key == "log") {
        Append(InverseShift ? "10^" : "log", true);
    } else if (key == "x\xC2\xB2" || key == "x^2") {
        Append(InverseShift ? "sqrt" : "^2", false);
    } else if (key == "x\xC2\xB3" || key == "x^3") {
        Append(InverseShift ? "cbrt" : "^3", false);
    } else if (key == "^") {
        Append("^", false);
    } else if (key == "Ans") {
        Append("ANS", true);
    } else if (key.size() == 1 && std::strchr("ABCDXY", key[0])) {
        // A memory letter right after the arrow names the memory to store.
        Append(key, Input.empty() || Input.back() != '>');
    } else if (key == "-->" || key == "\xE2\x86\x92") {
        Append("-->", false);
    } else if (key == "Expr") {
        // The recalled text is there to be edited, not replaced.
        Input = LastExpression;
        NewEntry = false;
    } else if (key == "EXE") {
        Execute();
    } else if (key == "CL") {
        Input.clear();
        Result.clear();
    } else if (key == "Inverse") {
        InverseShift = !InverseShift;
    } else if (key == "Hyperbolic") {
        HyperbolicShift = !HyperbolicShift;
    } else if (key == "Degrees" || key == "Radians") {
        CalcDegrees = key == "Degrees";
    } else {
        return false;
    }
    return true;
}

bool TScientificCalculator::Execute() {
    trans_.Degrees = CalcDegrees;
    const size_t arrow = Input.find("-->");
    // Every "ANS" is the last answer, also in a text that stores a memory.
    const std::string text = ReplaceEvery(Input.substr(0, arrow), "ANS", "Z");
    if (text.size() > 255) {
        Result = kTooLong;
        return false;
    }
    try {
        parser_.Z = static_cast<double>(LastAnswer);
        trans_.Root = false;
        trans_.Instring = text;
        trans_.Translate();
        parser_.SetExpression(trans_.Outstring);
        double read = 0;
        if (!parser_.TryValue(read)) {
            Result = std::isnan(read) ? kUndefined : kInfinite;
            return false;
        }
        const long double value = read + 0.0L;
        LastAnswer = value;
        if (arrow != std::string::npos)
            if (double* memory = Memory(Input.back())) *memory = static_cast<double>(value);
        Result = FormatReal(value, 15);
        LastExpression = text.substr(0, 255);
        NewEntry = true;
        return true;
    } catch (const std::exception&) {
        Result = kSyntaxError;
        return false;
    }
}

}  // namespace kurvo
