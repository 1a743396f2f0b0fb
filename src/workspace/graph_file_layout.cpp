#include "workspace/graph_file_layout.h"

namespace kurvo {

const char kGraphFileHeader[] = "Kurvofile  Created with Kurvo32 v1.50 (32 bit Windows version)";
const char kGraphFileDataMark[] = "###Datasets";
const char kGraphFileOldVersion[] =
    "This kvofile was made with an earlier version of Kurvo32 and cannot be read by Kurvo32 v1.50 or later.";
const char kGraphFileTooLarge[] = "The file is too large to be a Kurvo32 workspace.";

GraphFileFields FieldsOf(GraphFileState& state) {
    SettingsRecord& s = state.Settings;
    GraphFileFields f{
        {&s.ShowAsymptotes, &s.ShowPlot,        &s.ShowAxes,       &s.ShowGrid,        &s.ShowMinorDivisions,
         &s.ShowAxisMarkers, &s.ShowAxisLabels, &s.PiAxis,         &s.LargeGrid,       &s.AutoYScale,
         &s.Reserved1,      &s.Degrees,         &s.Reserved2,      &s.AsymptoteBeep,   &s.CartesianMode,
         &s.Parametric,     &s.ImplicitMode,    &s.Reserved3,      &s.PlotDerivative,  &s.PlotIntegral,
         &s.ShowCoordinates, &s.SquareAxes,     &s.ShowTangent,    &s.ShowHints,       &s.MarkConnect[0],
         &s.FamilyActive,   &s.SnapToGraph,     &s.MarkConnect[1], &s.MarkConnect[2],  &s.MarkConnect[3],
         &s.MarkConnect[4], &s.SquareGraph,     &s.ShadeDefinedSide},
        {&s.XMin, &s.XMax, &state.XRange, &s.YMin, &s.YMax, &state.YRange, &s.TMin, &s.TMax, &state.TRange,
         &s.XStep, &s.ReservedValue1, &s.ReservedValue2},
        {},
        {{{&s.FontName, 255}, {&s.XAxisLabel, 255}, {&s.YAxisLabel, 255}, {&s.PlotStepText, kPlotStepTextCapacity}}},
        {},
    };
    size_t i = 0;
    auto value = [&](int32_t& v) { f.integers[i++].value = &v; };
    auto colour = [&](Colour& c) { f.integers[i++].colour = &c; };
    value(s.MarkTypes[0]);
    value(s.FamilyCount);
    value(s.LastGraph);
    value(s.GraphLineWidth);
    value(s.AxisLineWidth);
    value(s.GridLineWidth);
    value(s.FontSize);
    for (Colour* c : {&s.FontColour, &s.BackgroundColour, &s.AxesColour, &s.AsymptoteColour,
                      &s.DerivativeColour, &s.IntegralColour, &s.GridColour, &s.TraceColour, &s.TangentColour})
        colour(*c);
    for (Colour& c : s.GraphColours) colour(c);
    for (Colour& c : s.MarkColours) colour(c);
    value(s.SigFigs);
    for (size_t k = 1; k < 5; ++k) value(s.MarkTypes[k]);

    size_t n = 0;
    for (auto* block : {&s.Constants, &s.FamilySteps, &s.SavedConstants})
        for (long double& v : *block) f.constants[n++] = &v;
    return f;
}

}  // namespace kurvo
