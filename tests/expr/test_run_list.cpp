// The parser's evaluation (constants computed once, depth-first order,
// merged steps, partial undefined check) against the records of the same
// formula run one by one with every result cell checked: the values must
// be the same bits and the undefined points the same, host calls and
// random draws included.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "expr/compiler.h"
#include "expr/errors.h"
#include "expr/functions.h"
#include "expr/parser.h"
#include "expr/run_list.h"

namespace kurvo {
namespace {

// Counts the notifications; F..L are k + arg^2, undefined below -5.
struct CountingHost : ParserHost {
    int derivative = 0, integral = 0, inverse = 0, user = 0;
    void DerivativeCalled() override { ++derivative; }
    void IntegralCalled() override { ++integral; }
    void InverseCalled() override { ++inverse; }
    bool CallUserFunction(int index, double argument, double& result) override {
        ++user;
        if (argument < -5) return false;
        result = index + argument * argument;
        return true;
    }
    std::vector<int> Counts() const { return {derivative, integral, inverse, user}; }
};

struct Outcome {
    bool defined;
    double value;
    std::vector<int> calls;
};

class RunListTest : public ::testing::Test {
protected:
    RunListTest() {
        for (char c : std::string("ABCDEMNOPQRSTUVWXYZ")) {
            const std::string name(1, c);
            vars[name] = parser.VariableCell(name);
        }
        parser.SetHost(&host);
    }

    // The records as compiled, run in order by their plain routines, with
    // every result cell and every constant looked at.
    Outcome Reference(const CompiledProgram& program) {
        host = CountingHost();
        ResetRandomSeed(seed);
        bool defined = !program.ConstantUndefined;
        double v = 0;
        for (const auto& r : program.Records) v = r.Routine(r);
        defined &= std::isfinite(v);
        for (size_t k = 0; k < program.ResultCellCount; ++k) defined &= std::isfinite(program.Cells[k]);
        return {defined, v, host.Counts()};
    }

    Outcome Parser() {
        host = CountingHost();
        ResetRandomSeed(seed);
        double v = 0;
        const bool defined = parser.TryValue(v);
        return {defined, v, host.Counts()};
    }

    std::unique_ptr<CompiledProgram> Records(const std::string& text) {
        auto p = Compile(text, vars, OneArgumentFunctions(), TwoArgumentFunctions(), true);
        for (auto& r : p->Records) {
            if (r.Kind != kCall1 && r.Kind != kCall2) r.Routine = KindRoutine(r.Kind);
            r.Context = &parser;  // host calls go to the same host
        }
        return p;
    }

    // Compares parser and records for `text` at every x (Y and T follow
    // x); returns how many points were undefined.
    int Compare(const std::string& text, const std::vector<double>& xs) {
        parser.SetExpression(text);
        auto reference = Records(text);
        int undefined = 0;
        for (double x : xs) {
            parser.X = x;
            parser.Y = x / 2 + 1;
            parser.T = 3 - x;
            const Outcome want = Reference(*reference);
            const Outcome got = Parser();
            EXPECT_EQ(got.defined, want.defined) << text << " at X=" << x;
            if (want.defined && got.defined) {
                EXPECT_EQ(std::bit_cast<uint64_t>(got.value), std::bit_cast<uint64_t>(want.value))
                    << text << " at X=" << x << ": " << got.value << " instead of " << want.value;
            }
            EXPECT_EQ(got.calls, want.calls) << text << " at X=" << x;
            // Value agrees with TryValue, and its failure changes nothing.
            if (got.defined) {
                ResetRandomSeed(seed);
                EXPECT_EQ(static_cast<double>(parser.Value()), got.value) << text;
            } else {
                EXPECT_THROW(parser.Value(), EEvaluationError) << text << " at X=" << x;
            }
            undefined += !want.defined;
        }
        return undefined;
    }

    static std::vector<double> Points() {
        std::vector<double> xs;
        for (int i = 0; i <= 80; ++i) xs.push_back(-10 + 0.25 * i);  // 0, +-2, +-3 among them
        for (double x : {1e-200, -1e-200, 1e155, -1e155, 1e200, 1e300, -1e300, 2147483648.0, 4e9, 0.1, -0.7,
                         1e-320, std::nextafter(2.0, 3.0)})
            xs.push_back(x);
        return xs;
    }

