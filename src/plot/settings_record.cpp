#include "settings_record.h"

#include <algorithm>
#include <cstring>

namespace kurvo {

namespace {

// Writes fields at fixed offsets; every put checks its offset so that a
// layout slip shows up as a wrong byte in the tests, not as a shifted file.
class Writer {
public:
    explicit Writer(SettingsBytes& out) : out_(out) { out_.fill(0); }

    void Ext(size_t at, long double v) {
        // x86-64 long double is the 80-bit extended format; its first 10
        // bytes are the value, little-endian.
        static_assert(sizeof(long double) >= 10);
        std::memcpy(&out_[at], &v, 10);
    }
    void Bool(size_t at, bool v) { out_[at] = v ? 1 : 0; }
    void Byte(size_t at, uint8_t v) { out_[at] = v; }
    void Int(size_t at, int32_t v) { U32(at, static_cast<uint32_t>(v)); }
    void U32(size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) out_[at + i] = static_cast<uint8_t>(v >> (8 * i));
    }
    void Str(size_t at, size_t capacity, const std::string& s) {
        const size_t n = std::min(s.size(), capacity);
        out_[at] = static_cast<uint8_t>(n);
        std::memcpy(&out_[at + 1], s.data(), n);
    }

private:
    SettingsBytes& out_;
};

class Reader {
public:
    explicit Reader(const uint8_t* in) : in_(in) {}

    long double Ext(size_t at) const {
        long double v = 0;  // clears the padding bytes beyond the 10
        std::memcpy(&v, in_ + at, 10);
        return v;
    }
    bool Bool(size_t at) const { return in_[at] != 0; }
    uint8_t Byte(size_t at) const { return in_[at]; }
    int32_t Int(size_t at) const { return static_cast<int32_t>(U32(at)); }
    uint32_t U32(size_t at) const {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(in_[at + i]) << (8 * i);
        return v;
    }
    std::string Str(size_t at, size_t capacity) const {
        const size_t n = std::min<size_t>(in_[at], capacity);
        return std::string(reinterpret_cast<const char*>(in_ + at + 1), n);
    }

private:
    const uint8_t* in_;
};

}  // namespace

SettingsBytes Serialize(const SettingsRecord& r) {
    SettingsBytes bytes;
    Writer w(bytes);
    w.Ext(0, r.XMin);
    w.Ext(10, r.XMax);
    w.Ext(20, r.TMin);
    w.Ext(30, r.TMax);
    w.Ext(40, r.YMin);
    w.Ext(50, r.YMax);
    w.Ext(60, r.XStep);
    w.Bool(70, r.ShowAsymptotes);
    w.Bool(71, r.ShowPlot);
    w.Bool(72, r.ShowAxes);
    w.Bool(73, r.ShowGrid);
    w.Bool(74, r.ShowMinorDivisions);
    w.Bool(75, r.ShowAxisMarkers);
    w.Bool(76, r.ShowAxisLabels);
    w.Bool(77, r.PiAxis);
    w.Bool(78, r.LargeGrid);
    w.U32(80, r.BackgroundColour);
    w.U32(84, r.AxesColour);
    w.U32(88, r.AsymptoteColour);
    w.U32(92, r.DerivativeColour);
    w.U32(96, r.IntegralColour);
    w.U32(100, r.GridColour);
    w.U32(104, r.TraceColour);
    w.U32(108, r.TangentColour);
    for (size_t i = 0; i < 5; ++i) w.U32(112 + 4 * i, r.GraphColours[i]);
    for (size_t i = 0; i < 5; ++i) w.U32(132 + 4 * i, r.MarkColours[i]);
    w.Int(152, r.GraphLineWidth);
    w.Int(156, r.AxisLineWidth);
    w.Int(160, r.GridLineWidth);
    w.Str(164, 255, r.FontName);
    w.Int(420, r.FontSize);
    w.U32(424, r.FontColour);
    w.Bool(428, r.AutoYScale);
    w.Bool(429, r.Reserved1);
    w.Bool(430, r.Degrees);
    w.Bool(431, r.Reserved2);
    w.Bool(432, r.AsymptoteBeep);
    w.Bool(433, r.CartesianMode);
    w.Bool(434, r.Parametric);
    w.Bool(435, r.ImplicitMode);
    w.Bool(436, r.Reserved3);
    w.Bool(437, r.PlotDerivative);
    w.Bool(438, r.PlotIntegral);
    w.Byte(439, r.Reserved4);
    w.Ext(440, r.ReservedValue1);
    w.Ext(450, r.ReservedValue2);
    w.Bool(460, r.ShowCoordinates);
    w.Bool(461, r.SquareAxes);
    w.Bool(462, r.ShowTangent);
    w.Bool(463, r.ShowHints);
    for (size_t i = 0; i < 5; ++i) w.Int(464 + 4 * i, r.MarkTypes[i]);
    w.Str(484, 255, r.XAxisLabel);
    w.Str(740, 255, r.YAxisLabel);
    w.Str(996, 10, r.PlotStepText);
    for (size_t i = 0; i < 5; ++i) w.Bool(1007 + i, r.MarkConnect[i]);
    w.Bool(1012, r.FamilyActive);
    w.Int(1016, r.FamilyCount);
    for (size_t i = 0; i < 16; ++i) w.Ext(1020 + 10 * i, r.Constants[i]);
    for (size_t i = 0; i < 16; ++i) w.Ext(1180 + 10 * i, r.FamilySteps[i]);
    w.Int(1340, r.LastGraph);
    for (size_t i = 0; i < 16; ++i) w.Ext(1344 + 10 * i, r.SavedConstants[i]);
    w.Int(1504, r.SigFigs);
    w.Bool(1508, r.SnapToGraph);
    for (size_t i = 0; i < 5; ++i) w.Bool(1509 + i, r.MarkOutline[i]);
    w.Bool(1514, r.SquareGraph);
    w.Int(1516, r.AutoLimitMin);
    w.Int(1520, r.AutoLimitMax);
    w.Bool(1524, r.AutoLimitsOn);
    w.Bool(1525, r.ShadeDefinedSide);
    w.Bool(1526, r.MoveWithMouse);
    return bytes;
}

