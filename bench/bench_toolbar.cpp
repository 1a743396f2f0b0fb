// The toolbar dialog's OK in the window: the three bars built again from
// the record (the button bar left out and put back in turn), the formula
// box's width set and the graphs redrawn. Runs offscreen unless a platform
// is set.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <cstdlib>

#include "admin/toolbar_record.h"
#include "ui/main_form.h"
#include "ui/message_boxes.h"
#include "window_bench_main.h"

namespace {

struct SilentBoxes : kurvo::MessageBoxes {
    void Information(const QString&) override {}
    void Error(const QString&) override {}
    bool Question(const QString&) override { return false; }
};

void BM_ToolbarRebuild(benchmark::State& state) {
    QTemporaryDir dir;
    SilentBoxes boxes;
    kurvo::TMainForm::Options options;
    options.programFolder = dir.path();
    options.messages = &boxes;
    kurvo::TMainForm form(options);
    form.resize(1040, 720);
    form.show();
    form.FormulaBox()->setEditText("sin x");
    form.PlotCommand();
    QApplication::processEvents();

    const kurvo::ToolbarRecord full = kurvo::DefaultToolbar();
    kurvo::ToolbarRecord fewer = full;
    for (int i = 0; i <= kurvo::toolbar::LastButtonBarEntry; ++i) fewer.Entries[size_t(i)] = false;
    bool toggle = false;
    for (auto _ : state) {
        form.RebuildToolbars((toggle = !toggle) ? fewer : full);
        QApplication::processEvents();  // the new bars laid out and shown
    }
}
BENCHMARK(BM_ToolbarRebuild)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return kurvo::bench::RunWindowBenchmarks(argc, argv); }
