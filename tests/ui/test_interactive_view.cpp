// Zoom in by dragging, move by dragging and zoom out, on a graph area of
// exactly 400 x 400 pixels.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>

#include "admin/toolbar_record.h"
#include "form_fixture.h"
#include "plot/graph_window.h"
#include "ui/graph_area.h"

namespace kurvo::test {
namespace {

class InteractiveView : public FormTest {
protected:
    std::unique_ptr<TMainForm> StartSquare() {
        auto form = Start();
        form->Area()->setFixedSize(400, 400);
        QApplication::processEvents();
        EXPECT_EQ(form->Area()->size(), QSize(400, 400));
        return form;
    }
    void SetView(TMainForm& form, const char* xmin, const char* xmax, const char* ymin, const char* ymax) {
        form.ViewFieldEdit(ViewField::XMin)->setText(xmin);
        form.ViewFieldEdit(ViewField::XMax)->setText(xmax);
        form.ViewFieldEdit(ViewField::YMin)->setText(ymin);
        form.ViewFieldEdit(ViewField::YMax)->setText(ymax);
        form.FormulaBox()->setEditText("x");
        form.PlotCommand();
    }
    static void Mouse(QWidget* w, QEvent::Type type, QPoint at) {
        QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    static void Drag(QWidget* w, QPoint from, QPoint to) {
        Mouse(w, QEvent::MouseButtonPress, from);
        Mouse(w, QEvent::MouseMove, (from + to) / 2);
        Mouse(w, QEvent::MouseMove, to);
        Mouse(w, QEvent::MouseButtonRelease, to);
    }
};

TEST_F(InteractiveView, ZoomOutDoublesAboutTheOrigin) {
    auto form = StartSquare();
    SetView(*form, "-10", "10", "-5", "5");
    form->Action("Zoom out")->trigger();
    const SettingsRecord& s = form->Settings();
    EXPECT_EQ(s.XMin, -20);
    EXPECT_EQ(s.XMax, 20);
    EXPECT_EQ(s.YMin, -10);
    EXPECT_EQ(s.YMax, 10);
    EXPECT_EQ(form->ViewFieldEdit(ViewField::XMin)->text(), "-20");
    SetView(*form, "1", "3", "1", "3");
    form->EntryButton(toolbar::ZoomOut)->click();
    EXPECT_EQ(s.XMin, 2);
    EXPECT_EQ(s.XMax, 6);
    EXPECT_EQ(form->ViewFieldEdit(ViewField::YMax)->text(), "6");
    EXPECT_TRUE(boxes_.errors.empty());
    // Undo brings the view before the zoom back.
    form->Action("&Undo last action")->trigger();
    EXPECT_EQ(form->ViewFieldEdit(ViewField::XMin)->text(), "1");
    EXPECT_EQ(s.XMin, 1);
    EXPECT_EQ(s.XMax, 3);
}

TEST_F(InteractiveView, DraggedRectangleBecomesTheView) {
    auto form = StartSquare();
    SetView(*form, "-10", "10", "-10", "10");
    form->Action("Zoom in")->trigger();
    EXPECT_TRUE(form->ZoomInMode());
    EXPECT_TRUE(form->EntryButton(toolbar::ZoomIn)->isChecked());
    Drag(form->Area(), {100, 100}, {300, 200});
    const SettingsRecord& s = form->Settings();
    EXPECT_EQ(s.XMin, -5);
    EXPECT_EQ(s.XMax, 5);
    EXPECT_EQ(s.YMin, 0);
    EXPECT_EQ(s.YMax, 5);
    EXPECT_EQ(form->ViewFieldEdit(ViewField::XMax)->text(), "5");

    // Dragged up and to the left: nothing changes.
    Drag(form->Area(), {300, 300}, {100, 100});
    EXPECT_EQ(s.XMin, -5);
    EXPECT_EQ(s.YMax, 5);
    EXPECT_TRUE(boxes_.information.empty());
}

TEST_F(InteractiveView, MovingFollowsTheMouseOrTheFrame) {
    auto form = StartSquare();
    SetView(*form, "-10", "10", "-10", "10");
    form->Settings().MoveWithMouse = true;
    form->EntryButton(toolbar::MoveGraph)->click();
    EXPECT_TRUE(form->MoveMode());
    Drag(form->Area(), {200, 200}, {240, 200});
    EXPECT_EQ(form->Settings().XMin, -12);
    EXPECT_EQ(form->Settings().XMax, 8);

    // Without it the dragged frame shows the new view: dragging down
    // moves the view down.
    form->Settings().MoveWithMouse = false;
    Drag(form->Area(), {200, 200}, {200, 240});
    EXPECT_EQ(form->Settings().YMin, -12);
    EXPECT_EQ(form->Settings().YMax, 8);
    EXPECT_EQ(form->Settings().XMin, -12);

    // The two modes release each other.
    form->Action("Zoom in")->trigger();
    EXPECT_FALSE(form->MoveMode());
    EXPECT_FALSE(form->EntryButton(toolbar::MoveGraph)->isChecked());
    // Switching the read-out on ends both.
    if (form->Settings().ShowCoordinates) form->Action("Show C&oordinate Info")->trigger();
    form->Action("Show C&oordinate Info")->trigger();
    EXPECT_FALSE(form->ZoomInMode());
    EXPECT_FALSE(form->MoveMode());
}

}  // namespace
}  // namespace kurvo::test