SettingsRecord Deserialize(const SettingsBytes& bytes) { return Deserialize(bytes.data()); }

SettingsRecord Deserialize(const uint8_t* bytes) {
    const Reader in(bytes);
    SettingsRecord r;
    r.XMin = in.Ext(0);
    r.XMax = in.Ext(10);
    r.TMin = in.Ext(20);
    r.TMax = in.Ext(30);
    r.YMin = in.Ext(40);
    r.YMax = in.Ext(50);
    r.XStep = in.Ext(60);
    r.ShowAsymptotes = in.Bool(70);
    r.ShowPlot = in.Bool(71);
    r.ShowAxes = in.Bool(72);
    r.ShowGrid = in.Bool(73);
    r.ShowMinorDivisions = in.Bool(74);
    r.ShowAxisMarkers = in.Bool(75);
    r.ShowAxisLabels = in.Bool(76);
    r.PiAxis = in.Bool(77);
    r.LargeGrid = in.Bool(78);
    r.BackgroundColour = in.U32(80);
    r.AxesColour = in.U32(84);
    r.AsymptoteColour = in.U32(88);
    r.DerivativeColour = in.U32(92);
    r.IntegralColour = in.U32(96);
    r.GridColour = in.U32(100);
    r.TraceColour = in.U32(104);
    r.TangentColour = in.U32(108);
    for (size_t i = 0; i < 5; ++i) r.GraphColours[i] = in.U32(112 + 4 * i);
    for (size_t i = 0; i < 5; ++i) r.MarkColours[i] = in.U32(132 + 4 * i);
    r.GraphLineWidth = in.Int(152);
    r.AxisLineWidth = in.Int(156);
    r.GridLineWidth = in.Int(160);
    r.FontName = in.Str(164, 255);
    r.FontSize = in.Int(420);
    r.FontColour = in.U32(424);
    r.AutoYScale = in.Bool(428);
    r.Reserved1 = in.Bool(429);
    r.Degrees = in.Bool(430);
    r.Reserved2 = in.Bool(431);
    r.AsymptoteBeep = in.Bool(432);
    r.CartesianMode = in.Bool(433);
    r.Parametric = in.Bool(434);
    r.ImplicitMode = in.Bool(435);
    r.Reserved3 = in.Bool(436);
    r.PlotDerivative = in.Bool(437);
    r.PlotIntegral = in.Bool(438);
    r.Reserved4 = in.Byte(439);
    r.ReservedValue1 = in.Ext(440);
    r.ReservedValue2 = in.Ext(450);
    r.ShowCoordinates = in.Bool(460);
    r.SquareAxes = in.Bool(461);
    r.ShowTangent = in.Bool(462);
    r.ShowHints = in.Bool(463);
    for (size_t i = 0; i < 5; ++i) r.MarkTypes[i] = in.Int(464 + 4 * i);
    r.XAxisLabel = in.Str(484, 255);
    r.YAxisLabel = in.Str(740, 255);
    r.PlotStepText = in.Str(996, 10);
    for (size_t i = 0; i < 5; ++i) r.MarkConnect[i] = in.Bool(1007 + i);
    r.FamilyActive = in.Bool(1012);
    r.FamilyCount = in.Int(1016);
    for (size_t i = 0; i < 16; ++i) r.Constants[i] = in.Ext(1020 + 10 * i);
    for (size_t i = 0; i < 16; ++i) r.FamilySteps[i] = in.Ext(1180 + 10 * i);
    r.LastGraph = in.Int(1340);
    for (size_t i = 0; i < 16; ++i) r.SavedConstants[i] = in.Ext(1344 + 10 * i);
    r.SigFigs = in.Int(1504);
    r.SnapToGraph = in.Bool(1508);
    for (size_t i = 0; i < 5; ++i) r.MarkOutline[i] = in.Bool(1509 + i);
    r.SquareGraph = in.Bool(1514);
    r.AutoLimitMin = in.Int(1516);
    r.AutoLimitMax = in.Int(1520);
    r.AutoLimitsOn = in.Bool(1524);
    r.ShadeDefinedSide = in.Bool(1525);
    r.MoveWithMouse = in.Bool(1526);
    return r;
}

