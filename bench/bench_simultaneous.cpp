// The simultaneous solver at its largest size: one elimination with back
// substitution, and a whole Solve from the grid texts, with the
// sensitivity test of every diagonal coefficient.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "calc/linear_system.h"
#include "calc/simultaneous_solver.h"
#include "expr/real_format.h"

namespace {

constexpr int kN = 100;

// A well-conditioned system of typed-looking coefficients (one decimal).
std::vector<long double> Coefficients() {
    std::mt19937 random(42);
    std::uniform_int_distribution<int> tenths(-99, 99);
    std::vector<long double> a(static_cast<size_t>(kN) * (kN + 1));
    for (int i = 0; i < kN; ++i)
        for (int j = 0; j <= kN; ++j)
            a[static_cast<size_t>(i) * (kN + 1) + j] = tenths(random) / 10.0L + (i == j ? 500 : 0);
    return a;
}

struct NoHost : kurvo::CalcHost {
    void ShowMessage(const std::string&) override {}
};

void BM_EliminateAndSubstitute(benchmark::State& state) {
    const std::vector<long double> a = Coefficients();
    kurvo::TLinearFactors factors;
    std::vector<long double> x(kN);
    for (auto _ : state) {
        factors.Factor(a.data(), kN, kN + 1);
        for (int i = 0; i < kN; ++i) x[static_cast<size_t>(i)] = a[static_cast<size_t>(i) * (kN + 1) + kN];
        factors.Solve(x.data());
        benchmark::DoNotOptimize(x.data());
    }
}
BENCHMARK(BM_EliminateAndSubstitute)->Unit(benchmark::kMicrosecond);

void BM_SolveWithSensitivityTest(benchmark::State& state) {
    const std::vector<long double> a = Coefficients();
    kurvo::TSimultaneousSolver solver;
    solver.SetCount(kN);
    for (int k = 1; k <= kN; ++k)
        for (int j = 1; j <= kN + 1; ++j)
            solver.Cell(k, j) = kurvo::FormatReal(a[static_cast<size_t>(k - 1) * (kN + 1) + j - 1], 15);
    NoHost host;
    for (auto _ : state) benchmark::DoNotOptimize(solver.Solve(host));
}
BENCHMARK(BM_SolveWithSensitivityTest)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
