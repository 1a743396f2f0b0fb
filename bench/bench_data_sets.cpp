// Cost of data sets on an 800x600 QImage picture: a full repaint with one
// 10,000-point set (filled circles, joined), and reading a 10,000-line
// comma-separated file.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "expr/real_format.h"
#include "plot/graph_window.h"
#include "ui/qimage_canvas.h"
#include "workspace/data_sets.h"

namespace kurvo {
namespace {

class PointsHost : public GraphHost {
public:
    std::string formula;
    std::array<std::string, 6> fields = {"0", "6.283185", "-10", "10", "-10", "10"};
    int messages = 0;

    std::string FormulaText() const override { return formula; }
    void SetFormulaText(const std::string& text) override { formula = text; }
    std::string RelationText() const override { return "y="; }
    std::string ViewFieldText(ViewField f) const override { return fields[size_t(f)]; }
    void SetViewFieldText(ViewField f, const std::string& text) override { fields[size_t(f)] = text; }
    bool HasTFields() const override { return true; }
    bool HasPlotStepField() const override { return true; }
    std::string PlotStepFieldText() const override { return "256"; }
    void ShowInformation(const std::string&) override { ++messages; }
    void ShowError(const std::string&) override { ++messages; }
    bool AskYesNo(const std::string&) override { return false; }
    int GraphAreaWidth() const override { return 800; }
    int GraphAreaHeight() const override { return 600; }
    std::unique_ptr<Canvas> CreatePicture(int w, int h) override {
        return std::make_unique<QImageCanvas>(w, h, 0xFFFFFF);
    }
};

// A noisy sine across the view, as measured data looks.
std::string PointLine(int i) {
    const double x = -10 + 20.0 * i / 10000;
    return FormatReal(x) + "," + FormatReal(8 * std::sin(x) + std::fmod(i * 0.618, 1.0));
}

void BM_FullRepaintWithDataSet(benchmark::State& state) {
    PointsHost host;
    TGraphWindow graph(host);
    graph.Settings.MarkTypes[0] = 11;
    graph.Settings.MarkConnect[0] = true;
    for (int i = 0; i < 10000; ++i) graph.DataSets.DataSetLines.push_back(PointLine(i));
    graph.DataSets.DataSetLines.push_back("#");
    graph.Flags.DataSetsLoaded = true;
    graph.PlotCommand();
    for (auto _ : state) {
        graph.Flags.ReplotAll = true;
        graph.Flags.FullRepaint = true;
        graph.Repaint();
    }
    if (host.messages != 0 || !graph.Flags.DataSetsLoaded) state.SkipWithError("the data set failed");
}
BENCHMARK(BM_FullRepaintWithDataSet)->Unit(benchmark::kMillisecond);

void BM_ReadCommaFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("points.csv");
    QByteArray bytes = "x,y\r\n";
    for (int i = 0; i < 10000; ++i) bytes += QByteArray::fromStdString(PointLine(i)) + "\r\n";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("cannot write the file");
        return;
    }
    file.close();
    PointsHost host;
    TGraphWindow graph(host);
    TDataSets sets(graph);
    for (auto _ : state) {
        graph.DataSets.DataSetLines.clear();
        sets.ReadCommaFile(path);
    }
    if (graph.DataSets.DataSetLines.size() != 10001) state.SkipWithError("lines lost");
}
BENCHMARK(BM_ReadCommaFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kurvo

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    kurvo::SetDecimalSeparator('.');
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
