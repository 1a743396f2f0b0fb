#include "admin/toolbar_record.h"

namespace kurvo {

ToolbarBytes SerializeToolbar(const ToolbarRecord& record) {
    ToolbarBytes bytes{};
    bytes[0] = record.FlatButtons ? 1 : 0;
    bytes[1] = record.LinesBetween ? 1 : 0;
    for (int i = 0; i < kToolbarEntryCount; ++i) bytes[2 + i] = record.Entries[i] ? 1 : 0;
    return bytes;
}

ToolbarRecord DeserializeToolbar(const uint8_t* bytes) {
    ToolbarRecord record;
    record.FlatButtons = bytes[0] != 0;
    record.LinesBetween = bytes[1] != 0;
    for (int i = 0; i < kToolbarEntryCount; ++i) record.Entries[i] = bytes[2 + i] == 1;
    return record;
}

ToolbarRecord DefaultToolbar() {
    ToolbarRecord record;
    record.FlatButtons = true;
    record.LinesBetween = false;
    record.Entries.fill(true);
    return record;
}

const std::array<ToolbarEntry, kToolbarEntryCount>& ToolbarEntries() {
    using K = ToolbarItemKind;
    static const std::array<ToolbarEntry, kToolbarEntryCount> entries{{
        {"Open file", K::Button, 0, "Open File"},
        {"Print graph", K::Button, 1, "Print Graph"},
        {"Separator", K::Separator, -1, ""},
        {"Delete graphs", K::Button, 2, "Clear graphs"},
        {"Separator", K::Separator, -1, ""},
        {"Cartesian mode", K::GroupedCheck, 3, "Cartesian mode"},
        {"Polar mode", K::GroupedCheck, 4, "Polar mode"},
        {"Implicit mode", K::GroupedCheck, 5, "Implicit mode"},
        {"Separator", K::Separator, -1, ""},
        {"Parametric switch", K::Button, 6, "Parametric switch"},
        {"Separator", K::Separator, -1, ""},
        {"Matrix transformations", K::Button, 7, "Open matrix transformations dialog"},
        {"Descriptive transformations", K::Button, 8, "Open descriptive transformations dialog"},
        {"Plot coordinates", K::Button, 9, "Plot points on the graph"},
        {"Separator", K::Separator, -1, ""},
        {"Angle mode", K::Button, 10, "Choose angle mode (Degrees/Radians)"},
        {"Separator", K::Separator, -1, ""},
        {"Plot step field", K::SpinField, -1, "Set the plotting step"},
        {"Separator", K::Separator, -1, ""},
        {"Zoom out", K::Button, 11, "Zoom out"},
        {"Zoom in", K::ReleasableGroupedCheck, 12, "Drag zoom in"},
        {"Move graph", K::ReleasableGroupedCheck, 13, "Move graph by dragging"},
        {"Separator", K::Separator, -1, ""},
        {"Constants", K::Button, 14, "Open constants dialog"},
        {"Families", K::Button, 15, "Open families dialog"},
        {"Separator", K::Separator, -1, ""},
        {"Graph coordinates", K::Check, 16, "Show coordinate info on status bar"},
        {"Tangent to graph", K::Check, 17, "Show the tangent to the graph"},
        {"Separator", K::Separator, -1, ""},
        {"Plot derivative", K::Check, 18, "Plot the derivative function"},
        {"Plot integral", K::Check, 19, "Plot the integral function"},
        {"t min field", K::LabelledField, -1,
         "Type the minimum value for t (Polar/Parametric modes only)"},
        {"t max field", K::LabelledField, -1,
         "Type the maximum value for t (Polar/Parametric modes only)"},
        {"Separator", K::Separator, -1, ""},
        {"Auto scaling", K::Check, 20, "Automatic y-scaling"},
        {"Square graph", K::Button, 21, "Square the graph"},
        {"Separator", K::Separator, -1, ""},
        {"Plot Graph", K::PlotButton, -1, "Plot the graphs"},
        {"Separator", K::Separator, -1, ""},
        {"Save to file", K::Button, 22, "Save the current formula to the preset menu"},
        {"Separator", K::Separator, -1, ""},
        {"x squared", K::Button, 23, "Type the \xB2 symbol"},
        {"x cubed", K::Button, 24, "Type the \xB3 symbol"},
    }};
    return entries;
}

}  // namespace kurvo
