#pragma once
// The read-out under the mouse: which graph is traced, the five status-bar
// texts, the cross-hair and the tangent that follows the curve. The
// cross-hair and the tangent are window-only marks: the caller draws them
// over the picture and drops them at the next repaint.
#include <array>
#include <optional>
#include <string>

namespace kurvo {

class TGraphWindow;

struct TracePixel {
    int Column = 0;
    int Row = 0;
    bool operator==(const TracePixel&) const = default;
};

struct TraceMarks {
    // "x= ...", "y= ...", "r= ...", "t= ...", "dy/dx= ..."
    std::array<std::string, 5> Panels;
    std::optional<TracePixel> CrossHair;
    // End points at the left and right edges of the view.
    std::optional<std::array<TracePixel, 2>> Tangent;
};

// The angle of (x, y) from the positive x axis, in (-pi, pi] (degrees
// when `degrees`); 0 at the origin.
long double PolarAngle(long double x, long double y, bool degrees);

class TGraphTrace {
public:
    explicit TGraphTrace(TGraphWindow& graph) : graph_(graph) {}

    // At mouse-down: the slot whose curve passes nearest the point becomes
    // the traced slot (its formula loaded into parser 3, its text into the
    // formula box, its relation into the relation box). -1 when no slot
    // holds a formula.
    int PickTracedSlot(int column, int row);
    // The read-out at the pointer itself.
    TraceMarks TraceFree(int column, int row) const;
    // The read-out at the traced curve's point below or above the pointer,
    // with the tangent there when ShowTangent is set. Where the traced
    // graph gives no y for x (polar, parametric, an implicit relation not
    // solved for y) it is the free read-out.
    TraceMarks TraceOnCurve(int column, int row);

    int TracedSlot() const { return tracedSlot_; }
    bool TracedSecondBranch() const { return secondBranch_; }
    // The tangent's formula as typed, for x, y and the slope m: "m*(X-(x))+y".
    static std::string TangentText(long double m, long double x, long double y);

private:
    bool CanFollowCurve() const;
    long double XOfColumn(int column) const;
    long double YOfRow(int row) const;
    int RowOfY(long double y) const;
    std::string Number(long double value) const;
    // Panels 1 to 4 from a curve point; undefined gives the "Undefined" texts.
    void FillPointPanels(TraceMarks& marks, long double x, std::optional<long double> y,
                         std::optional<long double> slope) const;
    std::optional<std::array<TracePixel, 2>> Tangent(long double m, long double x, long double y);

    TGraphWindow& graph_;
    int tracedSlot_ = -1;
    bool secondBranch_ = false;
};

}  // namespace kurvo
