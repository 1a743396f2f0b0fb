// Formulas as typed, through the translator and the compiler to values: the
// translated text must not only look right, it must mean the right thing.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "expr/formula_trans.h"
#include "expr/parser.h"
#include "expr/real_format.h"
#include "support/test_support.h"

using kurvo::test::cp1252;

namespace kurvo {
namespace {

using Fn = std::function<double(double)>;

class TranslateChain : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = DecimalSeparator();
        SetDecimalSeparator('.');
    }
    void TearDown() override { SetDecimalSeparator(saved_); }

    // Translates as the graph window does (Root cleared first) and compiles
    // the result into `parser`.
    void Load(const std::string& utf8, TParser& parser) {
        trans.Root = false;
        trans.Instring = cp1252(utf8);
        trans.Translate();
        ASSERT_NO_THROW(parser.SetExpression(trans.Outstring))
            << utf8 << " -> " << trans.Outstring;
    }

    // The second branch goes through the translator once more.
    void LoadSecond(TParser& parser) {
        ASSERT_TRUE(trans.Root);
        std::string second = trans.SecondFn;
        trans.Instring = second;
        trans.Translate();
        ASSERT_NO_THROW(parser.SetExpression(trans.Outstring))
            << second << " -> " << trans.Outstring;
    }

    static void ExpectValues(TParser& parser, const Fn& expected, const std::string& what,
                             std::initializer_list<double> xs = {-2.5, -1, 0, 0.5, 1.75, 3}) {
        for (double x : xs) {
            parser.X = x;
            double value = 0;
            double want = expected(x);
            bool defined = parser.TryValue(value);
            if (std::isnan(want)) {
                EXPECT_FALSE(defined) << what << " at x=" << x << " gave " << value;
            } else {
                ASSERT_TRUE(defined) << what << " undefined at x=" << x;
                EXPECT_NEAR(value, want, 1e-9 * (1 + std::fabs(want))) << what << " at x=" << x;
            }
        }
    }

    TFormulaTrans trans;
    char saved_ = '.';
};

TEST_F(TranslateChain, ExplicitFormulas) {
    struct Case {
        const char* text;
        Fn value;
    };
    const Case cases[] = {
        {"2x+1", [](double x) { return 2 * x + 1; }},
        {"2 X - 3", [](double x) { return 2 * x - 3; }},
        {"x²+x³", [](double x) { return x * x + x * x * x; }},
        {"-x^2", [](double x) { return -x * x; }},
        {"sin x", [](double x) { return std::sin(x); }},
        {"2sin2x+1", [](double x) { return 2 * std::sin(2 * x) + 1; }},
        {"sin²x+cos²x", [](double) { return 1.0; }},
        {"sinh x", [](double x) { return std::sinh(x); }},
        {"|x-1|", [](double x) { return std::fabs(x - 1); }},
        {"3!+x", [](double x) { return 6 + x; }},
        {"(x+1)(x-1)", [](double x) { return x * x - 1; }},
        {"2(x+1)", [](double x) { return 2 * (x + 1); }},
        {"exp(x)", [](double x) { return std::exp(x); }},
        {"lnx", [](double x) { return x > 0 ? std::log(x) : NAN; }},
        {"sqrtx", [](double x) { return x >= 0 ? std::sqrt(x) : NAN; }},
    };
    for (const Case& c : cases) {
        TParser parser;
        Load(c.text, parser);
        ExpectValues(parser, c.value, c.text);
    }
}

TEST_F(TranslateChain, DecimalCommaGivesTheSameValue) {
    SetDecimalSeparator(',');
    TParser parser;
    Load("2,5x", parser);
    ExpectValues(parser, [](double x) { return 2.5 * x; }, "2,5x");
}

TEST_F(TranslateChain, RelationsSolvedForY) {
    struct Case {
        const char* text;
        Fn value;
    };
    const Case cases[] = {
        {"y=2x", [](double x) { return 2 * x; }},
        {"y>=2x", [](double x) { return 2 * x; }},
        {"y<x-1", [](double x) { return x - 1; }},
        {"2y=x", [](double x) { return x / 2; }},
        {"y+1=x", [](double x) { return x - 1; }},
        {"3y-x=6", [](double x) { return (x + 6) / 3; }},
        {"-y=x", [](double x) { return -x; }},
        {"2xy=1", [](double x) { return x == 0 ? NAN : 1 / (2 * x); }},
        {"y=sin²x", [](double x) { return std::sin(x) * std::sin(x); }},
        {"y³=x", [](double x) { return std::cbrt(x); }},
        {"(y+1)³=x", [](double x) { return std::cbrt(x) - 1; }},
        {"y^5=x", [](double x) { return x < 0 ? -std::pow(-x, 0.2) : std::pow(x, 0.2); }},
        {"lny=x", [](double x) { return std::exp(x); }},
        {"ln(2y)=x", [](double x) { return std::exp(x) / 2; }},
        {"sqrt(y)=x", [](double x) { return x * x; }},
        {"ysinx=1", [](double x) { return 1 / std::sin(x); }},
        {"x*siny=1", [](double x) { return std::fabs(x) >= 1 ? std::asin(1 / x) : NAN; }},
        {"lnsiny=x", [](double x) { return std::exp(x) <= 1 ? std::asin(std::exp(x)) : NAN; }},
        {"e^y=x", [](double x) { return x > 0 ? std::log(x) : NAN; }},
        {"2(y+1)=x", [](double x) { return x / 2 - 1; }},
        {"((y-2)-3x)=2", [](double x) { return 3 * x + 4; }},
        {"2+(-y-lnx)=x", [](double x) { return x > 0 ? 2 - x - std::log(x) : NAN; }},
    };
    for (const Case& c : cases) {
        TParser parser;
        parser.E = 2.718281828;
        Load(c.text, parser);
        ExpectValues(parser, c.value, c.text, {-2.5, -1, 0.5, 1.75, 3});
    }
}

