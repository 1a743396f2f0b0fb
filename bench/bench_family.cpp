// A family of 99 members of sin(a*x), a stepping by 0.1, defined and drawn
// as the families dialog's OK does, on an 800x600 picture at plot step 256.
// Budget: under one second.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "bench_host.h"
#include "expr/real_format.h"
#include "plot/graph_window.h"

namespace kurvo {
namespace {

void BM_Family99(benchmark::State& state) {
    SetDecimalSeparator('.');
    bench::BenchHost host;
    TGraphWindow graph(host);
    graph.Settings.Constants[0] = 1;
    host.formula = "sin(a*x)";
    std::array<std::string, 16> steps{};
    steps[0] = "0.1";
    for (auto _ : state) {
        if (!graph.DefineFamily("99", steps) || host.messages != 0 || !graph.Settings.FamilyActive) {
            state.SkipWithError("the family was not drawn");
            return;
        }
    }
    state.counters["members"] = graph.Settings.FamilyCount;
}
BENCHMARK(BM_Family99)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kurvo

int main(int argc, char** argv) { return kurvo::bench::RunBenchmarks(argc, argv); }
