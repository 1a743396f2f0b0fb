// The parser object: states, variables, undefined values, the host
// notifications, the user functions and the shared random generator.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "expr/errors.h"
#include "expr/parser.h"

namespace kurvo {
namespace {

bool Defined(TParser& p, const std::string& text) {
    p.SetExpression(text);
    double v;
    return p.TryValue(v);
}

TEST(Parser, StatesAndVariables) {
    TParser p;
    EXPECT_EQ(p.Value(), 0);  // new parser
    p.SetExpression("X^2");
    p.X = 3;
    EXPECT_EQ(p.Value(), 9);
    p.X = 4;  // no recompilation needed
    EXPECT_EQ(p.Value(), 16);
    EXPECT_EQ(p.Expression(), "X^2");
    p.SetExpression("");
    EXPECT_EQ(p.Value(), 0);
    EXPECT_THROW(p.SetExpression("X+2Y"), ESyntaxError);
    EXPECT_EQ(p.Value(), 0);
}

TEST(Parser, FailedAssignmentClearsTheOldList) {
    TParser p;
    p.X = 5;
    p.SetExpression("x+1");
    EXPECT_EQ(p.Value(), 6);
    EXPECT_THROW(p.SetExpression("x+"), ESyntaxError);
    EXPECT_EQ(p.Expression(), "x+");
    EXPECT_EQ(p.Value(), 0);
    EXPECT_EQ(p.X, 5);  // variables survive assignments
}

TEST(Parser, HandlerReceivesCompileErrorsInsteadOfTheCaller) {
    TParser p;
    std::vector<std::string> seen;
    p.OnParserError = [&](TCustomParser2& sender, const Exception& e) {
        EXPECT_EQ(&sender, &p);
        seen.push_back(e.what());
    };
    EXPECT_NO_THROW(p.SetExpression("X +1"));
    EXPECT_NO_THROW(p.SetExpression("X^1E20"));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], "Expression has blanks");
    EXPECT_EQ(seen[1], "Invalid floating point operation");
    EXPECT_EQ(p.Value(), 0);
}

TEST(Parser, AllNineteenVariablesAndNoOthers) {
    TParser p;
    const std::string letters = "ABCDEMNOPQRSTUVWXYZ";
    double value = 1;
    for (char c : letters) *p.Var(c) = value++;
    value = 1;
    for (char c : letters) {
        p.SetExpression(std::string(1, c) + "*1");
        EXPECT_EQ(p.Value(), value++) << c;
    }
    EXPECT_EQ(p.Var('x'), &p.X);
    for (char c : std::string("FGHIJKL")) {
        EXPECT_EQ(p.Var(c), nullptr);
        EXPECT_EQ(p.VariableCell(std::string(1, c)), nullptr);
    }
    EXPECT_EQ(p.VariableCell("X"), &p.X);
}

TEST(Parser, UndefinedValuesAreErrorsAndLeaveTheParserUsable) {
    TParser p;
    p.X = 0;
    for (const char* text : {"1/X", "0/X", "SQRT(X-1)", "LN(0)", "LN(0-1)", "ARCSIN(2)", "ARCCOS(0-2)",
                             "7MOD0", "7DIV0", "7MOD(1/2)", "EXP(1E5)", "X^-1", "(0-8)^(1/3)",
                             "ROOT(0-16,4)", "ROOT(8,0)", "TRUNC(3E9)", "INT(0-3E9)", "3E9MOD2",
                             "2MOD3E9", "10^400", "1E300*1E300", "COTRAD(0)", "COSECRAD(0)",
                             "ARCCOT(0)", "ARCSEC(X)", "ARCCOSEC(0)", "INTPOWER(0,-1)",
                             "INTPOWER(2,3E9)", "POWER(0,-1)", "POWER(0,-0.5)", "LOGN(1,2)",
                             "LOGN(2,0)", "TANH(12000)", "SECH(12000)", "COSH(800)", "SINHSQ(400)",
                             "ARCTANH(1)", "ARCCOSH(0.5)", "PH(1E10)", "X^(0-2)"}) {
        p.SetExpression(text);
        double v;
        EXPECT_FALSE(p.TryValue(v)) << text << " gave " << v;
        EXPECT_THROW(p.Value(), EEvaluationError) << text;
    }
    // The next read starts afresh.
    p.SetExpression("1/X");
    p.X = 4;
    EXPECT_EQ(p.Value(), 0.25);
}

TEST(Parser, IntegerDivisionEdgesNeverFault) {
    TParser p;
    p.SetExpression("XDIVY");
    p.X = -2147483648.0;
    p.Y = -1;
    EXPECT_EQ(p.Value(), 2147483648.0);
    p.SetExpression("XMODY");
    EXPECT_EQ(p.Value(), 0);
    p.X = -7, p.Y = 2;
    EXPECT_EQ(p.Value(), -1);  // the sign of the dividend
    p.SetExpression("XDIVY");
    EXPECT_EQ(p.Value(), -3);  // truncated toward zero
    p.X = 7.9, p.Y = 2.9;
    EXPECT_EQ(p.Value(), 3);  // operands truncated first
}

