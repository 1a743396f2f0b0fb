#pragma once
// The toolbar layout kept in tbrcfg.dat (45 bytes): flat buttons, lines
// between the toolbars, and one "shown" flag per entry of the fixed list of
// 43 toolbar entries below.
#include <array>
#include <cstddef>
#include <cstdint>

namespace kurvo {

constexpr int kToolbarEntryCount = 43;
constexpr size_t kToolbarRecordSize = 45;

struct ToolbarRecord {
    bool FlatButtons = false;
    bool LinesBetween = false;
    std::array<bool, kToolbarEntryCount> Entries{};

    bool operator==(const ToolbarRecord&) const = default;
};

using ToolbarBytes = std::array<uint8_t, kToolbarRecordSize>;

ToolbarBytes SerializeToolbar(const ToolbarRecord& record);
// An entry is shown only when its byte is exactly 1; the two switches read
// any non-zero byte as true.
ToolbarRecord DeserializeToolbar(const uint8_t* bytes);

// Every entry shown, flat buttons, no lines: the layout of a fresh folder.
ToolbarRecord DefaultToolbar();

enum class ToolbarItemKind {
    Button,        // 25 x 24 push button with a picture
    GroupedCheck,  // checks that release each other (the three modes)
    ReleasableGroupedCheck,  // zoom in / move graph: exclusive, may both be up
    Check,         // a button that stays down
    Separator,     // 8-pixel divider
    SpinField,     // the plot step field
    LabelledField, // t min / t max
    PlotButton,    // 73 pixels wide, caption and picture
};

struct ToolbarEntry {
    const char* caption;  // as listed in the configuration dialog
    ToolbarItemKind kind;
    int picture;          // -1 when the entry has none
    const char* hint;
};

// Indices of the entries the window treats specially.
namespace toolbar {
constexpr int OpenFile = 0, PrintGraph = 1, DeleteGraphs = 3, CartesianMode = 5, PolarMode = 6,
              ImplicitMode = 7, ParametricSwitch = 9, MatrixTransformations = 11,
              DescriptiveTransformations = 12, PlotCoordinates = 13, AngleMode = 15,
              PlotStepField = 17, ZoomOut = 19, ZoomIn = 20, MoveGraph = 21, Constants = 23,
              Families = 24, GraphCoordinates = 26, TangentToGraph = 27, PlotDerivative = 29,
              PlotIntegral = 30, TMinField = 31, TMaxField = 32, AutoScaling = 34,
              SquareGraph = 35, PlotGraph = 37, SaveToFile = 39, XSquared = 41, XCubed = 42;
constexpr int LastButtonBarEntry = 30;
}  // namespace toolbar

const std::array<ToolbarEntry, kToolbarEntryCount>& ToolbarEntries();

}  // namespace kurvo
