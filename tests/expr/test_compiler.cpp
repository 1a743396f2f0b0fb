// The compiler on its own: forms, precedence, operation kinds, placement,
// limits and the exact compile error texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "expr/compiler.h"
#include "expr/errors.h"
#include "expr/functions.h"
#include "expr/real_format.h"
#include "expr/run_list.h"

namespace kurvo {
namespace {

class CompilerTest : public ::testing::Test {
protected:
    CompilerTest() {
        for (char c : std::string("ABCDEMNOPQRSTUVWXYZ")) vars[std::string(1, c)] = &cell[c - 'A'];
    }

    std::unique_ptr<CompiledProgram> Build(const std::string& text, bool dot = true) {
        return Compile(text, vars, OneArgumentFunctions(), TwoArgumentFunctions(), dot);
    }

    std::vector<int> Kinds(const std::string& text) {
        std::vector<int> kinds;
        auto program = Build(text);
        for (const auto& r : program->Records) kinds.push_back(r.Kind);
        return kinds;
    }

    // Runs the list the way the parser does (routines of kinds 2..13 filled in).
    double Run(const std::string& text) {
        auto p = Build(text);
        for (auto& r : p->Records)
            if (r.Kind != kCall1 && r.Kind != kCall2) r.Routine = KindRoutine(r.Kind);
        for (auto& r : p->Records) r.Routine(r);
        return *p->ResultCell;
    }

    // The message of the compile error raised for `text`, checking its class.
    template <class E>
    std::string ErrorOf(const std::string& text) {
        try {
            Build(text);
        } catch (const E& e) {
            return e.what();
        } catch (const std::exception& e) {
            ADD_FAILURE() << text << ": wrong error class: " << e.what();
            return {};
        }
        ADD_FAILURE() << text << ": compiled";
        return {};
    }

    double& Var(char c) { return cell[c - 'A']; }

