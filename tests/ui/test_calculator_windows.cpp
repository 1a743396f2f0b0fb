// The calculator windows as the user reaches them: from their menu
// entries, kept between showings, bound to their logic.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "form_fixture.h"
#include "ui/quadratic_form.h"
#include "ui/scientific_calculator_form.h"
#include "ui/simple_calculator_form.h"
#include "ui/simultaneous_form.h"

namespace kurvo::test {
namespace {

class CalculatorWindows : public FormTest {
protected:
    template <class Window>
    Window* Open(TMainForm& form, const char* entry, int index) {
        QAction* action = form.Action(entry);
        EXPECT_TRUE(action && action->isEnabled() && action->property("built").toBool()) << entry;
        action->trigger();
        QApplication::processEvents();
        auto* window = dynamic_cast<Window*>(form.CalculatorWindow(index));
        EXPECT_TRUE(window && window->isVisible()) << entry;
        return window;
    }
    static void Click(QAbstractButton* button) {
        ASSERT_TRUE(button);
        button->click();
    }
};

TEST_F(CalculatorWindows, EachEntryOpensItsWindowOnceAndKeepsItsState) {
    auto form = Start();
    const struct {
        const char* entry;
        const char* caption;
    } windows[] = {{"Simple Calculator", "Calculator"},
                   {"Scientific Calculator", "Scientific Calculator"},
                   {"Quadratics", "Quadratic Equation Solver"},
                   {"Simultaneous", "Simultaneous Equation Solver"}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(form->CalculatorWindow(i), nullptr);  // not made at start-up
        QAction* action = form->Action(windows[i].entry);
        ASSERT_TRUE(action);
        action->trigger();
        QWidget* window = form->CalculatorWindow(i);
        ASSERT_TRUE(window);
        EXPECT_EQ(window->windowTitle(), windows[i].caption);
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->isModal());
        window->close();
        EXPECT_FALSE(window->isVisible());
        action->trigger();
        EXPECT_EQ(form->CalculatorWindow(i), window);
        EXPECT_TRUE(window->isVisible());
    }

