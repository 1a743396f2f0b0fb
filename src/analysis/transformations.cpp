#include "analysis/transformations.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <tuple>

#include "expr/real_format.h"
#include "expr/text_helpers.h"
#include "plot/canvas.h"
#include "plot/graph_window.h"

namespace kurvo {

const char* const kFillInFieldsMessage = "Please fill in all the required fields.";
const char* const kAutoScalingMessage =
    "Transformations will only work will the auto_scaling button switched off.";

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;
constexpr Colour kMirrorColour = 255;  // red

size_t FirstSetEnd(const DataSetList& sets) {
    const auto& lines = sets.DataSetLines;
    return size_t(std::find(lines.begin(), lines.end(), "#") - lines.begin());
}

// Evaluates a formula field as the dialogs do: the graph's angle mode and
// constants, translated, then compiled and read.
long double EvaluateField(const TGraphWindow& graph, TFormulaTrans& trans, TParser& parser,
                          const std::string& text) {
    trans.Degrees = graph.Settings.Degrees;
    trans.Instring = text;
    trans.Translate();
    for (int k = 0; k < 16; ++k)
        if (double* cell = parser.Var(kConstantLetters[k]))
            *cell = static_cast<double>(graph.Settings.Constants[size_t(k)]);
    parser.SetExpression(trans.Outstring);
    return parser.Value();
}

DataPoint ParseCentre(const std::string& text) {
    return {ParseReal(BeforeComma(text)), ParseReal(AfterComma(text))};
}

// Clips the segment to [lo, hi] x [lo, hi] (Liang-Barsky); false when it
// misses the box. Keeps far-off mirror lines within pixel coordinates.
bool ClipSegment(long double& x0, long double& y0, long double& x1, long double& y1, long double lo,
                 long double hi) {
    long double t0 = 0, t1 = 1;
    const long double dx = x1 - x0, dy = y1 - y0;
    const long double p[4] = {-dx, dx, -dy, dy};
    const long double q[4] = {x0 - lo, hi - x0, y0 - lo, hi - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const long double r = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        if (t0 > t1) return false;
    }
    const long double ax = x0 + t0 * dx, ay = y0 + t0 * dy;
    x1 = x0 + t1 * dx;
    y1 = y0 + t1 * dy;
    x0 = ax;
    y0 = ay;
    return true;
}

// The mirror line from (xa, ya) to (xb, yb) in graph units, dotted red
// over the background colour, on the picture.
void DrawMirrorLine(TGraphWindow& graph, long double xa, long double ya, long double xb, long double yb) {
    Canvas* picture = graph.Picture();
    const GraphView& v = graph.View;
    if (!picture || v.XRange == 0 || v.YRange == 0) return;
    auto column = [&](long double x) { return (x - graph.Settings.XMin) * v.PlotWidth / v.XRange; };
    auto row = [&](long double y) {
        return v.PlotHeight - (y - graph.Settings.YMin) * v.PlotHeight / v.YRange;
    };
    long double c0 = column(xa), r0 = row(ya), c1 = column(xb), r1 = row(yb);
    const long double limit = 4.0L * std::max(v.PlotWidth, v.PlotHeight) + 16;
    if (!std::isfinite(c0 + r0 + c1 + r1) || !ClipSegment(c0, r0, c1, r1, -limit, limit)) return;
    picture->SetPenColour(kMirrorColour);
    picture->SetPenWidth(1);
    picture->SetPenStyle(PenStyle::Dot);
    picture->SetBrushColour(graph.Settings.BackgroundColour);
    picture->SetBrushStyle(BrushStyle::Solid);
    picture->MoveTo(int(std::lround(c0)), int(std::lround(r0)));
    picture->LineTo(int(std::lround(c1)), int(std::lround(r1)));
    picture->SetPenStyle(PenStyle::Solid);
}

// Counts the image, writes the points back and draws the data set at its
// new place over the kept picture.
void Finish(TGraphWindow& graph, const std::vector<DataPoint>& points) {
    ++graph.DataSets.DataSetImageCount;
    RewriteFirstDataSet(graph.DataSets, points);
    graph.Flags.FullRepaint = false;
    graph.Repaint();
}

}  // namespace

std::vector<DataPoint> ReadFirstDataSet(const DataSetList& sets) {
    std::vector<DataPoint> points;
    const size_t end = FirstSetEnd(sets);
    points.reserve(end);
    for (size_t i = 0; i < end; ++i) {
        const std::string& line = sets.DataSetLines[i];
        points.emplace_back(ParseReal(BeforeComma(line)), ParseReal(AfterComma(line)));
    }
    return points;
}

void RewriteFirstDataSet(DataSetList& sets, const std::vector<DataPoint>& points) {
    const size_t end = std::min(FirstSetEnd(sets), points.size());
    for (size_t i = 0; i < end; ++i)
        sets.DataSetLines[i] = FormatReal(points[i].first) + "," + FormatReal(points[i].second);
}

