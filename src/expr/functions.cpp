#include "functions.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "parser.h"
#include "text_helpers.h"

namespace kurvo {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr long double kPi = 3.1415926535897932385L;
constexpr long double kPiHalf = 1.5707963267948966193L;
constexpr long double kTwoPi = 6.283185307179586477L;
constexpr long double kDegToRad = 0.017453292519943295769L;
constexpr long double kRadToDeg = 57.295779513082320877L;
// Beyond this magnitude the hardware cannot reduce a sine or cosine
// argument; the library's answer there is 0.
constexpr double kTrigLimit = 9223372036854775808.0;  // 2^63

// ---- routine wrappers: the function is inlined into its routine ----

template <double (*F)(double)>
double Unary(const OperationRecord& r) {
    return *r.Result = F(*r.Operand1);
}

template <double (*F)(double, double)>
double Binary(const OperationRecord& r) {
    return *r.Result = F(*r.Operand1, *r.Operand2);
}

ParserHost* HostOf(const OperationRecord& r) {
    return r.Context ? static_cast<TCustomParser2*>(r.Context)->Host() : nullptr;
}

// ---- trigonometric family ----

double Sin(double x) { return std::fabs(x) < kTrigLimit ? std::sin(x) : (std::isnan(x) ? x : 0.0); }
double Cos(double x) { return std::fabs(x) < kTrigLimit ? std::cos(x) : (std::isnan(x) ? x : 0.0); }
double Tan(double x) { return std::tan(x); }
double Cot(double x) { return 1.0 / std::tan(x); }
double Sec(double x) { return 1.0 / Cos(x); }
double Cosec(double x) { return 1.0 / Sin(x); }

// Only the plain names guard the pole at 0.
double CotGuarded(double x) { return std::fabs(x) <= 1e-9L ? 100000.0 : Cot(x); }
double CosecGuarded(double x) { return std::fabs(x) <= 1e-9L ? 1000000.0 : Cosec(x); }

double ToRadians(double x) { return static_cast<double>(x * kDegToRad); }

template <double (*F)(double)>
double Rad(double x) { return F(ToRadians(x)); }
template <double (*F)(double)>
double Sq(double x) { double v = F(x); return v * v; }
template <double (*F)(double)>
double Cube(double x) { double v = F(x); return v * v * v; }

// ---- inverse trigonometric ----

// 1/x in extended precision; NaN for 0 (a division by zero).
long double Reciprocal(double x) { return x == 0 ? std::numeric_limits<long double>::quiet_NaN() : 1.0L / x; }

double ArcSin(double x) { return std::asin(x); }  // NaN outside [-1, 1]
double ArcCos(double x) { return std::acos(x); }
double ArcTan(double x) { return std::atan(x); }
double ArcCot(double x) { return static_cast<double>(std::atan(Reciprocal(x))); }
double ArcSec(double x) { return static_cast<double>(std::acos(Reciprocal(x))); }
double ArcCosec(double x) { return static_cast<double>(std::asin(Reciprocal(x))); }

template <double (*F)(double)>
double Degrees(double x) { return static_cast<double>(F(x) * kRadToDeg); }

// ---- hyperbolic ----

// exp(x) and exp(-x) in extended precision; false when either overflows.
bool Exponentials(double x, long double& plus, long double& minus) {
    plus = std::exp(static_cast<long double>(x));
    minus = std::exp(-static_cast<long double>(x));
    return std::isfinite(plus) && std::isfinite(minus);
}

template <int Which>
long double Hyperbolic(double x) {
    long double p, m;
    if (!Exponentials(x, p, m)) return std::numeric_limits<long double>::quiet_NaN();
    switch (Which) {
        case 0: return (p - m) * 0.5L;
        case 1: return (p + m) * 0.5L;
        case 2: return (p - m) / (p + m);
        case 3: return (p + m) / (p - m);
        case 4: return 2.0L / (p + m);
        default: return 2.0L / (p - m);
    }
}

template <int Which, int Power>
double HyperbolicPower(double x) {
    long double v = Hyperbolic<Which>(x);
    if (Power == 2) v = v * v;
    if (Power == 3) v = v * v * v;
    return static_cast<double>(v);
}

double ArcSinh(double v) { long double x = v; return static_cast<double>(std::log(x + std::sqrt(x * x + 1))); }
double ArcCosh(double v) { long double x = v; return static_cast<double>(std::log(x + std::sqrt(x * x - 1))); }
double ArcTanh(double v) { long double x = v; return static_cast<double>(0.5L * std::log((1 + x) / (1 - x))); }
double ArcSech(double v) {
    long double r = 1.0L / v;
    return static_cast<double>(std::log(r + std::sqrt(r * r - 1)));
}
double ArcCosech(double v) {
    long double r = 1.0L / v;
    return static_cast<double>(std::log(r + std::sqrt(r * r + 1)));
}
double ArcCoth(double v) {
    long double r = 1.0L / v;
    return static_cast<double>(0.5L * std::log((1 + r) / (1 - r)));
}

// ---- other functions of table 1 ----

double Exp(double x) { return std::exp(x); }
double Ln(double x) { return std::log(x); }
double Log(double x) { return x > 0 ? std::log10(x) : -200000.0; }
double Log2(double x) { return x > 0 ? std::log2(x) : -200000.0; }
double Sqrt(double x) { return std::sqrt(x); }
double Sqr(double x) { return x * x; }
double Cbrt(double x) { return static_cast<double>(RealRoot(x, 3)); }
double Abs(double x) { return std::fabs(x); }

// Truncation minus one below zero, as FloorTrunc; out of the 32-bit range
// of the truncation it is undefined.
double IntPart(double x) {
    int32_t t;
    if (!Truncate32(x, t)) return kNaN;
    if (t == std::numeric_limits<int32_t>::min()) return static_cast<double>(int64_t{t} - (x < 0));
    return FloorTrunc(x);
}
double Ceil(double v) {
    long double x = v, i = std::trunc(x);
    return static_cast<double>(x - i > 0 ? std::trunc(x + 1) : i);
}
double Floor(double v) {
    long double x = v, i = std::trunc(x);
    return static_cast<double>(x - i >= 0 ? i : std::trunc(x - 1));
}
double Heav(double x) { return x >= 0 ? 1.0 : 0.0; }
double Sign(double x) { return x > 0 ? 1.0 : x < 0 ? -1.0 : 0.0; }
double Zero(double x) { return x != 0 ? 1.0 : 0.0; }
double Rnd(double x) { return static_cast<double>(std::trunc(static_cast<long double>(x)) * NextRandom()); }
double Random(double) { return NextRandom(); }

double Ph(double x) {
    const double t = static_cast<double>(x * kPiHalf);
    const double r = std::nearbyint(t);  // ties to even under the default rounding
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) return kNaN;
    return static_cast<double>((t - r) * kTwoPi);
}

