#pragma once
// The graph window host of the benchmarks: plain-text controls, counted
// message boxes and an 800x600 QImage picture; and the benchmarks' main,
// which needs a QGuiApplication for the picture's text.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <array>
#include <cstdlib>
#include <memory>
#include <string>

#include "expr/real_format.h"
#include "plot/graph_host.h"
#include "ui/qimage_canvas.h"

namespace kurvo::bench {

class BenchHost : public GraphHost {
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
    bool AskYesNo(const std::string&) override {
        ++messages;
        return false;
    }
    int width = 800, height = 600;
    int GraphAreaWidth() const override { return width; }
    int GraphAreaHeight() const override { return height; }
    std::unique_ptr<Canvas> CreatePicture(int w, int h) override {
        return std::make_unique<QImageCanvas>(w, h, 0xFFFFFF);
    }
};

inline int RunBenchmarks(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    SetDecimalSeparator('.');
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace kurvo::bench
