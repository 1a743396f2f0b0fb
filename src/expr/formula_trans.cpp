#include "formula_trans.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>
#include <vector>

#include "errors.h"
#include "real_format.h"
#include "token_table.h"

namespace kurvo {

namespace {

constexpr std::size_t kMaxLength = 255;

constexpr char kSquare = '\xB2';  // "²" in Windows-1252
constexpr char kCube = '\xB3';    // "³"

void Cut(std::string& text) {
    if (text.size() > kMaxLength) text.resize(kMaxLength);
}

bool Contains(const std::string& text, char c) { return text.find(c) != std::string::npos; }
bool Contains(const std::string& text, const char* s) { return text.find(s) != std::string::npos; }

// Character classes of the rewriting rules. Bytes >= 0x80 belong to none.
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsWord(char c) { return c == '(' || c == ',' || c == '.' || IsDigit(c) || (c >= 'a' && c <= 'z'); }
bool IsName(char c) { return c == '(' || (c >= 'A' && c <= 'Z'); }
bool IsNumber(char c) { return c == ',' || c == '.' || IsDigit(c); }
bool IsCoefficient(char c) { return IsNumber(c) || c == 'x'; }
bool IsOperator(char c) {
    return c == '*' || c == '+' || c == '-' || c == '/' || c == '=' || c == '^';
}
bool IsConstantLetter(char c) {
    switch (c) {
        case 'a': case 'b': case 'c': case 'd': case 'e': case 'm': case 'n': case 'o':
        case 'p': case 'q': case 'r': case 's': case 'u': case 'v': case 'w': case 'z':
            return true;
        default:
            return false;
    }
}

// Only A..Z: the superscripts and other upper-half bytes must survive.
void LowerCase(std::string& text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
}

void RemoveChar(std::string& text, char c) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text)
        if (ch != c) out += ch;
    text.swap(out);
}

// Replaces the first occurrence only when there is one.
void ReplaceFirstIfPresent(std::string& text, const std::string& pattern,
                           const std::string& replacement) {
    std::size_t p = text.find(pattern);
    if (p == std::string::npos) return;
    text.replace(p, pattern.size(), replacement);
    Cut(text);
}

// Index of the ")" that closes the "(" at `open`, npos when unclosed.
std::size_t MatchingBracket(const std::string& text, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(') ++depth;
        else if (text[i] == ')' && --depth == 0) return i;
    }
    return std::string::npos;
}

// "(" ... ")" with the first bracket closed by the last one, so "(a)(b)"
// does not count.
bool IsBracketed(const std::string& text) {
    return text.size() >= 2 && text.front() == '(' && MatchingBracket(text, 0) == text.size() - 1;
}

void DropBrackets(std::string& text) { text = text.substr(1, text.size() - 2); }

// The text as one bracket group, and as one operand of "^" (a bracket
// group or a call such as "sqrt(..)").
std::string Group(const std::string& text) {
    return IsBracketed(text) ? text : "(" + text + ")";
}
std::string Unit(const std::string& text) {
    std::size_t open = 0;
    while (open < text.size() && std::isalpha(static_cast<unsigned char>(text[open]))) ++open;
    bool whole = open < text.size() && text[open] == '(' &&
                 MatchingBracket(text, open) == text.size() - 1;
    return whole ? text : "(" + text + ")";
}

// Splits before every "+" or "-" outside brackets. Nesting is counted: a
// term such as "((y-2)-3x)" must stay whole, or its pieces would be moved
// across the equation as if they were terms of their own.
std::vector<std::string> SplitTerms(const std::string& e) {
    std::vector<std::string> terms;
    std::string current;
    int depth = 0;
    for (char c : e) {
        if (c == '(') ++depth;
        else if (c == ')' && depth > 0) --depth;
        if (depth == 0 && (c == '+' || c == '-')) {
            if (!current.empty()) terms.push_back(current);
            current.assign(1, c);
        } else {
            current += c;
        }
    }
    if (!current.empty()) terms.push_back(current);
    return terms;
}

// True when a "+" or "-" stands outside every bracket.
bool HasOuterSign(const std::string& text) {
    int depth = 0;
    for (char c : text) {
        if (c == '(') ++depth;
        else if (c == ')' && depth > 0) --depth;
        else if (depth == 0 && (c == '+' || c == '-')) return true;
    }
    return false;
}

