// The interactive view: zoom in by dragging a rectangle, move the graph
// by dragging it, zoom out by a factor of two about the origin.
#include <QAction>

#include "plot/graph_window.h"
#include "ui/graph_area.h"
#include "ui/main_form.h"

namespace kurvo {

namespace {
const char kCannotZoom[] = "Sorry you can't zoom in any further.";
// A view narrower than this cannot be told apart from its neighbours in
// the field texts and the axis numbers.
constexpr long double kSmallestRange = 1e-9L;
}  // namespace

void TMainForm::UpdateAreaCursor() {
    const SettingsRecord& s = graph_->Settings;
    if (zoomInMode_) area_->setCursor(Qt::DragMoveCursor);
    else if (moveMode_) area_->setCursor(Qt::PointingHandCursor);
    else if (s.ShowCoordinates) area_->setCursor(Qt::CrossCursor);
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
        graph_->Flags.FullRepaint = true;
        graph_->Flags.ReplotAll = true;
        graph_->Repaint();
        graph_->Flags.FullRepaint = false;
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
    readOutActive_ = s.ShowCoordinates;
    if (readOutActive_) ReadOut(pos);
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
    if (readOutActive_) ReadOut(pos);
}

void TMainForm::GraphMouseUp(const QPoint& pos) {
    readOutActive_ = false;
    area_->SetCrossHair({}, QColor());
    if (!dragActive_) return;
    dragActive_ = false;
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
    if (xmax - xmin < kSmallestRange || ymax - ymin < kSmallestRange) {
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
