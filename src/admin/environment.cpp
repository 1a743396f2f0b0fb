#include "admin/environment.h"

#include "expr/errors.h"
#include "expr/real_format.h"
#include "expr/text_helpers.h"
#include "workspace/settings_file.h"

namespace kurvo {

void LoadEnvironmentControls(EnvironmentControls& c, const SettingsRecord& s, const GraphHost& window) {
    c.ShowAsymptotes = s.ShowAsymptotes;
    c.ShowPlot = s.ShowPlot;
    c.ShowAxes = s.ShowAxes;
    c.ShowGrid = s.ShowGrid;
    c.ShowMinorDivisions = s.ShowMinorDivisions;
    c.ShowAxisMarkers = s.ShowAxisMarkers;
    c.ShowAxisLabels = s.ShowAxisLabels;
    c.ShowHints = s.ShowHints;
    c.AsymptoteBeep = s.AsymptoteBeep;
    c.SnapToGraph = s.SnapToGraph;
    c.SquareGraph = s.SquareGraph;
    c.LargeGrid = s.LargeGrid;
    c.PiAxis = s.PiAxis;
    c.SigFigs = s.SigFigs;
    if (window.HasPlotStepField()) {
        long double step = 0;
        if (TryParseReal(window.PlotStepFieldText(), step)) c.PlotStep = static_cast<int>(step);
    }
    c.BackgroundColour = s.BackgroundColour;
    c.AxesColour = s.AxesColour;
    c.AsymptoteColour = s.AsymptoteColour;
    c.DerivativeColour = s.DerivativeColour;
    c.IntegralColour = s.IntegralColour;
    c.GridColour = s.GridColour;
    c.TraceColour = s.TraceColour;
    c.TangentColour = s.TangentColour;
    c.GraphColours = s.GraphColours;
    c.GraphLineWidth = std::to_string(s.GraphLineWidth);
    c.AxisLineWidth = std::to_string(s.AxisLineWidth);
    c.GridLineWidth = std::to_string(s.GridLineWidth);
    c.FontName = s.FontName;
    c.FontSize = std::to_string(s.FontSize);
    c.FontColour = s.FontColour;
    c.AutoLimitsOn = s.AutoLimitsOn;
    c.AutoLimitMin = s.AutoLimitMin;
    c.AutoLimitMax = s.AutoLimitMax;
    c.ShadeDefinedSide = s.ShadeDefinedSide;
    c.MoveWithMouse = s.MoveWithMouse;
    c.CompleteImplicit = s.CompleteImplicit();
}

void TakeEnvironmentControls(const EnvironmentControls& c, SettingsRecord& s) {
    // Checked before anything is taken: a font dialog offers 1 to 200
    // points, and a size outside them makes an unusable picture.
    const int32_t fontSize = ParseInt(c.FontSize);
    if (fontSize < 1 || fontSize > 200) throw EConvertError("The font size must be from 1 to 200 points.");
    s.BackgroundColour = c.BackgroundColour;
    s.FontColour = c.FontColour;
    s.AxesColour = c.AxesColour;
    s.AsymptoteColour = c.AsymptoteColour;
    s.DerivativeColour = c.DerivativeColour;
    s.IntegralColour = c.IntegralColour;
    s.GridColour = c.GridColour;
    s.TraceColour = c.TraceColour;
    s.TangentColour = c.TangentColour;
    s.AutoLimitsOn = c.AutoLimitsOn;
    s.AutoLimitMin = c.AutoLimitMin;
    s.AutoLimitMax = c.AutoLimitMax;
    s.ShadeDefinedSide = c.ShadeDefinedSide;
    s.MoveWithMouse = c.MoveWithMouse;
    s.CompleteImplicit() = c.CompleteImplicit;
    s.GraphColours = c.GraphColours;
    s.GraphLineWidth = ParseInt(c.GraphLineWidth);
    s.AxisLineWidth = ParseInt(c.AxisLineWidth);
    s.GridLineWidth = ParseInt(c.GridLineWidth);
    s.FontName = c.FontName;
    s.FontSize = ParseInt(c.FontSize);
    s.ShowAsymptotes = c.ShowAsymptotes;
    s.ShowPlot = c.ShowPlot;
    s.ShowAxes = c.ShowAxes;
    s.ShowGrid = c.ShowGrid;
    s.SquareGraph = c.SquareGraph;
    s.ShowMinorDivisions = c.ShowMinorDivisions;
    s.ShowAxisMarkers = c.ShowAxisMarkers;
    s.ShowAxisLabels = c.ShowAxisLabels;
    s.ShowHints = c.ShowHints;
    s.AsymptoteBeep = c.AsymptoteBeep;
    s.SnapToGraph = c.SnapToGraph;
    s.SigFigs = c.SigFigs;
}

void CopyViewFields(const GraphHost& window, SettingsRecord& s) {
    if (window.HasTFields()) {
        s.TMin = ParseReal(window.ViewFieldText(ViewField::TMin));
        s.TMax = ParseReal(window.ViewFieldText(ViewField::TMax));
    }
    s.XMin = ParseReal(window.ViewFieldText(ViewField::XMin));
    s.XMax = ParseReal(window.ViewFieldText(ViewField::XMax));
    s.YMin = ParseReal(window.ViewFieldText(ViewField::YMin));
    s.YMax = ParseReal(window.ViewFieldText(ViewField::YMax));
}

void TakeWindowFields(const GraphHost& window, SettingsRecord& s) {
    CopyViewFields(window, s);
    if (window.HasPlotStepField()) s.PlotStepText = LeftPart(window.PlotStepFieldText(), 10);
}

std::string EnvironmentOK(const EnvironmentControls& c, SettingsRecord& s, const GraphHost& window,
                          const QString& dataFolder) {
    TakeEnvironmentControls(c, s);
    CopyViewFields(window, s);
    s.PlotStepText = LeftPart(std::to_string(c.PlotStep), 9);
    return WriteSettingsFile(dataFolder, s);
}

}  // namespace kurvo