// The blancmange function; works on a copy of its argument.
double Blanc(double x) {
    long double v = x, sum = 0, weight = 1;
    for (int i = 0; i < 50; ++i) {
        const long double s = v < 0 ? 1 : 0;
        v = v - std::trunc(v - s);
        const long double d = v >= 0.5L ? 1 - v : v;
        sum += d / weight;
        weight *= 2;
        v = v * 2;
    }
    return static_cast<double>(sum);
}

// ---- host notifications and user functions ----

double DiffRoutine(const OperationRecord& r) {
    if (ParserHost* h = HostOf(r)) h->DerivativeCalled();
    return *r.Result = *r.Operand1;
}
double IntegRoutine(const OperationRecord& r) {
    if (ParserHost* h = HostOf(r)) h->IntegralCalled();
    return *r.Result = *r.Operand1;
}
double InvRoutine(const OperationRecord& r) {
    if (ParserHost* h = HostOf(r)) h->InverseCalled();
    return *r.Result = *r.Operand1;
}
double UserRoutine(const OperationRecord& r) {
    double out = kNaN;
    ParserHost* h = HostOf(r);
    if (!h || !h->CallUserFunction(r.Extra, *r.Operand1, out)) out = kNaN;
    return *r.Result = out;
}

// ---- table 2 ----

double Max(double a, double b) { return a >= b ? a : b; }
double Min(double a, double b) { return a >= b ? b : a; }
double Root(double a, double b) { return static_cast<double>(RealRoot(a, b)); }
double PowerFn(double a, double b) { return static_cast<double>(Power(a, b)); }
double IntPowerFn(double a, double b) {
    int32_t n;
    if (!Truncate32(b, n)) return kNaN;
    return static_cast<double>(IntPower(a, n));
}
double LogN(double a, double b) {
    if (!(a > 0)) return 2000.0;
    return static_cast<double>(std::log2(static_cast<long double>(b)) / std::log2(static_cast<long double>(a)));
}
double Arg(double a, double b) {
    if (a > 0) return static_cast<double>(std::atan(static_cast<long double>(b) / a));
    if (a < 0) return static_cast<double>(std::atan(static_cast<long double>(b) / a) + kPi);
    return static_cast<double>(b > 0 ? kPiHalf : -kPiHalf);
}

