#pragma once
// The effects and settings dialog's logic: the values its controls show,
// loaded from the settings record, and the taking of them back in a fixed
// order, so a bad width text leaves the earlier settings taken, as users
// of the dialog have always seen. The Qt dialog and `kurvo32 setup
// environment` share it.
#include <QString>
#include <array>
#include <string>

#include "plot/graph_host.h"
#include "plot/settings_record.h"

namespace kurvo {

struct EnvironmentControls {
    // "General"
    bool ShowAsymptotes = false, ShowPlot = false, ShowAxes = false, ShowGrid = false;
    bool ShowMinorDivisions = false, ShowAxisMarkers = false, ShowAxisLabels = false;
    bool ShowHints = false, AsymptoteBeep = false, SnapToGraph = false, SquareGraph = false;
    bool LargeGrid = true, PiAxis = false;  // set in the record at once by their clicks
    int SigFigs = 6;      // 1 to 14
    int PlotStep = 256;   // 32 to 1000000
    // "Colours"
    Colour BackgroundColour = 0, AxesColour = 0, AsymptoteColour = 0, DerivativeColour = 0;
    Colour IntegralColour = 0, GridColour = 0, TraceColour = 0, TangentColour = 0;
    std::array<Colour, 5> GraphColours{};
    // "Lines, Marks and Fonts": widths and the font size as typed.
    std::string GraphLineWidth = "1", AxisLineWidth = "1", GridLineWidth = "1";
    int DataSet = 1;  // 1 to 5, the data set whose marks are shown
    std::string FontName, FontSize = "8";
    Colour FontColour = 0;
    // "Misc"
    bool AutoLimitsOn = false;
    int AutoLimitMin = -500;  // -100000 to 0
    int AutoLimitMax = 500;   // 0 to 100000
    bool ShadeDefinedSide = false, MoveWithMouse = false;
    bool CompleteImplicit = false;  // "Complete implicit curves"
};

// Showing the dialog: every control from the settings; the plot step from
// the window's field, but only while the toolbar shows that field.
void LoadEnvironmentControls(EnvironmentControls& controls, const SettingsRecord& s, const GraphHost& window);

// "Apply" and "OK": the controls into the settings in the dialog's order.
// A width or font size text that is not an integer throws EConvertError
// at that point; what was taken before it stays.
void TakeEnvironmentControls(const EnvironmentControls& controls, SettingsRecord& s);

// The view fields into the settings (t fields only while shown), each
// read as a number; throws EConvertError at the first bad one.
void CopyViewFields(const GraphHost& window, SettingsRecord& s);
// What sett.dat takes from the window when it is saved: the view fields
// (throwing as above) and the plot step field while the toolbar shows it.
void TakeWindowFields(const GraphHost& window, SettingsRecord& s);

// "OK" after the window's plot step field took the dialog's step: take the
// controls, copy the view fields, keep the step text, write sett.dat.
// Throws as above (nothing written); "" or the write's message.
std::string EnvironmentOK(const EnvironmentControls& controls, SettingsRecord& s, const GraphHost& window,
                          const QString& dataFolder);

}  // namespace kurvo
