#pragma once
// A graph window host with plain-text controls, recording canvases and
// recorded message boxes (questions answered with `answer`).
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "plot/graph_host.h"
#include "support/recording_canvas.h"

namespace kurvo::test {

class FakeHost : public GraphHost {
public:
    std::string formula;
    std::string relation = "y=";
    int relationIndex = -1;
    std::array<std::string, 6> fields = {"0", "6.283185", "-10", "10", "-10", "10"};
    bool tFields = true;
    bool stepField = true;
    std::string step = "256";
    std::vector<std::string> informations, errors, questions;
    bool answer = false;
    std::vector<RecordingCanvas*> pictures;

    std::string FormulaText() const override { return formula; }
    void SetFormulaText(const std::string& text) override { formula = text; }
    std::string RelationText() const override { return relation; }
    void SetRelationIndex(int index) override { relationIndex = index; }
    std::string ViewFieldText(ViewField f) const override { return fields[size_t(f)]; }
    void SetViewFieldText(ViewField f, const std::string& text) override { fields[size_t(f)] = text; }
    bool HasTFields() const override { return tFields; }
    bool HasPlotStepField() const override { return stepField; }
    std::string PlotStepFieldText() const override { return step; }
    void ShowInformation(const std::string& text) override { informations.push_back(text); }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        return answer;
    }
    int GraphAreaWidth() const override { return 400; }
    int GraphAreaHeight() const override { return 400; }
    std::unique_ptr<Canvas> CreatePicture(int w, int h) override {
        auto canvas = std::make_unique<RecordingCanvas>(w, h);
        pictures.push_back(canvas.get());
        return canvas;
    }
    RecordingCanvas& picture() { return *pictures.back(); }
    std::string field(ViewField f) const { return fields[size_t(f)]; }
};

}  // namespace kurvo::test
