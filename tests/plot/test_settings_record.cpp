// The settings record's file layout: every field at its offset with its
// encoding, checked against bytes built here independently of the
// serializer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "expr/real_format.h"
#include "plot/settings_fields.h"
#include "plot/settings_record.h"

namespace kurvo {
namespace {

// 80-bit extended encoding computed arithmetically (sign, biased exponent,
// explicit-integer-bit mantissa), not by copying memory.
std::array<uint8_t, 10> ExtBytes(long double v) {
    std::array<uint8_t, 10> b{};
    if (v == 0) {
        if (std::signbit(v)) b[9] = 0x80;
        return b;
    }
    const bool negative = v < 0;
    int exp2 = 0;
    long double frac = std::frexp(std::fabs(v), &exp2);  // [0.5, 1)
    uint64_t mantissa = static_cast<uint64_t>(std::ldexp(frac, 64));
    int biased = exp2 - 1 + 16383;
    for (int i = 0; i < 8; ++i) b[i] = static_cast<uint8_t>(mantissa >> (8 * i));
    b[8] = static_cast<uint8_t>(biased & 0xFF);
    b[9] = static_cast<uint8_t>(((biased >> 8) & 0x7F) | (negative ? 0x80 : 0));
    return b;
}

class Expected {
public:
    Expected() { bytes.fill(0); }
    void Ext(size_t at, long double v) {
        auto e = ExtBytes(v);
        std::memcpy(&bytes[at], e.data(), 10);
    }
    void U32(size_t at, uint32_t v) {
        bytes[at] = v & 0xFF;
        bytes[at + 1] = (v >> 8) & 0xFF;
        bytes[at + 2] = (v >> 16) & 0xFF;
        bytes[at + 3] = (v >> 24) & 0xFF;
    }
    void Byte(size_t at, uint8_t v) { bytes[at] = v; }
    void Str(size_t at, const std::string& s) {
        bytes[at] = static_cast<uint8_t>(s.size());
        std::memcpy(&bytes[at + 1], s.data(), s.size());
    }
    SettingsBytes bytes;
};

TEST(ExtendedEncoding, KnownPatterns) {
    // Hand-written patterns: 1.0, -2.0, 0.5 in the 80-bit format.
    const std::array<uint8_t, 10> one = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
    const std::array<uint8_t, 10> minusTwo = {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0};
    const std::array<uint8_t, 10> half = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x3F};
    EXPECT_EQ(ExtBytes(1.0L), one);
    EXPECT_EQ(ExtBytes(-2.0L), minusTwo);
    EXPECT_EQ(ExtBytes(0.5L), half);

