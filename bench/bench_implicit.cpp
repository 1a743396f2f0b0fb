// The general implicit plotter, the polar plotter and implicit shading on
// an 800 x 600 picture at plot step 256 (view -10..10 x -10..10).
#include <benchmark/benchmark.h>

#include <string>

#include "expr/formula_trans.h"
#include "expr/parser.h"
#include "plot/implicit_plotter.h"
#include "plot/polar_plotter.h"
#include "plot/shading.h"
#include "plot/view_mapping.h"
#include "ui/qimage_canvas.h"
#include "bench_host.h"

namespace kurvo {
namespace {

struct Scene {
    SettingsRecord s = DefaultSettings();
    GraphView view;
    PixelMapping mapping;
    QImageCanvas picture{800, 600, 0xC0C0C0};
    TParser parser;
    TFormulaTrans translator;
    PlotContext ctx{s, view, mapping};

    Scene() {
        s.XStep = (s.XMax - s.XMin) / 256 * 0.25L;
        view.PlotWidth = 800;
        view.PlotHeight = 600;
        RecomputeRanges(s, view);
        ctx.Picture = &picture;
        ctx.Parser = &parser;
    }
    void Load(const std::string& typed) {
        translator.Instring = typed;
        translator.Translate();
        parser.SetExpression(translator.Outstring);
    }
};

void GeneralImplicit(benchmark::State& state, const char* relation) {
    Scene sc;
    sc.s.ImplicitMode = true;
    sc.s.CartesianMode = false;
    sc.Load(relation);
    if (sc.translator.ycount < 2) state.SkipWithError("relation must hold y more than once");
    for (auto _ : state) benchmark::DoNotOptimize(PlotImplicitGeneral(sc.ctx));
}
BENCHMARK_CAPTURE(GeneralImplicit, folium, "x^3+y^3=6*x*y")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GeneralImplicit, hyperbola, "x*y+y=1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GeneralImplicit, sine, "sin(x*y)+y=0.5+y")->Unit(benchmark::kMillisecond);

void PolarRose(benchmark::State& state) {
    Scene sc;
    sc.s.CartesianMode = false;
    sc.s.TMin = 0;
    sc.s.TMax = 6.283185307179586L;
    sc.s.XStep = (sc.s.TMax - sc.s.TMin) / 256 * 0.25L;
    sc.Load("8sin(4t)");
    for (auto _ : state) benchmark::DoNotOptimize(PlotPolar(sc.ctx));
}
BENCHMARK(PolarRose)->Unit(benchmark::kMillisecond);

void ShadeDisc(benchmark::State& state) {
    Scene sc;
    sc.s.ImplicitMode = true;
    sc.s.CartesianMode = false;
    sc.s.ShadeDefinedSide = true;
    const std::string typed = "x\xB2+y\xB2<25";
    for (auto _ : state) benchmark::DoNotOptimize(ShadeImplicit(sc.ctx, typed, 2, sc.translator));
}
BENCHMARK(ShadeDisc)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kurvo

int main(int argc, char** argv) { return kurvo::bench::RunBenchmarks(argc, argv); }
