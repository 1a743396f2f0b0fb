// One repaint of three implicit relations (the folium, sin(x)=cos(y) and
// the lemniscate) on a 1280 x 1000 picture, view -6.4..6.4 x -5..5: the
// complete implicit plotter beside the plotters the slots use otherwise
// (the row scan, or the single-function plotter where y occurs once).
#include <benchmark/benchmark.h>

#include <string>

#include "expr/formula_trans.h"
#include "expr/parser.h"
#include "plot/contour_plotter.h"
#include "plot/implicit_plotter.h"
#include "plot/view_mapping.h"
#include "ui/qimage_canvas.h"
#include "bench_host.h"

namespace kurvo {
namespace {

const char* const kRelations[] = {"x^3+y^3=3xy", "sin(x)=cos(y)", "(x^2+y^2)^2=2(x^2-y^2)"};

struct Scene {
    SettingsRecord s = DefaultSettings();
    GraphView view;
    PixelMapping mapping;
    QImageCanvas picture{1281, 1001, 0xC0C0C0};
    TParser parser;
    TFormulaTrans translator;
    PlotContext ctx{s, view, mapping};

    Scene() {
        s.XMin = -6.4L, s.XMax = 6.4L, s.YMin = -5, s.YMax = 5;
        s.XStep = (s.XMax - s.XMin) / 256 * 0.25L;
        s.CartesianMode = false;
        s.ImplicitMode = true;
        view.PlotWidth = 1280;
        view.PlotHeight = 1000;
        RecomputeRanges(s, view);
        ctx.Picture = &picture;
        ctx.Parser = &parser;
    }
};

void CompleteImplicit(benchmark::State& state) {
    Scene sc;
    for (auto _ : state)
        for (const char* typed : kRelations)
            benchmark::DoNotOptimize(PlotImplicitComplete(sc.ctx, typed, 4, sc.translator));
}
BENCHMARK(CompleteImplicit)->Unit(benchmark::kMillisecond);

void SpecifiedImplicit(benchmark::State& state) {
    Scene sc;
    for (auto _ : state)
        for (const char* typed : kRelations) {
            sc.translator.Root = false;
            sc.translator.Instring = typed;
            sc.translator.Translate();
            sc.parser.SetExpression(sc.translator.Outstring);
            const std::string second = sc.translator.Root ? sc.translator.SecondFn : std::string();
            try {
                benchmark::DoNotOptimize(UsesSingleFunctionPlotter(sc.translator.ycount)
                                             ? PlotImplicitSingle(sc.ctx, second, &sc.translator)
                                             : PlotImplicitGeneral(sc.ctx));
            } catch (const std::exception&) {
                // An evaluation error ends that plotter's run, as in the window.
            }
        }
}
BENCHMARK(SpecifiedImplicit)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kurvo

int main(int argc, char** argv) { return kurvo::bench::RunBenchmarks(argc, argv); }
