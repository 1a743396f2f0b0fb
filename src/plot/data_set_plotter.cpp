#include "plot/data_set_plotter.h"

#include <algorithm>
#include <charconv>

#include "expr/errors.h"
#include "expr/real_format.h"
#include "expr/text_helpers.h"
#include "plot/parametric_plotter.h"
#include "plot/view_mapping.h"

namespace kurvo {

const char kCannotLoadDataSets[] = "Kurvo32 cannot load this file.";

namespace {

constexpr Colour kBlack = 0x000000;

struct DataPoint {
    long double x = 0;
    long double y = 0;
};

// "x,y": x before the first comma, y after it; anything else throws.
DataPoint ParsePoint(const std::string& line) {
    return {ParseReal(BeforeComma(line)), ParseReal(AfterComma(line))};
}

// The plain numbers of a point line ("-1.5", "2E3") read without copies,
// as a drawing needs no more than double precision; every other text
// goes through ParsePoint, which also reports what is not a number.
bool PlainNumber(const char* first, const char* last, double& value) {
    if (first == last) return false;
    const char* digits = *first == '-' ? first + 1 : first;
    if (digits == last || !((*digits >= '0' && *digits <= '9') || *digits == '.')) return false;
    const auto r = std::from_chars(first, last, value, std::chars_format::general);
    return r.ec == std::errc() && r.ptr == last;
}

DataPoint DrawnPoint(const std::string& line) {
    const size_t comma = line.find(',');
    double x = 0, y = 0;
    const char* begin = line.data();
    if (comma != std::string::npos && DecimalSeparator() == '.' &&
        PlainNumber(begin, begin + comma, x) && PlainNumber(begin + comma + 1, begin + line.size(), y))
        return {x, y};
    return ParsePoint(line);
}

bool IsSetEnd(const std::string& line) { return line == "#"; }

// DrawnPoint of line i, converted again only when the line has changed
// since the last drawing (or the decimal separator has).
DataPoint CachedPoint(DataSetList::DrawnPointCache& cache, const std::vector<std::string>& lines, size_t i) {
    if (cache.separator != DecimalSeparator() || cache.lines.size() != lines.size()) {
        cache.lines.assign(lines.size(), std::string());
        cache.points.assign(lines.size(), {});
        cache.separator = DecimalSeparator();
    }
    // An empty line is never taken from the (empty) cache entry: it is no
    // point, and converting it reports that.
    if (lines[i].empty() || cache.lines[i] != lines[i]) {
        const DataPoint p = DrawnPoint(lines[i]);
        cache.points[i] = {p.x, p.y};
        cache.lines[i] = lines[i];
    }
    return {cache.points[i].first, cache.points[i].second};
}

// The shapes are drawn as runs of pixels rather than with the canvas's
// rectangles, polygons and ellipses: a repaint draws thousands of them,
// and each of those costs a painter set-up on a raster picture.

// Columns x0..x1 of row y in the pen colour.
void Run(Canvas& c, int x0, int x1, int y) {
    c.MoveTo(x0, y);
    c.LineTo(x1 + 1, y);
}

// The square of columns and rows lo..hi around the centre: its edge in
// `edge`, its inside in `fill` when filled.
void Square(Canvas& c, int cx, int cy, int lo, int hi, bool filled, Colour edge, Colour fill) {
    c.SetPenColour(edge);
    Run(c, cx + lo, cx + hi, cy + lo);
    Run(c, cx + lo, cx + hi, cy + hi);
    for (int y = cy + lo + 1; y < cy + hi; ++y) {
        c.SetPixel(cx + lo, y, edge);
        c.SetPixel(cx + hi, y, edge);
    }
    if (!filled) return;
    c.SetPenColour(fill);
    for (int y = cy + lo + 1; y < cy + hi; ++y) Run(c, cx + lo + 1, cx + hi - 1, y);
}

// The diamond |dx| + |dy| <= half: the edge where the sum equals half.
void Diamond(Canvas& c, int cx, int cy, int half, bool filled, Colour edge, Colour fill) {
    c.SetPenColour(fill);
    for (int dy = -half; dy <= half; ++dy) {
        const int w = half - (dy < 0 ? -dy : dy);
        c.SetPixel(cx - w, cy + dy, edge);
        c.SetPixel(cx + w, cy + dy, edge);
        if (filled && w > 0) Run(c, cx - w + 1, cx + w - 1, cy + dy);
    }
}

// The disc inside the box (c - 3, r - 3)-(c + 3, r + 3).
void Disc(Canvas& c, int cx, int cy) {
    Run(c, cx - 2, cx + 1, cy - 3);
    for (int y = cy - 2; y <= cy + 1; ++y) Run(c, cx - 3, cx + 2, y);
    Run(c, cx - 2, cx + 1, cy + 2);
}

}  // namespace

bool DataSetLinesReadable(const std::vector<std::string>& lines) {
    try {
        for (const std::string& line : lines)
            if (!IsSetEnd(line)) DrawnPoint(line);
    } catch (const Exception&) {
        return false;
    }
    return true;
}

std::vector<DataSetRange> DataSetRanges(const std::vector<std::string>& lines) {
    std::vector<DataSetRange> sets;
    size_t first = 0;
    for (size_t i = 0; i < lines.size(); ++i)
        if (IsSetEnd(lines[i])) {
            sets.push_back({first, i});
            first = i + 1;
        }
    if (first < lines.size()) sets.push_back({first, lines.size()});
    return sets;
}

void DrawDataMark(Canvas& c, int shape, int column, int row, Colour colour, bool outline) {
    c.SetPenWidth(1);
    c.SetPenStyle(PenStyle::Solid);
    c.SetPenColour(colour);
    c.SetBrushColour(colour);
    c.SetBrushStyle(BrushStyle::Solid);
    const Colour edge = outline && shape >= 6 && shape <= 10 ? kBlack : colour;
    switch (shape) {
        case 0: c.SetPixel(column, row, colour); break;
        case 1:
            c.MoveTo(column - 5, row);
            c.LineTo(column + 5, row);
            c.MoveTo(column, row - 5);
            c.LineTo(column, row + 5);
            break;
        case 2:
            c.MoveTo(column - 5, row - 5);
            c.LineTo(column + 6, row + 6);
            c.MoveTo(column + 5, row - 5);
            c.LineTo(column - 6, row + 6);
            break;
        // Rectangles leave out their right and bottom edges.
        case 3: Square(c, column, row, -2, 1, false, edge, colour); break;
        case 4: Square(c, column, row, -5, 4, false, edge, colour); break;
        case 7: Square(c, column, row, -2, 1, true, edge, colour); break;
        case 8: Square(c, column, row, -5, 4, true, edge, colour); break;
        case 5: Diamond(c, column, row, 3, false, edge, colour); break;
        case 6: Diamond(c, column, row, 5, false, edge, colour); break;
        case 9: Diamond(c, column, row, 3, true, edge, colour); break;
        case 10: Diamond(c, column, row, 5, true, edge, colour); break;
        case 11: Disc(c, column, row); break;
        default: break;
    }
    c.SetPenColour(colour);
}

PlotResult FitViewToDataSets(PlotContext& ctx, DataSetList& sets) {
    SettingsRecord& s = ctx.Settings;
    long double minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (const std::string& line : sets.DataSetLines) {
        if (IsSetEnd(line)) continue;
        if (ctx.Escape()) return PlotResult::Stopped;
        const DataPoint p = ParsePoint(line);
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    if (minX == 0) minX -= (maxX - minX) / 15;
    if (minY == 0) minY -= (maxY - minY) / 15;
    // Fitted whenever a point lies off the origin, whichever side it lies
    // on; an axis with no extent (all its values 0) keeps its view rather
    // than collapsing to a zero range.
    if (minX == 0 && maxX == 0 && minY == 0 && maxY == 0) return PlotResult::Done;
    s.XAxisLabel = BeforeComma(sets.AxisLabelsField);
    s.YAxisLabel = AfterComma(sets.AxisLabelsField);
    if (minX != maxX) {
        s.XMin = 1.2L * minX;
        s.XMax = 1.2L * maxX;
    }
    if (minY != maxY) {
        s.YMin = 1.2L * minY;
        s.YMax = 1.2L * maxY;
    }
    RecomputeRanges(s, ctx.View);
    if (ctx.Host) ctx.Host->ViewFieldsChanged();
    if (s.SquareAxes) SquareTheAxes(ctx);
    return PlotResult::Done;
}

PlotResult DrawDataSets(PlotContext& ctx, const DataSetList& sets) {
    if (!ctx.Picture) return PlotResult::Done;
    Canvas& c = *ctx.Picture;
    const SettingsRecord& s = ctx.Settings;
    const GraphView& v = ctx.View;
    if (!(v.XRange != 0) || !(v.YRange != 0)) return PlotResult::Done;
    const std::vector<std::string>& lines = sets.DataSetLines;
    std::vector<DataSetRange> ranges = DataSetRanges(lines);
    if (sets.DataSetTransformed && !ranges.empty()) ranges.erase(ranges.begin(), ranges.end() - 1);

    c.SetPenWidth(1);
    c.SetPenStyle(PenStyle::Solid);
    c.SetPenMode(PenMode::Copy);
    const long double xScale = v.PlotWidth / v.XRange;
    const long double yScale = v.PlotHeight / v.YRange;
    BusyCursorScope cursor(ctx.Host);
    for (size_t k = 0; k < ranges.size(); ++k) {
        const int entry = sets.DataSetTransformed ? 0 : DataSetOptionEntry(int(k));
        const Colour colour = s.MarkColours[size_t(entry)];
        const int shape = s.MarkTypes[size_t(entry)];
        const bool connect = s.MarkConnect[size_t(entry)];
        const bool outline = s.MarkOutline[size_t(entry)];
        // Each set's line starts at its own first point: sets are not
        // joined to one another.
        CanvasPoint previous;
        for (size_t i = ranges[k].first; i < ranges[k].end; ++i) {
            const DataPoint p = CachedPoint(sets.DrawnPoints, lines, i);
            const int column = RoundPixel((p.x - s.XMin) * xScale);
            const int row = v.PlotHeight - RoundPixel((p.y - s.YMin) * yScale);
            if (i == ranges[k].first) previous = {column, row};
            if (ctx.Escape()) return PlotResult::Stopped;
            DrawDataMark(c, shape, column, row, colour, outline);
            if (connect) {
                c.MoveTo(previous.x, previous.y);
                c.LineTo(column, row);
            }
            previous = {column, row};
        }
    }
    return PlotResult::Done;
}

}  // namespace kurvo
