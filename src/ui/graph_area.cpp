#include "ui/graph_area.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace kurvo {

GraphArea::GraphArea(QWidget* parent) : QWidget(parent), background_(Qt::lightGray) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setMinimumSize(64, 64);
}

void GraphArea::SetBackground(const QColor& colour) {
    background_ = colour;
    update();
}

void GraphArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage* picture = PictureSource ? PictureSource() : nullptr;
    // One rectangle copy of the picture; only what lies outside it (a
    // square graph leaves a strip on the right) gets the background.
    QRegion rest(rect());
    if (picture && !picture->isNull()) {
        painter.drawImage(QPoint(0, 0), *picture);
        rest -= QRegion(QRect(QPoint(0, 0), picture->size()));
    }
    for (const QRect& r : rest) painter.fillRect(r, background_);
    if (crossColour_.isValid()) {
        painter.setPen(QPen(crossColour_, 1, Qt::DotLine));
        painter.drawLine(crossAt_.x(), 0, crossAt_.x(), height());
        painter.drawLine(0, crossAt_.y(), width(), crossAt_.y());
    }
    if (!band_.isNull()) {
        // Drawn in the difference of the picture so it shows on any colour.
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(band_);
    }
}

void GraphArea::SetBand(const QRect& band) {
    band_ = band;
    update();
}

void GraphArea::SetCrossHair(const QPoint& at, const QColor& colour) {
    crossAt_ = at;
    crossColour_ = colour;
    update();
}

void GraphArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit LeftPressed(event->position().toPoint());
}

void GraphArea::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit EnterPressed();
        return;
    }
    QWidget::keyPressEvent(event);
}

void GraphArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit LeftReleased(event->position().toPoint());
}

void GraphArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit Resized();
}

void GraphArea::contextMenuEvent(QContextMenuEvent* event) { emit ContextMenuWanted(event->globalPos()); }

void GraphArea::mouseMoveEvent(QMouseEvent* event) { emit MouseMoved(event->position().toPoint()); }

}  // namespace kurvo
