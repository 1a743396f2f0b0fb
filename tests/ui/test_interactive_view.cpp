// The interactive view on a graph area of exactly 400 x 400 pixels: zoom
// in by dragging, move by dragging, zoom out, the read-out and tangent,
// the mode switches and the formula bar's character buttons, driven with
// real mouse and key events.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include "admin/toolbar_record.h"
#include "form_fixture.h"
#include "plot/graph_window.h"
#include "plot/trace.h"
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
    static void Drag(QWidget* w, QPoint from, QPoint to) {
        QTest::mousePress(w, Qt::LeftButton, {}, from);
        QTest::mouseMove(w, (from + to) / 2);
        QTest::mouseMove(w, to);
        QTest::mouseRelease(w, Qt::LeftButton, {}, to);
    }
    static QString Panel(TMainForm& form, int i) { return form.StatusPanel(i)->text(); }
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

    // Undo goes back to the view before the drag.
    form->Action("&Undo last action")->trigger();
    EXPECT_EQ(s.XMin, -10);
    EXPECT_EQ(s.YMax, 10);
    EXPECT_EQ(form->ViewFieldEdit(ViewField::YMin)->text(), "-10");
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
    // Undo goes back to the view before the last move.
    form->Action("&Undo last action")->trigger();
    EXPECT_EQ(form->Settings().YMin, -10);
    EXPECT_EQ(form->Settings().XMin, -12);
    EXPECT_EQ(form->ViewFieldEdit(ViewField::YMin)->text(), "-10");

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