    SettingsRecord r;
    r.XMin = 1.0L;
    r.XMax = -2.0L;
    r.TMin = 0.5L;
    const auto bytes = Serialize(r);
    EXPECT_TRUE(std::equal(one.begin(), one.end(), bytes.begin() + 0));
    EXPECT_TRUE(std::equal(minusTwo.begin(), minusTwo.end(), bytes.begin() + 10));
    EXPECT_TRUE(std::equal(half.begin(), half.end(), bytes.begin() + 20));
}

// A record in which every field holds a value different from its
// neighbours, so a field written at the wrong offset shows.
SettingsRecord Distinct() {
    SettingsRecord r;
    r.XMin = -10.25L;
    r.XMax = 11.5L;
    r.TMin = 0.1L;
    r.TMax = 6.283185307179586L;
    r.YMin = -1e-300L;
    r.YMax = 1e300L;
    r.XStep = 0.01953125L;
    r.ShowAsymptotes = true;
    r.ShowPlot = false;
    r.ShowAxes = true;
    r.ShowGrid = false;
    r.ShowMinorDivisions = true;
    r.ShowAxisMarkers = false;
    r.ShowAxisLabels = true;
    r.PiAxis = false;
    r.LargeGrid = true;
    r.BackgroundColour = 0x00C0C0C0;
    r.AxesColour = 0x00010203;
    r.AsymptoteColour = 0x00800000;
    r.DerivativeColour = 0x000000FF;
    r.IntegralColour = 0x00008000;
    r.GridColour = 0x80000005;  // a system colour code
    r.TraceColour = 0x0000FFFF;
    r.TangentColour = 0x00FFFF00;
    r.GraphColours = {0x11, 0x2200, 0x330000, 0x44444444, 0x55};
    r.MarkColours = {0x66, 0x7700, 0x880000, 0x99, 0xAA};
    r.GraphLineWidth = 2;
    r.AxisLineWidth = 3;
    r.GridLineWidth = 10;
    r.FontName = "DejaVu Sans";
    r.FontSize = 12;
    r.FontColour = 0x00123456;
    r.AutoYScale = true;
    r.Reserved1 = false;
    r.Degrees = true;
    r.Reserved2 = true;
    r.AsymptoteBeep = false;
    r.CartesianMode = true;
    r.Parametric = false;
    r.ImplicitMode = true;
    r.Reserved3 = false;
    r.PlotDerivative = true;
    r.PlotIntegral = false;
    r.Reserved4 = 0xA5;
    r.ReservedValue1 = 3.0L;
    r.ReservedValue2 = -0.375L;
    r.ShowCoordinates = true;
    r.SquareAxes = false;
    r.ShowTangent = true;
    r.ShowHints = false;
    r.MarkTypes = {0, 1, 11, -1, 7};
    r.XAxisLabel = "time";
    r.YAxisLabel = "dist\xB2";
    r.PlotStepText = "1000000";
    r.MarkConnect = {true, false, true, false, true};
    r.FamilyActive = true;
    r.FamilyCount = 7;
    for (int i = 0; i < 16; ++i) {
        r.Constants[i] = i + 0.5L;
        r.FamilySteps[i] = -(i + 0.25L);
        r.SavedConstants[i] = (i + 1) * 1000.0L;
    }
    r.LastGraph = 99;
    r.SigFigs = 14;
    r.SnapToGraph = true;
    r.MarkOutline = {false, true, false, true, false};
    r.SquareGraph = true;
    r.AutoLimitMin = -100000;
    r.AutoLimitMax = 100000;
    r.AutoLimitsOn = true;
    r.ShadeDefinedSide = false;
    r.MoveWithMouse = true;
    return r;
}

Expected HandBuilt() {
    const SettingsRecord r = Distinct();
    Expected e;
    e.Ext(0, r.XMin);
    e.Ext(10, r.XMax);
    e.Ext(20, r.TMin);
    e.Ext(30, r.TMax);
    e.Ext(40, r.YMin);
    e.Ext(50, r.YMax);
    e.Ext(60, r.XStep);
    // 70..78: ShowAsymptotes..LargeGrid = 1 0 1 0 1 0 1 0 1
    const uint8_t flags[] = {1, 0, 1, 0, 1, 0, 1, 0, 1};
    for (int i = 0; i < 9; ++i) e.Byte(70 + i, flags[i]);
    e.U32(80, 0x00C0C0C0);
    e.U32(84, 0x00010203);
    e.U32(88, 0x00800000);
    e.U32(92, 0x000000FF);
    e.U32(96, 0x00008000);
    e.U32(100, 0x80000005);
    e.U32(104, 0x0000FFFF);
    e.U32(108, 0x00FFFF00);
    const uint32_t graph[] = {0x11, 0x2200, 0x330000, 0x44444444, 0x55};
    const uint32_t mark[] = {0x66, 0x7700, 0x880000, 0x99, 0xAA};
    for (int i = 0; i < 5; ++i) e.U32(112 + 4 * i, graph[i]);
    for (int i = 0; i < 5; ++i) e.U32(132 + 4 * i, mark[i]);
    e.U32(152, 2);
    e.U32(156, 3);
    e.U32(160, 10);
    e.Str(164, "DejaVu Sans");
    e.U32(420, 12);
    e.U32(424, 0x00123456);
    // 428..438: AutoYScale .. PlotIntegral
    const uint8_t modes[] = {1, 0, 1, 1, 0, 1, 0, 1, 0, 1, 0};
    for (int i = 0; i < 11; ++i) e.Byte(428 + i, modes[i]);
    e.Byte(439, 0xA5);
    e.Ext(440, 3.0L);
    e.Ext(450, -0.375L);
    e.Byte(460, 1);
    e.Byte(461, 0);
    e.Byte(462, 1);
    e.Byte(463, 0);
    const int32_t types[] = {0, 1, 11, -1, 7};
    for (int i = 0; i < 5; ++i) e.U32(464 + 4 * i, static_cast<uint32_t>(types[i]));
    e.Str(484, "time");
    e.Str(740, "dist\xB2");
    e.Str(996, "1000000");
    for (int i = 0; i < 5; ++i) e.Byte(1007 + i, i % 2 == 0 ? 1 : 0);
    e.Byte(1012, 1);
    e.U32(1016, 7);
    for (int i = 0; i < 16; ++i) {
        e.Ext(1020 + 10 * i, i + 0.5L);
        e.Ext(1180 + 10 * i, -(i + 0.25L));
        e.Ext(1344 + 10 * i, (i + 1) * 1000.0L);
    }
    e.U32(1340, 99);
    e.U32(1504, 14);
    e.Byte(1508, 1);
    for (int i = 0; i < 5; ++i) e.Byte(1509 + i, i % 2 == 1 ? 1 : 0);
    e.Byte(1514, 1);
    e.U32(1516, static_cast<uint32_t>(-100000));
    e.U32(1520, 100000);
    e.Byte(1524, 1);
    e.Byte(1525, 0);
    e.Byte(1526, 1);
    return e;
}

TEST(SettingsRecordLayout, EveryFieldAtItsOffset) {
    static_assert(kSettingsRecordSize == 1528);
    const auto actual = Serialize(Distinct());
    const auto expected = HandBuilt().bytes;
    for (size_t i = 0; i < kSettingsRecordSize; ++i)
        ASSERT_EQ(int(actual[i]), int(expected[i])) << "byte " << i;
}

TEST(SettingsRecordLayout, FillerBytesAreZero) {
    const auto bytes = Serialize(Distinct());
    for (size_t at : {79u, 1013u, 1014u, 1015u, 1515u, 1527u}) EXPECT_EQ(bytes[at], 0) << at;
}

TEST(SettingsRecordLayout, ReadsHandBuiltBytes) {
    EXPECT_EQ(Deserialize(HandBuilt().bytes), Distinct());
}

TEST(SettingsRecordRoundTrip, ExtendedValuesExactly) {
    SettingsRecord r;
    r.XMin = 0.1L;
    r.XMax = 1e-300L;
    r.YMin = -0.1L;
    r.YMax = 1e4000L;  // beyond double: needs the full extended range
    r.Constants[kConstantP] = 3.141592654L;
    const SettingsRecord back = Deserialize(Serialize(r));
    EXPECT_EQ(back.XMin, 0.1L);
    EXPECT_EQ(back.XMax, 1e-300L);
    EXPECT_EQ(back.YMin, -0.1L);
    EXPECT_EQ(back.YMax, 1e4000L);
    EXPECT_EQ(back.Constants[kConstantP], 3.141592654L);
    // 0.1L is not the double 0.1: the record keeps all 64 mantissa bits.
    EXPECT_NE(back.XMin, static_cast<long double>(0.1));
}

TEST(SettingsRecordRoundTrip, TextsAreCutAndLengthBytesClamped) {
    SettingsRecord r;
    r.PlotStepText = "12345678901234";  // 14 characters into string[10]
    r.FontName = std::string(300, 'a');
    const auto bytes = Serialize(r);
    EXPECT_EQ(bytes[996], 10);
    EXPECT_EQ(bytes[164], 255);
    EXPECT_EQ(Deserialize(bytes).PlotStepText, "1234567890");
    EXPECT_EQ(Deserialize(bytes).FontName, std::string(255, 'a'));

    // A damaged length byte must not read into the next field.
    auto damaged = bytes;
    damaged[996] = 200;
    damaged[1007] = 1;  // MarkConnect[0]
    const SettingsRecord d = Deserialize(damaged);
    EXPECT_EQ(d.PlotStepText.size(), 10u);
    EXPECT_TRUE(d.MarkConnect[0]);
}

TEST(SettingsRecordRoundTrip, NonZeroBoolByteReadsTrue) {
    auto bytes = Serialize(SettingsRecord{});
    bytes[433] = 0x7F;
    EXPECT_TRUE(Deserialize(bytes).CartesianMode);
    bytes[433] = 0;
    EXPECT_FALSE(Deserialize(bytes).CartesianMode);
}

TEST(DefaultSettings, FirstRunValues) {
    const SettingsRecord d = DefaultSettings();
    EXPECT_EQ(d.BackgroundColour, 0xC0C0C0u);
    EXPECT_EQ(d.AxesColour, 0u);
    EXPECT_EQ(d.AsymptoteColour, 0x800000u);
    EXPECT_EQ(d.DerivativeColour, 0x0000FFu);
    EXPECT_EQ(d.IntegralColour, 0x008000u);
    EXPECT_EQ(d.GridColour, 0x808080u);
    EXPECT_EQ(d.TraceColour, 0x00FFFFu);
    EXPECT_EQ(d.TangentColour, 0xFFFF00u);
    EXPECT_EQ(d.GraphColours, (std::array<Colour, 5>{0x008000, 0x800000, 0, 0x0000FF, 0xFFFF00}));
    EXPECT_EQ(d.PlotStepText, "256");
    EXPECT_EQ(d.XMin, -10);
    EXPECT_EQ(d.XMax, 10);
    EXPECT_EQ(d.YMin, -10);
    EXPECT_EQ(d.YMax, 10);
    EXPECT_EQ(d.XStep, 20.0L / 1024);
    EXPECT_NEAR(double(d.TMax), 6.283185307179586, 1e-15);
    EXPECT_EQ(d.Constants[kConstantE], 2.718281828L);
    EXPECT_EQ(d.Constants[kConstantP], 3.141592654L);
    EXPECT_EQ(kConstantLetters[kConstantE], 'e');
    EXPECT_EQ(kConstantLetters[kConstantP], 'p');
    EXPECT_EQ(d.LastGraph, -1);
    EXPECT_TRUE(d.CartesianMode);
    EXPECT_FALSE(d.ImplicitMode);
    EXPECT_EQ(d.AutoLimitMin, -500);
    EXPECT_EQ(d.AutoLimitMax, 500);
    EXPECT_EQ(d.XAxisLabel, "x");
    EXPECT_EQ(d.YAxisLabel, "y");
    // What is saved is what is read back.
    EXPECT_EQ(Deserialize(Serialize(d)), d);
}

// ---- fields by name -------------------------------------------------------

TEST(SettingsFields, SetsEveryKindOfField) {
    SetDecimalSeparator('.');
    SettingsRecord r = DefaultSettings();
    EXPECT_EQ(SetSettingsField(r, "XMax=0.1"), "");
    EXPECT_EQ(r.XMax, 0.1L);  // parsed as extended, not via double
    EXPECT_EQ(SetSettingsField(r, "ShowGrid=0"), "");
    EXPECT_FALSE(r.ShowGrid);
    EXPECT_EQ(SetSettingsField(r, "fontsize=12"), "");  // names without regard to case
    EXPECT_EQ(r.FontSize, 12);
    EXPECT_EQ(SetSettingsField(r, "GraphColours[4]=0x0000FF"), "");
    EXPECT_EQ(r.GraphColours[4], 0x0000FFu);
    EXPECT_EQ(SetSettingsField(r, "GridColour=0x80000005"), "");  // a system colour code
    EXPECT_EQ(r.GridColour, 0x80000005u);
    EXPECT_EQ(SetSettingsField(r, "Constants[15]=-2.5"), "");
    EXPECT_EQ(r.Constants[15], -2.5L);
    EXPECT_EQ(SetSettingsField(r, "XAxisLabel=t=time"), "");  // only the first "=" splits
    EXPECT_EQ(r.XAxisLabel, "t=time");
    EXPECT_EQ(SetSettingsField(r, "Reserved4=255"), "");
    EXPECT_EQ(r.Reserved4, 255);
    EXPECT_EQ(SetSettingsField(r, "AutoLimitMin=-100000"), "");
    EXPECT_EQ(r.AutoLimitMin, -100000);
    EXPECT_EQ(*GetSettingsField(r, "GraphColours[4]"), "0x0000FF");
    EXPECT_EQ(*GetSettingsField(r, "XAxisLabel"), "t=time");
    EXPECT_EQ(*GetSettingsField(r, "ShowGrid"), "0");
}

TEST(SettingsFields, RejectsBadNamesAndValuesLeavingTheRecord) {
    SetDecimalSeparator('.');
    const SettingsRecord before = DefaultSettings();
    SettingsRecord r = before;
    const char* bad[] = {"NoSuchField=1", "ShowGrid=2",      "ShowGrid=",         "FontSize=1.5",
                         "FontSize=99999999999", "GraphColours=0xFF", "GraphColours[5]=0xFF",
                         "FontSize[0]=1", "GridColour=red", "GridColour=0x100000000",
                         "XMin=ten",      "PlotStepText=12345678901", "Reserved4=256",
                         "=1",            "ShowGrid",        "GraphColours[x]=1"};
    for (const char* assignment : bad) {
        EXPECT_NE(SetSettingsField(r, assignment), "") << assignment;
        EXPECT_EQ(r, before) << assignment;
    }
    EXPECT_FALSE(GetSettingsField(r, "Nope").has_value());
    EXPECT_FALSE(GetSettingsField(r, "MarkTypes[5]").has_value());
}

TEST(SettingsFields, EveryFieldHasAName) {
    const auto names = SettingsFieldNames();
    EXPECT_EQ(names.size(), 70u);
    EXPECT_EQ(names.front(), "XMin");
    EXPECT_EQ(names.back(), "MoveWithMouse");
    EXPECT_NE(std::find(names.begin(), names.end(), "Constants[16]"), names.end());
}

}  // namespace
}  // namespace kurvo

