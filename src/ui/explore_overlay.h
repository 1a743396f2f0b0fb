#pragma once
// Drawn over the graph area, never into the picture: the points-of-interest
// dots (found again whenever the view, the graphs or the constants change)
// and the shaded region of the Area dialog. Mouse events pass through to
// the graph area.
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/points_of_interest.h"

namespace kurvo {

class GraphCurves;
class TGraphWindow;

class TExploreOverlay : public QWidget {
    Q_OBJECT
public:
    TExploreOverlay(TGraphWindow& graph, QWidget* area);
    ~TExploreOverlay() override;

    void SetDotsShown(bool on);
    bool DotsShown() const { return dotsShown_; }
    // The points of the graphs as they are now.
    const std::vector<PointOfInterest>& Points();
    // The point whose dot lies within `radius` pixels of `pos`.
    std::optional<PointOfInterest> PointNear(const QPoint& pos, int radius = 6);
    // The pixel of a point in the picture.
    QPoint PixelOf(double x, double y) const;

    // The region between graph `graph` (1-based, as GraphCurves numbers
    // them) and the x axis, or graph `other` when it is not 0, from a to b.
    struct Shading {
        int graph = 0, other = 0;
        double a = 0, b = 0;
    };
    void SetShading(std::optional<Shading> shading);
    const std::optional<Shading>& CurrentShading() const { return shading_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string StateKey() const;
    void Refresh();
    QColor ColourOf(int graph) const;
    void PaintShading(QPainter& painter);

    TGraphWindow& graph_;
    std::unique_ptr<GraphCurves> curves_;
    std::vector<PointOfInterest> points_;
    std::string key_;
    bool dotsShown_ = false;
    std::optional<Shading> shading_;
};

}  // namespace kurvo
