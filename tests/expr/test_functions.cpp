// The function library through the parser: values, variants, sentinels and
// the integer-part family.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "expr/errors.h"
#include "expr/functions.h"
#include "expr/parser.h"

namespace kurvo {
namespace {

const double kPi = 3.14159265358979323846;

double Eval(const std::string& text, double x = 0) {
    TParser p;
    p.X = x;
    p.SetExpression(text);
    return static_cast<double>(p.Value());
}

bool Undefined(const std::string& text, double x = 0) {
    TParser p;
    p.X = x;
    p.SetExpression(text);
    double v;
    return !p.TryValue(v);
}

TEST(Functions, TrigonometricFamilyVariants) {
    const double x = 0.7, d = 40;  // radians, degrees
    const double r = d * kPi / 180;
    struct Case {
        const char* name;
        double (*f)(double);
    } cases[] = {
        {"SIN", [](double v) { return std::sin(v); }},
        {"COS", [](double v) { return std::cos(v); }},
        {"TAN", [](double v) { return std::tan(v); }},
        {"COT", [](double v) { return 1 / std::tan(v); }},
        {"SEC", [](double v) { return 1 / std::cos(v); }},
        {"COSEC", [](double v) { return 1 / std::sin(v); }},
    };
    for (const auto& c : cases) {
        const std::string n = c.name;
        EXPECT_NEAR(Eval(n + "(X)", x), c.f(x), 1e-14) << n;
        EXPECT_NEAR(Eval(n + "RAD(X)", d), c.f(r), 1e-14) << n;
        EXPECT_NEAR(Eval(n + "SQ(X)", x), c.f(x) * c.f(x), 1e-13) << n;
        EXPECT_NEAR(Eval(n + "SQRAD(X)", d), c.f(r) * c.f(r), 1e-13) << n;
        EXPECT_NEAR(Eval(n + "CUBE(X)", x), std::pow(c.f(x), 3), 1e-13) << n;
        EXPECT_NEAR(Eval(n + "CUBERAD(X)", d), std::pow(c.f(r), 3), 1e-13) << n;
    }
    EXPECT_EQ(Eval("SINRAD(90)"), 1);
    EXPECT_EQ(Eval("SIN(PI/2)"), 1);
    EXPECT_EQ(Eval("SIN(1E19)"), 0);  // beyond argument reduction
    EXPECT_EQ(Eval("COS(0-1E19)"), 0);
}

TEST(Functions, OnlyThePlainCotAndCosecAreGuarded) {
    EXPECT_EQ(Eval("COT(X)", 5e-10), 100000);
    EXPECT_EQ(Eval("COT(X)", -5e-10), 100000);
    // The guard is the extended 1E-9; the double nearest 1E-9 lies above it.
    EXPECT_NEAR(Eval("COT(X)", 1e-9), 1e9, 1);
    EXPECT_NEAR(Eval("COT(X)", 1e-8), 1e8, 1);
    EXPECT_EQ(Eval("COSEC(X)", 5e-10), 1000000);
    for (const char* guarded : {"COTRAD", "COTSQ", "COTCUBE", "COSECRAD", "COSECSQ", "COSECCUBERAD"})
        EXPECT_TRUE(Undefined(std::string(guarded) + "(0)")) << guarded;
}

TEST(Functions, InverseTrigonometric) {
    EXPECT_NEAR(Eval("ARCSIN(0.5)"), kPi / 6, 1e-15);
    EXPECT_NEAR(Eval("ARCCOS(0.5)"), kPi / 3, 1e-15);
    EXPECT_NEAR(Eval("ARCTAN(1)"), kPi / 4, 1e-15);
    EXPECT_NEAR(Eval("ARCCOT(2)"), std::atan(0.5), 1e-15);
    EXPECT_NEAR(Eval("ARCSEC(2)"), kPi / 3, 1e-15);
    EXPECT_NEAR(Eval("ARCCOSEC(2)"), kPi / 6, 1e-15);
    EXPECT_EQ(Eval("DEGATAN(1)"), 45);
    EXPECT_NEAR(Eval("DEGASIN(0.5)"), 30, 1e-13);
    EXPECT_NEAR(Eval("DEGACOS(0.5)"), 60, 1e-13);
    EXPECT_NEAR(Eval("DEGACOT(1)"), 45, 1e-13);
    EXPECT_NEAR(Eval("DEGASEC(2)"), 60, 1e-13);
    EXPECT_NEAR(Eval("DEGACOSEC(2)"), 30, 1e-13);
    EXPECT_EQ(Eval("ARCSIN(1)"), kPi / 2);
    EXPECT_TRUE(Undefined("ARCSIN(1.0000001)"));
    EXPECT_TRUE(Undefined("ARCSEC(0.5)"));
    EXPECT_TRUE(Undefined("DEGACOT(0)"));
}

TEST(Functions, HyperbolicFamily) {
    EXPECT_NEAR(Eval("TANH(1)"), 0.7615941559557649, 1e-15);
    EXPECT_NEAR(Eval("COTH(1)"), 1.3130352854993313, 1e-15);
    EXPECT_NEAR(Eval("COSHSQ(1)"), 2.3810978455418157, 1e-14);
    EXPECT_NEAR(Eval("COSHCUBE(1)"), std::pow(std::cosh(1.0), 3), 1e-14);
    EXPECT_NEAR(Eval("COSHCUBE(1)"), 3.6742, 1e-4);
    EXPECT_NEAR(Eval("SINH(2)"), std::sinh(2.0), 1e-14);
    EXPECT_NEAR(Eval("SINHSQ(2)"), std::pow(std::sinh(2.0), 2), 1e-13);
    EXPECT_NEAR(Eval("SINHCUBE(-2)"), std::pow(std::sinh(-2.0), 3), 1e-12);
    EXPECT_NEAR(Eval("SECH(1)"), 1 / std::cosh(1.0), 1e-15);
    EXPECT_NEAR(Eval("SECHSQ(1)"), std::pow(1 / std::cosh(1.0), 2), 1e-15);
    EXPECT_NEAR(Eval("COSECH(1)"), 1 / std::sinh(1.0), 1e-15);
    EXPECT_NEAR(Eval("COSECHCUBE(1)"), std::pow(1 / std::sinh(1.0), 3), 1e-14);
    EXPECT_NEAR(Eval("TANHSQ(0.5)"), std::pow(std::tanh(0.5), 2), 1e-15);
    EXPECT_NEAR(Eval("COTHCUBE(0.5)"), std::pow(1 / std::tanh(0.5), 3), 1e-13);
    EXPECT_TRUE(Undefined("COTH(0)"));
    EXPECT_TRUE(Undefined("COSECH(0)"));
    EXPECT_EQ(Eval("TANH(0)"), 0);
}

TEST(Functions, InverseHyperbolic) {
    EXPECT_NEAR(Eval("ARCSINH(2)"), std::asinh(2.0), 1e-15);
    EXPECT_NEAR(Eval("ARCCOSH(2)"), std::acosh(2.0), 1e-15);
    EXPECT_NEAR(Eval("ARCTANH(0.5)"), std::atanh(0.5), 1e-15);
    EXPECT_NEAR(Eval("ARCSECH(0.5)"), std::acosh(2.0), 1e-15);
    EXPECT_NEAR(Eval("ARCCOSECH(0.5)"), std::asinh(2.0), 1e-15);
    EXPECT_NEAR(Eval("ARCCOTH(2)"), std::atanh(0.5), 1e-15);
    EXPECT_TRUE(Undefined("ARCTANH(2)"));
    EXPECT_TRUE(Undefined("ARCSECH(0)"));
    EXPECT_TRUE(Undefined("ARCCOTH(0)"));
    EXPECT_TRUE(Undefined("ARCCOSH(0-2)"));
}

TEST(Functions, LogarithmsRootsAndPowers) {
    EXPECT_NEAR(Eval("EXP(1)"), std::exp(1.0), 1e-15);
    EXPECT_NEAR(Eval("LN(EXP(2))"), 2, 1e-15);
    EXPECT_EQ(Eval("LOG(1000)"), 3);
    EXPECT_EQ(Eval("LOG2(8)"), 3);
    EXPECT_EQ(Eval("LOGN(2,8)"), 3);
    EXPECT_EQ(Eval("LOGN(0,8)"), 2000);
    EXPECT_EQ(Eval("SQRT(16)"), 4);
    EXPECT_EQ(Eval("SQR(-3)"), 9);
    EXPECT_EQ(Eval("ABS(-3)"), 3);
    EXPECT_NEAR(Eval("ROOT(-8,3)"), -2, 1e-15);
    EXPECT_NEAR(Eval("CBRT(-8)"), -2, 1e-15);
    EXPECT_NEAR(Eval("ROOT(27,3)"), 3, 1e-15);
    EXPECT_NEAR(Eval("ROOT(-8,3.7)"), -std::pow(8.0, 1 / 3.7), 1e-15);
    EXPECT_TRUE(Undefined("ROOT(-16,4)"));
    EXPECT_TRUE(Undefined("(-8)^(1/3)"));
    EXPECT_EQ(Eval("(-2)^3"), -8);
    EXPECT_EQ(Eval("(-2)^X", 3), -8);  // integral at run time: repeated squaring
    EXPECT_EQ(Eval("X^0", 0), 1);
    EXPECT_EQ(Eval("POWER(0,0)"), 1);
    EXPECT_EQ(Eval("POWER(0,2.5)"), 0);
    EXPECT_EQ(Eval("POWER(-2,-2)"), 0.25);
    EXPECT_EQ(Eval("INTPOWER(2,10.9)"), 1024);
    EXPECT_EQ(Eval("INTPOWER(-2,-3)"), -0.125);
    EXPECT_NEAR(Eval("X^0.5", 2), std::sqrt(2.0), 1e-15);
    EXPECT_EQ(Eval("X^7", 3), 2187);
    EXPECT_EQ(Eval("X^-2", 4), 0.0625);
    EXPECT_EQ(Eval("X^4", -2), 16);
    EXPECT_EQ(IntPower(3, 0), 1);
    EXPECT_EQ(IntPower(0, 0), 1);
    EXPECT_EQ(IntPower(-1, std::numeric_limits<int32_t>::min()), 1);
    EXPECT_EQ(Power(2, -2147483648.0L), std::exp(-2147483648.0L * std::log(2.0L)));
}

TEST(Functions, IntegerPartsAsTheSystemDefinesThem) {
    EXPECT_EQ(Eval("INT(-2)"), -3);
    EXPECT_EQ(Eval("TRUNC(-2)"), -3);
    EXPECT_EQ(Eval("INT(-2.5)"), -3);
    EXPECT_EQ(Eval("INT(2.7)"), 2);
    EXPECT_EQ(Eval("INT(0)"), 0);
    EXPECT_EQ(Eval("INT(-2147483648)"), -2147483649.0);  // no 32-bit wrap
    EXPECT_EQ(Eval("INT(2147483647.5)"), 2147483647);
    EXPECT_TRUE(Undefined("INT(2147483648)"));
    EXPECT_EQ(Eval("FLOOR(-2)"), -2);
    EXPECT_EQ(Eval("FLOOR(-2.5)"), -3);
    EXPECT_EQ(Eval("FLOOR(2.5)"), 2);
    EXPECT_EQ(Eval("CEIL(-2.5)"), -2);
    EXPECT_EQ(Eval("CEIL(2.1)"), 3);
    EXPECT_EQ(Eval("CEIL(2)"), 2);
    EXPECT_EQ(Eval("FLOOR(1E15+0.5)"), 1e15);  // real truncation, no 32-bit limit
    EXPECT_EQ(Eval("SIGN(0)"), 0);
    EXPECT_EQ(Eval("SIGN(-0.1)"), -1);
    EXPECT_EQ(Eval("SIGN(3)"), 1);
    EXPECT_EQ(Eval("HEAV(0)"), 1);
    EXPECT_EQ(Eval("HEAV(-1E-300)"), 0);
    EXPECT_EQ(Eval("ZERO(0)"), 0);
    EXPECT_EQ(Eval("ZERO(5)"), 1);
    EXPECT_EQ(Eval("MAX(2,3)"), 3);
    EXPECT_EQ(Eval("MIN(3,3)"), 3);
    EXPECT_EQ(Eval("MIN(4,3)"), 3);
}

TEST(Functions, ArgPhAndBlanc) {
    EXPECT_EQ(Eval("ARG(0,-1)"), -kPi / 2);
    EXPECT_EQ(Eval("ARG(0,0)"), -kPi / 2);
    EXPECT_EQ(Eval("ARG(0,1)"), kPi / 2);
    EXPECT_EQ(Eval("ARG(-1,0)"), kPi);
    EXPECT_NEAR(Eval("ARG(1,1)"), kPi / 4, 1e-15);
    EXPECT_NEAR(Eval("ARG(-1,-1)"), 5 * kPi / 4, 1e-15);  // atan(b/a) + pi, not the principal value
    EXPECT_EQ(Eval("PH(0)"), 0);
    // t = x*pi/2; (t - round(t)) * 2pi: a sawtooth.
    const double t = 0.3 * kPi / 2;
    EXPECT_NEAR(Eval("PH(0.3)"), t * 2 * kPi, 1e-14);
    const double u = 1.0 * kPi / 2;  // rounds to 2
    EXPECT_NEAR(Eval("PH(1)"), (u - 2) * 2 * kPi, 1e-14);
    EXPECT_EQ(Eval("BLANC(0.5)"), 0.5);
    EXPECT_EQ(Eval("BLANC(0.25)"), 0.5);
    EXPECT_EQ(Eval("BLANC(0)"), 0);
    EXPECT_EQ(Eval("BLANC(3)"), 0);
    EXPECT_EQ(Eval("BLANC(-0.75)"), Eval("BLANC(0.25)"));  // period 1
    EXPECT_NEAR(Eval("BLANC(1/3)"), 2.0 / 3, 1e-14);
    EXPECT_EQ(Eval("BLANC(X)+X", 0.25), 0.75);  // the argument cell is untouched
}

TEST(Functions, EveryTableNameCompilesAsACall) {
    // Every entry of table 1 compiles as NAME(X) and table 2 as NAME(X,Y);
    // no name is swallowed by another form.
    TParser p;
    for (const auto& [name, entry] : OneArgumentFunctions()) {
        EXPECT_NO_THROW(p.SetExpression(name + "(X)")) << name;
        EXPECT_THROW(p.SetExpression(name + "(X,1)"), ESyntaxError) << name;
    }
    for (const auto& [name, entry] : TwoArgumentFunctions()) {
        EXPECT_NO_THROW(p.SetExpression(name + "(X,Y)")) << name;
        EXPECT_THROW(p.SetExpression(name + "(X)"), ESyntaxError) << name;
    }
    EXPECT_EQ(OneArgumentFunctions().size(), 36u + 12 + 18 + 6 + 22 + 7);
    EXPECT_EQ(TwoArgumentFunctions().size(), 7u);
}

}  // namespace
}  // namespace kurvo
