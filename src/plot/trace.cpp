#include "plot/trace.h"

#include <algorithm>
#include <cmath>

#include "expr/real_format.h"
#include "plot/graph_window.h"
#include "plot/implicit_plotter.h"
#include "plot/view_mapping.h"

namespace kurvo {

namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;
// The forward-difference step of the slope read-out and the tangent.
constexpr double kSlopeStep = 1e-5;
// The value the curve parsers give where a formula marks a point as
// missing; shown as undefined like an evaluation error.
constexpr double kMissingValue = -200000;

std::optional<double> ValueAt(TParser& parser, double x, double y = 0) {
    parser.X = x;
    parser.Y = y;
    double value = 0;
    if (!parser.TryValue(value)) return std::nullopt;
    return value;
}

// Relation box index of a relation code: "y=", "y>", "y>=", "y<", "y<=".
int RelationIndexOf(uint8_t code) { return code == kRelationEqual ? 0 : code + 1; }

}  // namespace

long double PolarAngle(long double x, long double y, bool degrees) {
    long double t = 0;
    if (x > 0) t = std::atan(y / x);
    else if (x < 0) t = std::atan(y / x) + (y >= 0 ? kPi : -kPi);
    else if (y > 0) t = kPi / 2;
    else if (y < 0) t = -kPi / 2;
    return degrees ? t * 180 / kPi : t;
}

long double TGraphTrace::XOfColumn(int column) const {
    const GraphView& v = graph_.View;
    return column * v.XRange / v.PlotWidth + graph_.Settings.XMin;
}

long double TGraphTrace::YOfRow(int row) const {
    const GraphView& v = graph_.View;
    return (v.PlotHeight - row) * v.YRange / v.PlotHeight + graph_.Settings.YMin;
}

int TGraphTrace::RowOfY(long double y) const {
    const GraphView& v = graph_.View;
    return v.PlotHeight - RoundPixel((y - graph_.Settings.YMin) * v.PlotHeight / v.YRange);
}

std::string TGraphTrace::Number(long double value) const {
    return FormatReal(value, std::clamp(graph_.Settings.SigFigs, 1, 14));
}

int TGraphTrace::PickTracedSlot(int column, int row) {
    const GraphView& v = graph_.View;
    if (v.PlotWidth <= 0 || v.PlotHeight <= 0) return tracedSlot_ = -1;
    const SettingsRecord& s = graph_.Settings;
    GraphSlots& slots = graph_.Slots;
    const long double x = XOfColumn(column);
    const long double y = YOfRow(row);
    TParser& parser = graph_.Parser(3);

    int best = -1;
    bool bestSecond = false;
    std::string bestFormula;
    long double bound = 1e8L;
    const int last = std::min(std::max(s.LastGraph, 0), kGraphSlotCount - 1);
    for (int i = 0; i <= last; ++i) {
        const size_t k = static_cast<size_t>(i);
        if (slots.GraphFormula[k].empty()) continue;
        // A graph of another mode is not a function of this mode's variables.
        const SlotMode& m = slots.Mode[k];
        if (m.Known && (m.Implicit != s.ImplicitMode || m.Cartesian != (s.CartesianMode && !s.ImplicitMode) ||
                        m.Parametric != (s.Parametric && !s.ImplicitMode)))
            continue;
        std::vector<std::pair<std::string, bool>> branches{{slots.GraphFormula[k], false}};
        if (s.ImplicitMode && !slots.GraphSecondFormula[k].empty()) {
            try {
                TFormulaTrans& trans = graph_.Trans;
                trans.Degrees = s.Degrees;
                trans.Instring = slots.GraphSecondFormula[k];
                trans.Translate();
                branches.emplace_back(trans.Outstring, true);
            } catch (const Exception&) {
                // A second branch that does not translate cannot be traced.
            }
        }
        for (const auto& [formula, second] : branches) {
            // A graph undefined at x is skipped: a nearer graph after it
            // must still be found.
            std::optional<double> value;
            try {
                TParser& p = second ? graph_.Parser(4) : parser;
                p.SetExpression(formula);
                value = ValueAt(p, static_cast<double>(x), static_cast<double>(y));
            } catch (const Exception&) {
            }
            if (!value) continue;
            const long double distance = std::fabs(*value - y);
            if (distance < bound) {
                bound = distance;
                best = i;
                bestSecond = second;
                bestFormula = formula;
            }
        }
    }
    if (best < 0) {
        // Nothing near: the first graph is traced, as with one graph only.
        if (slots.GraphFormula[0].empty()) return tracedSlot_ = -1;
        best = 0;
        bestSecond = false;
        bestFormula = slots.GraphFormula[0];
    }
    tracedSlot_ = best;
    secondBranch_ = bestSecond;
    parser.SetExpression(bestFormula);
    const size_t k = static_cast<size_t>(best);
    graph_.Host().SetFormulaText(slots.GraphText[k]);
    if (s.CartesianMode && !s.Parametric && !s.ImplicitMode)
        graph_.Host().SetRelationIndex(RelationIndexOf(slots.GraphRelation[k]));
    return best;
}