SettingsRecord DefaultSettings() {
    constexpr Colour silver = 0xC0C0C0, black = 0x000000, navy = 0x800000, red = 0x0000FF,
                     green = 0x008000, gray = 0x808080, yellow = 0x00FFFF, aqua = 0xFFFF00;
    SettingsRecord r;
    r.XMin = -10;
    r.XMax = 10;
    r.YMin = -10;
    r.YMax = 10;
    r.TMin = 0;
    r.TMax = 6.283185307179586476925L;
    r.PlotStepText = "256";
    r.XStep = (r.XMax - r.XMin) / 256 * 0.25L;
    r.ShowAsymptotes = true;
    r.ShowPlot = true;
    r.ShowAxes = true;
    r.ShowGrid = true;
    r.ShowMinorDivisions = true;
    r.ShowAxisMarkers = true;
    r.ShowAxisLabels = true;
    r.BackgroundColour = silver;
    r.AxesColour = black;
    r.AsymptoteColour = navy;
    r.DerivativeColour = red;
    r.IntegralColour = green;
    r.GridColour = gray;
    r.TraceColour = yellow;
    r.TangentColour = aqua;
    r.GraphColours = {green, navy, black, red, aqua};
    r.MarkColours = {navy, navy, navy, navy, navy};
    r.GraphLineWidth = 1;
    r.AxisLineWidth = 1;
    r.GridLineWidth = 1;
    r.FontName = "DejaVu Sans";
    r.FontSize = 8;
    r.FontColour = black;
    r.CartesianMode = true;
    r.ShowCoordinates = true;
    r.ShowHints = true;
    // Shapes a pupil sees at once on the grid (shape 0, one pixel, vanishes).
    r.MarkTypes = {11, 8, 10, 4, 2};
    r.XAxisLabel = "x";
    r.YAxisLabel = "y";
    r.MarkConnect = {};
    r.FamilyCount = 0;
    r.Constants[kConstantE] = 2.718281828L;
    r.Constants[kConstantP] = 3.141592654L;
    r.SavedConstants = r.Constants;
    r.LastGraph = -1;
    r.SigFigs = 6;
    r.AutoLimitMin = -500;
    r.AutoLimitMax = 500;
    r.ShadeDefinedSide = true;
    return r;
}

}  // namespace kurvo
