// Cost of the data set analysis: the fourteen statistics of 100 000 points
// read from the data set list, a degree-8 fit of 100 000 points, and one
// rotation of a 10 000-point data set with its repaint on an 800x600
// picture.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/statistics.h"
#include "analysis/transformations.h"
#include "expr/real_format.h"
#include "plot/graph_window.h"
#include "bench_host.h"

namespace kurvo {
namespace {

using bench::BenchHost;

std::vector<std::string> NoisyLines(int n) {
    std::vector<std::string> lines;
    for (int i = 0; i < n; ++i) {
        const double x = -5 + 10.0 * i / n;
        lines.push_back(FormatReal(x) + "," + FormatReal(std::sin(3 * x) + 0.01 * (i % 17)));
    }
    lines.push_back("#");
    return lines;
}

void BM_Statistics(benchmark::State& state) {
    const auto lines = NoisyLines(int(state.range(0)));
    for (auto _ : state) {
        TCurveFit fit;
        AddDataSetPoints(lines, fit);
        benchmark::DoNotOptimize(StatisticsValues(fit));
    }
}
BENCHMARK(BM_Statistics)->Arg(100000)->Unit(benchmark::kMillisecond);

// The same without reading the lines.
void BM_StatisticsOfPoints(benchmark::State& state) {
    TCurveFit points;
    AddDataSetPoints(NoisyLines(int(state.range(0))), points);
    for (auto _ : state) {
        TCurveFit fit = points;
        benchmark::DoNotOptimize(StatisticsValues(fit));
    }
}
BENCHMARK(BM_StatisticsOfPoints)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_PolynomialFit(benchmark::State& state) {
    TCurveFit fit;
    AddDataSetPoints(NoisyLines(int(state.range(0))), fit);
    FitCoefficients c{};
    double quality = 0;
    for (auto _ : state) {
        if (!fit.PolynomialFit(8, c, quality)) state.SkipWithError("the fit failed");
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_PolynomialFit)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_RotationWithRepaint(benchmark::State& state) {
    BenchHost host;
    TGraphWindow graph(host);
    graph.DataSets.DataSetLines = NoisyLines(int(state.range(0)));
    graph.Flags.DataSetsLoaded = true;
    graph.Flags.FullRepaint = true;
    graph.Repaint();
    TDescriptiveTransformation rotation(graph);
    rotation.RotationCentre = "0,0";
    rotation.Angle = "0.01";
    for (auto _ : state)
        if (rotation.ApplyOnce() != ApplyResult::Applied) state.SkipWithError("not applied");
    state.counters["drawn"] = graph.DrawDataSets ? 1 : 0;
}
BENCHMARK(BM_RotationWithRepaint)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kurvo

int main(int argc, char** argv) { return kurvo::bench::RunBenchmarks(argc, argv); }