namespace kurvo {
namespace {

// Options kept in spare bytes go by their own names, and only by those.
TEST(SettingsFields, SpareBytesGoByTheirOptionNames) {
    const struct {
        const char* shown;
        const char* hidden;
        size_t offset;
        bool SettingsRecord::*member;
    } rows[] = {{"CompleteImplicit", "Reserved2", 431, &SettingsRecord::Reserved2}};
    const auto names = SettingsFieldNames();
    for (const auto& row : rows) {
        EXPECT_NE(std::find(names.begin(), names.end(), row.shown), names.end()) << row.shown;
        EXPECT_EQ(std::find(names.begin(), names.end(), row.hidden), names.end()) << row.hidden;
        SettingsRecord r = DefaultSettings();
        EXPECT_FALSE(r.*row.member) << "off by default: " << row.shown;
        EXPECT_EQ(SetSettingsField(r, std::string(row.shown) + "=1"), "");
        EXPECT_TRUE(r.*row.member);
        EXPECT_EQ(*GetSettingsField(r, row.shown), "1");
        EXPECT_EQ(Serialize(r)[row.offset], 1) << row.shown;
        EXPECT_NE(SetSettingsField(r, std::string(row.hidden) + "=0"), "");
    }
}

}  // namespace
}  // namespace kurvo