// ---- operator kinds ----

double NothingRoutine(const OperationRecord& r) { return *r.Operand1; }
double Negate(double a) { return -a; }
double Add(double a, double b) { return a + b; }
double Subtract(double a, double b) { return a - b; }
double Multiply(double a, double b) { return a * b; }
double Divide(double a, double b) { return a / b; }

// Integer remainder and quotient of the truncated operands, checked before
// dividing so that no integer division fault can happen.
double Mod(double a, double b) {
    int32_t x, y;
    if (!Truncate32(a, x) || !Truncate32(b, y) || y == 0) return kNaN;
    return static_cast<double>(int64_t{x} % int64_t{y});
}
double Div(double a, double b) {
    int32_t x, y;
    if (!Truncate32(a, x) || !Truncate32(b, y) || y == 0) return kNaN;
    return static_cast<double>(int64_t{x} / int64_t{y});
}

// Integer power in double precision; when the result leaves the normal
// double range the extended computation decides (it may still be finite
// after the reciprocal, or underflow silently).
double IntPowerFast(double a, int32_t n) {
    uint32_t y = n < 0 ? 0u - static_cast<uint32_t>(n) : static_cast<uint32_t>(n);
    double result = 1, base = a;
    while (y) {
        if (y & 1) result *= base;
        y >>= 1;
        if (y) base *= base;
    }
    if (std::isnormal(result)) {
        if (n >= 0) return result;
        const double reciprocal = 1 / result;
        if (std::isnormal(reciprocal)) return reciprocal;
    }
    return static_cast<double>(IntPower(a, n));
}
// The exponent is a constant; the compiler leaves its truncation in Extra.
double IntegerPowerRoutine(const OperationRecord& r) { return *r.Result = IntPowerFast(*r.Operand1, r.Extra); }
double GeneralPowerOp(double a, double b) {
    // The common case a > 0 with a fractional exponent needs no extended
    // detour for range; pow is exact to the last bit here.
    if (a > 0 && b != std::trunc(b)) return std::pow(a, b);
    return static_cast<double>(Power(a, b));
}
double Square(double a) { return a * a; }
double CubeOp(double a) { return a * a * a; }
double Fourth(double a) { double s = a * a; return s * s; }

// ---- merged steps ----

// Producers: how a step computes the first operation from its operands.
template <uint8_t Kind>
double Produce(const OperationRecord& r) {
    const double a = *r.Operand1;
    if constexpr (Kind == kNegation) return -a;
    if constexpr (Kind == kSum) return a + *r.Operand2;
    if constexpr (Kind == kDifference) return a - *r.Operand2;
    if constexpr (Kind == kProduct) return a * *r.Operand2;
    if constexpr (Kind == kQuotient) return a / *r.Operand2;
    if constexpr (Kind == kIntegerPower) return IntPowerFast(a, r.Extra);
    if constexpr (Kind == kSquare) return a * a;
    if constexpr (Kind == kCube) return a * a * a;
    if constexpr (Kind == kFourthPower) return Fourth(a);
    return a;
}

template <uint8_t Kind>
constexpr bool kUnaryConsumer = Kind == kNegation || Kind == kSquare || Kind == kCube || Kind == kFourthPower;

template <uint8_t Kind>
double Consume(double a, double b) {
    if constexpr (Kind == kNegation) return -a;
    if constexpr (Kind == kSum) return a + b;
    if constexpr (Kind == kDifference) return a - b;
    if constexpr (Kind == kProduct) return a * b;
    if constexpr (Kind == kSquare) return a * a;
    if constexpr (Kind == kCube) return a * a * a;
    if constexpr (Kind == kFourthPower) return Fourth(a);
    return a;
}

template <uint8_t P, uint8_t C, bool First>
double Fused(const OperationRecord& r) {
    const double x = Produce<P>(r);
    if constexpr (kUnaryConsumer<C>) return *r.Result = Consume<C>(x, 0);
    else if constexpr (First) return *r.Result = Consume<C>(x, *r.Operand3);
    else return *r.Result = Consume<C>(*r.Operand3, x);
}

