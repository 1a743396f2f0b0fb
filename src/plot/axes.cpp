#include "plot/axes.h"

#include <cmath>
#include <numbers>

#include "expr/real_format.h"
#include "plot/settings_checks.h"
#include "plot/view_mapping.h"

namespace kurvo {

namespace {

// More divisions than any sensible step gives; a view whose edges are so
// large that adding a step no longer moves t stops here.
constexpr int kMaxDivisions = 1000;
constexpr int kMaxMinorPerDivision = 64;

// Truncation toward zero, minus one below zero (so -2 gives -3), in
// extended precision so that far-away views do not overflow an integer.
long double FloorTruncWide(long double x) {
    long double t = std::trunc(x);
    return x < 0 ? t - 1 : t;
}

void SetPen(Canvas& c, Colour colour, int width, PenStyle style = PenStyle::Solid) {
    c.SetPenMode(PenMode::Copy);
    c.SetPenStyle(style);
    c.SetPenColour(colour);
    c.SetPenWidth(UsableLineWidth(width));
}

void Line(const PlotContext& ctx, Colour colour, int width, int x1, int y1, int x2, int y2) {
    ctx.OnBoth([&](Canvas& c) {
        SetPen(c, colour, width);
        c.MoveTo(x1, y1);
        c.LineTo(x2, y2);
    });
}

void SetLabelFont(const PlotContext& ctx, Canvas& c) {
    c.SetFont(ctx.Settings.FontName, UsableFontSize(ctx.Settings.FontSize), ctx.Settings.FontColour);
    c.SetBrushStyle(BrushStyle::Clear);
}

// The label font as measured on the picture (both canvases share it).
int LabelTextWidth(const PlotContext& ctx, const std::string& text) {
    Canvas* c = ctx.Picture ? ctx.Picture : ctx.Window;
    if (!c) return 0;
    SetLabelFont(ctx, *c);
    return c->TextWidth(text);
}

int LabelFontHeight(const PlotContext& ctx) {
    Canvas* c = ctx.Picture ? ctx.Picture : ctx.Window;
    if (!c) return 0;
    SetLabelFont(ctx, *c);
    return c->FontHeight();
}

void Text(const PlotContext& ctx, int x, int y, const std::string& text, bool alwaysOnWindow = false) {
    ctx.OnBoth(
        [&](Canvas& c) {
            SetLabelFont(ctx, c);
            c.TextOut(x, y, text);
        },
        alwaysOnWindow);
}

}  // namespace

DivisionSteps ChooseDivisionSteps(long double lo, long double hi, bool pi) {
    DivisionSteps d;
    const long double q = (hi - lo) * 0.25L;
    if (!(q > 0) || !std::isfinite(q)) return d;
    const long double e = FloorTruncWide(std::log10(q));
    d.Exponent = int(e);
    long double power = 1;
    for (int i = 0; i < d.Exponent; ++i) power *= 10;
    for (int i = 0; i < -d.Exponent; ++i) power *= 0.1L;
    const long double r = q / power;
    if (pi)
        d.Base = std::numbers::pi_v<long double>;
    else if (r < 4)
        d.Base = 2;
    else if (r < 10)
        d.Base = 4;
    else
        d.Base = 10;
    const long double mantissa = d.Base / 2;
    d.Major = mantissa * power;
    d.Minor = (!pi && mantissa == 2) ? d.Major * 0.25L : d.Major * 0.2L;
    d.First = FirstDivision(lo, d);
    return d;
}

long double FirstDivision(long double lo, const DivisionSteps& d) {
    long double power = 1;
    for (int i = 0; i < d.Exponent; ++i) power *= 10;
    for (int i = 0; i < -d.Exponent; ++i) power *= 0.1L;
    const long double half = d.Base / 2;
    const long double k = FloorTruncWide(-lo / power / half);
    return (-half * k - half) * power;
}

bool AxesAreSquare(const PlotContext& ctx) {
    const GraphView& v = ctx.View;
    if (v.PlotWidth <= 0 || v.XRange == 0) return false;
    return std::fabs(v.YRange / v.XRange - (long double)v.PlotHeight / v.PlotWidth) <= 1e-6L;
}

std::string AxisNumberText(long double t, bool pi) {
    if (pi) return FormatReal(t * 0.31830988618379067L, 15) + "pi";
    return FormatReal(t, 15);
}

namespace {

DivisionSteps DirectionSteps(const PlotContext& ctx, int direction) {
    const SettingsRecord& s = ctx.Settings;
    const bool xDirection = direction == 1;
    const long double lo = xDirection ? s.XMin : s.YMin;
    if (!xDirection && AxesAreSquare(ctx)) {
        // Square axes: the y units are as long as the x units, so the x
        // direction's decimal step fits here too (and stays bounded).
        DivisionSteps d = ChooseDivisionSteps(s.XMin, s.XMax, false);
        d.First = FirstDivision(lo, d);
        return d;
    }
    return ChooseDivisionSteps(lo, xDirection ? s.XMax : s.YMax, xDirection && s.PiAxis);
}

// One direction's divisions, one layer at a time.
void DrawDivisionLayer(PlotContext& ctx, int direction, DivisionLayer layer, std::vector<AxisLabel>* labels) {
    const SettingsRecord& s = ctx.Settings;
    const long double lo = direction == 1 ? s.XMin : s.YMin;
    const long double hi = direction == 1 ? s.XMax : s.YMax;
    const DivisionSteps d = DirectionSteps(ctx, direction);
    if (!(d.Major > 0)) return;
    for (int i = 0; i < kMaxDivisions; ++i) {
        const long double t = d.First + i * d.Major;
        if (!(t < hi)) break;
        DrawDivision(ctx, direction, t, d.Major, d.Minor, lo, hi, layer, labels);
    }
}

void DrawLabels(PlotContext& ctx, const std::vector<AxisLabel>& labels, bool boxes) {
    const SettingsRecord& s = ctx.Settings;
    for (const AxisLabel& label : labels) {
        if (!boxes) {
            Text(ctx, label.Left, label.Top, label.Text);
            continue;
        }
        // The number's cell in the background colour, so that no grid line
        // runs through a minus sign or a digit.
        ctx.OnBoth([&](Canvas& c) {
            SetLabelFont(ctx, c);
            const int width = c.TextWidth(label.Text), height = c.TextHeight(label.Text);
            c.SetBrushStyle(BrushStyle::Solid);
            c.SetBrushColour(s.BackgroundColour);
            c.FillRect(label.Left, label.Top, label.Left + width, label.Top + height);
        });
    }
}

}  // namespace

void DrawDivisions(PlotContext& ctx, int direction) {
    std::vector<AxisLabel> labels;
    DrawDivisionLayer(ctx, direction, DivisionLayer::Grid, nullptr);
    DrawDivisionLayer(ctx, direction, DivisionLayer::Marks, nullptr);
    DrawDivisionLayer(ctx, direction, DivisionLayer::Labels, &labels);
    DrawLabels(ctx, labels, true);
    DrawLabels(ctx, labels, false);
}

void DrawDivision(PlotContext& ctx, int direction, long double t, long double S, long double m,
                  long double lo, long double hi, DivisionLayer layer, std::vector<AxisLabel>* labels) {
    const SettingsRecord& s = ctx.Settings;
    const PixelMapping& map = ctx.Mapping;
    const int W = ctx.View.PlotWidth;
    const int H = ctx.View.PlotHeight;
    const bool grid = layer == DivisionLayer::Grid;
    const bool ticks = layer == DivisionLayer::Marks;
    if (layer == DivisionLayer::Labels && !labels) return;
    const bool smallGrid = grid && s.ShowGrid && !s.LargeGrid;
    const bool largeGrid = grid && s.ShowGrid;

    if (direction == 1) {
        const long double c = map.XScale * t + map.XOffset;
        long double p = t;
        for (int i = 0; i < kMaxMinorPerDivision && p < t + S; ++i, p += m) {
            const int column = RoundPixel(map.XScale * p + map.XOffset);
            const int h = (p - t - S == 0) ? 12 : 4;
            if (smallGrid) Line(ctx, s.GridColour, s.GridLineWidth, column, H, column, 0);
            if (ticks && (s.ShowMinorDivisions || h == 12))
                Line(ctx, s.AxesColour, s.AxisLineWidth, column, H - (map.XAxisRow - h), column,
                     H - (map.XAxisRow + h));
        }
        if (0 < c && c < W) {
            const int column = RoundPixel(c);
            if (largeGrid) Line(ctx, s.GridColour, s.GridLineWidth, column, H, column, 0);
            if (ticks && c < W - 12)
                Line(ctx, s.AxesColour, s.AxisLineWidth, column, H - map.XAxisRow + 8, column,
                     H - map.XAxisRow - 8);
        }
        if (layer == DivisionLayer::Labels && 12 < c && c < W - 12 && std::fabs(t) > m && s.ShowAxisMarkers) {
            std::string text = AxisNumberText(t, s.PiAxis);
            const int left = RoundPixel(c) - LabelTextWidth(ctx, text) / 2;
            const int top = map.XAxisRow >= 11 ? H - map.XAxisRow + 8 : H - map.XAxisRow - 8 - 12;
            labels->push_back({left, top, std::move(text)});
        }
        return;
    }

    const long double rc = map.YScale * t + map.YOffset;
    long double p = t;
    for (int i = 0; i < kMaxMinorPerDivision && p < t + S; ++i, p += m) {
        const int row = H - RoundPixel(map.YScale * p + map.YOffset);
        const int h = (p - t - S == 0) ? 12 : 4;
        if (smallGrid) Line(ctx, s.GridColour, s.GridLineWidth, 0, row, W, row);
        if (ticks && (s.ShowMinorDivisions || h == 12) && 11 <= row && row < H)
            Line(ctx, s.AxesColour, s.AxisLineWidth, map.YAxisColumn - h, row, map.YAxisColumn + h, row);
    }
    if (rc < H - 12) {
        const int row = H - RoundPixel(rc);
        if (largeGrid) Line(ctx, s.GridColour, s.GridLineWidth, 0, row, W, row);
        if (ticks && 10 < rc && rc < H)
            Line(ctx, s.AxesColour, s.AxisLineWidth, map.YAxisColumn + 8, row, map.YAxisColumn - 8, row);
    }
    if (layer == DivisionLayer::Labels && 12 < rc && rc < H - 12 && std::fabs(t) > m && s.ShowAxisMarkers) {
        std::string text = AxisNumberText(t, false);
        const int top = H - RoundPixel(rc) + LabelFontHeight(ctx) / 2;
        const int width = LabelTextWidth(ctx, text);
        const int left = map.YAxisColumn >= 11 ? map.YAxisColumn - width - 12 : map.YAxisColumn + width;
        labels->push_back({left, top, std::move(text)});
    }
}

void DrawAxes(PlotContext& ctx) {
    const SettingsRecord& s = ctx.Settings;
    const PixelMapping& map = ctx.Mapping;
    const int W = ctx.View.PlotWidth;
    const int H = ctx.View.PlotHeight;
    const int b = H - map.XAxisRow;
    const int a = map.YAxisColumn;

    const PenStyle xStyle = (s.YMin > 0 || s.YMax < 0) ? PenStyle::Dash : PenStyle::Solid;
    ctx.OnBoth([&](Canvas& c) {
        SetPen(c, s.AxesColour, s.AxisLineWidth, xStyle);
        c.MoveTo(0, b);
        c.LineTo(W - 10, b);
    });
    if (s.ShowAxisLabels)
        Text(ctx, W - UsableFontSize(s.FontSize) * int(s.XAxisLabel.size()) - 10, b - 45, s.XAxisLabel, true);

    const PenStyle yStyle = (s.XMin > 0 || s.XMax < 0) ? PenStyle::Dash : PenStyle::Solid;
    ctx.OnBoth([&](Canvas& c) {
        SetPen(c, s.AxesColour, s.AxisLineWidth, yStyle);
        c.MoveTo(a, 10);
        c.LineTo(a, H);
    });
    if (s.ShowAxisLabels) Text(ctx, a + 20, 5, s.YAxisLabel, true);

    ctx.OnBoth(
        [&](Canvas& c) {
            SetPen(c, s.AxesColour, 1);
            c.SetBrushStyle(BrushStyle::Solid);
            c.SetBrushColour(s.AxesColour);
            c.Polygon({{W - 10, b + 5}, {W - 10, b - 5}, {W - 5, b}});
            c.Polygon({{a - 5, 10}, {a + 5, 10}, {a, 5}});
        },
        true);
}

void DrawFrame(PlotContext& ctx) {
    if (!ctx.Settings.ShowAxes || !(ctx.View.XRange > 1e-7L) || !(ctx.View.YRange > 1e-7L)) return;
    ComputeMapping(ctx);
    // Every grid line first, then the numbers' cells, the ticks and axes,
    // and the numbers last: a number stays readable whatever crosses it.
    DrawDivisionLayer(ctx, 1, DivisionLayer::Grid, nullptr);
    DrawDivisionLayer(ctx, 2, DivisionLayer::Grid, nullptr);
    std::vector<AxisLabel> marks;
    DrawDivisionLayer(ctx, 1, DivisionLayer::Labels, &marks);
    DrawDivisionLayer(ctx, 2, DivisionLayer::Labels, &marks);
    DrawLabels(ctx, marks, true);
    DrawDivisionLayer(ctx, 1, DivisionLayer::Marks, nullptr);
    DrawDivisionLayer(ctx, 2, DivisionLayer::Marks, nullptr);
    DrawAxes(ctx);
    DrawLabels(ctx, marks, false);
}

}  // namespace kurvo
