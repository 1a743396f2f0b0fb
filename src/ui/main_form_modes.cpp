// Graph mode switches and the coordinate read-out on the status bar.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <cmath>

#include "expr/real_format.h"
#include "plot/graph_window.h"
#include "ui/graph_area.h"
#include "ui/main_form.h"
#include "workspace/required_files.h"

namespace kurvo {

void TMainForm::EnableByMode() {
    const GraphMode mode = Mode();
    const bool plain = mode.cartesian && !mode.parametric;
    auto enable = [this](const char* caption, bool on) {
        QAction* a = Action(caption);
        a->setEnabled(on && a->property("built").toBool());
    };
    enable("&Parametric", !mode.implicit);
    enable("Plot D&erived Function", plain);
    enable("Plot I&ntegral Function", plain);
    enable("Show &Tangent to graph", plain);
    enable("Show C&oordinate Info", !mode.parametric);
}

void TMainForm::SwitchMode(bool cartesian, bool implicit) {
    SettingsRecord& s = graph_->Settings;
    s.CartesianMode = cartesian;
    s.ImplicitMode = implicit;
    if (implicit) s.Parametric = false;
    LoadPresetList();
    // The function aliases follow the mode at once, so a pupil's alias works
    // right after the switch.
    RequiredFiles files(folders_.DataFolder, options_.templateFolder);
    graph_->SetAliasLines(files.Lines(AliasListFile(Mode())));
    for (const auto& r : files.Reports()) ShowError(r);
    SetUpMode();
    EnableByMode();
    BringIntoLineWithSettings();
}

void TMainForm::ToggleParametric() {
    SettingsRecord& s = graph_->Settings;
    s.Parametric = !s.Parametric;
    if (s.Parametric) {
        s.ShowCoordinates = false;
        s.ShowTangent = false;
        statusBar()->hide();
        area_->setCursor(Qt::ArrowCursor);
    }
    SwitchMode(s.CartesianMode, s.ImplicitMode);
}

void TMainForm::ReadOut(const QPoint& pos) {
    const SettingsRecord& s = graph_->Settings;
    const GraphView& v = graph_->View;
    if (v.PlotWidth <= 0 || v.PlotHeight <= 0) return;
    const long double x = pos.x() * v.XRange / v.PlotWidth + s.XMin;
    const long double y = (v.PlotHeight - pos.y()) * v.YRange / v.PlotHeight + s.YMin;
    long double t = 0;
    if (x > 0) t = std::atan(y / x);
    else if (x < 0) t = std::atan(y / x) + (y >= 0 ? M_PI : -M_PI);
    else t = y > 0 ? M_PI / 2 : y < 0 ? -M_PI / 2 : 0;
    if (s.Degrees) t = t * 180 / M_PI;
    const int digits = std::clamp(s.SigFigs, 1, 14);
    auto text = [digits](long double value) { return QString::fromStdString(FormatReal(value, digits)); };
    statusPanels_[0]->setText("x= " + text(x));
    statusPanels_[1]->setText("y= " + text(y));
    statusPanels_[2]->setText("r= " + text(std::sqrt(x * x + y * y)));
    statusPanels_[3]->setText("t= " + text(t));
    statusPanels_[4]->setText("dy/dx= Undefined");
    const Colour c = s.TraceColour & 0x80000000u ? 0 : s.TraceColour;
    area_->SetCrossHair(pos, QColor(RedOf(c), GreenOf(c), BlueOf(c)));
}

}  // namespace kurvo
