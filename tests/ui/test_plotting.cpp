// The window driven as a user drives it: typing a formula and pressing
// Enter draws the curve; a wrong formula reports the compile error and
// keeps the text; Escape stops a long plot; resizing redraws the graphs.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStatusBar>
#include <QSpinBox>
#include <QToolButton>

#include "admin/toolbar_record.h"
#include "form_fixture.h"
#include "plot/graph_window.h"
#include "ui/graph_area.h"

namespace kurvo::test {
namespace {

using Plotting = FormTest;

// Rows of `colour` in a column of the picture.
std::vector<int> RowsOfColour(const QImage& image, int column, QRgb colour) {
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if ((image.pixel(column, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) rows.push_back(y);
    return rows;
}

QRgb ToRgb(Colour c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }

void ExpectCurveOf(const QImage& image, const SettingsRecord& s, double (*f)(double), QRgb colour) {
    const double xmin = double(s.XMin), xmax = double(s.XMax), ymin = double(s.YMin), ymax = double(s.YMax);
    int checked = 0;
    for (double x : {-3.0, -1.5, 0.0, 1.0, 2.5}) {
        const int column = int((x - xmin) / (xmax - xmin) * image.width());
        const int row = int((ymax - f(x)) / (ymax - ymin) * image.height());
        const auto rows = RowsOfColour(image, column, colour);
        ASSERT_FALSE(rows.empty()) << "no curve pixel at x=" << x;
        int nearest = 1 << 20;
        for (int r : rows) nearest = std::min(nearest, std::abs(r - row));
        EXPECT_LE(nearest, 3) << "x=" << x << " expected row " << row;
        ++checked;
    }
    EXPECT_EQ(checked, 5);
}

TEST_F(Plotting, EnterInTheFormulaBoxDrawsTheCurve) {
    auto form = Start();
    QLineEdit* edit = form->FormulaBox()->lineEdit();
    edit->clear();
    // Keys reach an editable combo box first, which hands them on.
    Type(form->FormulaBox(), "2x+1");
    EXPECT_EQ(edit->text(), "2x+1");
    Press(form->FormulaBox(), Qt::Key_Return);
    EXPECT_TRUE(boxes_.errors.empty()) << boxes_.errors.front().toStdString();
    const QImage* picture = form->PictureImage();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->size(), form->Area()->size());
    const SettingsRecord& s = form->Settings();
    EXPECT_EQ(s.LastGraph, 0);
    ExpectCurveOf(*picture, s, [](double x) { return 2 * x + 1; }, ToRgb(s.GraphColours[0]));

    // The Plot button adds the next graph in the next colour.
    edit->setText(QString::fromUtf8(u8"x²-3"));
    form->EntryButton(toolbar::PlotGraph)->click();
    EXPECT_EQ(form->Settings().LastGraph, 1);
    ExpectCurveOf(*form->PictureImage(), s, [](double x) { return x * x - 3; }, ToRgb(s.GraphColours[1]));
    // The first curve is still there.
    ExpectCurveOf(*form->PictureImage(), s, [](double x) { return 2 * x + 1; }, ToRgb(s.GraphColours[0]));

    // Enter on the graph area plots too.
    edit->setText("-x");
    Press(form->Area(), Qt::Key_Return);
    EXPECT_EQ(form->Settings().LastGraph, 2);
}

TEST_F(Plotting, EnterPlotsWhatWasTypedAtAnyWindowSize) {
    // The preset list holds 2x+1 and 0.5x+2: typing their beginnings must
    // not complete them, also in the smallest window.
    for (const QSize size : {QSize(900, 640), QSize(640, 480)}) {
        auto form = Start(size.width(), size.height());
        ASSERT_GE(form->FormulaBox()->findText("0.5x+2"), 0);
        QComboBox* box = form->FormulaBox();
        EXPECT_TRUE(box->isVisible());
        EXPECT_GE(box->width(), 150) << size.width();
        for (const char* typed : {"0.5x", "2x"}) {
            box->lineEdit()->clear();
            Type(box, typed);
            EXPECT_EQ(box->lineEdit()->text().toStdString(), typed);
            Press(box, Qt::Key_Return);
            const auto& graph = form->Graph();
            EXPECT_EQ(graph.Slots.GraphText[size_t(graph.Settings.LastGraph)], typed);
        }
    }
}

TEST_F(Plotting, EnterInTheXMaxFieldPlotsWithTheNewView) {
    auto form = Start();
    form->FormulaBox()->setEditText("x");
    QLineEdit* xmax = form->ViewFieldEdit(ViewField::XMax);
    xmax->setText("2p");
    Press(xmax, Qt::Key_Return);
    EXPECT_TRUE(boxes_.errors.empty());
    // The field is a formula; it is rewritten with its value.
    EXPECT_EQ(xmax->text(), "6.283185");
    EXPECT_NEAR(double(form->Settings().XMax), 6.283185, 1e-6);
}

TEST_F(Plotting, CompileErrorIsShownAndTheTextKept) {
    auto form = Start();
    form->FormulaBox()->setEditText("(2x+1");
    Press(form->FormulaBox(), Qt::Key_Return);
    ASSERT_EQ(boxes_.errors.size(), 1u);
    EXPECT_FALSE(boxes_.errors[0].isEmpty());
    EXPECT_TRUE(boxes_.information.empty());
    EXPECT_EQ(form->FormulaBox()->currentText(), "(2x+1");
    // The window still plots afterwards.
    form->FormulaBox()->setEditText("x");
    form->PlotCommand();
    EXPECT_EQ(boxes_.errors.size(), 1u);
}

TEST_F(Plotting, EscapeStopsALongPlot) {
    auto form = Start();
    form->PlotStepSpin()->setValue(1000000);
    form->FormulaBox()->setEditText("sin x");
    // The key waits in the queue until the plot polls it.
    QApplication::postEvent(form->FormulaBox()->lineEdit(),
                            new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    form->PlotCommand();
    ASSERT_EQ(boxes_.information.size(), 1u);
    EXPECT_EQ(boxes_.information[0], "Plot stopped");
    // Escape outside a plot is an ordinary key again.
    form->PlotStepSpin()->setValue(256);
    form->PlotCommand();
    EXPECT_EQ(boxes_.information.size(), 1u);
}

TEST_F(Plotting, ResizeRedrawsTheGraphsIntoANewPicture) {
    auto form = Start(900, 640);
    form->FormulaBox()->setEditText("2x+1");
    form->PlotCommand();
    const int last = form->Settings().LastGraph;
    form->resize(700, 520);
    QApplication::processEvents();
    const QImage* picture = form->PictureImage();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->size(), form->Area()->size());
    EXPECT_EQ(form->Settings().LastGraph, last);
    ExpectCurveOf(*picture, form->Settings(), [](double x) { return 2 * x + 1; },
                  ToRgb(form->Settings().GraphColours[0]));
}

TEST_F(Plotting, SquareAndCubeButtonsTypeAtTheCaret) {
    auto form = Start();
    QLineEdit* edit = form->FormulaBox()->lineEdit();
    edit->setText("x");
    edit->setCursorPosition(0);
    form->EntryButton(toolbar::XSquared)->click();
    EXPECT_EQ(edit->text(), QString::fromUtf8(u8"²x"));
    EXPECT_EQ(edit->cursorPosition(), 1);
    edit->setCursorPosition(2);
    form->EntryButton(toolbar::XCubed)->click();
    EXPECT_EQ(edit->text(), QString::fromUtf8(u8"²x³"));
    EXPECT_EQ(form->FormulaText(), "\xB2x\xB3");
}

TEST_F(Plotting, MenuTogglesFollowAndChangeTheSettings) {
    auto form = Start();
    QAction* degrees = form->Action("De&grees");
    degrees->trigger();
    EXPECT_TRUE(form->Settings().Degrees);
    EXPECT_TRUE(form->Graph().Trans.Degrees);
    form->EntryButton(toolbar::AngleMode)->click();
    EXPECT_FALSE(form->Settings().Degrees);
    EXPECT_TRUE(form->Action("&Radians")->isChecked());

    const bool before = form->Settings().AutoYScale;
    form->EntryButton(toolbar::AutoScaling)->click();
    EXPECT_NE(form->Settings().AutoYScale, before);
    EXPECT_EQ(form->Action("Automatic &y-scaling")->isChecked(), form->Settings().AutoYScale);
    EXPECT_EQ(form->EntryButton(toolbar::AutoScaling)->isChecked(), form->Settings().AutoYScale);

    // The toolbar button follows its entry once the entry is built.
    EXPECT_TRUE(form->Action("&Open")->isEnabled());
    EXPECT_TRUE(form->EntryButton(toolbar::OpenFile)->isEnabled());
    EXPECT_TRUE(form->Action("&Save Settings")->isEnabled());
}

TEST_F(Plotting, UndoAfterAPlotRestoresTheFormulaText) {
    auto form = Start();
    form->FormulaBox()->setEditText("x");
    form->PlotCommand();
    form->FormulaBox()->setEditText("x+1");
    form->PlotCommand();
    form->FormulaBox()->setEditText("");
    form->Action("&Undo last action")->trigger();
    EXPECT_EQ(form->FormulaBox()->currentText(), "x+1");
    EXPECT_TRUE(boxes_.errors.empty());
}

TEST_F(Plotting, ModeSwitchesLoadTheModesListsAndControls) {
    auto form = Start();
    form->Action("&Polar")->trigger();
    const SettingsRecord& s = form->Settings();
    EXPECT_FALSE(s.CartesianMode);
    EXPECT_FALSE(s.ImplicitMode);
    EXPECT_EQ(form->RelationBox()->currentText(), "r=");
    EXPECT_EQ(form->FormulaBox()->itemText(0), "2");  // first line of the shipped Polar.txt
    EXPECT_TRUE(form->ViewFieldEdit(ViewField::TMin)->isEnabled());
    EXPECT_FALSE(form->Action("Plot D&erived Function")->isEnabled());
    EXPECT_TRUE(form->EntryButton(toolbar::PolarMode)->isChecked());
    EXPECT_FALSE(form->EntryButton(toolbar::CartesianMode)->isChecked());

    // r = 2 is a circle of radius 2 about the origin.
    form->PlotCommand();
    EXPECT_TRUE(boxes_.errors.empty());
    const QImage* picture = form->PictureImage();
    ASSERT_NE(picture, nullptr);
    const QRgb colour = ToRgb(s.GraphColours[0]);
    const int cx = picture->width() / 2, cy = picture->height() / 2;
    const double rowsPerUnit = picture->height() / double(s.YMax - s.YMin);
    const auto rows = RowsOfColour(*picture, cx, colour);
    ASSERT_FALSE(rows.empty());
    EXPECT_NEAR(std::abs(rows.front() - cy), 2 * rowsPerUnit, 3);

    form->Action("&Parametric")->trigger();
    EXPECT_TRUE(s.Parametric);
    EXPECT_EQ(form->RelationBox()->currentText(), QString::fromUtf8(u8"r,ø="));
    EXPECT_FALSE(s.ShowCoordinates);
    EXPECT_FALSE(form->Action("Show C&oordinate Info")->isEnabled());
    form->Action("&Cartesian")->trigger();
    EXPECT_EQ(form->RelationBox()->currentText(), "x,y=");
    EXPECT_EQ(form->FormulaBox()->itemText(0), "cos t, sin t");
    form->Action("&Parametric")->trigger();
    EXPECT_EQ(form->RelationBox()->count(), 7);
    EXPECT_TRUE(form->Action("Plot D&erived Function")->isEnabled());
    EXPECT_FALSE(form->ViewFieldEdit(ViewField::TMin)->isEnabled());
}

TEST_F(Plotting, ImplicitModeDrawsARelationTypedInTheFormulaBox) {
    auto form = Start();
    form->Action("&Implicit")->trigger();
    const SettingsRecord& s = form->Settings();
    EXPECT_TRUE(s.ImplicitMode);
    EXPECT_EQ(form->RelationBox()->count(), 0);
    EXPECT_FALSE(form->Action("&Parametric")->isEnabled());
    form->FormulaBox()->setEditText(QString::fromUtf8(u8"x²+y²=9"));
    form->PlotCommand();
    EXPECT_TRUE(boxes_.errors.empty()) << boxes_.errors.front().toStdString();
    const QImage* picture = form->PictureImage();
    ASSERT_NE(picture, nullptr);
    // Both branches of the circle of radius 3 cross the middle column.
    const auto rows = RowsOfColour(*picture, picture->width() / 2, ToRgb(s.GraphColours[0]));
    ASSERT_FALSE(rows.empty());
    const double rowsPerUnit = picture->height() / double(s.YMax - s.YMin);
    const int cy = picture->height() / 2;
    EXPECT_NEAR(cy - rows.front(), 3 * rowsPerUnit, 3);
    EXPECT_NEAR(rows.back() - cy, 3 * rowsPerUnit, 3);
}

TEST_F(Plotting, YesToNoPlotablePointsZoomsOut) {
    auto form = Start();
    form->Action("&Implicit")->trigger();
    boxes_.answer = true;
    form->Action("Automatic &y-scaling")->trigger();
    form->FormulaBox()->setEditText("y=sqrt(0-1-x*x)");
    form->PlotCommand();
    ASSERT_EQ(boxes_.questions.size(), 1u);
    EXPECT_EQ(boxes_.questions[0].toStdString(),
              "There are no plotable points in this domain.  Click on Yes to try a wider domain.");
    QCoreApplication::processEvents();
    EXPECT_EQ(double(form->Settings().XMax), 20.0);
    EXPECT_EQ(double(form->Settings().XMin), -20.0);
}

TEST_F(Plotting, SquareGraphShapeSizesThePicture) {
    auto form = Start(900, 640);
    form->FormulaBox()->setEditText("2x+1");
    form->PlotCommand();
    const QSize area = form->Area()->size();
    form->Action("S&quare graph shape")->trigger();
    ASSERT_TRUE(form->Settings().SquareGraph);
    EXPECT_EQ(form->PictureImage()->size(), QSize(area.height(), area.height()));
    ExpectCurveOf(*form->PictureImage(), form->Settings(), [](double x) { return 2 * x + 1; },
                  ToRgb(form->Settings().GraphColours[0]));
    // Back to the full width, and the curve is drawn across all of it.
    form->Action("S&quare graph shape")->trigger();
    EXPECT_EQ(form->PictureImage()->size(), area);
    ExpectCurveOf(*form->PictureImage(), form->Settings(), [](double x) { return 2 * x + 1; },
                  ToRgb(form->Settings().GraphColours[0]));
}

TEST_F(Plotting, ReadOutShowsThePointUnderTheMouse) {
    auto form = Start();
    if (!form->Settings().ShowCoordinates) form->Action("Show C&oordinate Info")->trigger();
    ASSERT_TRUE(form->Settings().ShowCoordinates);
    form->PlotCommand();
    // The centre of the default view -10..10 x -10..10 is the origin; a
    // quarter of the width to the right is x = 5.
    GraphArea* area = form->Area();
    const QPoint at(area->width() * 3 / 4, area->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, area->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(area, &press);
    const auto labels = form->statusBar()->findChildren<QLabel*>();
    QStringList texts;
    for (QLabel* l : labels) texts << l->text();
    EXPECT_TRUE(texts.contains("x= 5")) << texts.join("|").toStdString();
    ASSERT_EQ(texts.size(), 5);
    // Within one pixel of the x axis.
    ASSERT_TRUE(texts[1].startsWith("y= "));
    EXPECT_LE(std::abs(texts[1].mid(3).toDouble()), 20.0 / area->height()) << texts[1].toStdString();
    ASSERT_TRUE(texts[2].startsWith("r= "));
    EXPECT_NEAR(texts[2].mid(3).toDouble(), 5.0, 0.01);
    EXPECT_EQ(texts[4], "dy/dx= Undefined");
}

}  // namespace
}  // namespace kurvo::test
