// Writing the graph out: an 800x600 picture with ten curves encoded as
// BMP, GIF, SVG and PDF (encoding only; the file write is one rename).
#include <benchmark/benchmark.h>

#include "bench_host.h"
#include "output/picture_files.h"
#include "plot/graph_window.h"
#include "ui/qimage_canvas.h"
#include "ui/vector_picture.h"

namespace kurvo {
namespace {

struct TenCurves {
    bench::BenchHost host;
    TGraphWindow graph{host};
    TenCurves() {
        static const char* const formulas[] = {"sin x", "x^2/10", "2x+1", "1/x", "sqrt(x)",
                                               "ln x",  "3cos(2x)", "|x|-5", "x^3/50", "tan x"};
        for (const char* f : formulas) {
            host.formula = f;
            graph.PlotCommand();
        }
    }
    const QImage& Raster() const { return dynamic_cast<const QImageCanvas&>(*graph.RasterPicture()).image(); }
};

void BM_Bmp(benchmark::State& state) {
    TenCurves t;
    for (auto _ : state) benchmark::DoNotOptimize(EncodeBmp(t.Raster()));
}
BENCHMARK(BM_Bmp)->Unit(benchmark::kMillisecond);

void BM_Gif(benchmark::State& state) {
    TenCurves t;
    for (auto _ : state) benchmark::DoNotOptimize(EncodeGif(t.Raster()));
}
BENCHMARK(BM_Gif)->Unit(benchmark::kMillisecond);

void BM_Svg(benchmark::State& state) {
    TenCurves t;
    for (auto _ : state) benchmark::DoNotOptimize(EncodeVectorPicture(*t.graph.PictureRecording(), PictureFormat::Svg));
}
BENCHMARK(BM_Svg)->Unit(benchmark::kMillisecond);

void BM_Pdf(benchmark::State& state) {
    TenCurves t;
    for (auto _ : state) benchmark::DoNotOptimize(EncodeVectorPicture(*t.graph.PictureRecording(), PictureFormat::Pdf));
}
BENCHMARK(BM_Pdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kurvo

int main(int argc, char** argv) { return kurvo::bench::RunBenchmarks(argc, argv); }
