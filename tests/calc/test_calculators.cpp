// Key sequences of the simple and scientific calculators and the fields of
// the quadratic solver, checked against the texts the windows show.
#include <gtest/gtest.h>

#include <sstream>

#include "calc/quadratic_solver.h"
#include "calc/scientific_calculator.h"
#include "calc/simple_calculator.h"
#include "expr/real_format.h"

using namespace kurvo;

namespace {

std::vector<std::string> Words(const std::string& keys) {
    std::istringstream in(keys);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

struct RecordingHost : CalcHost {
    std::vector<std::string> messages;
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
};

}  // namespace

TEST(SimpleCalculator, KeySequences) {
    const struct {
        const char* keys;
        const char* display;
    } cases[] = {
        {"2 + 3 × 4 =", "14"},
        {"7 ÷ 0 =", "Division by zero error"},
        {"5 + - 3 =", "2"},       // the second operator replaces the first
        {"5 + =", "10"},          // the display still holds 5
        {"9 = + 1 =", "10"},      // the result is the first number
        {"9 = 1", "1"},           // a digit starts a new number
        {"+/-", "-"},
        {"1 2 +/- +/-", "12"},
        {"1 · 5 × 2 =", "3"},
        {"1 · 2 · 3 =", "Syntax error"},  // two points
        {"· · · =", "Syntax error"},
        {"CL + =", "Syntax error"},       // a lone operator
        {"5 ÷ 0 · 0 0 + 1 =", "Division by zero error"},
        {"9 9 9 9 9 9 9 9 9 9 × 9 9 9 9 9 9 9 9 9 9 = × = × = × = × =", "Overflow error"},
        {"0 ÷ 0 =", "Division by zero error"},
        {"1 ÷ 3 =", "0.333333333333333"},
        {"7 ÷ 0 = CL 4", "4"},
        {"3 + 4 = 2 =", "2"},
    };
    for (const auto& c : cases) {
        TSimpleCalculator calc;
        for (const auto& key : Words(c.keys)) ASSERT_TRUE(calc.PressKey(key)) << key;
        EXPECT_EQ(calc.Display(), c.display) << c.keys;
        EXPECT_FALSE(calc.PressKey("sin"));
    }
}

TEST(SimpleCalculator, ALongCalculationSaysSo) {
    TSimpleCalculator calc;
    // 21 terms of 12 digits: more than the 255 characters taken.
    for (int term = 0; term < 21; ++term) {
        for (const char* key : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "1", "2", "3"}) calc.PressKey(key);
        calc.PressKey("+");
    }
    calc.PressKey("1");
    calc.PressKey("=");
    EXPECT_EQ(calc.Display(), TSimpleCalculator::kTooLongText);
    EXPECT_TRUE(calc.ErrorShown());
}

TEST(SimpleCalculator, DecimalCommaResultsTakePartInTheNextCalculation) {
    SetDecimalSeparator(',');
    TSimpleCalculator calc;
    for (const auto& key : Words("1 · 5 = + 1 =")) calc.PressKey(key);
    EXPECT_EQ(calc.Display(), "2,5");
    SetDecimalSeparator('.');
}

TEST(ScientificCalculator, Sequences) {
    // An item is a key caption, or "=TEXT" typed into the Input field.
    const struct {
        const char* items;
        const char* result;
        const char* lastExpression;
    } cases[] = {
        {"sin ( 3 0 ) EXE", "0.5", "sin(30)"},
        {"Radians sin ( 3 0 ) EXE", "-0.988031624092862", "sin(30)"},
        {"2 + 3 EXE x^2 EXE", "11", "2+3^2"},
        {"7 --> A EXE =A*2 EXE", "14", "A*2"},
        {"5 EXE Ans + 1 EXE", "6", "Z+1"},
        {"5 EXE Ans + Ans EXE", "10", "Z+Z"},
        {"5 EXE Ans --> B EXE =B EXE", "5", "B"},
        {"7 --> A EXE Expr EXE", "7", "7"},
        {"5 EXE Ans + 1 EXE Expr EXE", "7", "Z+1"},  // Z is the answer 6
        {"4 EXE ^ 3 EXE", "64", "4^3"},
        {"2 EXE Inverse ln ( 2 ) EXE", "7.38905609893065", "exp(2)"},
        {"Inverse log 2 EXE", "100", "10^2"},
        {"Inverse x^2 ( 9 ) EXE", "3", "sqrt(9)"},
        {"Inverse x^3 ( 8 ) EXE", "2", "cbrt(8)"},
        {"Inverse Hyperbolic sin ( 1 ) EXE", "0.881373587019543", "arcsinh(1)"},
        {"Hyperbolic cos ( 0 ) EXE", "1", "cosh(0)"},
        {"Pi EXE", "3.14159265359", "3.14159265359"},
        {"=E*2 EXE", "0", "E*2"},  // E is a memory, not e
        {"=2p EXE", "6.283185308", "2p"},  // p is pi, as in the formula box
        {"2 EXE 3 CL", "", "2"},
    };
    for (const auto& c : cases) {
        TScientificCalculator calc;
        for (const auto& item : Words(c.items)) {
            if (item[0] == '=')
                calc.Input = item.substr(1);
            else
                ASSERT_TRUE(calc.PressKey(item)) << item;
        }
        EXPECT_EQ(calc.Result, c.result) << c.items;
        EXPECT_EQ(calc.LastExpression, c.lastExpression) << c.items;
    }
}

