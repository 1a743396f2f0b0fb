#pragma once
// The graph object's host without a window: the controls are plain texts,
// message boxes go to standard error, the picture is a QImage.
#include <array>
#include <string>
#include <vector>

#include "plot/graph_host.h"

namespace kurvo {

class QImageCanvas;
struct SettingsRecord;

class HeadlessHost : public GraphHost {
public:
    HeadlessHost(int width, int height) : width_(width), height_(height) {}

    std::string Formula;
    std::string Relation = "y=";
    std::array<std::string, 6> Fields;  // in ViewField order
    bool TFields = true;
    bool StepField = true;
    std::string PlotStep = "256";

    // Message boxes shown so far.
    int Informations = 0;
    int Errors = 0;
    int Questions = 0;

    std::string FormulaText() const override { return Formula; }
    void SetFormulaText(const std::string& text) override { Formula = text; }
    std::string RelationText() const override { return Relation; }
    std::string ViewFieldText(ViewField field) const override { return Fields[Index(field)]; }
    void SetViewFieldText(ViewField field, const std::string& text) override {
        Fields[Index(field)] = text;
    }
    bool HasTFields() const override { return TFields; }
    bool HasPlotStepField() const override { return StepField; }
    std::string PlotStepFieldText() const override { return PlotStep; }

    // The view fields, the plot step field and the relation box as
    // start-up fills them from the settings.
    void FillControls(const SettingsRecord& s);

    void ShowInformation(const std::string& text) override;
    void ShowError(const std::string& text) override;
    // Nobody can answer: the question is printed and answered No.
    bool AskYesNo(const std::string& text) override;

    int GraphAreaWidth() const override { return width_; }
    int GraphAreaHeight() const override { return height_; }
    std::unique_ptr<Canvas> CreatePicture(int width, int height) override;

    // The picture last made (owned by the graph object); null before.
    QImageCanvas* LastPicture() const { return picture_; }

private:
    static size_t Index(ViewField field) { return static_cast<size_t>(field); }

    int width_;
    int height_;
    QImageCanvas* picture_ = nullptr;
};

}  // namespace kurvo
