#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expr/errors.h"
#include "expr/formula_trans.h"
#include "expr/real_format.h"
#include "expr/token_table.h"
#include "support/test_support.h"

using kurvo::test::cp1252;

namespace kurvo {
namespace {

struct Case {
    const char* input;     // UTF-8, as typed
    const char* expected;  // UTF-8
};

// Each test starts from a fresh translator in radian mode with "." as the
// decimal separator; the separator is put back afterwards.
class FormulaTrans : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = DecimalSeparator();
        SetDecimalSeparator('.');
    }
    void TearDown() override { SetDecimalSeparator(saved_); }

    std::string Run(const std::string& utf8) {
        trans.Instring = cp1252(utf8);
        trans.Translate();
        return trans.Outstring;
    }

    void ExpectAll(const std::vector<Case>& cases) {
        for (const Case& c : cases) {
            trans.Root = false;
            EXPECT_EQ(Run(c.input), cp1252(c.expected)) << "input: " << c.input;
        }
    }

    TFormulaTrans trans;
    char saved_ = '.';
};

TEST_F(FormulaTrans, CaseBlanksAndImplicitProducts) {
    ExpectAll({
        {"2x", "(2*x)"},
        {"2 x", "(2*x)"},
        {"2X", "(2*x)"},
        {"2x+1", "(2*x+1)"},
        {"ax", "(a*x)"},
        {"xy", "(x*y)"},
        {"x2", "(x*2)"},
        {"x(x+1)", "(x*(x+1))"},
        {"2(x+1)", "(2*(x+1))"},
        {"(x+1)(x-1)", "((x+1)*(x-1))"},
        {"2e3", "(2e3)"},
        {"2.5e-3x", "(2.5e-3*x)"},
        {"pi", "(p*I())"},
        {"2sinx", "(2*SIN(x))"},
        {"sin(x)cos(x)", "(SIN(x)*COS(x))"},
        {"max(x,1)", "(m*a*x*(x,1))"},
    });
}

TEST_F(FormulaTrans, PowersAndSuperscripts) {
    ExpectAll({
        {"x³", "(x^3)"},
        {"x²+1", "(x^2+1)"},
        {"x²y", "(x^2*y)"},
        {"x²+x³+x²", "(x^2+x^3+x^2)"},
        {"x^2", "(x^2)"},
    });
}

TEST_F(FormulaTrans, FunctionNamesAndTheirArguments) {
    ExpectAll({
        {"sinx", "(SIN(x))"},
        {"sin x", "(SIN(x))"},
        {"SIN X", "(SIN(x))"},
        {"sin2x+1", "(SIN(2*x)+1)"},
        {"sin(x)", "(SIN(x))"},
        {"sin2(x+1)", "(SIN(2*(x)+1))"},
        {"sin²x", "(SINSQ(x))"},
        {"sinh x", "(SINH(x))"},
        {"sinh²x", "(SINHSQ(x))"},
        {"cosech³x", "(COSECHCUBE(x))"},
        {"sinsinx", "(SIN(SIN(x)))"},
        {"sincosx", "(SIN(COS(x)))"},
        {"arcsinhx", "(ARCSINH(x))"},
        {"arccosx", "(ARCCOS(x))"},
        {"arccosecx", "(ARCCOSEC(x))"},
        {"arccosechx", "(ARCCOSECH(x))"},
        {"cosecx+secx", "(COSEC(x)+SEC(x))"},
        {"sqrtx+sqrx", "(SQRT(x)+SQR(x))"},
        {"integx", "(INTEG(x))"},
        {"int(x)", "(INT(x))"},
        {"exp(x)", "(EXP(x))"},
        {"lnx", "(LN(x))"},
        {"f(x)", "(F(x))"},
        {"g(x)+h(x)", "(G(x)+H(x))"},
        {"root(x,3)", "(ROOT(x,3))"},
        {"power(x,3)", "(POWER(x,3))"},
        {"cbrtx", "(CBRT(x))"},
        {"sin", "(SIN())"},
        // A superscript right after an unbracketed argument is the argument's.
        {"sin x²", "(SIN(x^2))"},
        {"cos x³", "(COS(x^3))"},
        {"tan x²+1", "(TAN(x^2)+1)"},
        {"sin2x²", "(SIN(2*x^2))"},
        {"sin²x²", "(SINSQ(x^2))"},
        {"sin(x)²", "(SIN(x)^2)"},
    });
}

