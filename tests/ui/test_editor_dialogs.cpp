// The editor dialogs reached from their menu entries in the window: each is
// made once, OK writes its file and hides it, refusals keep it open.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "admin/toolbar_record.h"
#include "expr/real_format.h"
#include "form_fixture.h"
#include "plot/graph_window.h"
#include "ui/constants_dialog.h"
#include "ui/families_dialog.h"
#include "ui/formulae_dialog.h"
#include "ui/functions_dialog.h"

namespace kurvo::test {
namespace {

using EditorDialogs = FormTest;

TEST_F(EditorDialogs, ConstantsFromTheMenuAndTheToolbar) {
    auto form = Start();
    EXPECT_EQ(form->ConstantsDialog(), nullptr) << "made on first showing only";
    form->Action("&Constants")->trigger();
    TConstantsDialog* dialog = form->ConstantsDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "Constants");
    EXPECT_TRUE(dialog->Field(kConstantP)->isReadOnly());
    EXPECT_EQ(dialog->Field(kConstantP)->text(), "3.141592654");
    EXPECT_TRUE(dialog->OkButton()->isDefault());

    dialog->Field(2)->setText("0");    // c
    dialog->Field(5)->setText("p/4");  // m
    dialog->OkButton()->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(boxes_.errors.empty());
    EXPECT_EQ(FormatReal(form->Settings().Constants[5]), "0.7853981635");
    const QByteArray saved = ReadAll(Data("sett.dat"));
    ASSERT_EQ(saved.size(), 1528);
    EXPECT_EQ(Deserialize(reinterpret_cast<const uint8_t*>(saved.data())).Constants[2], 1);

    // Changed elsewhere (a graph file opened): the next showing reloads.
    form->Settings().Constants[0] = 7;
    form->EntryButton(toolbar::Constants)->click();
    EXPECT_EQ(form->ConstantsDialog(), dialog);
    EXPECT_EQ(dialog->Field(0)->text(), "7");
    EXPECT_EQ(dialog->Field(2)->text(), "1");

    dialog->Field(3)->setText("pi/4");
    dialog->OkButton()->click();
    EXPECT_TRUE(dialog->isVisible()) << "a field that is not a formula keeps the dialog open";
    EXPECT_EQ(boxes_.errors.size(), 1u);
    EXPECT_EQ(ReadAll(Data("sett.dat")), saved);
}

TEST_F(EditorDialogs, FunctionsWriteBothFilesAndTypeAtTheCaret) {
    Write(Data("Cartfun.txt"), "x\r\n");
    auto form = Start();
    form->Action("F&unctions")->trigger();
    TFunctionsDialog* dialog = form->FunctionsDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Field(0)->text(), "x");
    dialog->Field(0)->setFocus();
    dialog->Field(0)->setCursorPosition(0);
    dialog->TypeCharacter(QChar(0xB2));
    EXPECT_EQ(dialog->Field(0)->text(), QString::fromUtf8(u8"²x"));
    EXPECT_EQ(dialog->Field(0)->cursorPosition(), 1);
    dialog->Field(0)->setText(QString::fromUtf8(u8"x²"));
    dialog->OkButton()->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(ReadAll(Data("Cartfun.txt")), "x\xB2\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(ReadAll(Data("Cartfun_int.txt")), "(x^2)\r\n()\r\n()\r\n()\r\n()\r\n()\r\n()\r\n");
    EXPECT_EQ(form->UserFunctions()[0], "(x^2)");

    form->Action("&Parametric")->trigger();
    form->Action("F&unctions")->trigger();
    ASSERT_EQ(boxes_.information.size(), 1u);
    EXPECT_EQ(boxes_.information[0], "Sorry Functions are not available in Parametric or Implicit modes.");
}

TEST_F(EditorDialogs, FormulaeReplaceTheListAndAddingAFormulaExtendsIt) {
    auto form = Start();
    form->Action("&Formulae")->trigger();
    TFormulaeDialog* dialog = form->FormulaeDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->Box()->setPlainText("2x\nx");
    dialog->Box()->moveCursor(QTextCursor::End);
    dialog->findChildren<QToolButton*>()[1]->click();  // Type '³'
    dialog->OkButton()->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(ReadAll(Data("Cart.txt")), "2x\r\nx\xB3\r\n");
    ASSERT_EQ(form->FormulaBox()->count(), 2);
    EXPECT_EQ(form->FormulaBox()->currentText(), "2x");

    form->FormulaBox()->setEditText("5");
    form->EntryButton(toolbar::SaveToFile)->click();
    EXPECT_EQ(ReadAll(Data("Cart.txt")), "2x\r\nx\xB3\r\n" "5\r\n");
    EXPECT_EQ(form->FormulaBox()->count(), 3);
}

TEST_F(EditorDialogs, FamiliesFilterTheNumberFieldAndDrawTheFamily) {
    auto form = Start();
    form->EntryButton(toolbar::Families)->click();
    TFamiliesDialog* dialog = form->FamiliesDialog();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->CountField()->maxLength(), 2);

    dialog->OkButton()->click();
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_EQ(boxes_.information.size(), 1u);
    EXPECT_EQ(boxes_.information[0], "Please fill in the number of graphs field.");

    auto key = [&](int code, const char* text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, code, modifiers, text);
        QApplication::sendEvent(dialog->CountField(), &press);
    };
    key(Qt::Key_4, "4");
    key(Qt::Key_Q, "q");
    EXPECT_EQ(dialog->CountField()->text(), "") << "a letter empties the field";
    EXPECT_EQ(boxes_.information.back(), "Only numeric chars");
    key(Qt::Key_3, "3", Qt::KeypadModifier);
    EXPECT_EQ(dialog->CountField()->text(), "3");

    form->FormulaBox()->setEditText("a");
    form->Settings().Constants[0] = 1;
    dialog->StepField(0)->setText("2");
    dialog->OkButton()->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(form->Settings().FamilyActive);
    EXPECT_EQ(form->Graph().Slots.GraphFormula[2], form->Graph().Slots.GraphFormula[0]);
    // y = 1, 3, 5 in the first three graph colours, at the picture's middle column.
    const SettingsRecord& s = form->Settings();
    auto expectMembers = [&](const char* after) {
        SCOPED_TRACE(after);
        EXPECT_TRUE(s.FamilyActive);
        const QImage* picture = form->PictureImage();
        ASSERT_NE(picture, nullptr);
        for (int k = 0; k < 3; ++k) {
            const Colour c = s.GraphColours[k];
            const int row = int((double(s.YMax) - (1 + 2 * k)) / double(s.YMax - s.YMin) * picture->height());
            bool found = false;
            for (int y = row - 2; y <= row + 2; ++y)
                found = found || (picture->pixel(picture->width() / 2, y) & 0xFFFFFF) ==
                                     (qRgb(RedOf(c), GreenOf(c), BlueOf(c)) & 0xFFFFFF);
            EXPECT_TRUE(found) << "member " << k;
        }
        EXPECT_EQ(s.Constants[0], 1);
    };
    expectMembers("defined");
    // Square axes and a zoom draw the family again instead of ending it.
    form->Action("&Square x  and y axes")->trigger();
    expectMembers("square axes");
    form->Action("Zoom out")->trigger();
    expectMembers("zoom out");
    form->Action("Automatic &y-scaling")->trigger();
    form->Action("Zoom out")->trigger();
    expectMembers("zoom out with automatic y-scaling");
}

}  // namespace
}  // namespace kurvo::test