template <uint8_t P, uint8_t C>
OperationRoutine FusedFor(bool first) {
    if constexpr (kUnaryConsumer<C>) return Fused<P, C, true>;
    else return first ? Fused<P, C, true> : Fused<P, C, false>;
}

template <uint8_t P>
OperationRoutine FusedForConsumer(uint8_t consumer, bool first) {
    switch (consumer) {
        case kNegation: return FusedFor<P, kNegation>(first);
        case kSum: return FusedFor<P, kSum>(first);
        case kDifference: return FusedFor<P, kDifference>(first);
        case kProduct: return FusedFor<P, kProduct>(first);
        case kSquare: return FusedFor<P, kSquare>(first);
        case kCube: return FusedFor<P, kCube>(first);
        case kFourthPower: return FusedFor<P, kFourthPower>(first);
        default: return nullptr;  // these would not carry a NaN through
    }
}

FunctionTable BuildOneArgument() {
    FunctionTable t;
    auto add = [&](const char* name, OperationRoutine routine, int32_t extra = 0) {
        if (!t.emplace(name, FunctionEntry{routine, extra}).second)
            throw std::logic_error(std::string("duplicate function ") + name);
    };
#define KURVO_TRIG(NAME, PLAIN, BASE)                           \
    add(NAME, Unary<PLAIN>);                                    \
    add(NAME "RAD", Unary<Rad<BASE>>);                          \
    add(NAME "SQ", Unary<Sq<BASE>>);                            \
    add(NAME "SQRAD", Unary<Sq<Rad<BASE>>>);                    \
    add(NAME "CUBE", Unary<Cube<BASE>>);                        \
    add(NAME "CUBERAD", Unary<Cube<Rad<BASE>>>);
    KURVO_TRIG("SIN", Sin, Sin)
    KURVO_TRIG("COS", Cos, Cos)
    KURVO_TRIG("TAN", Tan, Tan)
    KURVO_TRIG("COT", CotGuarded, Cot)
    KURVO_TRIG("SEC", Sec, Sec)
    KURVO_TRIG("COSEC", CosecGuarded, Cosec)
#undef KURVO_TRIG
    add("ARCSIN", Unary<ArcSin>);
    add("ARCCOS", Unary<ArcCos>);
    add("ARCTAN", Unary<ArcTan>);
    add("ARCCOT", Unary<ArcCot>);
    add("ARCSEC", Unary<ArcSec>);
    add("ARCCOSEC", Unary<ArcCosec>);
    add("DEGASIN", Unary<Degrees<ArcSin>>);
    add("DEGACOS", Unary<Degrees<ArcCos>>);
    add("DEGATAN", Unary<Degrees<ArcTan>>);
    add("DEGACOT", Unary<Degrees<ArcCot>>);
    add("DEGASEC", Unary<Degrees<ArcSec>>);
    add("DEGACOSEC", Unary<Degrees<ArcCosec>>);
#define KURVO_HYP(NAME, WHICH)                          \
    add(NAME, Unary<HyperbolicPower<WHICH, 1>>);        \
    add(NAME "SQ", Unary<HyperbolicPower<WHICH, 2>>);   \
    add(NAME "CUBE", Unary<HyperbolicPower<WHICH, 3>>);
    KURVO_HYP("SINH", 0)
    KURVO_HYP("COSH", 1)
    KURVO_HYP("TANH", 2)
    KURVO_HYP("COTH", 3)
    KURVO_HYP("SECH", 4)
    KURVO_HYP("COSECH", 5)
#undef KURVO_HYP
    add("ARCSINH", Unary<ArcSinh>);
    add("ARCCOSH", Unary<ArcCosh>);
    add("ARCTANH", Unary<ArcTanh>);
    add("ARCSECH", Unary<ArcSech>);
    add("ARCCOSECH", Unary<ArcCosech>);
    add("ARCCOTH", Unary<ArcCoth>);
    add("EXP", Unary<Exp>);
    add("LN", Unary<Ln>);
    add("LOG", Unary<Log>);
    add("LOG2", Unary<Log2>);
    add("SQRT", Unary<Sqrt>);
    add("SQR", Unary<Sqr>);
    add("CBRT", Unary<Cbrt>);
    add("ABS", Unary<Abs>);
    add("INT", Unary<IntPart>);
    add("TRUNC", Unary<IntPart>);
    add("CEIL", Unary<Ceil>);
    add("FLOOR", Unary<Floor>);
    add("HEAV", Unary<Heav>);
    add("SIGN", Unary<Sign>);
    add("ZERO", Unary<Zero>);
    add("RND", Unary<Rnd>);
    add("RANDOM", Unary<Random>);
    add("PH", Unary<Ph>);
    add("BLANC", Unary<Blanc>);
    add("DIFF", DiffRoutine);
    add("INTEG", IntegRoutine);
    add("INV", InvRoutine);
    const char* users[] = {"F", "G", "H", "I", "J", "K", "L"};
    for (int k = 0; k < 7; ++k) add(users[k], UserRoutine, k);
    return t;
}

