// Cost of a workspace file of 100 graphs and 10,000 data lines: writing
// it (atomically, to a temporary folder) and reading it back.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "expr/real_format.h"
#include "workspace/graph_file.h"

namespace kurvo {
namespace {

GraphFileState LargeWorkspace() {
    GraphFileState state;
    for (int i = 0; i < kGraphSlotCount; ++i) {
        state.Slots.GraphText[size_t(i)] = "sin(" + std::to_string(i) + "x)+x^2/" + std::to_string(i + 1);
        state.Slots.GraphRelationText[size_t(i)] = "y=";
    }
    for (int i = 0; i < 10000; ++i)
        state.DataSetLines.push_back(i % 1000 == 999 ? std::string("#")
                                                     : FormatReal(i * 0.01L) + "," + FormatReal(i * 0.37L - 5));
    return state;
}

void BM_WriteGraphFile(benchmark::State& bench) {
    QTemporaryDir dir;
    const QString path = dir.filePath("large.kvo");
    const GraphFileState state = LargeWorkspace();
    for (auto _ : bench)
        if (!WriteGraphFile(path, state).ok()) std::abort();
}
BENCHMARK(BM_WriteGraphFile)->Unit(benchmark::kMillisecond);

void BM_ReadGraphFile(benchmark::State& bench) {
    QTemporaryDir dir;
    const QString path = dir.filePath("large.kvo");
    if (!WriteGraphFile(path, LargeWorkspace()).ok()) std::abort();
    for (auto _ : bench) {
        GraphFileState state;
        if (!ReadGraphFile(path, state).ok() || state.Settings.LastGraph != 99) std::abort();
        benchmark::DoNotOptimize(state.DataSetLines.data());
    }
}
BENCHMARK(BM_ReadGraphFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kurvo

BENCHMARK_MAIN();
