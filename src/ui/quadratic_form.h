#pragma once
// The "Quadratic Equation Solver" window: the coefficient and solution
// fields and the prompt line, bound to the quadratic solver logic.
#include "calc/quadratic_solver.h"
#include "ui/tool_window.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kurvo {

class MessageBoxes;

class TQuadraticForm : public TToolWindow, private CalcHost {
    Q_OBJECT
public:
    TQuadraticForm(QWidget* parent, MessageBoxes& messages);
    QLineEdit* CoefficientEdit(int index) const { return coefficients_[index]; }  // a, b, c
    QLineEdit* SolutionEdit(int index) const { return solutions_[index]; }        // 1, 2
    QLabel* PromptLabel() const { return prompt_; }
    QPushButton* SolveButton() const { return solve_; }
    QPushButton* ClearButton() const { return clear_; }

private:
    void ShowMessage(const std::string& text) override;
    void ShowLogic();

    TQuadraticSolver solver_;
    MessageBoxes& messages_;
    QLineEdit* coefficients_[3];
    QLineEdit* solutions_[2];
    QLabel* prompt_;
    QPushButton* solve_;
    QPushButton* clear_;
};

}  // namespace kurvo