    double cell[26] = {};
    VariableTable vars;
};

const std::string kSyntax = "Error parsing expression:";

TEST_F(CompilerTest, PreparationCaseBlanksAndBrackets) {
    Var('X') = 3;
    EXPECT_EQ(Run("x*2"), 6);
    EXPECT_EQ(Kinds("x*2"), Kinds("X*2"));
    EXPECT_EQ(Run("  X+1  "), 4);
    EXPECT_EQ(ErrorOf<EExpressionHasBlanks>("X +1"), "Expression has blanks");
    EXPECT_EQ(ErrorOf<EMissMatchingBracket>("(X+1"), "Missing brackets in expression");
    // Only the counts are compared; the order fails later as syntax.
    EXPECT_EQ(ErrorOf<ESyntaxError>(")X("), kSyntax + "\r)X(");
    // Blanks only: nothing is left to parse.
    EXPECT_EQ(ErrorOf<ESyntaxError>("   "), kSyntax + "\r");
}

TEST_F(CompilerTest, EnclosingBracketsAreDroppedAndVariablesReadDirectly) {
    auto p = Build("((X))");
    ASSERT_EQ(p->Records.size(), 1u);
    EXPECT_EQ(p->Records[0].Kind, kVariable);
    EXPECT_EQ(p->ResultCell, &Var('X'));  // no copy: the variable's own cell
    auto q = Build("(X+Y)*Z");
    EXPECT_EQ(q->Records[0].Operand1, &Var('X'));
    EXPECT_EQ(q->Records[0].Operand2, &Var('Y'));
    EXPECT_EQ(q->Records[1].Operand2, &Var('Z'));
}

TEST_F(CompilerTest, Numbers) {
    EXPECT_DOUBLE_EQ(Run("PI"), 3.141592653589793);
    EXPECT_EQ(Kinds("PI"), std::vector<int>{kVariable});  // a lone number is the placeholder
    EXPECT_EQ(Kinds("-PI"), std::vector<int>{kVariable});
    EXPECT_DOUBLE_EQ(Run("-PI"), -3.141592653589793);
    EXPECT_EQ(Kinds("2*PI"), std::vector<int>{kProduct});
    EXPECT_EQ(Kinds("-5"), std::vector<int>{kVariable});
    EXPECT_DOUBLE_EQ(Run("2E-3"), 0.002);
    EXPECT_DOUBLE_EQ(Run("2.5E+2"), 250);
    EXPECT_DOUBLE_EQ(Run("+4"), 4);
    EXPECT_DOUBLE_EQ(Run("1.25"), 1.25);
    EXPECT_DOUBLE_EQ(Run("X*-2"), -0.0);
    // Not numbers, and nothing else either.
    for (const char* bad : {"1.2.3", "2E", "E2", "1E+", "--5", "1,5", "0X10", "INF", "NAN"})
        EXPECT_NE(ErrorOf<ESyntaxError>(bad), "") << bad;
}

TEST_F(CompilerTest, RegionalNumbersWhenDotFormatIsOff) {
    const char saved = DecimalSeparator();
    SetDecimalSeparator(',');
    Var('X') = 2;
    auto p = Build("2,5*X", false);
    for (auto& r : p->Records) r.Routine = KindRoutine(r.Kind);
    for (auto& r : p->Records) r.Routine(r);
    EXPECT_DOUBLE_EQ(*p->ResultCell, 5);
    // "." is then no decimal point, so the text is no number.
    EXPECT_THROW(Build("2.5*X", false), ESyntaxError);
    EXPECT_NO_THROW(Build("2.5*X", true));
    SetDecimalSeparator(saved);
}

TEST_F(CompilerTest, PowerKindsFollowTheExponent) {
    EXPECT_EQ(Kinds("X^2"), std::vector<int>{kSquare});
    EXPECT_EQ(Kinds("X^3"), std::vector<int>{kCube});
    EXPECT_EQ(Kinds("X^4"), std::vector<int>{kFourthPower});
    EXPECT_EQ(Kinds("X^5"), std::vector<int>{kIntegerPower});
    EXPECT_EQ(Kinds("X^-1"), std::vector<int>{kIntegerPower});
    EXPECT_EQ(Kinds("X^0"), std::vector<int>{kIntegerPower});
    EXPECT_EQ(Kinds("X^2.0"), std::vector<int>{kSquare});
    EXPECT_EQ(Kinds("X^0.5"), std::vector<int>{kGeneralPower});
    EXPECT_EQ(Kinds("X^Y"), std::vector<int>{kGeneralPower});
    EXPECT_EQ(Kinds("X^(2)"), std::vector<int>{kGeneralPower});
    EXPECT_EQ(Kinds("X^PI"), std::vector<int>{kGeneralPower});
    EXPECT_EQ(Kinds("X^SQR(2)"), (std::vector<int>{kCall1, kGeneralPower}));
    // The small exponents are not compiled: one operand only.
    EXPECT_EQ(Build("X^3")->Records[0].Operand2, nullptr);
    EXPECT_NE(Build("X^5")->Records[0].Operand2, nullptr);
    EXPECT_THROW(Build("X^1E10"), EInvalidOp);
    EXPECT_THROW(Build("X^-3000000000"), EInvalidOp);
    EXPECT_NO_THROW(Build("X^2147483647"));
}

TEST_F(CompilerTest, PrecedenceAndAssociativity) {
    Var('A') = 10, Var('B') = 3, Var('C') = 2;
    EXPECT_EQ(Run("A-B-C"), 5);
    Var('A') = 24, Var('B') = 4, Var('C') = 2;
    EXPECT_EQ(Run("A/B/C"), 3);
    EXPECT_EQ(Run("ADIVB/C"), 3);  // (24 DIV 4)/2
    EXPECT_EQ(Run("A/BMODC"), 0);  // (24/4) MOD 2
    EXPECT_EQ(Run("7MOD3"), 1);
    EXPECT_EQ(Run("7DIV2"), 3);
    Var('X') = 17, Var('Y') = 5;
    EXPECT_EQ(Run("XDIVY"), 3);
    Var('X') = 3;
    EXPECT_EQ(Run("-X^2"), -9);
    EXPECT_EQ(Run("-2^2"), -4);
    Var('X') = 2, Var('Y') = 5;
    EXPECT_EQ(Run("-X*Y"), -10);
    EXPECT_EQ(Run("X+Y*X"), 12);
    EXPECT_EQ(Run("X*Y+X"), 12);
    EXPECT_EQ(Run("Y-X+X"), 5);
    EXPECT_EQ(Run("Y+X-X"), 5);
    EXPECT_EQ(Run("2^X*3"), 12);
    EXPECT_EQ(Run("(X+Y)^2"), 49);
    // Sums and products nest to the right, differences to the left: the
    // deeper record comes first in the list.
    EXPECT_EQ(Build("A+B+C")->Records[0].Operand1, &Var('B'));
    EXPECT_EQ(Build("A*B*C")->Records[0].Operand1, &Var('B'));
    EXPECT_EQ(Build("A-B-C")->Records[0].Operand1, &Var('A'));
}

TEST_F(CompilerTest, OperandRestrictions) {
    EXPECT_NO_THROW(Build("X+-1"));
    EXPECT_NO_THROW(Build("A*-2"));
    EXPECT_NO_THROW(Build("-X+Y"));
    EXPECT_NO_THROW(Build("-SIN(X)"));
    EXPECT_NO_THROW(Build("-(X+1)"));
    EXPECT_NO_THROW(Build("MAX(X,1)"));
    for (const char* bad : {"X+-Y", "A*-B", "A/-B", "2X", "2^3^2", "--X", "-X-Y", "X-", "*X", "X*",
                            "SIN(X,1)", "MAX(X)", "MAX(,X)", "MAX(X,)", "SIN()", "()", "X(Y)"})
        EXPECT_THROW(Build(bad), ESyntaxError) << bad;
}

TEST_F(CompilerTest, SyntaxErrorDetailIsTheLastSplitTried) {
    EXPECT_EQ(ErrorOf<ESyntaxError>("(2X)"), kSyntax + "\r(2X)");
    EXPECT_EQ(ErrorOf<ESyntaxError>("x+2y"), kSyntax + "\rX\r2Y");
    EXPECT_EQ(ErrorOf<ESyntaxError>("A^B^C"), kSyntax + "\rA^B\rC");
    EXPECT_EQ(ErrorOf<ESyntaxError>("SIN(2X)"), kSyntax + "\r2X\r ");
    EXPECT_EQ(ErrorOf<ESyntaxError>("FOO(X)"), kSyntax + "\rFOO(X)");
    EXPECT_EQ(ErrorOf<ESyntaxError>("2^3^2"), kSyntax + "\r2^3\r2");
    // A negation records what follows the sign when nothing later splits.
    EXPECT_EQ(ErrorOf<ESyntaxError>("-2X"), kSyntax + "\r2X\r ");
    // Later forms overwrite earlier records; the call keeps the old right side.
    EXPECT_EQ(ErrorOf<ESyntaxError>("SIN(2X+Y)"), kSyntax + "\r2X+Y\rY)");
    // Two-argument calls record each comma split.
    EXPECT_EQ(ErrorOf<ESyntaxError>("MAX(1,2X)"), kSyntax + "\r1\r2X");
    // Brackets stay when their inside is invalid, and splits are recorded
    // even where the sides are unbalanced.
    EXPECT_EQ(ErrorOf<ESyntaxError>("((X)+2Y)"), kSyntax + "\r((X)\r2Y)");
}

// A sum of n copies of X.
std::string SumOf(int n) {
    std::string s = "X";
    for (int i = 1; i < n; ++i) s += "+X";
    return s;
}

TEST_F(CompilerTest, NestingLimitCountsOperations) {
    Var('X') = 1;
    EXPECT_EQ(Run(SumOf(21)), 21);
    EXPECT_EQ(ErrorOf<ETooManyNestings>(SumOf(22)), "Expression contains too many nestings");
    // Brackets alone cost no level.
    EXPECT_EQ(Run(std::string(300, '(') + "X" + std::string(300, ')')), 1);
}

// A full binary tree of sums six levels deep whose 64 leaves hold `ops`
// products and otherwise plain X: the products all sit at one level.
std::string Tree(int depth, int& ops) {
    if (depth == 0) {
        if (ops > 0) return --ops, "X*X";
        return "X";
    }
    std::string left = Tree(depth - 1, ops);
    std::string right = Tree(depth - 1, ops);
    return "(" + left + ")+(" + right + ")";
}

TEST_F(CompilerTest, SlotLimitCountsOperationsPerLevel) {
    Var('X') = 2;
    int fifty = 50;
    EXPECT_EQ(Run(Tree(6, fifty)), 50 * 4 + 14 * 2);
    int fiftyOne = 51;
    EXPECT_EQ(ErrorOf<EExpressionTooComplex>(Tree(6, fiftyOne)), "Expression is too complex");
}

TEST_F(CompilerTest, RecordsRunDeepestLevelFirst) {
    auto p = Build("(A+B)*(C-D)");
    ASSERT_EQ(p->Records.size(), 3u);
    EXPECT_EQ(p->Records[0].Kind, kSum);
    EXPECT_EQ(p->Records[1].Kind, kDifference);
    EXPECT_EQ(p->Records[2].Kind, kProduct);
    EXPECT_EQ(p->Records[2].Operand1, p->Records[0].Result);
    EXPECT_EQ(p->Records[2].Operand2, p->Records[1].Result);
    EXPECT_EQ(p->ResultCell, p->Records[2].Result);
    // Each constant has its own cell.
    auto q = Build("2+2");
    EXPECT_NE(q->Records[0].Operand1, q->Records[0].Operand2);
}

TEST_F(CompilerTest, CallsTakeTheFirstValidCommaAndTheirTable) {
    Var('X') = 4;
    EXPECT_EQ(Run("MAX(MAX(1,7),3)"), 7);
    EXPECT_EQ(Run("MIN(2,MAX(X,1))"), 2);
    EXPECT_EQ(Run("SQR(X)+SQRT(X)"), 18);
    EXPECT_EQ(Run("SQRT(SQRT(X^4))"), 4);
    EXPECT_EQ(Kinds("MAX(X,1)"), std::vector<int>{kCall2});
    EXPECT_EQ(Kinds("SIN(X)"), std::vector<int>{kCall1});
}

// The reordered, paired run list must give exactly the values and the
// undefined points of the records run as compiled.
TEST_F(CompilerTest, RunListMatchesTheRecordsBitForBit) {
    const char* formulas[] = {
        "3*X^8-2*X^7+5*X^6-X^5+4*X^4-6*X^3+2*X^2-7*X+1", "SIN(X)*X^2+3*X-1", "EXP(0-X^2/2)/SQRT(2*PI)",
        "1/(X^2-4)", "(X+1)*(X-1)/(X-2)", "-(X*Y)^2+(X/Y)^3", "X^-3*Y+-(X)", "(X/(X-Y))^4-Y^5*X",
        "MAX(X,Y)*(X-Y)+ROOT(X,3)", "X*1E300*1E300-X", "0*(1/(X-Y))", "-(1/X)", "(X-1)^2^(1/2)"};
    const double xs[] = {-3, -2, -1, -0.5, 0, 0.5, 1, 2, 3, 1e-200, 1e200};
    for (const char* f : formulas) {
        std::unique_ptr<CompiledProgram> p;
        try {
            p = Build(f);
        } catch (const ESyntaxError&) {
            continue;  // not every text above need be valid
        }
        for (auto& r : p->Records)
            if (r.Kind != kCall1 && r.Kind != kCall2) r.Routine = KindRoutine(r.Kind);
        BuildRunList(*p);
        // Merged pairs and computed constants leave fewer operation steps.
        const auto operations = std::count_if(p->Steps.begin(), p->Steps.end(),
                                              [](const RunStep& s) { return s.Result != nullptr; });
        if (p->Records.size() > 2) {
            EXPECT_LT(static_cast<size_t>(operations), p->Records.size()) << f;
        }
        for (double x : xs) {
            Var('X') = x;
            Var('Y') = x / 2 + 1;
            bool refDefined = true;
            for (auto& r : p->Records) refDefined &= std::isfinite(r.Routine(r));
            const double ref = *p->ResultCell;
            const double v = p->Steps[0].Routine(&p->Steps[0], 0.0);
            const bool runDefined = std::isfinite(v);
            EXPECT_EQ(refDefined, runDefined) << f << " at " << x;
            if (refDefined && runDefined) {
                EXPECT_EQ(ref, v) << f << " at " << x;
            }
        }
    }
}

TEST_F(CompilerTest, PathologicalTextsFinish) {
    // Long valid chains, deep brackets and long invalid texts must neither
    // overflow the stack nor take exponential time.
    std::string chain;
    for (int i = 0; i < 1500; ++i) chain += "X-";
    EXPECT_THROW(Build(chain + "2X"), EMathParserError);
    EXPECT_THROW(Build(SumOf(1500)), ETooManyNestings);
    EXPECT_THROW(Build(std::string(5000, '(') + "2X" + std::string(5000, ')')), ESyntaxError);
    std::string mixed;
    for (int i = 0; i < 300; ++i) mixed += "SIN(X*X+X/X^2-X)*";
    EXPECT_THROW(Build(mixed + "-"), EMathParserError);
    std::string commas = "MAX(";
    for (int i = 0; i < 300; ++i) commas += "MAX(X,";
    EXPECT_THROW(Build(commas), EMathParserError);
}

}  // namespace
}  // namespace kurvo
