// Start-up of the editor window: from creating the main window (reading
// the data folder, building menus and toolbars, the graph object) to its
// first painted frame, with a data folder already in place and with an
// empty one (the defaulted first start). Peak RSS is reported as a
// counter. Runs offscreen unless a platform is set.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <sys/resource.h>

#include "ui/graph_area.h"
#include "ui/main_form.h"
#include "ui/message_boxes.h"
#include "window_bench_main.h"

namespace {

struct SilentBoxes : kurvo::MessageBoxes {
    void Information(const QString&) override {}
    void Error(const QString&) override {}
    bool Question(const QString&) override { return false; }
};

double PeakRssMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

void StartWindow(const QString& folder, SilentBoxes& boxes) {
    kurvo::TMainForm::Options options;
    options.programFolder = folder;
    options.messages = &boxes;
    kurvo::TMainForm form(options);
    form.resize(1040, 720);
    form.show();
    QApplication::processEvents();
    form.Area()->repaint();  // the first frame, painted now
    benchmark::DoNotOptimize(form.PictureImage());
}

void BM_StartWithDataFolder(benchmark::State& state) {
    QTemporaryDir dir;
    SilentBoxes boxes;
    StartWindow(dir.path(), boxes);  // writes the data folder once
    for (auto _ : state) StartWindow(dir.path(), boxes);
    state.counters["peak_rss_MB"] = PeakRssMb();
}
BENCHMARK(BM_StartWithDataFolder)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_FirstStartDefaulted(benchmark::State& state) {
    SilentBoxes boxes;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        state.ResumeTiming();
        StartWindow(dir.path(), boxes);
    }
    state.counters["peak_rss_MB"] = PeakRssMb();
}
BENCHMARK(BM_FirstStartDefaulted)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) { return kurvo::bench::RunWindowBenchmarks(argc, argv); }