TEST(ScientificCalculator, ErrorsNameTheirCause) {
    const std::pair<std::string, const char*> cases[] = {
        {"1/0", TScientificCalculator::kInfinite},
        {"1E308*10", TScientificCalculator::kInfinite},
        {"ln(0)", TScientificCalculator::kInfinite},
        {"sqrt(-1)", TScientificCalculator::kUndefined},
        {"2^^", TScientificCalculator::kSyntaxError},
        {std::string(128, '1') + "+" + std::string(128, '1'), TScientificCalculator::kTooLong},
    };
    for (const auto& [input, result] : cases) {
        TScientificCalculator calc;
        calc.Input = input;
        EXPECT_FALSE(calc.Execute()) << input;
        EXPECT_EQ(calc.Result, result) << input;
    }
}

TEST(ScientificCalculator, ErrorsKeepTheState) {
    TScientificCalculator calc;
    calc.Input = "3-->X";
    ASSERT_TRUE(calc.Execute());
    EXPECT_EQ(*calc.Memory('X'), 3);
    calc.Input = "2^^";
    EXPECT_FALSE(calc.Execute());
    EXPECT_EQ(calc.Result, TScientificCalculator::kSyntaxError);
    EXPECT_EQ(calc.LastAnswer, 3);
    EXPECT_EQ(calc.LastExpression, "3");
    EXPECT_TRUE(calc.NewEntry);
    calc.Input = "";
    EXPECT_FALSE(calc.Execute());
    // Memories last: a second store overwrites only its own letter.
    calc.Input = "X+1-->y";
    ASSERT_TRUE(calc.Execute());
    EXPECT_EQ(*calc.Memory('Y'), 4);
    EXPECT_EQ(*calc.Memory('X'), 3);
    EXPECT_EQ(calc.Memory('Z'), nullptr);
}

TEST(QuadraticSolver, Roots) {
    const struct {
        const char *a, *b, *c, *s1, *s2, *prompt;
        bool solved;
    } cases[] = {
        {"1", "-3", "2", "2", "1", TQuadraticSolver::kPrompt, true},
        {"1", "2", "1", "-1", "-1", TQuadraticSolver::kPrompt, true},
        {"1", "0", "1", "", "", TQuadraticSolver::kNoRealRoots, false},
        {"2", "0", "-8", "2", "-2", TQuadraticSolver::kPrompt, true},
        {"1", "0", "0", "0", "0", TQuadraticSolver::kPrompt, true},
        {"-1", "0", "4", "-2", "2", TQuadraticSolver::kPrompt, true},  // Solution 1 is (−b + √D)/2a
        {"1", "3", "2", "-1", "-2", TQuadraticSolver::kPrompt, true},
        // No cancellation: the small root keeps its digits.
        {"1", "1E8", "1", "-1E-8", "-100000000", TQuadraticSolver::kPrompt, true},
        {"1", "-1E8", "1", "100000000", "1E-8", TQuadraticSolver::kPrompt, true},
        {"0", "2", "-6", "3", "", TQuadraticSolver::kPrompt, true},  // linear
        {"0", "0", "5", "", "", TQuadraticSolver::kNoRealRoots, false},
    };
    for (const auto& c : cases) {
        TQuadraticSolver solver;
        RecordingHost host;
        solver.A = c.a, solver.B = c.b, solver.C = c.c;
        EXPECT_EQ(solver.Solve(host), c.solved) << c.a << " " << c.b << " " << c.c;
        EXPECT_EQ(solver.Solution1, c.s1) << c.a << " " << c.b << " " << c.c;
        EXPECT_EQ(solver.Solution2, c.s2) << c.a << " " << c.b << " " << c.c;
        EXPECT_EQ(solver.Prompt, c.prompt);
        EXPECT_TRUE(host.messages.empty());
    }
}

TEST(QuadraticSolver, PromptComesBackAndMissingFieldsAreReported) {
    TQuadraticSolver solver;
    RecordingHost host;
    solver.A = "1", solver.B = "0", solver.C = "1";
    solver.Solve(host);
    EXPECT_EQ(solver.Prompt, TQuadraticSolver::kNoRealRoots);
    solver.B = "-3", solver.C = "2";
    EXPECT_TRUE(solver.Solve(host));
    EXPECT_EQ(solver.Prompt, TQuadraticSolver::kPrompt);
    for (const char* bad : {"", "x", "1,5"}) {
        solver.C = bad;
        EXPECT_FALSE(solver.Solve(host));
        EXPECT_EQ(solver.Solution1, "");
    }
    EXPECT_EQ(host.messages, std::vector<std::string>(3, TQuadraticSolver::kFillInAll));
    solver.Clear();
    EXPECT_EQ(solver.A + solver.B + solver.C + solver.Solution1, "");
    EXPECT_EQ(solver.Prompt, TQuadraticSolver::kPrompt);
}
