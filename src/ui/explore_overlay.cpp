#include "ui/explore_overlay.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "analysis/graph_curves.h"
#include "expr/errors.h"
#include "expr/real_format.h"
#include "plot/graph_window.h"
#include "ui/qimage_canvas.h"

namespace kurvo {

TExploreOverlay::TExploreOverlay(TGraphWindow& graph, QWidget* area) : QWidget(area), graph_(graph) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(area->rect());
    area->installEventFilter(this);
    hide();
}

TExploreOverlay::~TExploreOverlay() = default;

bool TExploreOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) setGeometry(static_cast<QWidget*>(watched)->rect());
    return false;
}

void TExploreOverlay::SetDotsShown(bool on) {
    dotsShown_ = on;
    setVisible(dotsShown_ || shading_);
    update();
}

void TExploreOverlay::SetShading(std::optional<Shading> shading) {
    shading_ = shading;
    setVisible(dotsShown_ || shading_);
    update();
}

// Everything the points depend on: the view, the picture's width, the
// constants and every slot's formulas.
std::string TExploreOverlay::StateKey() const {
    const SettingsRecord& s = graph_.Settings;
    std::string key = FormatReal(s.XMin, 18) + "," + FormatReal(s.XMax, 18) + "," +
                      std::to_string(graph_.View.PlotWidth) + "," + std::to_string(s.Degrees);
    for (long double c : s.Constants) key += "," + FormatReal(c, 18);
    for (int i = 0; i < kGraphSlotCount; ++i)
        key += "\n" + graph_.Slots.GraphFormula[size_t(i)] + "\t" + graph_.Slots.GraphSecondFormula[size_t(i)];
    return key;
}

void TExploreOverlay::Refresh() {
    const std::string key = StateKey();
    if (key == key_ && curves_) return;
    key_ = key;
    points_.clear();
    try {
        curves_ = std::make_unique<GraphCurves>(graph_);
    } catch (const Exception&) {
        curves_.reset();
        return;
    }
    const SettingsRecord& s = graph_.Settings;
    // At least one sample per pixel column, as for the command line.
    points_ = FindPointsOfInterest(curves_->Curves(), double(s.XMin), double(s.XMax),
                                   std::max(4 * graph_.View.PlotWidth, 2000));
}

const std::vector<PointOfInterest>& TExploreOverlay::Points() {
    Refresh();
    return points_;
}

QPoint TExploreOverlay::PixelOf(double x, double y) const {
    const SettingsRecord& s = graph_.Settings;
    const GraphView& v = graph_.View;
    const double column = (x - double(s.XMin)) / double(s.XMax - s.XMin) * v.PlotWidth;
    const double row = v.PlotHeight - (y - double(s.YMin)) / double(s.YMax - s.YMin) * v.PlotHeight;
    return QPoint(int(std::lround(std::clamp(column, -1e6, 1e6))), int(std::lround(std::clamp(row, -1e6, 1e6))));
}

std::optional<PointOfInterest> TExploreOverlay::PointNear(const QPoint& pos, int radius) {
    std::optional<PointOfInterest> best;
    int bestDistance = radius * radius + 1;
    for (const PointOfInterest& p : Points()) {
        const QPoint d = PixelOf(p.x, p.y) - pos;
        const int distance = d.x() * d.x() + d.y() * d.y();
        if (distance < bestDistance) {
            bestDistance = distance;
            best = p;
        }
    }
    return best;
}

QColor TExploreOverlay::ColourOf(int graph) const {
    const int slot = curves_ && graph >= 1 && graph <= curves_->GraphCount() ? curves_->SlotOf(graph) : 0;
    return ToQColor(graph_.Settings.GraphColours[size_t(slot % 5)]);
}

void TExploreOverlay::PaintShading(QPainter& painter) {
    if (!shading_ || !curves_ || shading_->graph > curves_->GraphCount() || shading_->other > curves_->GraphCount())
        return;
    const auto graphs = curves_->FirstBranches();
    const RealFunction& f = graphs[size_t(shading_->graph - 1)].f;
    const RealFunction* g = shading_->other ? &graphs[size_t(shading_->other - 1)].f : nullptr;
    const double a = std::min(shading_->a, shading_->b), b = std::max(shading_->a, shading_->b);
    const int columns = std::max(2, PixelOf(b, 0).x() - PixelOf(a, 0).x());
    QPolygon top, bottom;
    for (int i = 0; i <= columns; ++i) {
        const double x = a + (b - a) * i / columns;
        double y = 0, base = 0;
        if (!f(x, y) || (g && !(*g)(x, base))) continue;
        top << PixelOf(x, y);
        bottom.prepend(PixelOf(x, base));
    }
    QColor colour = ColourOf(shading_->graph);
    colour.setAlpha(110);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(top + bottom);
}

void TExploreOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    Refresh();
    PaintShading(painter);
    if (!dotsShown_) return;
    for (const PointOfInterest& p : points_) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(p.kind == PointKind::Intersection ? QColor(Qt::white) : ColourOf(p.graph));
        painter.drawEllipse(PixelOf(p.x, p.y), 4, 4);
    }
}

}  // namespace kurvo
