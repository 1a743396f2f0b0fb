// What a teacher met in a real lesson, replayed with keys and clicks: undo
// after a move, the undo key from the formula box, the bars at small and
// scaled sizes, Apply redrawing at once, the data marks' Connect kept, the
// calculators and the help taking the keyboard.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

#include "admin/toolbar_record.h"
#include "form_fixture.h"
#include "plot/graph_window.h"
#include "ui/dialog_placement.h"
#include "ui/environment_dialog.h"
#include "ui/graph_area.h"
#include "ui/help_browser.h"
#include "ui/simple_calculator_form.h"

namespace kurvo::test {
namespace {

class LessonWindow : public FormTest {
protected:
    static void Drag(QWidget* w, QPoint from, QPoint to) {
        QTest::mousePress(w, Qt::LeftButton, {}, from);
        QTest::mouseMove(w, to);
        QTest::mouseRelease(w, Qt::LeftButton, {}, to);
    }
    static QString Field(TMainForm& form, ViewField f) { return form.ViewFieldEdit(f)->text(); }
};

TEST_F(LessonWindow, UndoKeyUndoesTheLastViewChangeFromTheFormulaBox) {
    auto form = Start();
    // 40 units over 398 pixels: a 36-pixel move leaves x max 16.3819095...,
    // which the field shows as "16.38190" and the repaint reads back.
    form->Area()->setFixedSize(398, 400);
    form->Settings().MoveWithMouse = true;
    form->activateWindow();
    QLineEdit* box = form->FormulaBox()->lineEdit();
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, "x^2");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_F4);  // Zoom out
    EXPECT_EQ(Field(*form, ViewField::XMax), "20");

    form->Action("Move graph")->trigger();
    Drag(form->Area(), {100, 200}, {136, 200});
    form->Action("Move graph")->trigger();
    EXPECT_EQ(Field(*form, ViewField::XMax), "16.38190");

    // The box has the focus and no new typing: the key undoes the move.
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Field(*form, ViewField::XMax), "20");
    EXPECT_EQ(form->FormulaBox()->currentText(), "x^2");

    // Typing not yet plotted is the box's own to undo.
    form->Action("Zoom out")->trigger();
    QTest::keyClicks(box, "+1");
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "x^2");
    EXPECT_EQ(Field(*form, ViewField::XMax), "40");
    // Once plotted, the key is the window's again.
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Field(*form, ViewField::XMax), "20");
}

TEST_F(LessonWindow, BarsKeepEveryFieldAndEntryInSight) {
    for (const QSize size : {QSize(640, 480), QSize(1040, 720)}) {
        auto form = Start(size.width(), size.height());
        // Every view field lies inside the window and shows its text whole.
        for (ViewField f : {ViewField::XMin, ViewField::XMax, ViewField::YMin, ViewField::YMax}) {
            QLineEdit* edit = form->ViewFieldEdit(f);
            ASSERT_TRUE(edit);
            EXPECT_TRUE(edit->isVisible()) << size.width();
            const QRect inWindow(edit->mapTo(form.get(), QPoint(0, 0)), edit->size());
            EXPECT_TRUE(form->rect().contains(inWindow)) << size.width();
            EXPECT_GE(edit->width(), edit->fontMetrics().horizontalAdvance("-10") + 8) << size.width();
        }
        // The relation box is wide enough for its longest entry.
        QComboBox* relation = form->RelationBox();
        for (int i = 0; i < relation->count(); ++i)
            EXPECT_GE(relation->width(), relation->fontMetrics().horizontalAdvance(relation->itemText(i)) + 16)
                << relation->itemText(i).toStdString();
    }
    // The first size leaves the whole window on the screen's free area.
    const QSize free = QGuiApplication::primaryScreen()->availableGeometry().size();
    const QSize first = FitOnScreen(QSize(1040, 720) * 3);
    EXPECT_TRUE(first.width() < free.width() && first.height() < free.height());
    // At a wide window the fields are wide enough for a 2-pi view.
    auto form = Start(1040, 720);
    QLineEdit* edit = form->ViewFieldEdit(ViewField::XMax);
    EXPECT_GE(edit->width(), edit->fontMetrics().horizontalAdvance("6.283185") + 4);
}

TEST_F(LessonWindow, ApplyRedrawsAtOnceAndConnectIsKept) {
    auto form = Start();
    form->FormulaBox()->setEditText("x");
    form->PlotCommand();
    form->Action("E&nvironment")->trigger();
    auto* dialog = form->findChild<TEnvironment*>();
    ASSERT_TRUE(dialog);
    constexpr Colour kBlue = 0x00FF0000;  // 0x00BBGGRR
    dialog->SetBoxColour("Graph 1", kBlue);
    dialog->ApplyBtnClick();
    // The line y = x runs through the centre of the picture.
    const QImage& picture = *form->PictureImage();
    int blue = 0;
    for (int x = 0; x < picture.width(); ++x)
        for (int y = 0; y < picture.height(); ++y) blue += picture.pixel(x, y) == qRgb(0, 0, 255);
    EXPECT_GT(blue, 50);

    // Connect and Outline are the set's own and come back ticked.
    qobject_cast<QSpinBox*>(dialog->Control("Dataset number"))->setValue(2);
    QTest::mouseClick(qobject_cast<QCheckBox*>(dialog->Control("Connect")), Qt::LeftButton);
    dialog->OKBtnClick();
    EXPECT_TRUE(form->Settings().MarkConnect[1]);
    EXPECT_FALSE(form->Settings().MarkConnect[0]);
    form->Action("E&nvironment")->trigger();
    qobject_cast<QSpinBox*>(dialog->Control("Dataset number"))->setValue(2);
    EXPECT_TRUE(qobject_cast<QCheckBox*>(dialog->Control("Connect"))->isChecked());
}

TEST_F(LessonWindow, CalculatorAndHelpTakeTheKeyboard) {
    auto form = Start();
    form->Action("Simple Calculator")->trigger();
    auto* calc = dynamic_cast<TSimpleCalculatorForm*>(form->CalculatorWindow(0));
    ASSERT_TRUE(calc);
    QTest::keyClicks(calc, "12+3*2");
    QTest::keyClick(calc, Qt::Key_Return);
    EXPECT_EQ(calc->DisplayText(), "18");  // as the keys 1 2 + 3 × 2 = give it
    QTest::keyClicks(calc, "1.5/3=");
    EXPECT_EQ(calc->DisplayText(), "0.5");

    form->Action("Kurvo &Help Contents")->trigger();
    auto* help = form->findChild<HelpBrowser*>();
    ASSERT_TRUE(help && help->isVisible());
    QTest::keyClick(help->Browser(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

}  // namespace
}  // namespace kurvo::test
