// Cost of the plot cycle on an 800x600 QImage picture at plot step 256:
// a full repaint of 1, 10 and 100 Cartesian graphs (grid, axes, numbers,
// asymptotes), one plot command adding an 11th graph to 10, the repaint
// after a zoom rectangle with 10 graphs, and one read-out step of a drag
// with the tangent on. BM_RepaintSinExp is the classroom reference: the
// full repaint of sin(kx)*exp(-x^2/k), k = 1..N, at 1280x1000 (targets:
// 100 graphs under 60 ms, one under 1 ms).
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <string>

#include "expr/real_format.h"
#include "plot/graph_window.h"
#include "plot/trace.h"
#include "bench_host.h"

namespace kurvo {
namespace {

using bench::BenchHost;

// A mix of smooth curves, poles and domain edges.
std::string Formula(int i) {
    static const char* const kinds[] = {"sin x", "x^2/10", "2x+1", "1/x", "sqrt(x)",
                                        "ln x",  "3cos(2x)", "|x|-5", "x^3/50", "tan x"};
    return std::string(kinds[i % 10]) + "+" + std::to_string(i % 7) + "/4";
}

std::string SinExp(int i) {
    const std::string k = std::to_string(i + 1);
    return "sin(" + k + "x)*exp(-x^2/" + k + ")";
}

std::unique_ptr<TGraphWindow> Graphs(BenchHost& host, int count, std::string (*formula)(int) = Formula) {
    auto graph = std::make_unique<TGraphWindow>(host);
    for (int i = 0; i < count; ++i) {
        host.formula = formula(i);
        graph->PlotCommand();
    }
    return graph;
}

void FullRepaint(benchmark::State& state, BenchHost& host, std::string (*formula)(int)) {
    const int count = int(state.range(0));
    auto graph = Graphs(host, count, formula);
    if (graph->Settings.LastGraph != count - 1 || host.messages != 0) {
        state.SkipWithError("setting up the graphs failed");
        return;
    }
    for (auto _ : state) {
        graph->Flags.ReplotAll = true;
        graph->Flags.FullRepaint = true;
        graph->Repaint();
    }
    state.counters["graphs"] = count;
}

void BM_FullRepaint(benchmark::State& state) {
    BenchHost host;
    FullRepaint(state, host, Formula);
}
BENCHMARK(BM_FullRepaint)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_RepaintSinExp(benchmark::State& state) {
    BenchHost host;
    host.width = 1280;
    host.height = 1000;
    FullRepaint(state, host, SinExp);
}
BENCHMARK(BM_RepaintSinExp)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_AddEleventhGraph(benchmark::State& state) {
    BenchHost host;
    auto graph = Graphs(host, 10);
    host.formula = "x^2/5-3";
    for (auto _ : state) {
        graph->Settings.LastGraph = 9;  // slot 10 is taken again each time
        graph->PlotCommand();
    }
    if (graph->Settings.LastGraph != 10 || host.messages != 0)
        state.SkipWithError("the plot command did not add slot 10");
}
BENCHMARK(BM_AddEleventhGraph)->Unit(benchmark::kMillisecond);

// What releasing the mouse after a zoom drag does: new view edges, the
// fields rewritten, a full repaint of every graph. Alternates between two
// views so each run really redraws.
void BM_RepaintAfterZoom(benchmark::State& state) {
    BenchHost host;
    auto graph = Graphs(host, 10);
    SettingsRecord& s = graph->Settings;
    bool zoomed = false;
    for (auto _ : state) {
        zoomed = !zoomed;
        s.XMin = zoomed ? -5 : -10;
        s.XMax = zoomed ? 5 : 10;
        s.YMin = zoomed ? 0 : -10;
        s.YMax = zoomed ? 5 : 10;
        graph->SaveViewForUndo();
        graph->RewriteViewFields(false);
        graph->Flags.FullRepaint = true;
        graph->Flags.ReplotAll = true;
        graph->Repaint();
    }
    if (host.messages != 0) state.SkipWithError("the repaint reported a message");
}
BENCHMARK(BM_RepaintAfterZoom)->Unit(benchmark::kMillisecond);

void BM_TraceWithTangent(benchmark::State& state) {
    BenchHost host;
    auto graph = Graphs(host, 10);
    graph->Settings.ShowTangent = true;
    TGraphTrace trace(*graph);
    trace.PickTracedSlot(400, 300);
    int column = 0;
    for (auto _ : state) {
        column = (column + 7) % 800;
        benchmark::DoNotOptimize(trace.TraceOnCurve(column, 300));
    }
}
BENCHMARK(BM_TraceWithTangent)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kurvo

int main(int argc, char** argv) { return kurvo::bench::RunBenchmarks(argc, argv); }