    TParser parser;
    CountingHost host;
    VariableTable vars;
    uint32_t seed = 12345;
};

TEST_F(RunListTest, OperatorFormulasMatchTheRecordsBitForBit) {
    const char* formulas[] = {
        "X^2", "2*X+1", "SIN(X)*X^2+3*X-1", "SQRT(ABS(X))+LN(X^2+1)", "EXP(0-X^2/2)/SQRT(2*PI)", "1/(X^2-4)",
        "TAN(X)/(1+COS(X)^2)", "3*X^8-2*X^7+5*X^6-X^5+4*X^4-6*X^3+2*X^2-7*X+1", "SQRT(9-X^2)", "-X", "X", "7",
        "-(X*Y)^2+(X/Y)^3", "X^-3*Y+-1", "(X/(X-Y))^4-Y^5*X", "X*1E300*1E300-X", "0*(1/(X-Y))", "-(1/X)",
        "X^1-X^9+X^10*X^-1-X^-2", "X^11+X^-7", "(X+1)^6*(X-1)^7", "2/(1/X)", "(1/X)^0", "(1/X)^-1",
        "((1/X)^2)^3", "-(-(X^2))^4", "X/Y/T", "(X*Y)/(T*2)", "X-Y-T-1", "X*Y*T*2", "2-X*3", "(X-2)*3",
        "XMOD3+XDIV2", "(1/X)MOD2", "XDIV(X-2)", "(X*3)MOD(Y+1)", "X^0.5", "X^Y", "(X^2)^(1/3)",
        "(-X)^2.5+1", "2^X*3", "X^2147483647", "X^-2147483647"};
    const auto xs = Points();
    int undefined = 0;
    for (const char* f : formulas) undefined += Compare(f, xs);
    EXPECT_GT(undefined, 50);  // the undefined side is exercised too
}

TEST_F(RunListTest, FunctionCallsMatchTheRecordsBitForBit) {
    const char* formulas[] = {
        "SIN(1/X)", "ARCTAN(1/X)", "EXP(0-1/X^2)", "EXP(X*1E300)", "MAX(1/X,1)", "MIN(X,1/(X-2))", "COT(X)",
        "COTRAD(X)", "COSEC(X)", "LOG(X)+LOG2(0-X)", "LOGN(X,8)", "ARG(X,Y)", "ROOT(X,3)+CBRT(X)",
        "POWER(X,Y)-INTPOWER(X,-2)", "SQRT(LN(X))", "ABS(TAN(X))", "SQR(1/X)", "LN(1/X)", "TAN(1/X)",
        "SINSQ(X)+COSCUBE(X)-TANSQRAD(X)", "SINH(X)*COSH(X)-TANHCUBE(X)", "ARCSIN(X/10)+ARCCOSH(X)",
        "INT(X)+TRUNC(X*1E9)+CEIL(X)-FLOOR(X)", "HEAV(X)+SIGN(X)+ZERO(X)", "PH(X)+BLANC(X)+X",
        "DEGATAN(X)+SINRAD(X)", "ARCCOTH(X)+ARCSECH(X/20)", "SIN(X)", "SQRT(X)", "MAX(X,Y)",
        "SIN(COS(TAN(X)))*EXP(SQRT(X))"};
    const auto xs = Points();
    for (const char* f : formulas) Compare(f, xs);
}

// Operations on constants only are computed once; an undefined one must
// still make every read undefined.
TEST_F(RunListTest, ConstantPartsAreComputedOnceButStayUndefined) {
    const auto xs = Points();
    for (const char* f : {"SQRT(0-1)", "SQRT(0-1)+X", "SQRT(0-1)*0+X", "ARCTAN(1/0)+X", "1/0*0+X",
                          "X+LN(0)*0", "MAX(1/0,1)*X", "(0-1)^0.5+X", "1E400*0+X", "ARCTAN(1E400)+X",
                          "7MOD0+X", "EXP(1E5)-EXP(1E5)+X"}) {
        EXPECT_EQ(Compare(f, xs), static_cast<int>(xs.size())) << f;
    }
    for (const char* f : {"2*PI", "-PI", "SQRT(2*PI)*X", "X*(PI*2)", "EXP(1)+X", "X^2+SIN(PI/2)*COS(0)",
                          "MAX(1,2)*ROOT(8,3)-X", "(1+2)*(3+4)/X", "COT(0)*X", "LOG(0)+X"})
        Compare(f, xs);
    // The constants are folded away: fewer steps than records.
    auto gauss = Records("EXP(0-X^2/2)/SQRT(2*PI)");
    BuildRunList(*gauss);
    EXPECT_LT(gauss->Steps.size(), gauss->Records.size());
    parser.SetExpression("SQRT(2*PI)");
    EXPECT_EQ(static_cast<double>(parser.Value()), std::sqrt(2 * 3.141592653589793));
}

TEST_F(RunListTest, CallsWithEffectsRunOnEveryRead) {
    const auto xs = Points();
    for (const char* f : {"RANDOM(1)+X", "RND(10)*X+RANDOM(X)", "RANDOM(2*PI)", "DIFF(X^2)+SIN(2*PI)",
                          "INTEG(X)*2*PI", "INV(1/X)", "F(X)+G(2*PI)", "F(1/X)*0", "H(X-1)/H(X)",
                          "DIFF(INTEG(F(X)))+RANDOM(1)*X^2"})
        Compare(f, xs);
    // A random draw on constants is never computed once.
    parser.SetExpression("RANDOM(2*PI)");
    const double first = static_cast<double>(parser.Value());
    EXPECT_NE(static_cast<double>(parser.Value()), first);
    // Every read notifies the host again.
    host = CountingHost();
    parser.SetExpression("DIFF(2)+INTEG(3)+F(1)");
    parser.Value();
    parser.Value();
    EXPECT_EQ(host.Counts(), (std::vector<int>{2, 2, 0, 2}));
}

// Reads keep working when the variables change under a compiled formula
// and when another formula is compiled in between.
TEST_F(RunListTest, RecompilingAndEmptyExpressions) {
    parser.SetExpression("X*Y+1");
    parser.X = 2;
    parser.Y = 5;
    EXPECT_EQ(static_cast<double>(parser.Value()), 11);
    parser.SetExpression("");
    EXPECT_EQ(static_cast<double>(parser.Value()), 0);
    double v = -1;
    EXPECT_TRUE(parser.TryValue(v));
    EXPECT_EQ(v, 0);
    EXPECT_THROW(parser.SetExpression("2X"), ESyntaxError);
    EXPECT_EQ(static_cast<double>(parser.Value()), 0);
    parser.SetExpression("Y");
    parser.Y = 1.5;
    EXPECT_EQ(static_cast<double>(parser.Value()), 1.5);
}

}  // namespace
}  // namespace kurvo