TEST_F(FormulaTrans, DegreeModeUsesDegreeNames) {
    trans.Degrees = true;
    ExpectAll({
        {"sin x", "(SINRAD(x))"},
        {"arcsin(x)", "(DEGASIN(x))"},
        {"arccosecx", "(DEGACOSEC(x))"},
        {"cos²x", "(COSSQRAD(x))"},
        {"cosec³x", "(COSECCUBERAD(x))"},
        {"sinhx", "(SINH(x))"},
        {"lnx", "(LN(x))"},
        // Solving for y keeps y in degrees too.
        {"siny=x", "(DEGASIN(0-(0-(x))))"},
        {"arctany=x", "(TANRAD(0-(0-(x))))"},
        {"sinhy=x", "(ARCSINH(0-(0-(x))))"},
    });
    trans.Degrees = false;
    EXPECT_EQ(Run("sin x"), "(SIN(x))");
}

TEST_F(FormulaTrans, UnaryMinusBarsDerivativeAndFactorial) {
    ExpectAll({
        {"-x", "(0-x)"},
        {"-x^2", "(0-x^2)"},
        {"2*(-x)", "(2*(0-x))"},
        {"|x-1|", "(ABS(x-1))"},
        {"|x|+|y|", "(ABS(x)+|y|)"},
        {"|x", "(ABS(x)"},
        {"f'(x)", "DIFF((F(x)))"},
        {"3!", "(6)"},
        {"3!+1", "(6+1)"},
        {"0!", "(1)"},
        {"12!", "(479001600)"},
        {"13!", "(1)"},
        {"20!", "(1)"},
        {"3!+4!", "(6+24)"},
        {"2*3!", "(2*6)"},
    });
}

TEST_F(FormulaTrans, FactorialWithoutDigitsIsAConversionError) {
    for (const char* text : {"x!", "!", "(2)!", "3!!"}) {
        trans.Instring = text;
        try {
            trans.Translate();
            ADD_FAILURE() << "no error for " << text;
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), "'' is not a valid integer value") << text;
        }
    }
    trans.Instring = "99999999999!";
    try {
        trans.Translate();
        ADD_FAILURE() << "no error for an out-of-range factorial";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'99999999999' is not a valid integer value");
    }
}

TEST_F(FormulaTrans, DecimalCommaFollowsTheUserSeparator) {
    SetDecimalSeparator(',');
    EXPECT_EQ(Run("2,5x"), "(2.5*x)");
    // Only the first comma is a decimal mark; the rest stay separators.
    EXPECT_EQ(Run("root(2,5x,3)"), "(ROOT(2.5*x,3))");
    SetDecimalSeparator('.');
    EXPECT_EQ(Run("2,5x"), "(2,5*x)");
}

TEST_F(FormulaTrans, RelationsSolvedForY) {
    ExpectAll({
        {"y=2x", "((0-(0-(2*x))))"},
        {"2y=x", "(((0-(0-(x)))/(2)))"},
        {"y=sin²x", "((0-(0-(SINSQ(x)))))"},
        {"y>=2x", "((0-(0-(2*x))))"},
        {"y>2x", "((0-(0-(2*x))))"},
        {"y<=2x", "((0-(0-(2*x))))"},
        {"y<2x", "((0-(0-(2*x))))"},
        {"y+1=x", "((0-(+1)-(0-(x))))"},
        {"-y=x", "((0-(0-(0-(x)))))"},
        {"ay=x", "((0-(0-(x)))/(a))"},
        {"2xy=1", "(((0-(0-(1)))/(2*x)))"},
        {"2*y=x", "(((0-(0-(x)))/(2)))"},
        {"y³=x", "(CBRT(0-(0-(x))))"},
        {"(y+1)³=x", "((CBRT(0-(0-(x)))-(+1)))"},
        {"y^3=x", "(ROOT((0-(0-(x))),3))"},
        {"(2y)^5=x", "(ROOT((0-(0-(x))),5)/(2))"},
        {"lny=x", "(EXP(0-(0-(x))))"},
        {"siny=x", "(ARCSIN(0-(0-(x))))"},
        {"sin(y)=x", "((ARCSIN(0-(0-(x)))))"},
        {"sqrt(y)=x", "((SQR(0-(0-(x)))))"},
        {"e^y=x", "(LN((0-(0-(x)))))"},
        {"lnsiny=x", "(ARCSIN(EXP(0-(0-(x)))))"},
        {"sinhy=x", "(ARCSINH(0-(0-(x))))"},
        {"2siny=x", "(ARCSIN((0-(0-(x)))/(2)))"},
        // Functions that do not hold the y are factors, not inverses.
        {"ysinx=1", "((0-(0-(1)))/(SIN(x)))"},
        {"ysin(x)=1", "((0-(0-(1)))/(SIN(x)))"},
        // Nothing to invert: the relation is left as typed for the
        // compiler to reject, rather than solved as y=x.
        {"logy=x", "(LOG(y)=x)"},
        {"sin²y=x", "(SINSQ(y)=x)"},
        {"y=>2x", "((0-(0-(=2*x))))"},
    });
}