namespace kurvo::test {
namespace {

TEST_F(InteractiveView, ZoomingPastTheFieldsPrecisionIsRefused) {
    auto form = StartSquare();
    SetView(*form, "1", "1.00002", "1", "1.00002");
    form->Action("Zoom in")->trigger();
    Drag(form->Area(), {100, 100}, {101, 101});
    ASSERT_EQ(boxes_.information.size(), 1u);
    EXPECT_EQ(boxes_.information[0], "Sorry you can't zoom in any further.");
    EXPECT_EQ(form->ViewFieldEdit(ViewField::XMin)->text(), "1");
    EXPECT_EQ(form->ViewFieldEdit(ViewField::XMax)->text(), "1.00002");
    EXPECT_EQ(form->Settings().XMin, 1);
}

TEST_F(InteractiveView, ZoomOutRescalesYUnderAutomaticScaling) {
    auto form = StartSquare();
    SetView(*form, "-10", "10", "-10", "10");
    form->Action("Automatic &y-scaling")->trigger();
    ASSERT_TRUE(form->Settings().AutoYScale);
    form->FormulaBox()->setEditText("x^2");
    form->PlotCommand();
    form->Action("Zoom out")->trigger();
    const SettingsRecord& s = form->Settings();
    EXPECT_EQ(s.XMin, -20);
    EXPECT_EQ(s.XMax, 20);
    // y fits x^2 over -20..20 instead of doubling.
    EXPECT_GE(s.YMax, 399);
    EXPECT_LE(s.YMin, 1);
}

TEST_F(InteractiveView, CoordinateInfoReadsTheCurveAndLeavesNoTrace) {
    auto form = StartSquare();
    SetView(*form, "-10", "10", "-10", "10");
    form->FormulaBox()->setEditText("x^2");
    form->PlotCommand();
    const int last = form->Settings().LastGraph;
    // Switching the read-out off and on redraws the graph into its own slot.
    ASSERT_TRUE(form->Settings().ShowCoordinates);
    form->Action("Show C&oordinate Info")->trigger();
    EXPECT_FALSE(form->statusBar()->isVisible());
    EXPECT_EQ(form->Area()->cursor().shape(), Qt::ArrowCursor);
    form->Action("Show C&oordinate Info")->trigger();
    EXPECT_TRUE(form->statusBar()->isVisible());
    EXPECT_EQ(form->Settings().LastGraph, last);
    EXPECT_TRUE(form->Graph().Slots.GraphFormula[static_cast<size_t>(last) + 1].empty());
    EXPECT_EQ(form->Area()->cursor().shape(), Qt::CrossCursor);

    const QImage before = *form->PictureImage();
    form->Action("S&nap Read-out to Graph")->trigger();
    ASSERT_TRUE(form->Settings().SnapToGraph);
    // Pressed nearer y = x^2 than y = x, then dragged.
    QTest::mousePress(form->Area(), Qt::LeftButton, {}, {240, 100});
    QTest::mouseMove(form->Area(), {220, 30});
    EXPECT_EQ(Panel(*form, 0), "x= 1");
    EXPECT_EQ(Panel(*form, 1), "y= 1");
    EXPECT_EQ(Panel(*form, 4), "dy/dx= 2.00001");
    QTest::mouseMove(form->Area(), {160, 30});
    EXPECT_EQ(Panel(*form, 0), "x= -2");
    EXPECT_EQ(Panel(*form, 1), "y= 4");
    EXPECT_EQ(Panel(*form, 3), "t= 2.03444");
    // The cross-hair follows the curve point (-2, 4), row 120.
    EXPECT_EQ(form->Area()->CurrentMarks().crossHair, QPoint(160, 120));
    QTest::mouseRelease(form->Area(), Qt::LeftButton, {}, {160, 30});
    EXPECT_TRUE(form->Area()->CurrentMarks().crossColour.isValid());
    // The marks were never drawn into the picture; a repaint drops them.
    EXPECT_EQ(*form->PictureImage(), before);
    form->Action("Zoom out")->trigger();
    EXPECT_FALSE(form->Area()->CurrentMarks().crossColour.isValid());

    // Without snapping the read-out is the pointer's own point.
    form->Action("S&nap Read-out to Graph")->trigger();
    SetView(*form, "-10", "10", "-10", "10");
    QTest::mousePress(form->Area(), Qt::LeftButton, {}, {340, 200});
    QTest::mouseMove(form->Area(), {200, 100});
    EXPECT_EQ(Panel(*form, 0), "x= 0");
    EXPECT_EQ(Panel(*form, 1), "y= 5");
    EXPECT_EQ(Panel(*form, 3), "t= 1.5708");
    EXPECT_EQ(Panel(*form, 4), "dy/dx= Undefined");
    QTest::mouseRelease(form->Area(), Qt::LeftButton, {}, {200, 100});

    form->Action("Show C&oordinate Info")->trigger();
    EXPECT_FALSE(form->statusBar()->isVisible());
}

TEST_F(InteractiveView, TangentFollowsTheCurve) {
    auto form = StartSquare();
    SetView(*form, "-10", "10", "-10", "10");
    form->FormulaBox()->setEditText("x^2");
    form->PlotCommand();
    form->Action("Zoom in")->trigger();
    form->EntryButton(toolbar::TangentToGraph)->click();
    EXPECT_TRUE(form->Settings().ShowTangent);
    EXPECT_FALSE(form->ZoomInMode());
    EXPECT_TRUE(form->Action("Show &Tangent to graph")->isChecked());
    // Pressed nearer y = x^2 than y = x.
    QTest::mousePress(form->Area(), Qt::LeftButton, {}, {240, 115});
    QTest::mouseMove(form->Area(), {240, 110});
    const GraphArea::Marks marks = form->Area()->CurrentMarks();
    ASSERT_TRUE(marks.tangentColour.isValid());
    // Through (2, 4) with slope 4.00001: rows of y at x = -10 and x = 10.
    EXPECT_EQ(marks.tangent.p1().x(), 0);
    EXPECT_EQ(marks.tangent.p2().x(), 400);
    EXPECT_NEAR(marks.tangent.p1().y(), 400 - (4.00001 * -12 + 14) * 20, 1);
    EXPECT_NEAR(marks.tangent.p2().y(), 400 - (4.00001 * 8 + 14) * 20, 1);
    QTest::mouseRelease(form->Area(), Qt::LeftButton, {}, {240, 110});
}

TEST_F(InteractiveView, ModeSwitchesEnableTheirCommands) {
    auto form = StartSquare();
    auto on = [&](const char* caption) { return form->Action(caption)->isEnabled(); };
    auto button = [&](int entry) { return form->EntryButton(entry)->isEnabled(); };
    EXPECT_TRUE(on("Plot D&erived Function"));
    form->Action("&Polar")->trigger();
    EXPECT_FALSE(on("Show &Tangent to graph"));
    EXPECT_FALSE(on("Plot I&ntegral Function"));
    EXPECT_FALSE(button(toolbar::PlotDerivative));
    EXPECT_TRUE(on("Show C&oordinate Info"));
    EXPECT_TRUE(on("&Parametric"));
    EXPECT_TRUE(form->ViewFieldEdit(ViewField::TMin)->isEnabled());

    form->EntryButton(toolbar::ImplicitMode)->click();
    EXPECT_FALSE(on("&Parametric"));
    EXPECT_FALSE(button(toolbar::ParametricSwitch));
    EXPECT_TRUE(button(toolbar::TangentToGraph));
    EXPECT_TRUE(button(toolbar::GraphCoordinates));
    EXPECT_FALSE(on("Plot D&erived Function"));

    form->Action("&Cartesian")->trigger();
    form->Action("Show C&oordinate Info")->trigger();
    form->Action("&Parametric")->trigger();
    EXPECT_FALSE(form->Settings().ShowCoordinates);
    EXPECT_FALSE(form->statusBar()->isVisible());
    for (int entry : {toolbar::GraphCoordinates, toolbar::TangentToGraph, toolbar::PlotDerivative,
                      toolbar::PlotIntegral})
        EXPECT_FALSE(button(entry)) << entry;
    EXPECT_EQ(form->FormulaBox()->currentText(), form->FormulaBox()->itemText(0));
    form->Action("&Parametric")->trigger();
    EXPECT_TRUE(on("Show &Tangent to graph"));
    EXPECT_TRUE(button(toolbar::PlotIntegral));
    EXPECT_FALSE(form->ViewFieldEdit(ViewField::TMin)->isEnabled());
}

TEST_F(InteractiveView, AngleButtonAndClipboard) {
    auto form = StartSquare();
    form->EntryButton(toolbar::AngleMode)->click();
    EXPECT_TRUE(form->Settings().Degrees);
    EXPECT_TRUE(form->Graph().Trans.Degrees);
    EXPECT_TRUE(form->Action("De&grees")->isChecked());
    form->EntryButton(toolbar::AngleMode)->click();
    EXPECT_FALSE(form->Settings().Degrees);
    EXPECT_TRUE(form->Action("&Radians")->isChecked());

    SetView(*form, "-10", "10", "-10", "10");
    form->Action("&Copy Graph to Clipboard")->trigger();
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(400, 400));
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              form->PictureImage()->convertToFormat(QImage::Format_RGB32));
}

