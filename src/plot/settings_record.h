#pragma once
// Every option, colour, width, view value, constant and family value of the
// graph window. Saved whole as sett.dat, copied whole for undo. The in-memory
// struct is ordinary C++; the 1528-byte file layout is produced field by
// field by Serialize/Deserialize, never by struct packing.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace kurvo {

// 0x00BBGGRR, or a system colour code with the top bit set.
using Colour = uint32_t;

constexpr size_t kSettingsRecordSize = 1528;

// Index of each constant in SettingsRecord::Constants / FamilySteps.
// Order: a b c d e m n o p q r s u v w z.
constexpr const char kConstantLetters[17] = "abcdemnopqrsuvwz";
constexpr int kConstantE = 4;
constexpr int kConstantP = 8;

struct SettingsRecord {
    long double XMin = 0;      // offset 0
    long double XMax = 0;      // 10
    long double TMin = 0;      // 20
    long double TMax = 0;      // 30
    long double YMin = 0;      // 40
    long double YMax = 0;      // 50
    long double XStep = 0;     // 60
    bool ShowAsymptotes = false;      // 70
    bool ShowPlot = false;            // 71
    bool ShowAxes = false;            // 72
    bool ShowGrid = false;            // 73
    bool ShowMinorDivisions = false;  // 74
    bool ShowAxisMarkers = false;     // 75
    bool ShowAxisLabels = false;      // 76
    bool PiAxis = false;              // 77
    bool LargeGrid = false;           // 78
    // 79: filler
    Colour BackgroundColour = 0;  // 80
    Colour AxesColour = 0;        // 84
    Colour AsymptoteColour = 0;   // 88
    Colour DerivativeColour = 0;  // 92
    Colour IntegralColour = 0;    // 96
    Colour GridColour = 0;        // 100
    Colour TraceColour = 0;       // 104
    Colour TangentColour = 0;     // 108
    std::array<Colour, 5> GraphColours{};  // 112; slot i uses [i % 5]
    std::array<Colour, 5> MarkColours{};   // 132
    int32_t GraphLineWidth = 1;  // 152
    int32_t AxisLineWidth = 1;   // 156
    int32_t GridLineWidth = 1;   // 160
    std::string FontName;        // 164, string[255]
    int32_t FontSize = 8;        // 420
    Colour FontColour = 0;       // 424
    bool AutoYScale = false;     // 428
    bool Reserved1 = false;      // 429
    bool Degrees = false;        // 430
    bool Reserved2 = false;      // 431: CompleteImplicit()
    bool AsymptoteBeep = false;  // 432
    bool CartesianMode = true;   // 433
    bool Parametric = false;     // 434
    bool ImplicitMode = false;   // 435
    bool Reserved3 = false;      // 436
    bool PlotDerivative = false; // 437
    bool PlotIntegral = false;   // 438
    uint8_t Reserved4 = 0;       // 439
    long double ReservedValue1 = 0;  // 440
    long double ReservedValue2 = 0;  // 450
    bool ShowCoordinates = false;  // 460
    bool SquareAxes = false;       // 461
    bool ShowTangent = false;      // 462
    bool ShowHints = false;        // 463
    std::array<int32_t, 5> MarkTypes{};  // 464
    std::string XAxisLabel;    // 484, string[255]
    std::string YAxisLabel;    // 740, string[255]
    std::string PlotStepText;  // 996, string[10]
    std::array<bool, 5> MarkConnect{};  // 1007
    bool FamilyActive = false;          // 1012
    // 1013: 3 bytes filler
    int32_t FamilyCount = 0;                    // 1016
    std::array<long double, 16> Constants{};    // 1020
    std::array<long double, 16> FamilySteps{};  // 1180
    int32_t LastGraph = -1;                     // 1340
    std::array<long double, 16> SavedConstants{};  // 1344
    int32_t SigFigs = 6;                 // 1504
    bool SnapToGraph = false;            // 1508
    std::array<bool, 5> MarkOutline{};   // 1509
    bool SquareGraph = false;            // 1514
    // 1515: filler
    int32_t AutoLimitMin = -500;  // 1516
    int32_t AutoLimitMax = 500;   // 1520
    bool AutoLimitsOn = false;    // 1524
    bool ShadeDefinedSide = false;  // 1525
    bool MoveWithMouse = false;     // 1526
    // 1527: filler

    bool operator==(const SettingsRecord&) const = default;

    // Options kept in the spare bytes, so the record's layout and the files
    // stay as they are. Users see them under these names (settings fields,
    // render --set and --print).
    // "Complete implicit curves": implicit relations drawn by contouring.
    bool& CompleteImplicit() { return Reserved2; }
    bool CompleteImplicit() const { return Reserved2; }
};

using SettingsBytes = std::array<uint8_t, kSettingsRecordSize>;

// Filler bytes are written as 0. Texts longer than their field are cut.
SettingsBytes Serialize(const SettingsRecord& record);
// Booleans read as "byte != 0"; a text's length byte is clamped to its
// field so a damaged file cannot read past the field.
SettingsRecord Deserialize(const SettingsBytes& bytes);
SettingsRecord Deserialize(const uint8_t* bytes);  // kSettingsRecordSize bytes

// The values of a first settings file (no sett.dat yet).
SettingsRecord DefaultSettings();

}  // namespace kurvo