ReflectionLine ParseReflectionLine(const std::string& text) {
    const std::string line = text.substr(0, 20);
    const size_t x = line.find('x');
    if (x == std::string::npos) return {0, ParseReal(line)};
    std::string m = line.substr(0, x);
    const std::string c = line.substr(x + 1);
    if (m.empty() || m == "+") m = "1";
    if (m == "-") m = "-1";
    return {ParseReal(m), c.empty() ? 0 : ParseReal(c)};
}

const char* ApplyLoop::Press() {
    if (Continuous) {
        Running = !Running;
        return Running ? "Stop" : "Apply";
    }
    Running = true;
    return "Apply";
}

bool TDescriptiveTransformation::CheckFields() {
    auto filled = [](std::initializer_list<const std::string*> fields) {
        return std::all_of(fields.begin(), fields.end(), [](const std::string* f) { return !f->empty(); });
    };
    switch (TransformationKind) {
        case kRotation: FieldsComplete = filled({&RotationCentre, &Angle}); break;
        case kEnlargement: FieldsComplete = filled({&ScaleCentre, &ScaleX}); break;
        case kStretch: FieldsComplete = filled({&ScaleCentre, &ScaleX, &ScaleY}); break;
        case kReflectInLine: FieldsComplete = filled({&LineText}); break;
        case kReflectInX: FieldsComplete = filled({&XLine}); break;
        default: FieldsComplete = filled({&ShiftX, &ShiftY}); break;
    }
    return FieldsComplete;
}

long double TDescriptiveTransformation::Evaluate(const std::string& text) {
    return EvaluateField(graph_, trans_, parser_, text);
}

ApplyResult TDescriptiveTransformation::ApplyOnce() {
    GraphHost& host = graph_.Host();
    graph_.DataSets.DataSetTransformed = true;
    if (graph_.Settings.AutoYScale) {
        host.ShowInformation(kAutoScalingMessage);
        return ApplyResult::Refused;
    }
    try {
        // x' = p(x - a) + q(y - b) + a + e, y' = r(x - a) + s(y - b) + b + f
        long double p = 1, q = 0, r = 0, s = 1, a = 0, b = 0, e = 0, f = 0;
        bool mirrorX = false;
        long double lineC = 0;
        ReflectionLine line;
        switch (TransformationKind) {
            case kRotation: {
                long double theta = Evaluate(Angle);
                if (graph_.Settings.Degrees) theta = theta * kPi / 180;
                std::tie(a, b) = ParseCentre(RotationCentre);
                p = std::cos(theta), q = -std::sin(theta), r = std::sin(theta), s = std::cos(theta);
                break;
            }
            case kEnlargement:
            case kStretch: {
                const long double kx = Evaluate(ScaleX);
                const long double ky = TransformationKind == kStretch ? Evaluate(ScaleY) : kx;
                std::tie(a, b) = ParseCentre(ScaleCentre);
                p = kx, s = ky;
                break;
            }
            case kReflectInLine: {
                line = ParseReflectionLine(LineText);
                const long double theta = std::atan(line.m);
                p = std::cos(2 * theta), q = std::sin(2 * theta), r = q, s = -p;
                e = -2 * line.c * std::cos(theta) * std::sin(theta);
                f = 2 * line.c * std::cos(theta) * std::cos(theta);
                break;
            }
            case kReflectInX:
                lineC = ParseReal(XLine.substr(0, 20));
                p = -1, e = 2 * lineC;
                mirrorX = true;
                break;
            default:
                e = ParseReal(ShiftX), f = ParseReal(ShiftY);
                break;
        }
        std::vector<DataPoint> points = ReadFirstDataSet(graph_.DataSets);
        for (auto& [x, y] : points) {
            const long double u = x - a, w = y - b;
            x = p * u + q * w + a + e;
            y = r * u + s * w + b + f;
        }
        if (TransformationKind == kReflectInLine) {
            const long double x0 = graph_.Settings.XMin, x1 = graph_.Settings.XMax;
            DrawMirrorLine(graph_, x0, line.m * x0 + line.c, x1, line.m * x1 + line.c);
        } else if (mirrorX) {
            DrawMirrorLine(graph_, lineC, graph_.Settings.YMin, lineC, graph_.Settings.YMax);
        }
        Finish(graph_, points);
        return ApplyResult::Applied;
    } catch (const std::exception& error) {
        host.ShowError(error.what());
        return ApplyResult::Failed;
    }
}

ApplyResult TMatrixTransformation::ApplyOnce() {
    try {
        const long double a = EvaluateField(graph_, trans_, parser_, A);
        const long double b = EvaluateField(graph_, trans_, parser_, B);
        const long double c = EvaluateField(graph_, trans_, parser_, C);
        const long double d = EvaluateField(graph_, trans_, parser_, D);
        graph_.DataSets.DataSetTransformed = true;
        std::vector<DataPoint> points = ReadFirstDataSet(graph_.DataSets);
        for (auto& [x, y] : points) {
            const long double u = a * x + b * y;
            y = c * x + d * y;
            x = u;
        }
        Finish(graph_, points);
        return ApplyResult::Applied;
    } catch (const std::exception& error) {
        graph_.Host().ShowError(error.what());
        return ApplyResult::Failed;
    }
}

}  // namespace kurvo
