// Cost of one formula read while sampling X over [-10, 10]: the engine's
// TryValue and Value, the same formulas as native C++, and (when present)
// muparser's Eval as a peer. Also the cost of one compilation.
#include <benchmark/benchmark.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "expr/parser.h"

#ifdef KURVO_HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

struct Formula {
    const char* name;
    const char* engine;  // engine syntax
    const char* peer;    // muparser syntax
    double (*native)(double);
};

const double kPi = 3.14159265358979323846;

const Formula kFormulas[] = {
    {"square", "X^2", "x^2", [](double x) { return x * x; }},
    {"linear", "2*X+1", "2*x+1", [](double x) { return 2 * x + 1; }},
    {"sin_poly", "SIN(X)*X^2+3*X-1", "sin(x)*x^2+3*x-1",
     [](double x) { return std::sin(x) * x * x + 3 * x - 1; }},
    {"sqrt_ln", "SQRT(ABS(X))+LN(X^2+1)", "sqrt(abs(x))+ln(x^2+1)",
     [](double x) { return std::sqrt(std::fabs(x)) + std::log(x * x + 1); }},
    {"gauss", "EXP(0-X^2/2)/SQRT(2*PI)", "exp(0-x^2/2)/sqrt(2*_pi)",
     [](double x) { return std::exp(0 - x * x / 2) / std::sqrt(2 * kPi); }},
    {"pole", "1/(X^2-4)", "1/(x^2-4)", [](double x) { return 1 / (x * x - 4); }},
    {"tan_cos", "TAN(X)/(1+COS(X)^2)", "tan(x)/(1+cos(x)^2)",
     [](double x) { double c = std::cos(x); return std::tan(x) / (1 + c * c); }},
    {"poly8", "3*X^8-2*X^7+5*X^6-X^5+4*X^4-6*X^3+2*X^2-7*X+1",
     "3*x^8-2*x^7+5*x^6-x^5+4*x^4-6*x^3+2*x^2-7*x+1",
     [](double x) {
         return 3 * std::pow(x, 8) - 2 * std::pow(x, 7) + 5 * std::pow(x, 6) - std::pow(x, 5) +
                4 * std::pow(x, 4) - 6 * x * x * x + 2 * x * x - 7 * x + 1;
     }},
    {"semicircle", "SQRT(9-X^2)", "sqrt(9-x^2)", [](double x) { return std::sqrt(9 - x * x); }},
};

// 1001 sample points across the view, as a plot would step them.
const std::vector<double>& Samples() {
    static const std::vector<double> xs = [] {
        std::vector<double> v;
        for (int i = 0; i <= 1000; ++i) v.push_back(-10 + 20.0 * i / 1000);
        return v;
    }();
    return xs;
}

void EngineTryValue(benchmark::State& state, const Formula* f) {
    kurvo::TParser p;
    p.SetExpression(f->engine);
    const auto& xs = Samples();
    size_t i = 0;
    for (auto _ : state) {
        p.X = xs[i];
        if (++i == xs.size()) i = 0;
        double v;
        bool ok = p.TryValue(v);
        benchmark::DoNotOptimize(v);
        benchmark::DoNotOptimize(ok);
    }
}

void EngineValue(benchmark::State& state, const Formula* f) {
    kurvo::TParser p;
    p.SetExpression(f->engine);
    const auto& xs = Samples();
    size_t i = 0;
    for (auto _ : state) {
        p.X = xs[i];
        if (++i == xs.size()) i = 0;
        try {
            // Stored as a double, as the plotters and read-outs use it.
            const double v = static_cast<double>(p.Value());
            benchmark::DoNotOptimize(v);
        } catch (const kurvo::EEvaluationError&) {
            // a gap in the curve
        }
    }
}

void Native(benchmark::State& state, const Formula* f) {
    const auto& xs = Samples();
    size_t i = 0;
    volatile double x;  // the sample arrives through memory, as the parser's X does
    for (auto _ : state) {
        x = xs[i];
        if (++i == xs.size()) i = 0;
        double v = f->native(x);
        benchmark::DoNotOptimize(v);
        bool ok = std::isfinite(v);
        benchmark::DoNotOptimize(ok);
    }
}

#ifdef KURVO_HAVE_MUPARSER
void MuParser(benchmark::State& state, const Formula* f) {
    double x = 0;
    mu::Parser p;
    p.DefineVar("x", &x);
    p.SetExpr(f->peer);
    p.Eval();
    const auto& xs = Samples();
    size_t i = 0;
    for (auto _ : state) {
        x = xs[i];
        if (++i == xs.size()) i = 0;
        benchmark::DoNotOptimize(p.Eval());
    }
}
#endif

void Compile(benchmark::State& state, const Formula* f) {
    kurvo::TParser p;
    for (auto _ : state) {
        p.SetExpression(f->engine);
        benchmark::ClobberMemory();
    }
}

const bool registered = [] {
    for (const auto& f : kFormulas) {
        const std::string n = f.name;
        benchmark::RegisterBenchmark(("TryValue/" + n).c_str(), EngineTryValue, &f);
        benchmark::RegisterBenchmark(("Value/" + n).c_str(), EngineValue, &f);
        benchmark::RegisterBenchmark(("Native/" + n).c_str(), Native, &f);
#ifdef KURVO_HAVE_MUPARSER
        benchmark::RegisterBenchmark(("MuParser/" + n).c_str(), MuParser, &f);
#endif
    }
    for (const auto& f : kFormulas)
        benchmark::RegisterBenchmark((std::string("Compile/") + f.name).c_str(), Compile, &f);
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