TEST_F(InteractiveView, DerivedCurveIsDrawnInItsColour) {
    auto form = StartSquare();
    form->Settings().DerivativeColour = 0x0000FF;  // red
    form->FormulaBox()->setEditText("x^2/4");
    form->PlotCommand();
    auto redNear = [&](int column, int row) {
        const QImage& image = *form->PictureImage();
        for (int dy = -1; dy <= 1; ++dy)
            if (image.pixelColor(column, row + dy) == QColor(255, 0, 0)) return true;
        return false;
    };
    EXPECT_FALSE(redNear(280, 120));
    form->Action("Plot D&erived Function")->trigger();
    ASSERT_TRUE(form->Settings().PlotDerivative);
    // y' = x/2 passes (4, 2) and (-6, -3).
    EXPECT_TRUE(redNear(280, 160));
    EXPECT_TRUE(redNear(80, 260));
    EXPECT_EQ(form->Settings().LastGraph, 0);
}

TEST_F(InteractiveView, DirectionFieldIsDrawnIntoThePicture) {
    auto form = StartSquare();
    SetView(*form, "-10", "10", "-10", "10");
    const QImage before = *form->PictureImage();
    form->Action("Draw &Direction Field")->trigger();
    EXPECT_NE(*form->PictureImage(), before);
    form->Action("&Polar")->trigger();
    EXPECT_FALSE(form->Action("Draw &Direction Field")->isEnabled());
}

}  // namespace
}  // namespace kurvo::test
