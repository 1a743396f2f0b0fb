// The data set dialogs in the window: made on first showing and kept,
// their fields bound to the data set commands, the menu state, and the
// data marks palette setting the shape of the set being edited.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "plot/graph_window.h"
#include "ui/coordinates_dialog.h"
#include "ui/data_marks_dialog.h"
#include "ui/data_save_dialog.h"
#include "ui/delete_dialog.h"
#include "ui/form_fixture.h"
#include "workspace/data_sets.h"

namespace kurvo {
namespace {

using DataSetDialogs = test::FormTest;

QPushButton* Button(QWidget* dialog, const QString& caption) {
    for (auto* b : dialog->findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    return nullptr;
}

TEST_F(DataSetDialogs, CoordinatesThenDeleteFollowTheMenuState) {
    auto form = Start();
    QAction* dataSets = form->menuBar()->actions()[4];
    ASSERT_EQ(dataSets->text(), "Data Sets");
    ASSERT_FALSE(dataSets->isEnabled());
    EXPECT_EQ(form->CoordinatesDialog(), nullptr);  // not made at start-up

    form->Action("&Coordinate Sets")->trigger();
    TCoordinatesDialog* coords = form->CoordinatesDialog();
    ASSERT_NE(coords, nullptr);
    EXPECT_EQ(coords->AxisLabels()->text(), "x,y");
    coords->Points()->setPlainText("1,2\n3,4\n\n5,6");
    coords->AxisLabels()->setText("t,h");
    emit coords->AxisLabels()->textEdited("t,h");
    Button(coords, "&OK")->click();
    EXPECT_FALSE(coords->isVisible());
    EXPECT_EQ(form->DataSetLines(), (std::vector<std::string>{"1,2", "3,4", "#"}));
    EXPECT_EQ(form->Settings().XAxisLabel, "t");
    EXPECT_TRUE(dataSets->isEnabled());

    form->Action("&Coordinate Sets")->trigger();
    EXPECT_EQ(form->CoordinatesDialog(), coords);  // kept, with its text
    EXPECT_EQ(coords->Points()->toPlainText(), "1,2\n3,4\n\n5,6");
    Button(coords, "C&lear")->click();
    Button(coords, "&OK")->click();
    EXPECT_EQ(boxes_.information, std::vector<QString>{"I have to have something to plot!"});

    form->Action("&Delete Graphs")->trigger();
    TDeleteDialog* del = form->DeleteDialog();
    ASSERT_NE(del, nullptr);
    EXPECT_TRUE(del->Choice(4)->isChecked());
    del->Choice(3)->setChecked(true);
    Button(del, "OK")->click();
    EXPECT_TRUE(form->DataSetLines().empty());
    EXPECT_FALSE(dataSets->isEnabled());
    EXPECT_EQ(form->Settings().XAxisLabel, "x");
    form->Action("&Delete Graphs")->trigger();
    EXPECT_TRUE(del->Choice(3)->isChecked());  // the choice is kept
}

TEST_F(DataSetDialogs, SaveDialogShowsTheRangeOfTheMode) {
    auto form = Start();
    form->Action("Save As &Dataset")->trigger();
    TDataSaveDialog* save = form->DataSaveDialog();
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->StepField()->text(), "0.1");
    EXPECT_EQ(save->StartLabel()->text(), "Xmin");
    EXPECT_EQ(save->StartField()->text(), "-10");
    EXPECT_TRUE(save->selectedNameFilter().startsWith("CSV"));
    save->StepField()->setText("5");
    save->hide();
    form->Action("&Parametric")->trigger();
    form->Action("Save As &Dataset")->trigger();
    EXPECT_EQ(form->DataSaveDialog(), save);
    EXPECT_EQ(save->StepField()->text(), "0.1");
    EXPECT_EQ(save->StartLabel()->text(), "Tmin");

    // "&Save" writes what the fields say.
    form->FormulaBox()->setEditText("t,2t");
    save->StartField()->setText("0");
    save->EndField()->setText("1");
    save->StepField()->setText("1");
    const QString path = tmp_.filePath("out.csv");
    save->SaveTo(path);
    EXPECT_EQ(ReadAll(path), "x,y\r\n0,0\r\n1,2\r\n");
}

TEST_F(DataSetDialogs, SaveNamesTakeTheChosenTypesExtensionAndStartEmpty) {
    auto form = Start();
    form->FormulaBox()->setEditText("2x");
    form->Action("Save As &Dataset")->trigger();
    TDataSaveDialog* save = form->DataSaveDialog();
    ASSERT_NE(save, nullptr);
    save->setDirectory(tmp_.path());
    auto* types = save->findChild<QComboBox*>("fileTypeCombo");
    auto* name = save->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_TRUE(types && name);
    // The user picks a type in the list (from CSV: one up is Text, three
    // down is TSV), types a name and presses Enter.
    const struct {
        Qt::Key key;
        int presses;
        const char* typed;
        const char* written;
    } cases[] = {{Qt::Key_Up, 1, "export1", "export1.txt"}, {Qt::Key_Down, 3, "export2", "export2.tsv"},
                 {Qt::Key_Up, 1, "export3", "export3.sid"}};
    for (const auto& c : cases) {
        if (!save->isVisible()) form->Action("Save As &Dataset")->trigger();
        EXPECT_EQ(name->text(), "") << c.typed;
        for (int i = 0; i < c.presses; ++i) QTest::keyClick(types, c.key);
        QTest::keyClicks(name, c.typed);
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_TRUE(QFileInfo::exists(tmp_.filePath(c.written))) << c.written;
        EXPECT_EQ(QDir(tmp_.path()).entryList(QDir::Files).filter(c.typed).size(), 1) << c.typed;
    }
    EXPECT_TRUE(ReadAll(tmp_.filePath("export2.tsv")).contains("x\ty\r\n"));
}

TEST_F(DataSetDialogs, DataMarksSetTheShapeOfTheSetBeingEdited) {
    auto form = Start();
    int chosen = -1;
    form->DataMarks().MarkChosen = [&](int shape) { chosen = shape; };
    form->ShowDataMarks(3);
    TDataMarksDialog& marks = form->DataMarks();
    EXPECT_TRUE(marks.isVisible());
    marks.ShapeButton(12)->click();
    EXPECT_EQ(form->Settings().MarkTypes[2], 11);
    EXPECT_EQ(chosen, 11);
    Button(&marks, "OK")->click();
    EXPECT_FALSE(marks.isVisible());
}

}  // namespace
}  // namespace kurvo
