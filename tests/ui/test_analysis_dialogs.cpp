// The analysis dialogs driven through their "Data Sets" menu entries:
// Apply once and continuously until Stop, the fields a kind needs, the
// statistics boxes and "Transfer" into the formula box.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "form_fixture.h"
#include "plot/graph_window.h"
#include "ui/matrix_dialog.h"
#include "ui/regression_dialog.h"
#include "ui/statistics_dialog.h"
#include "ui/transformations_dialog.h"

namespace kurvo::test {
namespace {

class AnalysisDialogs : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        form = Start();
        form->Graph().DataSets.DataSetLines = {"0,1", "1,0", "2,1", "3,4", "#"};
        form->Graph().DataSets.DataSetImageCount = 1;
        form->Graph().Flags.DataSetsLoaded = true;
    }
    template <class Dialog>
    Dialog* Open(const char* caption) {
        form->Action(caption)->trigger();
        QApplication::processEvents();
        const auto found = form->findChildren<Dialog*>();
        return found.size() == 1 ? found[0] : nullptr;
    }
    QPushButton* Button(QWidget* dialog, const QString& caption) {
        for (auto* b : dialog->findChildren<QPushButton*>())
            if (b->text() == caption) return b;
        return nullptr;
    }
    QLineEdit* EditAfter(QWidget* dialog, const QString& label, int skip = 0) {
        for (auto* l : dialog->findChildren<QLabel*>())
            if (l->text() == label && skip-- == 0)
                return qobject_cast<QLineEdit*>(l->parentWidget()->layout()->itemAt(
                    l->parentWidget()->layout()->indexOf(l) + 1)->widget());
        return nullptr;
    }
    const std::vector<std::string>& Lines() { return form->Graph().DataSets.DataSetLines; }
    std::unique_ptr<TMainForm> form;
};

TEST_F(AnalysisDialogs, TransformationsApplyOnceAndNeedTheirFields) {
    auto* dialog = Open<TTransformationsDialog>("Descriptive &Transformations");
    ASSERT_TRUE(dialog && dialog->isVisible());
    for (auto* r : dialog->findChildren<QRadioButton*>())
        if (r->text() == "Enlargement") QTest::mouseClick(r, Qt::LeftButton);
    // One choice across the groups.
    for (auto* r : dialog->findChildren<QRadioButton*>()) EXPECT_EQ(r->isChecked(), r->text() == "Enlargement");
    ASSERT_TRUE(EditAfter(dialog, "Scale Factor"));
    EXPECT_FALSE(EditAfter(dialog, "Scale Factor y")->isVisible());

    QTest::mouseClick(Button(dialog, "Apply"), Qt::LeftButton);
    ASSERT_EQ(boxes_.information.size(), 1u);
    EXPECT_EQ(boxes_.information[0], "Please fill in all the required fields.");
    EXPECT_EQ(Lines()[0], "0,1");

    EditAfter(dialog, "Centre", 1)->setText("1,1");
    EditAfter(dialog, "Scale Factor")->setText("2");
    QTest::mouseClick(Button(dialog, "Apply"), Qt::LeftButton);
    EXPECT_EQ(Lines()[0], "-1,1");
    EXPECT_EQ(form->Graph().DataSets.DataSetImageCount, 2);

    // Opened again: the same dialog, Rotation chosen, the fields kept.
    Button(dialog, "Close")->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Open<TTransformationsDialog>("Descriptive &Transformations"), dialog);
    EXPECT_EQ(dialog->Logic().TransformationKind, kRotation);
    EXPECT_EQ(EditAfter(dialog, "Scale Factor")->text(), "2");
}

TEST_F(AnalysisDialogs, ContinuousMatrixRunsUntilStopAndKeepsCommandsOut) {
    auto* dialog = Open<TMatrixDialog>("&Matrix Tranformations");
    ASSERT_TRUE(dialog);
    dialog->findChild<QLineEdit*>("a")->setText("2");
    for (auto* c : dialog->findChildren<QCheckBox*>()) c->setChecked(true);
    QPushButton* apply = Button(dialog, "Apply");
    bool stopSeen = false;
    QTimer::singleShot(300, [&] {
        stopSeen = apply->text() == "Stop";
        form->FormulaBox()->setEditText("x");
        form->PlotCommand();  // refused while the run goes on
        QTest::mouseClick(apply, Qt::LeftButton);
    });
    QTest::mouseClick(apply, Qt::LeftButton);
    EXPECT_TRUE(stopSeen);
    EXPECT_EQ(apply->text(), "Apply");
    const int images = form->Graph().DataSets.DataSetImageCount - 1;
    EXPECT_GE(images, 2);
    EXPECT_EQ(Lines()[2], std::to_string(2 << images) + ",1");
    EXPECT_TRUE(form->Graph().Slots.GraphFormula[0].empty());
}

TEST_F(AnalysisDialogs, StatisticsAndRegressionTransfer) {
    auto* stats = Open<TStatisticsDialog>("&Statistics");
    ASSERT_TRUE(stats);
    EXPECT_EQ(stats->Box(0)->text(), "4");
    EXPECT_EQ(stats->Box(3)->text(), "1.5");
    EXPECT_EQ(stats->Box(8)->text(), "1.5");

    auto* reg = Open<TRegressionDialog>("&Regression");
    ASSERT_TRUE(reg);
    EXPECT_EQ(reg->PolynomialBox()->text(), "1+-2x+1x^2");
    EXPECT_EQ(reg->QualityBox()->text(), "1.00");
    QTest::mouseClick(reg->LinearChoice(), Qt::LeftButton);
    EXPECT_EQ(reg->QualityBox()->text(), "0.56");  // r^2 = 25/45
    QTest::mouseClick(reg->PolynomialChoice(), Qt::LeftButton);
    Button(reg, "Transfer")->click();
    EXPECT_FALSE(reg->isVisible());
    EXPECT_EQ(form->FormulaBox()->currentText(), "1+-2x+1x^2");
    EXPECT_TRUE(form->Graph().Slots.GraphFormula[0].empty());  // not plotted
}

}  // namespace
}  // namespace kurvo::test