TEST_F(FormulaTrans, SquareRootsGiveASecondBranch) {
    trans.Root = false;
    EXPECT_EQ(Run("y²=x"), "(SQRT(0-(0-(x))))");
    EXPECT_TRUE(trans.Root);
    EXPECT_EQ(trans.SecondFn, "-sqrt(0-(-(x)))");
    EXPECT_EQ(trans.ycount, 1);

    trans.Root = false;
    EXPECT_EQ(Run("x²+y²=4"), "(SQRT(0-(x^2)-(0-(4))))");
    EXPECT_TRUE(trans.Root);
    EXPECT_EQ(trans.SecondFn, cp1252("-sqrt(0-(x²)-(-(4)))"));

    trans.Root = false;
    EXPECT_EQ(Run("y^4=x"), "((0-(0-(x)))^(1/4))");
    EXPECT_TRUE(trans.Root);
    EXPECT_EQ(trans.SecondFn, "-(0-(-(x)))^(1/4)");

    // Odd roots are single-valued.
    for (const char* odd : {"y³=x", "y^3=x", "(y-1)^5=x"}) {
        trans.Root = false;
        Run(odd);
        EXPECT_FALSE(trans.Root) << odd;
    }
    trans.Root = false;
    EXPECT_EQ(Run("y^(1/2)=x"), "((0-(0-(x)))^(1/(1/2)))");
    EXPECT_TRUE(trans.Root);

    // The second branch keeps every later step of the solution.
    trans.Root = false;
    EXPECT_EQ(Run("(y+1)²=x"), "((SQRT(0-(0-(x)))-(+1)))");
    EXPECT_EQ(trans.SecondFn, "(-sqrt(0-(-(x)))-(+1))");
    trans.Root = false;
    EXPECT_EQ(Run("(2y)²=x"), "(SQRT(0-(0-(x)))/(2))");
    EXPECT_EQ(trans.SecondFn, "-sqrt(0-(-(x)))/(2)");
    trans.Root = false;
    EXPECT_EQ(Run("(lny)²=x"), "(EXP(SQRT(0-(0-(x)))))");
    EXPECT_EQ(trans.SecondFn, "EXP(-sqrt(0-(-(x))))");
}

TEST_F(FormulaTrans, RootAndSecondBranchAreLeftToTheCaller) {
    trans.Root = false;
    Run("y²=x");
    ASSERT_TRUE(trans.Root);
    Run("2x+1");
    EXPECT_TRUE(trans.Root);  // only the caller clears it
    EXPECT_EQ(trans.SecondFn, "-sqrt(0-(-(x)))");
    EXPECT_EQ(trans.ycount, 1);  // the last text that held a relation
    Run("y=x");
    EXPECT_EQ(trans.ycount, 1);
    Run("y*y=x");
    EXPECT_EQ(trans.ycount, 2);
}