FunctionTable BuildTwoArgument() {
    FunctionTable t;
    auto add = [&](const char* name, OperationRoutine routine) {
        if (!t.emplace(name, FunctionEntry{routine, 0}).second)
            throw std::logic_error(std::string("duplicate function ") + name);
    };
    add("MAX", Binary<Max>);
    add("MIN", Binary<Min>);
    add("ROOT", Binary<Root>);
    add("POWER", Binary<PowerFn>);
    add("INTPOWER", Binary<IntPowerFn>);
    add("LOGN", Binary<LogN>);
    add("ARG", Binary<Arg>);
    return t;
}

}  // namespace

bool Truncate32(double x, int32_t& out) {
    if (!(x > -2147483649.0 && x < 2147483648.0)) return false;
    out = static_cast<int32_t>(x);
    return true;
}

long double IntPower(long double a, int32_t n) {
    uint32_t y = n < 0 ? 0u - static_cast<uint32_t>(n) : static_cast<uint32_t>(n);
    long double result = 1, base = a;
    while (y) {
        while (!(y & 1)) {
            y >>= 1;
            base *= base;
        }
        --y;
        result *= base;
    }
    return n < 0 ? 1 / result : result;
}

long double Power(long double a, long double b) {
    if (b == 0) return 1;
    if (a == 0 && b > 0) return 0;
    if (b == std::trunc(b) && std::fabs(b) <= 2147483647.0L) return IntPower(a, static_cast<int32_t>(b));
    return std::exp(b * std::log(a));
}

OperationRoutine FusedRoutine(uint8_t producer, uint8_t consumer, bool first) {
    switch (producer) {
        case kNegation: return FusedForConsumer<kNegation>(consumer, first);
        case kSum: return FusedForConsumer<kSum>(consumer, first);
        case kDifference: return FusedForConsumer<kDifference>(consumer, first);
        case kProduct: return FusedForConsumer<kProduct>(consumer, first);
        case kQuotient: return FusedForConsumer<kQuotient>(consumer, first);
        case kIntegerPower: return FusedForConsumer<kIntegerPower>(consumer, first);
        case kSquare: return FusedForConsumer<kSquare>(consumer, first);
        case kCube: return FusedForConsumer<kCube>(consumer, first);
        case kFourthPower: return FusedForConsumer<kFourthPower>(consumer, first);
        default: return nullptr;
    }
}

bool HasEffects(OperationRoutine routine) {
    return routine == Unary<Rnd> || routine == Unary<Random> || routine == DiffRoutine ||
           routine == IntegRoutine || routine == InvRoutine || routine == UserRoutine;
}

OperationRoutine KindRoutine(uint8_t kind) {
    switch (kind) {
        case kNegation: return Unary<Negate>;
        case kSum: return Binary<Add>;
        case kDifference: return Binary<Subtract>;
        case kProduct: return Binary<Multiply>;
        case kQuotient: return Binary<Divide>;
        case kRemainder: return Binary<Mod>;
        case kIntegerQuotient: return Binary<Div>;
        case kIntegerPower: return IntegerPowerRoutine;
        case kGeneralPower: return Binary<GeneralPowerOp>;
        case kSquare: return Unary<Square>;
        case kCube: return Unary<CubeOp>;
        case kFourthPower: return Unary<Fourth>;
        default: return NothingRoutine;
    }
}

const FunctionTable& OneArgumentFunctions() {
    static const FunctionTable table = BuildOneArgument();
    return table;
}

const FunctionTable& TwoArgumentFunctions() {
    static const FunctionTable table = BuildTwoArgument();
    return table;
}

}  // namespace kurvo