void TGraphTrace::FillPointPanels(TraceMarks& marks, long double x, std::optional<long double> y,
                                  std::optional<long double> slope) const {
    if (!y) {
        marks.Panels[1] = "y= Undefined";
        marks.Panels[2] = "r= Undefined";
        marks.Panels[3] = "t= Undefined";
        marks.Panels[4] = "dy/dx= Undefined";
        return;
    }
    marks.Panels[1] = "y= " + Number(*y);
    marks.Panels[2] = "r= " + Number(std::sqrt(x * x + *y * *y));
    marks.Panels[3] = "t= " + Number(PolarAngle(x, *y, graph_.Settings.Degrees));
    marks.Panels[4] = slope ? "dy/dx= " + Number(*slope) : "dy/dx= Undefined";
}

TraceMarks TGraphTrace::TraceFree(int column, int row) const {
    TraceMarks marks;
    const GraphView& v = graph_.View;
    if (v.PlotWidth <= 0 || v.PlotHeight <= 0) return marks;
    const long double x = XOfColumn(column);
    marks.Panels[0] = "x= " + Number(x);
    FillPointPanels(marks, x, YOfRow(row), std::nullopt);
    marks.CrossHair = TracePixel{column, row};
    return marks;
}

std::string TGraphTrace::TangentText(long double m, long double x, long double y) {
    return FormatReal(m) + "*(X-(" + FormatReal(x) + "))+" + FormatReal(y);
}

std::optional<std::array<TracePixel, 2>> TGraphTrace::Tangent(long double m, long double x,
                                                              long double y) {
    TFormulaTrans& trans = graph_.Trans;
    TParser& line = graph_.Parser(2);
    try {
        trans.Degrees = graph_.Settings.Degrees;
        trans.Instring = TangentText(m, x, y);
        trans.Translate();
        line.SetExpression(trans.Outstring);
    } catch (const Exception&) {
        return std::nullopt;
    }
    const SettingsRecord& s = graph_.Settings;
    const auto left = ValueAt(line, static_cast<double>(s.XMin));
    const auto right = ValueAt(line, static_cast<double>(s.XMax));
    if (!left || !right) return std::nullopt;
    return std::array<TracePixel, 2>{TracePixel{0, RowOfY(*left)},
                                     TracePixel{graph_.View.PlotWidth, RowOfY(*right)}};
}

bool TGraphTrace::CanFollowCurve() const {
    const SettingsRecord& s = graph_.Settings;
    if (s.ImplicitMode) {
        // Only a relation solved for y gives a y for each x.
        return tracedSlot_ >= 0 &&
               UsesSingleFunctionPlotter(graph_.Slots.YTermCount[static_cast<size_t>(tracedSlot_)]);
    }
    // Polar and parametric formulas are functions of t, not of x.
    return s.CartesianMode && !s.Parametric;
}

TraceMarks TGraphTrace::TraceOnCurve(int column, int row) {
    if (!CanFollowCurve()) return TraceFree(column, row);
    TraceMarks marks;
    const GraphView& v = graph_.View;
    if (v.PlotWidth <= 0 || v.PlotHeight <= 0) return marks;
    const SettingsRecord& s = graph_.Settings;
    const GraphSlots& slots = graph_.Slots;
    const long double x = XOfColumn(column);
    marks.Panels[0] = "x= " + Number(x);

    TParser& curve = graph_.Parser(3);
    try {
        if (graph_.Parser(1).Expression().empty()) graph_.Parser(1).SetExpression(slots.GraphFormula[0]);
        if (s.AutoYScale) {
            // Only the first slot is drawn under automatic y-scaling.
            curve.SetExpression(slots.GraphFormula[0]);
            graph_.Host().SetFormulaText(slots.GraphText[0]);
        }
    } catch (const Exception&) {
    }

    const auto y = ValueAt(curve, static_cast<double>(x));
    const auto ahead = ValueAt(curve, static_cast<double>(x) + kSlopeStep);
    if (!y || *y == kMissingValue) {
        FillPointPanels(marks, x, std::nullopt, std::nullopt);
        marks.CrossHair = TracePixel{column, row};
        return marks;
    }
    std::optional<long double> slope;
    if (ahead) slope = (static_cast<long double>(*ahead) - *y) * 100000;
    FillPointPanels(marks, x, *y, slope);
    if (s.ShowTangent && slope) marks.Tangent = Tangent(*slope, x, *y);
    marks.CrossHair = TracePixel{column, RowOfY(*y)};
    return marks;
}

}  // namespace kurvo