// An exponent that is one operand: "3", "n", "(1/2)", but not "3*sinx",
// whose root would take the factor into the exponent.
bool IsOperand(const std::string& text) {
    if (text.empty()) return false;
    int depth = 0;
    for (char c : text) {
        if (c == '(') ++depth;
        else if (c == ')' && depth > 0) --depth;
        else if (depth == 0 && IsOperator(c)) return false;
    }
    return true;
}

// End of the argument of a function name that ends at `from`, read as the
// name step reads it: a bracket group, or else the run of word characters.
std::size_t ArgumentEnd(const std::string& text, std::size_t from) {
    if (from < text.size() && text[from] == '(') {
        std::size_t close = MatchingBracket(text, from);
        return close == std::string::npos ? text.size() : close + 1;
    }
    std::size_t end = from;
    while (end < text.size() && IsWord(text[end])) ++end;
    return end;
}

// Whether the y at `p` lies in the argument of a function name.
bool InFunctionArgument(const std::string& text, std::size_t p) {
    for (std::size_t i = 0; i < p;) {
        std::size_t length = 0;
        for (const FunctionToken& token : FunctionTokens()) {
            std::size_t n = std::char_traits<char>::length(token.pattern);
            if (text.compare(i, n, token.pattern) == 0) {
                length = n;
                break;
            }
        }
        if (length == 0) {
            ++i;
            continue;
        }
        if (p < ArgumentEnd(text, i + length)) return true;
        i += length;
    }
    return false;
}

// Whether the y of a y-term is a plain factor of it ("ay", "ysinx",
// "y(x+1)"), so that dividing by the rest solves for y. A y inside
// brackets, next to a power or after "/" is not.
bool IsFactorOfY(const std::string& yterm) {
    std::size_t p = yterm.find('y');
    if (p == std::string::npos || yterm.find('y', p + 1) != std::string::npos) return false;
    if (HasOuterSign(yterm)) return false;
    int depth = 0;
    for (std::size_t i = 0; i < p; ++i) {
        if (yterm[i] == '(') ++depth;
        else if (yterm[i] == ')') --depth;
    }
    if (depth != 0 || InFunctionArgument(yterm, p)) return false;
    if (p > 0 && (yterm[p - 1] == '/' || yterm[p - 1] == '^')) return false;
    if (p + 1 < yterm.size() && (yterm[p + 1] == '^' || yterm[p + 1] == kSquare ||
                                 yterm[p + 1] == kCube || yterm[p + 1] == '!'))
        return false;
    return true;
}

// Left and right of the first relation sign: "=", "<" or ">", where ">="
// and "<=" count as one sign.
void SplitAtRelation(const std::string& text, std::string& left, std::string& right) {
    std::size_t p = text.find_first_of("=<>");
    if (p == std::string::npos) {
        left = text;
        right.clear();
        return;
    }
    std::size_t width = (text[p] != '=' && p + 1 < text.size() && text[p + 1] == '=') ? 2 : 1;
    left = text.substr(0, p);
    right = text.substr(p + width);
}

// Solves a relation with one "y" for y, keeping the right-hand side R and,
// once a root has split the solution, the second branch alongside it.
class RelationSolver {
public:
    RelationSolver(TFormulaTrans& owner) : t_(owner) {}

    std::string Solve(const std::string& relation) {
        const bool rootBefore = t_.Root;
        const std::string secondBefore = t_.SecondFn;
        std::string text = relation;
        // Relation to equation.
        if (Contains(text, ">=")) RemoveChar(text, '>');
        if (Contains(text, "<=")) RemoveChar(text, '<');
        ReplaceFirstIfPresent(text, "<", "=");
        ReplaceFirstIfPresent(text, ">", "=");

        std::size_t eq = text.find('=');
        std::string e = text.substr(0, eq) + "-(" + text.substr(eq + 1) + ")";
        Cut(e);
        r_ = "0";

        std::string yterm;
        for (;;) {
            const std::string passStart = e, rStart = r_, secondStart = t_.SecondFn;
            yterm = Pass(e);
            e = yterm;
            // A y-term left in brackets ("sin(y)" after its inverse was
            // taken) gets another pass to drop them.
            if (!Contains(e, '+') && !Contains(e, '-') && !IsBracketed(e)) break;
            // A pass that removed nothing would repeat for ever: stop with
            // what it had before.
            if (e == passStart) {
                r_ = rStart;
                t_.SecondFn = secondStart;
                break;
            }
        }

        MinusRule(yterm);
        if (yterm == "e^y") {
            Apply("ln(", ")");
            yterm = "y";
        }
        if (yterm != "y") {
            // Beyond this solver: the relation is left as typed, which the
            // compiler rejects, rather than a formula for another curve.
            if (!IsFactorOfY(yterm)) {
                t_.Root = rootBefore;
                t_.SecondFn = secondBefore;
                return relation;
            }
            std::string rest = yterm;
            RemoveChar(rest, 'y');
            Apply("", "/(" + rest + ")");
        }
        return r_;
    }

private:
    // R := prefix + R + suffix, and the same for the second branch once
    // there is one, so both branches stay solutions of the relation.
    void Apply(const std::string& prefix, const std::string& suffix) {
        r_ = prefix + r_ + suffix;
        Cut(r_);
        if (branched_) {
            t_.SecondFn = prefix + t_.SecondFn + suffix;
            Cut(t_.SecondFn);
        }
    }