    auto* calc = dynamic_cast<TSimpleCalculatorForm*>(form->CalculatorWindow(0));
    for (const char* key : {"2", "+", "3", "×", "4"}) Click(calc->Key(QString::fromUtf8(key)));
    calc->close();
    form->Action("Simple Calculator")->trigger();
    Click(calc->Key("="));
    EXPECT_EQ(calc->DisplayText(), "14");
}

TEST_F(CalculatorWindows, ScientificKeysTypingAndStayOnTop) {
    auto form = Start();
    auto* sci = Open<TScientificCalculatorForm>(*form, "Scientific Calculator", 1);
    ASSERT_TRUE(sci);
    // Typed text and keys meet in the Input field.
    sci->InputEdit()->setText("2+3");
    Click(sci->Key("EXE"));
    EXPECT_EQ(sci->ResultEdit()->text(), "5");
    Click(sci->Key("x²"));
    EXPECT_EQ(sci->InputEdit()->text(), "2+3^2");
    Click(sci->Key("EXE"));
    EXPECT_EQ(sci->ResultEdit()->text(), "11");
    Click(sci->Key("Radians"));
    sci->InputEdit()->setText("sin(30)");
    Click(sci->Key("EXE"));
    EXPECT_EQ(sci->ResultEdit()->text(), "-0.988031624092862");
    Click(sci->Key("Inverse"));
    Click(sci->Key("sin"));
    EXPECT_EQ(sci->InputEdit()->text(), "arcsin");

    QAction* top = sci->StayOnTopAction();
    EXPECT_FALSE(top->isChecked());
    top->trigger();
    EXPECT_TRUE(top->isChecked());
    EXPECT_TRUE(sci->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(sci->isVisible());
    top->trigger();
    EXPECT_FALSE(top->isChecked());
    EXPECT_FALSE(sci->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(CalculatorWindows, QuadraticFieldsAndMessage) {
    auto form = Start();
    auto* quad = Open<TQuadraticForm>(*form, "Quadratics", 2);
    ASSERT_TRUE(quad);
    const char* fields[] = {"1", "-3", "2"};
    for (int i = 0; i < 3; ++i) quad->CoefficientEdit(i)->setText(fields[i]);
    Click(quad->SolveButton());
    EXPECT_EQ(quad->SolutionEdit(0)->text(), "2");
    EXPECT_EQ(quad->SolutionEdit(1)->text(), "1");
    quad->CoefficientEdit(2)->setText("");
    Click(quad->SolveButton());
    EXPECT_EQ(boxes_.information, std::vector<QString>{"Please fill in all of the fields."});
    EXPECT_EQ(quad->SolutionEdit(0)->text(), "");
    Click(quad->ClearButton());
    EXPECT_EQ(quad->CoefficientEdit(0)->text(), "");
    EXPECT_EQ(quad->PromptLabel()->text(), "Type in the coefficients of the equation.");
}

TEST_F(CalculatorWindows, SimultaneousGridFilesAndSolve) {
    auto form = Start();
    auto* solver = Open<TSimultaneousForm>(*form, "Simultaneous", 3);
    ASSERT_TRUE(solver);
    QTableWidget* grid = solver->CoefficientGrid();
    EXPECT_EQ(grid->columnCount(), 3);
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "ROE");
    EXPECT_EQ(grid->verticalHeaderItem(1)->text(), "Eqn 2");
    EXPECT_EQ(solver->SolutionGrid()->horizontalHeaderItem(0)->text(), "Solutions");
    const char* cells[2][3] = {{"2", "1", "5"}, {"1", "-1", "1"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) grid->setItem(r, c, new QTableWidgetItem(cells[r][c]));
    EXPECT_TRUE(solver->SolveButton()->isDefault());
    Click(solver->SolveButton());
    EXPECT_EQ(solver->SolutionGrid()->item(0, 0)->text(), "2");
    EXPECT_EQ(solver->SolutionGrid()->item(1, 0)->text(), "1");

    const QString coefficients = tmp_.filePath("coefficients.txt");
    const QString answers = tmp_.filePath("answers.txt");
    using D = TSimultaneousForm::FileDialog;
    solver->ChooseFileName = [&](D which) { return which == D::SaveAnswers ? answers : coefficients; };
    solver->MenuAction("&Save coefficients")->trigger();
    solver->MenuAction("Save &answers")->trigger();
    EXPECT_EQ(ReadAll(coefficients), QByteArray("2,1,5\r\n1,-1,1\r\n"));
    EXPECT_EQ(ReadAll(answers), QByteArray("x1 = 2\r\nx2 = 1\r\n"));

    Write(coefficients, "1,1,1,6\n2,-1,1,3\n1,2,-1,2\n");
    solver->MenuAction("&Load coefficients")->trigger();
    EXPECT_EQ(solver->CountSpin()->value(), 3);
    EXPECT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->item(2, 3)->text(), "2");
    EXPECT_EQ(solver->SolutionGrid()->item(0, 0)->text(), "");  // no stale solutions
    Click(solver->SolveButton());
    EXPECT_EQ(solver->SolutionGrid()->item(2, 0)->text(), "3");
    EXPECT_EQ(solver->StatusPanel()->text(), "");

    // A failed save names the file and keeps nothing half-written.
    solver->ChooseFileName = [&](D) { return tmp_.filePath("missing/folder/x.txt"); };
    solver->MenuAction("Save &answers")->trigger();
    ASSERT_EQ(boxes_.errors.size(), 1u);
    EXPECT_TRUE(boxes_.errors[0].contains("missing/folder/x.txt"));

    solver->CountSpin()->setValue(2);
    EXPECT_EQ(grid->columnCount(), 3);
    EXPECT_EQ(grid->item(0, 0)->text(), "1");  // texts inside the new size stay
}

}  // namespace
}  // namespace kurvo::test