TEST_F(FormulaTrans, RelationsWithSeveralYAreImplicit) {
    ExpectAll({
        {"x*y+y=1", "(x*y+y-(1))"},
        {"x*y+y<1", "(x*y+y-(1))"},
        {"x*y+y>1", "(x*y+y-(1))"},
        {"x*y+y>=1", "(x*y+y-(1))"},
        {"x*y+y<=1", "(x*y+y-(1))"},
        {"y*y=x", "(y*y-(x))"},
        {"x²+y²+y<25", "(x^2+y^2+y-(25))"},
    });
    trans.Implicit_simple_sort = true;
    ExpectAll({
        {"y=2x", "(y-(2*x))"},
        {"x²+y²<4", "(x^2+y^2-(4))"},
    });
}

TEST_F(FormulaTrans, RelationsBeyondTheSolverAreLeftAsTyped) {
    // Each of these once sent the solver round for ever; the first two
    // are solved, the rest come back as typed (the compiler rejects the
    // relation sign) instead of as a formula for some other curve.
    ExpectAll({
        {"2(y+1)=x", "((((0-(0-(x)))/(2))-(+1)))"},
        {"2sin(y+1)=x", "(((ARCSIN((0-(0-(x)))/(2)))-(+1)))"},
        {"a(y+1)=x", "(a*(y+1)=x)"},
        {"2^(y+1)=x", "(2^(y+1)=x)"},
        {"(y+2)*2=x", "((y+2)*2=x)"},
        {"x=2", "(x=2)"},
        // The y sits inside tan's argument: dividing by "atana" would be wrong.
        {"tanay*sinx=3x", "(TAN(a*y)*SIN(x)=3*x)"},
        // The exponent is "3", not "3*2".
        {"(y)^3*2=x", "((y)^3*2=x)"},
    });
    // A root taken before the solver gave up is withdrawn.
    trans.Root = false;
    trans.SecondFn = "old";
    Run("(y^3*x)²=1");
    EXPECT_FALSE(trans.Root);
    EXPECT_EQ(trans.SecondFn, "old");
}

TEST_F(FormulaTrans, SumsInsideTheYTermAreSplitFirst) {
    ExpectAll({
        // Nested brackets stay one term.
        {"((y-2)-3x)=2", "((((0-(0-(2)))-(0-3*x))-(0-2)))"},
        // The leading minus belongs to the first term only.
        {"2+(-y-lnx)=x", "((0-((0-(2)-(0-(x)))-(0-LN(x)))))"},
        // The root is taken of the whole side, after the sine is undone.
        {"(sin(y))^2=x", "((ARCSIN((0-(0-(x)))^(1/2))))"},
    });
}

TEST_F(FormulaTrans, LongTextsAreCutAt255) {
    std::string longText;
    for (int i = 0; i < 60; ++i) longText += "sinx+";
    longText += "1";
    EXPECT_EQ(Run(longText).size(), 255u);
    EXPECT_EQ(Run(longText).rfind("(SIN(x)+SIN(x)+", 0), 0u);

    std::string relation = "y=" + std::string(300, 'x');
    Run(relation);
    EXPECT_LE(trans.Outstring.size(), 255u);
    std::string square = "y²=" + std::string(300, '1');
    Run(square);
    EXPECT_LE(trans.SecondFn.size(), 255u);
}

TEST_F(FormulaTrans, UpperHalfBytesAreNotLowerCased) {
    // "²" must not be folded by a locale-dependent lower-casing, and other
    // upper-half bytes pass through untouched.
    EXPECT_EQ(Run("X²"), "(x^2)");
    trans.Instring = "x\xC4";
    trans.Translate();
    EXPECT_EQ(trans.Outstring, "(x\xC4)");
}

TEST(TokenTable, LongerSpellingsComeFirst) {
    const auto& table = FunctionTokens();
    ASSERT_EQ(table.size(), 69u);
    for (std::size_t i = 0; i < table.size(); ++i)
        for (std::size_t j = i + 1; j < table.size(); ++j)
            EXPECT_EQ(std::string(table[j].pattern).find(table[i].pattern), std::string::npos)
                << table[j].pattern << " is hidden by " << table[i].pattern;
}

TEST(TokenTable, ReplacementsAreNeverMatchedAgain) {
    for (const FunctionToken& t : FunctionTokens()) {
        for (const char* r : {t.radians, t.degrees, t.inverse})
            for (const char* c = r; *c; ++c) EXPECT_TRUE(*c >= 'A' && *c <= 'Z') << r;
        EXPECT_STRNE(t.radians, "");
    }
}

}  // namespace
}  // namespace kurvo