TEST_F(TranslateChain, DegreeModeSolvesInDegrees) {
    trans.Degrees = true;
    const double kDeg = 180 / M_PI;
    TParser parser;
    Load("y=sin x", parser);
    ExpectValues(parser, [](double x) { return std::sin(x * M_PI / 180); }, "y=sin x", {-90, 30, 200});
    Load("siny=x", parser);
    ExpectValues(parser, [=](double x) { return std::asin(x) * kDeg; }, "siny=x", {-1, 0.5, 0.9});
    Load("arctany=x", parser);
    ExpectValues(parser, [](double x) { return std::tan(x * M_PI / 180); }, "arctany=x", {-60, 10, 45});
}

TEST_F(TranslateChain, SquareRootRelationsGiveBothBranches) {
    struct Case {
        const char* text;
        Fn upper;  // the first branch; the second is its mirror below
        Fn lower;
    };
    auto root = [](double r) { return r >= 0 ? std::sqrt(r) : NAN; };
    const Case cases[] = {
        {"y²=x", [=](double x) { return root(x); }, [=](double x) { return -root(x); }},
        {"x²+y²=4", [=](double x) { return root(4 - x * x); },
         [=](double x) { return -root(4 - x * x); }},
        {"(y+1)²=x", [=](double x) { return root(x) - 1; },
         [=](double x) { return -root(x) - 1; }},
        {"(2y)²=x", [=](double x) { return root(x) / 2; }, [=](double x) { return -root(x) / 2; }},
        {"(sin(y))^2=x",
         [=](double x) { return x >= 0 && x <= 1 ? std::asin(std::sqrt(x)) : NAN; },
         [=](double x) { return x >= 0 && x <= 1 ? -std::asin(std::sqrt(x)) : NAN; }},
        {"(lny)²=x", [=](double x) { return std::exp(root(x)); },
         [=](double x) { return std::exp(-root(x)); }},
        {"y^4=x", [=](double x) { return x >= 0 ? std::pow(x, 0.25) : NAN; },
         [=](double x) { return x >= 0 ? -std::pow(x, 0.25) : NAN; }},
    };
    for (const Case& c : cases) {
        TParser first, second;
        Load(c.text, first);
        ExpectValues(first, c.upper, std::string(c.text) + " (first branch)");
        LoadSecond(second);
        ExpectValues(second, c.lower, std::string(c.text) + " (second branch)");
    }
}

TEST_F(TranslateChain, RelationsWithSeveralYStayImplicit) {
    for (const char* text : {"x*y+y=1", "x*y+y<1", "x*y+y>=1"}) {
        TParser parser;
        Load(text, parser);
        EXPECT_EQ(trans.ycount, 2);
        // F(x, y) = x*y + y - 1 vanishes on the curve y = 1/(x+1).
        for (double x : {-3.0, 0.0, 0.5, 2.0}) {
            parser.X = x;
            for (double y : {-1.0, 0.25, 2.0}) {
                parser.Y = y;
                EXPECT_NEAR(static_cast<double>(parser.Value()), x * y + y - 1, 1e-12)
                    << text << " at " << x << "," << y;
            }
            parser.Y = 1 / (x + 1);
            EXPECT_NEAR(static_cast<double>(parser.Value()), 0, 1e-12) << text;
        }
    }
}

TEST_F(TranslateChain, TextsTheCompilerMustReject) {
    // The translator rewrites anything; these must fail to compile rather
    // than compile into something else.
    for (const char* text : {"max(x,1)", "y=>2x", "|x", "logy=x", "sin²y=x", "sinx*y=1",
                             "(y+2)*2=x", "a(y+1)=x", "tanay*sinx=3x"}) {
        TParser parser;
        trans.Instring = text;
        trans.Translate();
        EXPECT_THROW(parser.SetExpression(trans.Outstring), EMathParserError)
            << text << " -> " << trans.Outstring;
    }
}

}  // namespace
}  // namespace kurvo