TEST(Parser, SentinelsAreOrdinaryValues) {
    TParser p;
    p.SetExpression("COT(0)");
    EXPECT_EQ(p.Value(), 100000);
    p.SetExpression("COSEC(0)");
    EXPECT_EQ(p.Value(), 1000000);
    p.SetExpression("LOG(0)");
    EXPECT_EQ(p.Value(), -200000);
    p.SetExpression("LOG2(-1)");
    EXPECT_EQ(p.Value(), -200000);
    p.SetExpression("LOGN(-2,8)");
    EXPECT_EQ(p.Value(), 2000);
    p.SetExpression("COT(1E-10)+1");
    EXPECT_EQ(p.Value(), 100001);
}

TEST(Parser, ValuesAreRoundedToDoubleAndUnderflowIsSilent) {
    TParser p;
    p.SetExpression("1E-200*1E-200");
    EXPECT_EQ(p.Value(), 0);
    p.SetExpression("10^-400");
    EXPECT_EQ(p.Value(), 0);
    p.SetExpression("0.5^-1000");
    EXPECT_DOUBLE_EQ(static_cast<double>(p.Value()), std::ldexp(1.0, 1000));
    p.SetExpression("EXP(0-1000)");
    EXPECT_EQ(p.Value(), 0);
    // Extended intermediates: the hyperbolic functions survive where a
    // double exponential alone would overflow.
    p.SetExpression("TANH(750)");
    EXPECT_EQ(p.Value(), 1);
}

struct RecordingHost : ParserHost {
    int derivative = 0, integral = 0, inverse = 0;
    std::vector<std::pair<int, double>> calls;
    void DerivativeCalled() override { ++derivative; }
    void IntegralCalled() override { ++integral; }
    void InverseCalled() override { ++inverse; }
    bool CallUserFunction(int index, double argument, double& result) override {
        calls.emplace_back(index, argument);
        if (index == 6) return false;  // L is undefined everywhere
        result = 10 * index + argument;
        return true;
    }
};

TEST(Parser, HostNotificationsAtEachEvaluation) {
    TParser p;
    RecordingHost host;
    p.SetHost(&host);
    p.X = 2;
    p.SetExpression("DIFF(X^2)+INTEG(X)*INV(3)");
    EXPECT_EQ(host.derivative, 0);  // compiling evaluates nothing
    EXPECT_EQ(p.Value(), 10);
    EXPECT_EQ(p.Value(), 10);
    EXPECT_EQ(host.derivative, 2);
    EXPECT_EQ(host.integral, 2);
    EXPECT_EQ(host.inverse, 2);
    // Without a host the functions still return their argument.
    TParser q;
    q.SetExpression("DIFF(5)");
    EXPECT_EQ(q.Value(), 5);
}

TEST(Parser, UserFunctionsCallTheHost) {
    TParser p;
    RecordingHost host;
    p.SetHost(&host);
    p.X = 1.5;
    p.SetExpression("F(X)+G(2)+K(0)");
    EXPECT_EQ(p.Value(), 1.5 + 12 + 50);
    // Deepest level first: F(X)+(G(2)+K(0)) calls G and K before F.
    ASSERT_EQ(host.calls.size(), 3u);
    EXPECT_EQ(host.calls[0], std::make_pair(1, 2.0));
    EXPECT_EQ(host.calls[1], std::make_pair(5, 0.0));
    EXPECT_EQ(host.calls[2], std::make_pair(0, 1.5));
    p.SetExpression("L(1)*0");
    EXPECT_THROW(p.Value(), EEvaluationError);
    TParser alone;
    alone.SetExpression("F(1)");
    EXPECT_THROW(alone.Value(), EEvaluationError);  // no host: undefined
}

// A host that routes F..L to a UserFunctionSet, as the graph window does.
struct SetHost : ParserHost {
    UserFunctionSet* set = nullptr;
    long calls = 0;
    bool CallUserFunction(int index, double argument, double& result) override {
        ++calls;
        return set->Call(index, argument, result);
    }
};

// Seven bodies F..L and a caller, wired through the host.
struct UserFunctions : ::testing::Test {
    UserFunctions() {
        host.set = &set;
        for (int k = 0; k < 7; ++k) {
            set.parsers[k] = &slots[k];
            slots[k].SetHost(&host);
        }
        caller.SetHost(&host);
    }
    TParser slots[7], caller;
    UserFunctionSet set;
    SetHost host;
};

