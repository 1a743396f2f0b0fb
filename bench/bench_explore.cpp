// Exploring graphs: the redraw after a slider moves a constant (10
// Cartesian graphs at 1280x1000; target under 16 ms, so a drag keeps 60
// frames a second), a 60-frame 800x600 animation of 5 graphs encoded as a
// GIF (target under 2 s), and the points-of-interest finder over 10 graphs
// at 4 samples per pixel column of a 1280-pixel view.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "analysis/graph_curves.h"
#include "analysis/points_of_interest.h"
#include "bench_host.h"
#include "output/gif_animation.h"
#include "plot/graph_window.h"
#include "plot/live_constants.h"
#include "ui/qimage_canvas.h"

namespace kurvo {
namespace {

using bench::BenchHost;

// Curves that all move with a, with poles and domain edges among them.
std::string Formula(int i) {
    static const char* const kinds[] = {"a*sin x", "x^2/10-a", "a*x+1", "a/x", "sqrt(a*x)",
                                        "ln(a*x)", "3cos(a*x)", "|x|-a", "x^3/50+a", "tan(a*x)"};
    return std::string(kinds[i % 10]) + "+" + std::to_string(i % 7) + "/4";
}

std::unique_ptr<TGraphWindow> Graphs(BenchHost& host, int count) {
    auto graph = std::make_unique<TGraphWindow>(host);
    graph->Settings.Constants[0] = 1;
    graph->CopyConstantsToParsers();
    for (int i = 0; i < count; ++i) {
        host.formula = Formula(i);
        graph->PlotCommand();
    }
    return graph;
}

void BM_RedrawAfterConstantChange(benchmark::State& state) {
    BenchHost host;
    host.width = 1280;
    host.height = 1000;
    auto graph = Graphs(host, 10);
    if (graph->Settings.LastGraph != 9 || host.messages != 0) {
        state.SkipWithError("setting up the graphs failed");
        return;
    }
    int step = 0;
    for (auto _ : state) SetConstantAndRedraw(*graph, 0, 0.5 + 0.01 * (++step % 100));
}
BENCHMARK(BM_RedrawAfterConstantChange)->Unit(benchmark::kMillisecond);

void BM_Animation60Frames(benchmark::State& state) {
    BenchHost host;
    auto graph = Graphs(host, 5);
    for (auto _ : state) {
        GifAnimation gif(800, 600, 100);
        for (int k = 0; k < 60; ++k) {
            SetConstantAndRedraw(*graph, 0, 0.1 + 0.05 * k);
            const auto* raster = dynamic_cast<const QImageCanvas*>(graph->RasterPicture());
            if (!raster || !gif.AddFrame(raster->image())) state.SkipWithError("a frame failed");
        }
        benchmark::DoNotOptimize(gif.Finish());
        state.counters["local tables"] = gif.LocalTables();
    }
}
BENCHMARK(BM_Animation60Frames)->Unit(benchmark::kMillisecond);

void BM_PointsOfInterest10Graphs(benchmark::State& state) {
    BenchHost host;
    host.width = 1280;
    host.height = 1000;
    auto graph = Graphs(host, 10);
    GraphCurves curves(*graph);
    size_t found = 0;
    for (auto _ : state) found = FindPointsOfInterest(curves.Curves(), -10, 10, 4 * 1280).size();
    state.counters["points"] = static_cast<double>(found);
}
BENCHMARK(BM_PointsOfInterest10Graphs)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kurvo

int main(int argc, char** argv) { return kurvo::bench::RunBenchmarks(argc, argv); }
