#include "functions.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <vector>

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

// The end of an integer power computed in double precision: when the
// result leaves the normal double range the extended computation decides
// (it may still be finite after the reciprocal, or underflow silently).
inline double FinishIntPower(double result, double a, int32_t n) {
    if (std::isnormal(result)) {
        if (n >= 0) return result;
        const double reciprocal = 1 / result;
        if (std::isnormal(reciprocal)) return reciprocal;
    }
    return static_cast<double>(IntPower(a, n));
}
double IntPowerFast(double a, int32_t n) {
    uint32_t y = n < 0 ? 0u - static_cast<uint32_t>(n) : static_cast<uint32_t>(n);
    double result = 1, base = a;
    while (y) {
        if (y & 1) result *= base;
        y >>= 1;
        if (y) base *= base;
    }
    return FinishIntPower(result, a, n);
}
// The same squarings and products as IntPowerFast's loop, unrolled for
// an exponent known when compiling.
template <uint32_t Y>
inline void MultiplyBits(double& result, double& base) {
    if constexpr (Y != 0) {
        if constexpr ((Y & 1) != 0) result *= base;
        if constexpr ((Y >> 1) != 0) {
            base *= base;
            MultiplyBits<(Y >> 1)>(result, base);
        }
    }
}
template <int32_t N>
double IntPowerFixed(double a) {
    constexpr uint32_t y = N < 0 ? 0u - static_cast<uint32_t>(N) : static_cast<uint32_t>(N);
    double result = 1, base = a;
    MultiplyBits<y>(result, base);
    return FinishIntPower(result, a, N);
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

// ---- run steps (run_list.h) ----
// Each computes exactly what its record's routine (or its two records'
// routines) computes, stores the result (later steps or the undefined
// check may read it) and jumps on to the next step, which gets the value
// in a register; the last step returns it.

template <Operand M>
inline double Take(const RunStep* s, const double* cell, double previous) {
    if constexpr (M == Operand::Previous) return previous;
    else if constexpr (M == Operand::Cell) return *cell;
    else return s->K;
}

template <bool Last>
inline double Continue(const RunStep* s, double v) {
    if constexpr (Last) return v;
    else return s[1].Routine(s + 1, v);
}

template <uint8_t Kind>
inline double Operate(double a, double b) {
    if constexpr (Kind == kSum) return Add(a, b);
    if constexpr (Kind == kDifference) return Subtract(a, b);
    if constexpr (Kind == kProduct) return Multiply(a, b);
    if constexpr (Kind == kQuotient) return Divide(a, b);
    if constexpr (Kind == kRemainder) return Mod(a, b);
    if constexpr (Kind == kIntegerQuotient) return Div(a, b);
    if constexpr (Kind == kGeneralPower) return GeneralPowerOp(a, b);
    if constexpr (Kind == kNegation) return Negate(a);
    if constexpr (Kind == kSquare) return Square(a);
    if constexpr (Kind == kCube) return CubeOp(a);
    if constexpr (Kind == kFourthPower) return Fourth(a);
    return a;
}

// Operations as read from a step: operands A and B (or the constant K),
// the exponent of an integer power.
template <uint8_t Kind, Operand A, Operand B>
struct BinaryOp {
    static double Get(const RunStep* s, double previous) {
        return Operate<Kind>(Take<A>(s, s->A, previous), Take<B>(s, s->B, previous));
    }
};
template <uint8_t Kind, Operand A>
struct UnaryOp {
    static double Get(const RunStep* s, double previous) { return Operate<Kind>(Take<A>(s, s->A, previous), 0); }
};
template <Operand A>
struct IntPowerOp {
    static double Get(const RunStep* s, double previous) { return IntPowerFast(Take<A>(s, s->A, previous), s->Exponent); }
};
template <int32_t N, Operand A>
struct FixedPowerOp {
    static double Get(const RunStep* s, double previous) { return IntPowerFixed<N>(Take<A>(s, s->A, previous)); }
};
template <double (*F)(double), Operand A>
struct CallOp {
    static double Get(const RunStep* s, double previous) { return F(Take<A>(s, s->A, previous)); }
};

// The consumer of a merged step: the producer's value x in operand 1
// (Side 1, or a unary consumer) or 2, the other operand in cell C.
template <uint8_t Kind, int Side>
struct Consumer {
    static double Get(const RunStep* s, double x) {
        if constexpr (Side == 1) return Operate<Kind>(x, *s->C);
        else if constexpr (Side == 2) return Operate<Kind>(*s->C, x);
        else return Operate<Kind>(x, 0);
    }
};

template <class Op, bool Last>
double SingleStep(const RunStep* s, double previous) {
    const double v = Op::Get(s, previous);
    *s->Result = v;
    return Continue<Last>(s, v);
}

template <class Op, class Then, bool Last>
double PairStep(const RunStep* s, double previous) {
    // The intermediate is a separate statement: never contracted with the
    // consumer into one rounding.
    const double x = Op::Get(s, previous);
    const double v = Then::Get(s, x);
    *s->Result = v;
    return Continue<Last>(s, v);
}

double RecordOn(const RunStep* s, double) { return Continue<false>(s, s->Record->Routine(*s->Record)); }
double LoadOn(const RunStep* s, double) { return *s->A; }
double EndOn(const RunStep*, double previous) { return previous; }

// Hands the operation type of (kind, exponent, modes) to f, or returns
// nullptr for kinds without one. Merge producers read cells, not K.
template <bool ForMerge, class F>
StepRoutine WithOperation(uint8_t kind, int32_t n, Operand a, Operand b, F&& f);

template <uint8_t Kind, bool ForMerge, class F>
StepRoutine WithBinary(Operand a, Operand b, F&& f) {
    constexpr Operand P = Operand::Previous, C = Operand::Cell, K = ForMerge ? Operand::Cell : Operand::Constant;
    auto second = [&]<Operand A>() -> StepRoutine {
        switch (b) {
            case P: return f.template operator()<BinaryOp<Kind, A, P>>();
            case C: return f.template operator()<BinaryOp<Kind, A, C>>();
            default: return f.template operator()<BinaryOp<Kind, A, K>>();
        }
    };
    switch (a) {
        case P: return second.template operator()<P>();
        case C: return second.template operator()<C>();
        default: return second.template operator()<K>();
    }
}

template <template <Operand> class Op, class F>
StepRoutine WithUnary(Operand a, F&& f) {
    // A constant operand of a unary step is undefined (or it would have
    // been computed when compiling); it stays in its cell.
    if (a == Operand::Previous) return f.template operator()<Op<Operand::Previous>>();
    return f.template operator()<Op<Operand::Cell>>();
}

template <uint8_t Kind>
struct UnaryOf {
    template <Operand A>
    using Op = UnaryOp<Kind, A>;
};
template <int32_t N>
struct FixedPowerOf {
    template <Operand A>
    using Op = FixedPowerOp<N, A>;
};

template <bool ForMerge, class F>
StepRoutine WithOperation(uint8_t kind, int32_t n, Operand a, Operand b, F&& f) {
    switch (kind) {
        case kNegation: return WithUnary<UnaryOf<kNegation>::Op>(a, f);
        case kSquare: return WithUnary<UnaryOf<kSquare>::Op>(a, f);
        case kCube: return WithUnary<UnaryOf<kCube>::Op>(a, f);
        case kFourthPower: return WithUnary<UnaryOf<kFourthPower>::Op>(a, f);
        case kSum: return WithBinary<kSum, ForMerge>(a, b, f);
        case kDifference: return WithBinary<kDifference, ForMerge>(a, b, f);
        case kProduct: return WithBinary<kProduct, ForMerge>(a, b, f);
        case kQuotient: return WithBinary<kQuotient, ForMerge>(a, b, f);
        case kIntegerPower:
            // Unrolled for the exponents polynomials use.
            switch (n) {
                case 1: return WithUnary<FixedPowerOf<1>::Op>(a, f);
                case 5: return WithUnary<FixedPowerOf<5>::Op>(a, f);
                case 6: return WithUnary<FixedPowerOf<6>::Op>(a, f);
                case 7: return WithUnary<FixedPowerOf<7>::Op>(a, f);
                case 8: return WithUnary<FixedPowerOf<8>::Op>(a, f);
                case 9: return WithUnary<FixedPowerOf<9>::Op>(a, f);
                case 10: return WithUnary<FixedPowerOf<10>::Op>(a, f);
                case -1: return WithUnary<FixedPowerOf<-1>::Op>(a, f);
                case -2: return WithUnary<FixedPowerOf<-2>::Op>(a, f);
                default: return WithUnary<IntPowerOp>(a, f);
            }
        default: break;
    }
    if constexpr (!ForMerge) {
        // Rare operators: single steps only.
        switch (kind) {
            case kRemainder: return WithBinary<kRemainder, false>(a, b, f);
            case kIntegerQuotient: return WithBinary<kIntegerQuotient, false>(a, b, f);
            case kGeneralPower: return WithBinary<kGeneralPower, false>(a, b, f);
            default: break;
        }
    }
    return nullptr;
}

template <class Op>
StepRoutine MergedFor(uint8_t consumer, int side, bool last) {
    auto pick = [&]<class Then>() -> StepRoutine {
        return last ? PairStep<Op, Then, true> : PairStep<Op, Then, false>;
    };
    switch (consumer) {
        case kSum: return side == 1 ? pick.template operator()<Consumer<kSum, 1>>()
                                    : pick.template operator()<Consumer<kSum, 2>>();
        case kDifference: return side == 1 ? pick.template operator()<Consumer<kDifference, 1>>()
                                           : pick.template operator()<Consumer<kDifference, 2>>();
        case kProduct: return side == 1 ? pick.template operator()<Consumer<kProduct, 1>>()
                                        : pick.template operator()<Consumer<kProduct, 2>>();
        case kQuotient:  // only the dividend carries an undefined value
            return side == 1 ? pick.template operator()<Consumer<kQuotient, 1>>() : nullptr;
        case kNegation: return pick.template operator()<Consumer<kNegation, 0>>();
        case kSquare: return pick.template operator()<Consumer<kSquare, 0>>();
        case kCube: return pick.template operator()<Consumer<kCube, 0>>();
        case kFourthPower: return pick.template operator()<Consumer<kFourthPower, 0>>();
        default: return nullptr;
    }
}

// A pure function of table 1 with its call steps.
struct UnaryFunction {
    OperationRoutine routine;
    StepRoutine steps[2][2];  // [argument from the previous step][last]
};
template <double (*F)(double)>
constexpr UnaryFunction Fn{Unary<F>,
                           {{SingleStep<CallOp<F, Operand::Cell>, false>, SingleStep<CallOp<F, Operand::Cell>, true>},
                            {SingleStep<CallOp<F, Operand::Previous>, false>,
                             SingleStep<CallOp<F, Operand::Previous>, true>}}};

std::vector<UnaryFunction>& CallSteps() {
    static std::vector<UnaryFunction> steps;
    return steps;
}

FunctionTable BuildOneArgument() {
    FunctionTable t;
    auto add = [&](const char* name, OperationRoutine routine, int32_t extra = 0) {
        if (!t.emplace(name, FunctionEntry{routine, extra}).second)
            throw std::logic_error(std::string("duplicate function ") + name);
    };
    // Pure functions also get their call steps.
    auto pure = [&](const char* name, const UnaryFunction& f) {
        add(name, f.routine);
        CallSteps().push_back(f);
    };
#define KURVO_TRIG(NAME, PLAIN, BASE)                           \
    pure(NAME, Fn<PLAIN>);                                    \
    pure(NAME "RAD", Fn<Rad<BASE>>);                          \
    pure(NAME "SQ", Fn<Sq<BASE>>);                            \
    pure(NAME "SQRAD", Fn<Sq<Rad<BASE>>>);                    \
    pure(NAME "CUBE", Fn<Cube<BASE>>);                        \
    pure(NAME "CUBERAD", Fn<Cube<Rad<BASE>>>);
    KURVO_TRIG("SIN", Sin, Sin)
    KURVO_TRIG("COS", Cos, Cos)
    KURVO_TRIG("TAN", Tan, Tan)
    KURVO_TRIG("COT", CotGuarded, Cot)
    KURVO_TRIG("SEC", Sec, Sec)
    KURVO_TRIG("COSEC", CosecGuarded, Cosec)
#undef KURVO_TRIG
    pure("ARCSIN", Fn<ArcSin>);
    pure("ARCCOS", Fn<ArcCos>);
    pure("ARCTAN", Fn<ArcTan>);
    pure("ARCCOT", Fn<ArcCot>);
    pure("ARCSEC", Fn<ArcSec>);
    pure("ARCCOSEC", Fn<ArcCosec>);
    pure("DEGASIN", Fn<Degrees<ArcSin>>);
    pure("DEGACOS", Fn<Degrees<ArcCos>>);
    pure("DEGATAN", Fn<Degrees<ArcTan>>);
    pure("DEGACOT", Fn<Degrees<ArcCot>>);
    pure("DEGASEC", Fn<Degrees<ArcSec>>);
    pure("DEGACOSEC", Fn<Degrees<ArcCosec>>);
#define KURVO_HYP(NAME, WHICH)                          \
    pure(NAME, Fn<HyperbolicPower<WHICH, 1>>);        \
    pure(NAME "SQ", Fn<HyperbolicPower<WHICH, 2>>);   \
    pure(NAME "CUBE", Fn<HyperbolicPower<WHICH, 3>>);
    KURVO_HYP("SINH", 0)
    KURVO_HYP("COSH", 1)
    KURVO_HYP("TANH", 2)
    KURVO_HYP("COTH", 3)
    KURVO_HYP("SECH", 4)
    KURVO_HYP("COSECH", 5)
#undef KURVO_HYP
    pure("ARCSINH", Fn<ArcSinh>);
    pure("ARCCOSH", Fn<ArcCosh>);
    pure("ARCTANH", Fn<ArcTanh>);
    pure("ARCSECH", Fn<ArcSech>);
    pure("ARCCOSECH", Fn<ArcCosech>);
    pure("ARCCOTH", Fn<ArcCoth>);
    pure("EXP", Fn<Exp>);
    pure("LN", Fn<Ln>);
    pure("LOG", Fn<Log>);
    pure("LOG2", Fn<Log2>);
    pure("SQRT", Fn<Sqrt>);
    pure("SQR", Fn<Sqr>);
    pure("CBRT", Fn<Cbrt>);
    pure("ABS", Fn<Abs>);
    pure("INT", Fn<IntPart>);
    pure("TRUNC", Fn<IntPart>);
    pure("CEIL", Fn<Ceil>);
    pure("FLOOR", Fn<Floor>);
    pure("HEAV", Fn<Heav>);
    pure("SIGN", Fn<Sign>);
    pure("ZERO", Fn<Zero>);
    add("RND", Unary<Rnd>);
    add("RANDOM", Unary<Random>);
    pure("PH", Fn<Ph>);
    pure("BLANC", Fn<Blanc>);
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

StepRoutine OperatorStep(uint8_t kind, int32_t exponent, Operand first, Operand second, bool last) {
    return WithOperation<false>(kind, exponent, first, second, [&]<class Op>() -> StepRoutine {
        return last ? SingleStep<Op, true> : SingleStep<Op, false>;
    });
}

StepRoutine MergedStep(const OperationRecord& producer, Operand first, Operand second,
                       const OperationRecord& consumer, int side, bool last) {
    return WithOperation<true>(producer.Kind, producer.Extra, first, second, [&]<class Op>() -> StepRoutine {
        return MergedFor<Op>(consumer.Kind, side, last);
    });
}

StepRoutine CallStep(OperationRoutine routine, Operand argument, bool last) {
    OneArgumentFunctions();  // fills the call steps
    for (const auto& f : CallSteps())
        if (f.routine == routine) return f.steps[argument == Operand::Previous][last];
    return nullptr;
}

StepRoutine RecordStep() { return RecordOn; }
StepRoutine LoadStep() { return LoadOn; }
StepRoutine EndStep() { return EndOn; }

bool CarriesUndefined(const OperationRecord& c, int operand) {
    switch (c.Kind) {
        case kNegation:
        case kSum:
        case kDifference:
        case kProduct:
        case kSquare:
        case kCube:
        case kFourthPower:
        case kRemainder:        // the truncation of a NaN or an infinity
        case kIntegerQuotient:  // fails, and so does the operation
            return true;
        case kQuotient: return operand == 1;  // x / inf is 0
        case kIntegerPower: return operand == 1 && c.Extra > 0;  // inf^-1 is 0, NaN^0 is 1
        case kCall1:
            // sqrt, ln and tan of an infinity are infinite or NaN, as are
            // the absolute value and the square.
            return c.Routine == Unary<Sqrt> || c.Routine == Unary<Ln> || c.Routine == Unary<Tan> ||
                   c.Routine == Unary<Abs> || c.Routine == Unary<Sqr>;
        default: return false;  // sin(inf) is 0, exp(-inf) is 0, MAX drops a NaN...
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
