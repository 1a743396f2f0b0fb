#pragma once
// The graph area under the toolbars. It shows the off-screen picture by
// copying it; everything else (plotting, mouse handling) belongs to the
// main window.
#include <QImage>
#include <QWidget>
#include <functional>

namespace kurvo {

class GraphArea : public QWidget {
    Q_OBJECT
public:
    explicit GraphArea(QWidget* parent = nullptr);

    // The picture to show; null shows the background only.
    std::function<const QImage*()> PictureSource;
    void SetBackground(const QColor& colour);
    // The read-out's marks over the picture: a dotted cross-hair through
    // a point and a solid tangent line. A null colour hides a mark. They
    // are never part of the picture, so changing them leaves no trace.
    struct Marks {
        QPoint crossHair;
        QColor crossColour;
        QLine tangent;
        QColor tangentColour;
    };
    void SetMarks(const Marks& marks);
    void ClearMarks() { SetMarks({}); }
    const Marks& CurrentMarks() const { return marks_; }
    // The dotted rubber band of a zoom or the frame of a move; an empty
    // rectangle hides it.
    void SetBand(const QRect& band);

signals:
    void Resized();
    void ContextMenuWanted(const QPoint& globalPos);
    void MouseMoved(const QPoint& pos);
    void LeftPressed(const QPoint& pos);
    void LeftReleased(const QPoint& pos);
    void EnterPressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor background_;
    Marks marks_;
    QRect band_;
};

}  // namespace kurvo
