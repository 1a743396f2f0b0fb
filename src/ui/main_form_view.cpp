// The interactive view: zoom in by dragging a rectangle, move the graph
// by dragging it, zoom out by a factor of two about the origin.
#include <QAction>

#include "expr/real_format.h"
#include "plot/graph_window.h"
#include "plot/trace.h"
#include "ui/graph_area.h"
#include "ui/main_form.h"

namespace kurvo {

namespace {
const char kCannotZoom[] = "Sorry you can't zoom in any further.";
}  // namespace

void TMainForm::UpdateAreaCursor() {
    const SettingsRecord& s = graph_->Settings;
    if (zoomInMode_) area_->setCursor(Qt::DragMoveCursor);
    else if (moveMode_) area_->setCursor(Qt::PointingHandCursor);
    else if (s.ShowCoordinates) area_->setCursor(Qt::CrossCursor);
    else if (s.ShowTangent) area_->setCursor(Qt::DragMoveCursor);
    else area_->setCursor(Qt::ArrowCursor);
}

void TMainForm::SetZoomInMode(bool on) {
    zoomInMode_ = on;
    if (on) moveMode_ = false;
    Action("Zoom in")->setChecked(zoomInMode_);
    Action("Move graph")->setChecked(moveMode_);
    graph_->ViewGestureActive = zoomInMode_ || moveMode_;
    UpdateAreaCursor();
}

void TMainForm::SetMoveMode(bool on) {
    moveMode_ = on;
    if (on) zoomInMode_ = false;
    Action("Zoom in")->setChecked(zoomInMode_);
    Action("Move graph")->setChecked(moveMode_);
    graph_->ViewGestureActive = zoomInMode_ || moveMode_;
    UpdateAreaCursor();
}

void TMainForm::RedrawAll() {
    RunGuarded([this] {
        graph_->Flags.FullRepaint = true;
        graph_->Flags.ReplotAll = true;
        graph_->Repaint();
        graph_->Flags.FullRepaint = false;
    });
}

void TMainForm::ZoomOut() {
    SettingsRecord& s = graph_->Settings;
    RunGuarded([this, &s] {
        graph_->UndoRecord = s;
        graph_->SaveViewForUndo();
        // Rewriting the fields below counts as a change of the view; undo
        // must go back to the view before the zoom.
        const PreviousViewRecord before = graph_->PreviousView;
        graph_->ViewGestureActive = true;
        const std::string text = FormulaText();
        if (!text.empty() && s.LastGraph >= 0) graph_->AddFormulaToSlot(text, s.LastGraph);
        // The view doubles about the origin, not about its centre.
        s.XMin *= 2;
        s.XMax *= 2;
        s.YMin *= 2;
        s.YMax *= 2;
        if (!s.CartesianMode) {
            s.TMin *= 2;
            s.TMax *= 2;
        }
        graph_->View.XRange = s.XMax - s.XMin;
        graph_->View.YRange = s.YMax - s.YMin;
        graph_->RewriteViewFields(!s.CartesianMode);
        graph_->PreviousView = before;
        if (graph_->Parser(1).Expression().empty() && s.LastGraph >= 0)
            graph_->Parser(1).SetExpression(graph_->Slots.GraphFormula[static_cast<size_t>(s.LastGraph)]);
        if (s.FamilyActive) {
            graph_->RedrawFamily();
        } else if (s.AutoYScale) {
            // The plot command scales y to the wider x range.
            graph_->PlotCommand();
        } else {
            graph_->Flags.FullRepaint = true;
            graph_->Flags.ReplotAll = true;
            graph_->Repaint();
            graph_->Flags.FullRepaint = false;
        }
    });
    graph_->ViewGestureActive = zoomInMode_ || moveMode_;
}

void TMainForm::GraphMouseDown(const QPoint& pos) {
    const GraphView& v = graph_->View;
    const SettingsRecord& s = graph_->Settings;
    if (zoomInMode_ || moveMode_) {
        dragActive_ = true;
        dragStart_ = pos;
        if (zoomInMode_ && v.PlotWidth > 0 && v.PlotHeight > 0) {
            zoomCornerX_ = pos.x() * v.XRange / v.PlotWidth + s.XMin;
            zoomCornerY_ = (v.PlotHeight - pos.y()) * v.YRange / v.PlotHeight + s.YMin;
        }
        return;
    }
    if (!ReadOutOn() || graph_->Slots.GraphFormula[0].empty() || busyDepth_ > 0) return;
    dragActive_ = true;
    trace_->PickTracedSlot(pos.x(), pos.y());
    // A repaint shows the picture without the marks of the last read-out.
    area_->ClearMarks();
    // A click without a move reads out the point clicked.
    GraphMouseMove(pos);
}

void TMainForm::GraphMouseMove(const QPoint& pos) {
    if (dragActive_ && zoomInMode_) {
        // Only a rectangle dragged right and down is a zoom.
        if (pos.x() > dragStart_.x() && pos.y() > dragStart_.y())
            area_->SetBand(QRect(dragStart_, pos));
        else
            area_->SetBand({});
        return;
    }
    if (dragActive_ && moveMode_) {
        const GraphView& v = graph_->View;
        area_->SetBand(QRect(pos - dragStart_, QSize(v.PlotWidth, v.PlotHeight)));
        return;
    }
    if (!dragActive_ || !ReadOutOn()) return;
    const SettingsRecord& s = graph_->Settings;
    // The tangent needs the curve's point, so it always follows the curve.
    if (s.SnapToGraph || s.ShowTangent) ShowTraceMarks(trace_->TraceOnCurve(pos.x(), pos.y()));
    else ShowTraceMarks(trace_->TraceFree(pos.x(), pos.y()));
}

namespace {

// The value a view field gives back for `value`: the fields hold at most
// eight characters, and the repaint reads the view from them.
long double AsReadBack(long double value) {
    long double back = value;
    return TryParseReal(TGraphWindow::ViewFieldValueText(value), back) ? back : value;
}

}  // namespace

void TMainForm::GraphMouseUp(const QPoint& pos) {
    if (!dragActive_) return;
    dragActive_ = false;
    // The read-out's last marks stay until the next repaint.
    if (!zoomInMode_ && !moveMode_) return;
    area_->SetBand({});
    SettingsRecord& s = graph_->Settings;
    const GraphView& v = graph_->View;
    if (v.PlotWidth <= 0 || v.PlotHeight <= 0) return;

    long double xmin = s.XMin, xmax = s.XMax, ymin = s.YMin, ymax = s.YMax;
    if (zoomInMode_) {
        xmax = pos.x() * v.XRange / v.PlotWidth + s.XMin;
        ymin = (v.PlotHeight - pos.y()) * v.YRange / v.PlotHeight + s.YMin;
        xmin = zoomCornerX_;
        ymax = zoomCornerY_;
        // Dragged up or to the left, or not at all: the view stays.
        if (xmax <= xmin || ymax <= ymin) return;
    } else {
        const long double dx = (pos.x() - dragStart_.x()) * v.XRange / v.PlotWidth;
        const long double dy = (pos.y() - dragStart_.y()) * v.YRange / v.PlotHeight;
        const long double sign = s.MoveWithMouse ? 1 : -1;
        xmin -= sign * dx;
        xmax -= sign * dx;
        ymin += sign * dy;
        ymax += sign * dy;
        if (dx == 0 && dy == 0) return;
    }
    if (AsReadBack(xmax) - AsReadBack(xmin) <= 0 || AsReadBack(ymax) - AsReadBack(ymin) <= 0) {
        // The fields cannot tell the edges apart any more.
        graph_->RewriteViewFields(false);
        ShowInformation(kCannotZoom);
        return;
    }
    graph_->SaveViewForUndo();
    const PreviousViewRecord before = graph_->PreviousView;
    s.XMin = xmin;
    s.XMax = xmax;
    s.YMin = ymin;
    s.YMax = ymax;
    graph_->View.XRange = xmax - xmin;
    graph_->View.YRange = ymax - ymin;
    graph_->RewriteViewFields(false);
    graph_->PreviousView = before;
    RedrawAll();
}

}  // namespace kurvo
