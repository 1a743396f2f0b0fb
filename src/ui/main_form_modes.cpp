// Graph mode switches, and the coordinate read-out with its tangent.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QStatusBar>

#include "expr/encoding.h"
#include "plot/graph_window.h"
#include "plot/trace.h"
#include "ui/graph_area.h"
#include "ui/main_form.h"
#include "workspace/required_files.h"

namespace kurvo {

namespace {

QColor ToQColor(Colour c) {
    const Colour r = ResolveColour(c);
    return QColor(RedOf(r), GreenOf(r), BlueOf(r));
}

}  // namespace

void TMainForm::EnableByMode() {
    auto enable = [this](const char* caption, bool on) {
        QAction* a = Action(caption);
        a->setEnabled(on && a->property("built").toBool());
    };
    const ModeControls& c = modeControls_;
    enable("&Parametric", c.Parametric);
    enable("Plot D&erived Function", c.Derivative);
    enable("Plot I&ntegral Function", c.Integral);
    enable("Show &Tangent to graph", c.Tangent);
    enable("Show C&oordinate Info", c.Coordinates);
    // Slope marks need y(x), as the integral curve does.
    enable("Draw &Direction Field", c.Integral);
}

void TMainForm::SwitchMode(bool cartesian, bool implicit) {
    if (Busy()) return;
    SettingsRecord& s = graph_->Settings;
    s.CartesianMode = cartesian;
    s.ImplicitMode = implicit;
    if (implicit) s.Parametric = false;
    ApplyModeSwitch(cartesian ? ModeCommand::Cartesian
                    : implicit ? ModeCommand::Implicit
                               : ModeCommand::Polar,
                    s, modeControls_);
    AfterModeSwitch();
}

void TMainForm::AfterModeSwitch() {
    LoadPresetList();
    // The function aliases follow the mode at once, so a pupil's alias works
    // right after the switch.
    RequiredFiles files(folders_.DataFolder, options_.templateFolder);
    graph_->SetAliasLines(files.Lines(AliasListFile(Mode())));
    for (const auto& r : files.Reports()) ShowError(r);
    SetUpMode();
    BringIntoLineWithSettings();
}

void TMainForm::ToggleParametric() {
    if (Busy()) return;
    SettingsRecord& s = graph_->Settings;
    s.Parametric = !s.Parametric;
    if (s.Parametric) {
        s.ShowCoordinates = false;
        s.ShowTangent = false;
        statusBar()->hide();
        UpdateAreaCursor();
    }
    ApplyModeSwitch(s.Parametric ? ModeCommand::ParametricOn : ModeCommand::ParametricOff, s,
                    modeControls_);
    AfterModeSwitch();
}

void TMainForm::SetRelationIndex(int index) {
    if (index >= 0 && index < relationBox_->count()) relationBox_->setCurrentIndex(index);
}

bool TMainForm::ReadOutOn() const {
    const SettingsRecord& s = graph_->Settings;
    return s.ShowCoordinates || s.ShowTangent;
}

void TMainForm::ShowTraceMarks(const TraceMarks& marks) {
    const SettingsRecord& s = graph_->Settings;
    if (s.ShowCoordinates)
        for (size_t i = 0; i < marks.Panels.size(); ++i)
            if (!marks.Panels[i].empty())
                statusPanels_[i]->setText(QString::fromStdString(Cp1252ToUtf8(marks.Panels[i])));
    GraphArea::Marks shown;
    if (marks.CrossHair) {
        shown.crossHair = QPoint(marks.CrossHair->Column, marks.CrossHair->Row);
        shown.crossColour = ToQColor(s.TraceColour);
    }
    if (marks.Tangent) {
        const auto& t = *marks.Tangent;
        shown.tangent = QLine(t[0].Column, t[0].Row, t[1].Column, t[1].Row);
        shown.tangentColour = ToQColor(s.TangentColour);
    }
    area_->SetMarks(shown);
}

void TMainForm::ToggleTangent() {
    SettingsRecord& s = graph_->Settings;
    s.ShowTangent = !s.ShowTangent;
    if (s.ShowTangent) {
        SetZoomInMode(false);
        SetMoveMode(false);
    }
    Action("Show &Tangent to graph")->setChecked(s.ShowTangent);
    UpdateAreaCursor();
    RedrawAll();
}

void TMainForm::DrawDirectionField() {
    RunGuarded([this] { graph_->DirectionClick(); });
}

}  // namespace kurvo
