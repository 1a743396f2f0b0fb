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
        rest -= QRegion(QRect(QPoint(0, 0), picture->deviceIndependentSize().toSize()));
    }
    for (const QRect& r : rest) painter.fillRect(r, background_);
    // Not-xor marks, as on the classic canvas: black on white, inverted
    // on dark colours, visible on any background.
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.setBrush(Qt::NoBrush);
    if (marks_.crossColour.isValid()) {
        painter.setPen(QPen(marks_.crossColour, 1, Qt::DotLine));
        painter.drawLine(marks_.crossHair.x(), 0, marks_.crossHair.x(), height());
        painter.drawLine(0, marks_.crossHair.y(), width(), marks_.crossHair.y());
    }
    if (marks_.tangentColour.isValid()) {
        painter.setPen(QPen(marks_.tangentColour, 1, Qt::SolidLine));
        painter.drawLine(marks_.tangent);
    }
    if (!band_.isNull()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(band_);
    }
}

void GraphArea::SetBand(const QRect& band) {
    band_ = band;
    update();
}

void GraphArea::SetMarks(const Marks& marks) {
    marks_ = marks;
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