    // A function applied to R, and a power of R: each must take R whole,
    // so R is bracketed first unless it is one bracket group (or, under a
    // power, one call). "ARCSIN" + "(..)^(1/2)" would take the root last.
    void ApplyCall(const std::string& name) {
        PrefixCall(r_, name);
        if (branched_) PrefixCall(t_.SecondFn, name);
    }
    void ApplyPower(const std::string& power) {
        r_ = Unit(r_) + power;
        Cut(r_);
        if (branched_) {
            t_.SecondFn = Unit(t_.SecondFn) + power;
            Cut(t_.SecondFn);
        }
    }

    void SetRoot() {
        t_.Root = true;
        branched_ = true;
        t_.SecondFn = "-" + r_;
        Cut(t_.SecondFn);
    }

    // A leading "-" moves to R only when it negates the whole y-term: in
    // "-y-lnx" it belongs to the first term alone.
    bool MinusRule(std::string& yterm) {
        if (yterm.empty() || yterm.front() != '-' || HasOuterSign(yterm.substr(1))) return false;
        yterm.erase(0, 1);
        Apply("(-", ")");
        return true;
    }

    std::string Pass(const std::string& e) {
        std::vector<std::string> terms = SplitTerms(e);
        std::size_t yIndex = terms.size();
        for (std::size_t i = terms.size(); i-- > 0;)
            if (Contains(terms[i], 'y')) {
                yIndex = i;
                break;
            }
        std::string yterm = yIndex < terms.size() ? terms[yIndex] : std::string();
        if (!yterm.empty() && yterm.front() == '+') yterm.erase(0, 1);

        std::string others;
        for (std::size_t i = 0; i < terms.size(); ++i)
            if (i != yIndex) others += "-(" + terms[i] + ")";
        Apply("(", others + ")");

        MinusRule(yterm);
        if (IsBracketed(yterm)) {
            DropBrackets(yterm);
            MinusRule(yterm);
        }

        // A sum is split by the next pass before anything else is taken off.
        if (HasOuterSign(yterm)) return yterm;

        // Coefficient. A "+" or "-" inside brackets does not stop it
        // ("2(y+1)"): the term could never be split further otherwise.
        if (!yterm.empty() && (IsCoefficient(yterm.front()) || IsConstantLetter(yterm.front()))) {
            std::size_t n = 0;
            while (n < yterm.size() && IsCoefficient(yterm[n])) ++n;
            if (n > 0) {
                Apply("(", "/(" + yterm.substr(0, n) + "))");
                yterm.erase(0, n);
                // "2*y": the product sign went with the coefficient.
                if (!yterm.empty() && yterm.front() == '*') yterm.erase(0, 1);
                if (IsBracketed(yterm)) DropBrackets(yterm);
            }
        }
        MinusRule(yterm);
        if (HasOuterSign(yterm)) return yterm;

        Powers(yterm);

        if (MinusRule(yterm)) {
            t_.SecondFn = "-" + r_;
            Cut(t_.SecondFn);
        }
        if (HasOuterSign(yterm)) return yterm;

        Inverses(yterm);
        return yterm;
    }

