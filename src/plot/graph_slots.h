#pragma once
// The graph window's state beside the settings record: the 100 graph
// slots, the view saved for undo and the window's flags.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kurvo {

constexpr int kGraphSlotCount = 100;

// Relation codes of GraphRelation.
enum RelationCode : uint8_t {
    kRelationGreater = 0,       // >
    kRelationGreaterEqual = 1,  // >=
    kRelationLess = 2,          // <
    kRelationLessEqual = 3,     // <=
    kRelationEqual = 4,         // =
};

// The relation code of an implicit formula, read from the formula itself
// (the graph window and the workspace file reader).
uint8_t ImplicitRelationCode(const std::string& text);

// Strict relations draw their boundary dashed.
constexpr bool IsStrictRelation(uint8_t code) {
    return code == kRelationGreater || code == kRelationLess;
}

// The graph mode a slot's formula was added in. A full repaint draws each
// slot in its own mode, so graphs plotted before a mode switch keep their
// shape; a slot whose mode was never recorded (a loaded file) follows the
// window's mode.
struct SlotMode {
    bool Known = false;
    bool Cartesian = true;
    bool Implicit = false;
    bool Parametric = false;
};

// Slot i is free while GraphFormula[i] is empty. GraphRelation (and the
// y-term count) lie outside the settings record: neither saved nor undone.
struct GraphSlots {
    std::array<std::string, kGraphSlotCount> GraphText;           // as typed, aliases applied
    std::array<std::string, kGraphSlotCount> GraphFormula;        // translated
    std::array<std::string, kGraphSlotCount> GraphSecondFormula;  // second branch / y(t)
    std::array<std::string, kGraphSlotCount> GraphRelationText;   // "y=", "y>=" ... (5 chars)
    std::array<uint8_t, kGraphSlotCount> GraphRelation;
    std::array<bool, kGraphSlotCount> GraphStrict{};
    // The translator's y count for the slot's relation (implicit mode
    // picks the single-function plotter when it is 1).
    std::array<int, kGraphSlotCount> YTermCount{};
    std::array<SlotMode, kGraphSlotCount> Mode{};

    GraphSlots() { GraphRelation.fill(kRelationEqual); }
    // Slot i holds no graph any more.
    void Empty(size_t i) {
        GraphText[i].clear();
        GraphFormula[i].clear();
        GraphSecondFormula[i].clear();
        GraphRelationText[i].clear();
        GraphRelation[i] = kRelationEqual;
        GraphStrict[i] = false;
        YTermCount[i] = 0;
        Mode[i] = SlotMode{};
    }
};

// The view as it was before the last change, for undo and for repairing a
// collapsed view.
struct PreviousViewRecord {
    long double TMin = 0, TMax = 0, TRange = 0;
    long double XMin = 0, XMax = 0, XRange = 0;
    long double YMin = 0, YMax = 0, YRange = 0;
};

// The data set list: the text lines of every loaded data set, a point "x,y"
// per line and a line "#" closing each set, with the transformations'
// counters. Readers, coordinate sets, the graph file, the transformations
// and the data set plotter all work on this one list.
struct DataSetList {
    std::vector<std::string> DataSetLines;
    int32_t DataSetImageCount = 0;
    bool DataSetTransformed = false;
    // The coordinates dialog's "Axis labels" field: the readers write a
    // file's header into it, the coordinates dialog and the view fitting
    // take the axis labels from it.
    std::string AxisLabelsField = "x,y";
    // The "Data Sets" menu (and the transformation buttons) are enabled.
    bool DataSetsMenu = false;
    // The drawing's reading of each line, kept with the line it was read
    // from, so that a repaint converts only the lines that changed.
    struct DrawnPointCache {
        std::vector<std::string> lines;
        std::vector<std::pair<long double, long double>> points;
        char separator = 0;
    };
    mutable DrawnPointCache DrawnPoints;
};

// Not saved anywhere.
struct WindowFlags {
    bool FullRepaint = false;
    bool ReplotAll = true;  // the first repaint draws the axes
    bool LoadedFromFile = false;
    bool FormulaReady = false;
    bool DataSetsLoaded = false;
    bool HasDerivativeCall = false;
    bool HasIntegralCall = false;
    bool InverseMode = false;
};

}  // namespace kurvo