TEST_F(UserFunctions, SetWritesTheArgumentCellByMode) {
    slots[0].A = 3;  // each body keeps its own constants
    slots[0].SetExpression("A*X+T");
    slots[1].SetExpression("F(X)+1");  // G calls F
    slots[0].T = 100;
    caller.SetExpression("G(2)");
    EXPECT_EQ(caller.Value(), 3 * 2 + 100 + 1);
    EXPECT_EQ(slots[1].X, 2);  // the argument cell stays written
    set.cartesian = false;
    slots[0].X = 0;
    slots[0].SetExpression("A*T");
    slots[1].SetExpression("F(T)");
    caller.SetExpression("G(5)");
    EXPECT_EQ(caller.Value(), 15);
    EXPECT_EQ(slots[0].T, 5);
}

TEST_F(UserFunctions, RecursionIsBoundedAndUndefined) {
    slots[0].SetExpression("F(X)+1");  // F calls itself
    slots[1].SetExpression("H(X)");    // G and H call each other
    slots[2].SetExpression("G(X)*2");
    slots[3].SetExpression("X+1");     // I is fine
    caller.SetExpression("F(1)");
    EXPECT_THROW(caller.Value(), EEvaluationError);
    caller.SetExpression("G(1)");
    EXPECT_THROW(caller.Value(), EEvaluationError);
    // The depth count is back to zero afterwards.
    caller.SetExpression("I(1)");
    EXPECT_EQ(caller.Value(), 2);
    set.parsers[4] = nullptr;
    caller.SetExpression("J(1)");
    EXPECT_THROW(caller.Value(), EEvaluationError);
}

// Ten calls of `name` joined by '+'.
std::string TenCalls(const char* name) {
    std::string s;
    for (int k = 0; k < 10; ++k) s += std::string(k ? "+" : "") + name + "(X)";
    return s;
}

TEST_F(UserFunctions, TheWorkOfOneCallIsBounded) {
    struct Case {
        const char* what;
        std::vector<std::string> bodies;  // F, G, ...
        const char* call;
        double value;                     // NaN: undefined
    };
    const double undefined = std::nan("");
    const Case cases[] = {
        {"calls itself twice", {"F(X)+F(X)"}, "F(2)", undefined},
        {"nested self calls", {"F(F(F(X)))"}, "F(2)", undefined},
        {"two calling each other", {"G(X)+H(X)", "F(X)*H(X)", "X"}, "F(1)", undefined},
        {"11111 calls, within the bound", {"X", TenCalls("F"), TenCalls("G"), TenCalls("H"), TenCalls("I")},
         "J(1)", 10000},
        {"111111 calls, beyond it",
         {"X", TenCalls("F"), TenCalls("G"), TenCalls("H"), TenCalls("I"), TenCalls("J")}, "K(1)", undefined},
    };
    for (const auto& c : cases) {
        for (int k = 0; k < 7; ++k) slots[k].SetExpression(k < int(c.bodies.size()) ? c.bodies[k] : "0");
        caller.SetExpression(c.call);
        host.calls = 0;
        double v = 0;
        const bool defined = caller.TryValue(v);
        EXPECT_EQ(defined, !std::isnan(c.value)) << c.what;
        if (defined) EXPECT_EQ(v, c.value) << c.what;
        EXPECT_LE(host.calls, UserFunctionSet::MaxCalls + 100) << c.what;
        // The next outermost call starts afresh.
        slots[6].SetExpression("X*3");
        caller.SetExpression("L(2)");
        EXPECT_EQ(caller.Value(), 6) << c.what;
    }
}

TEST(Parser, RandomSequenceIsTheSameEveryRun) {
    ResetRandomSeed();
    const double first = NextRandom();
    EXPECT_EQ(first, 1 / 4294967296.0);  // seed 0 * 134775813 + 1
    EXPECT_EQ(NextRandom(), 134775814 / 4294967296.0);
    ResetRandomSeed();
    TParser p;
    p.SetExpression("RANDOM(X)");
    EXPECT_EQ(p.Value(), first);
    p.SetExpression("RND(10)");
    for (int i = 0; i < 1000; ++i) {
        long double v = p.Value();
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 10);
    }
    ResetRandomSeed(0xFFFFFFFFu);
    EXPECT_EQ(NextRandom(), static_cast<uint32_t>(0xFFFFFFFFu * 134775813u + 1u) / 4294967296.0);
}

TEST(Parser, DefinedAcrossSampling) {
    // A sampling loop over a formula with a pole: only the pole is missing.
    TParser p;
    p.SetExpression("1/(X^2-4)");
    int gaps = 0;
    for (int i = -100; i <= 100; ++i) {
        p.X = i / 10.0;
        double v;
        if (!p.TryValue(v)) ++gaps;
    }
    EXPECT_EQ(gaps, 2);
    EXPECT_TRUE(Defined(p, "SQRT(9-X^2)") == false);  // X is still 10
    p.X = 0;
    EXPECT_TRUE(Defined(p, "SQRT(9-X^2)"));
}

}  // namespace
}  // namespace kurvo