    // Peels functions off the front of the y-term while they hold the y in
    // their argument, outermost first: "lnsiny" gives ARCSIN(EXP(R)). A
    // function that does not hold the y ("ysinx", "sinx*y") stays in the
    // y-term as a factor, and so does one without an inverse ("logy"):
    // taking it away would solve a different relation.
    void Inverses(std::string& yterm) {
        for (bool peeled = true; peeled;) {
            peeled = false;
            for (const FunctionToken& token : FunctionTokens()) {
                const std::size_t length = std::char_traits<char>::length(token.pattern);
                if (yterm.compare(0, length, token.pattern) != 0) continue;
                // Only a function of the whole rest: in "tanay*sinx" the
                // factor sinx must be divided out first.
                if (*token.inverse && ArgumentEnd(yterm, length) == yterm.size()) {
                    const std::string inverse = InverseName(token, t_.Degrees);
                    PrefixCall(r_, inverse);
                    PrefixCall(t_.SecondFn, inverse);
                    yterm.erase(0, length);
                    peeled = true;
                }
                break;
            }
        }
    }

    static void PrefixCall(std::string& text, const std::string& name) {
        text = text.empty() ? name : name + Group(text);
        Cut(text);
    }

    // Odd roots are taken with the engine's real root: the general power
    // is undefined for a negative base, which would lose half of the curve,
    // and an odd power has no second (negated) branch.
    void Powers(std::string& yterm) {
        const std::size_t n = yterm.size();
        std::size_t close = (n > 0 && yterm.front() == '(') ? MatchingBracket(yterm, 0)
                                                            : std::string::npos;
        bool bracketHead = close != std::string::npos;
        if (yterm == std::string("y") + kSquare) {
            ApplyCall("sqrt");
            yterm = "y";
            SetRoot();
        } else if (bracketHead && close == n - 2 && yterm.back() == kSquare) {
            ApplyCall("sqrt");
            yterm = yterm.substr(1, n - 3);
            SetRoot();
        } else if (yterm == std::string("y") + kCube) {
            ApplyCall("cbrt");
            yterm = "y";
        } else if (bracketHead && close == n - 2 && yterm.back() == kCube) {
            ApplyCall("cbrt");
            yterm = yterm.substr(1, n - 3);
        } else if (n >= 2 && yterm[0] == 'y' && yterm[1] == '^' && IsOperand(yterm.substr(2))) {
            RootOf(yterm.substr(2));
            yterm = "y";
        } else if (bracketHead && close + 1 < n && yterm[close + 1] == '^' &&
                   IsOperand(yterm.substr(close + 2))) {
            RootOf(yterm.substr(close + 2));
            yterm = yterm.substr(1, close - 1);
        }
    }

    void RootOf(const std::string& exponent) {
        bool oddInteger = !exponent.empty() &&
                          exponent.find_first_not_of("0123456789") == std::string::npos &&
                          (exponent.back() - '0') % 2 == 1;
        if (oddInteger) {
            Apply("root(", "," + exponent + ")");
        } else {
            ApplyPower("^(1/" + exponent + ")");
            SetRoot();
        }
    }

    TFormulaTrans& t_;
    std::string r_;
    bool branched_ = false;
};

std::string Relation(TFormulaTrans& t, const std::string& text) {
    t.ycount = 0;
    for (char c : text)
        if (c == 'y') ++t.ycount;
    if (t.ycount > 1 || t.Implicit_simple_sort) {
        std::string left, right;
        SplitAtRelation(text, left, right);
        std::string implicit = left + "-(" + right + ")";
        Cut(implicit);
        return implicit;
    }
    return RelationSolver(t).Solve(text);
}

// Each "!" takes the factorial of the digits written right before it, in
// 32-bit arithmetic: a product that overflows makes the value 1. The digits
// of a factorial just computed are not taken again, so "3!!" is an error
// rather than a silent 720.
void Factorials(std::string& text) {
    std::size_t bang, from = 0;
    while ((bang = text.find('!', from)) != std::string::npos) {
        std::size_t start = bang;
        while (start > from && IsDigit(text[start - 1])) --start;
        std::string digits = text.substr(start, bang - start);
        std::size_t first = digits.find_first_not_of('0');
        if (digits.empty() || (first != std::string::npos && digits.size() - first > 10))
            throw EConvertError::integer(digits);
        int64_t n = 0;
        for (char c : digits) n = n * 10 + (c - '0');
        if (n > std::numeric_limits<int32_t>::max()) throw EConvertError::integer(digits);
        int64_t value = 1;
        for (int64_t i = 2; i <= n; ++i) {
            value *= i;
            if (value > std::numeric_limits<int32_t>::max()) {
                value = 1;
                break;
            }
        }
        const std::string digitsOut = std::to_string(value);
        text.replace(start, bang - start + 1, digitsOut);
        Cut(text);
        from = std::min(start + digitsOut.size(), text.size());
    }
}

// Function names to engine names, with a bracketed argument where the user
// wrote none ("sin2x" -> "SIN(2x)").
void FunctionNames(std::string& text, bool degrees) {
    for (const FunctionToken& token : FunctionTokens()) {
        const std::size_t patternLength = std::char_traits<char>::length(token.pattern);
        const char* replacement = token.Replacement(degrees);
        const std::size_t replacementLength = std::char_traits<char>::length(replacement);
        std::size_t p;
        while ((p = text.find(token.pattern)) != std::string::npos) {
            bool called = p + patternLength < text.size() && text[p + patternLength] == '(';
            text.replace(p, patternLength, replacement);
            Cut(text);
            if (called) continue;
            text.insert(std::min(p + replacementLength, text.size()), 1, '(');
            Cut(text);
            std::size_t q = p;
            while (q < text.size() && IsName(text[q])) ++q;
            while (q + 1 < text.size() && IsWord(text[q])) ++q;
            // School notation: sin x² is sin(x²); (sin x)² is written sin²x.
            while (q + 1 < text.size() && (text[q] == kSquare || text[q] == kCube)) ++q;
            text.insert(std::min(q, text.size()), 1, ')');
            Cut(text);
        }
    }
}

void StarAfterX(std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == 'x' && IsWord(text[i + 1]) && text[i + 1] != ',') {
            text.insert(i + 1, 1, '*');
            Cut(text);
        }
}

void ImplicitMultiplication(std::string& text) {
    bool yes = false;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const char c1 = text[i], c2 = text[i + 1];
        if (IsWord(c1) && IsWord(c2)) yes = true;
        if (c1 == ')' && c2 == '(') yes = true;
        if (IsWord(c1) && IsName(c2)) yes = true;
        if (IsName(c1) && IsName(c2)) yes = false;
        if (IsWord(c1) && c2 == ')') yes = false;
        if (IsWord(c1) && IsOperator(c2)) yes = false;
        if (IsNumber(c1) && IsNumber(c2)) yes = false;
        if (IsNumber(c1) && IsName(c2)) yes = true;
        if (IsWord(c1) && c2 == '(') yes = true;
        if (c1 == ')' && IsName(c2)) yes = true;
        if (IsNumber(c1) && (c2 == 'e' || c2 == 'E')) yes = false;
        if (c1 == 'e') yes = false;
        if (c1 == '(') yes = false;
        if (IsOperator(c1)) yes = false;
        if (c1 == 'x' && c2 == ',') yes = false;
        if (c1 == ',' && IsWord(c2)) yes = false;
        if (yes && !IsOperator(c1)) {
            text.insert(i + 1, 1, '*');
            Cut(text);
        }
    }
}

}  // namespace

TFormulaTrans::TFormulaTrans() = default;

void TFormulaTrans::Translate() {
    // The token table needs no rebuilding: each entry carries both angle
    // forms and Degrees picks one per lookup.
    std::string text = Instring;
    Cut(text);

    LowerCase(text);
    if (DecimalSeparator() == ',') ReplaceFirstIfPresent(text, ",", ".");
    RemoveChar(text, ' ');

    if (text.find_first_of("=<>") != std::string::npos) text = Relation(*this, text);

    text = "(" + text + ")";
    Cut(text);

    for (std::size_t p = 0; (p = text.find("(-", p)) != std::string::npos; p += 2) {
        text.insert(p + 1, 1, '0');
        Cut(text);
    }

    std::size_t mark = text.find('\'');
    if (mark != std::string::npos) {
        text.erase(mark, 1);
        text = "DIFF(" + text + ")";
        Cut(text);
    }

    Factorials(text);
    FunctionNames(text, Degrees);
    StarAfterX(text);

    for (std::size_t p; (p = text.find_first_of("\xB2\xB3")) != std::string::npos;) {
        text.replace(p, 1, text[p] == kSquare ? "^2" : "^3");
        Cut(text);
    }

    std::size_t bar = text.find('|');
    if (bar != std::string::npos) {
        text.replace(bar, 1, "ABS(");
        Cut(text);
        ReplaceFirstIfPresent(text, "|", ")");
    }

    ImplicitMultiplication(text);
    Outstring = text;
}

}  // namespace kurvo
