#pragma once
// The "Simultaneous Equation Solver" window: the number of equations, the
// coefficient grid, the solutions, the status panel and the "&File" menu
// of coefficient and answer files, bound to the simultaneous solver logic.
#include <functional>

#include "calc/simultaneous_solver.h"
#include "ui/tool_window.h"

class QAction;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace kurvo {

class MessageBoxes;

class TSimultaneousForm : public TToolWindow, private CalcHost {
    Q_OBJECT
public:
    TSimultaneousForm(QWidget* parent, MessageBoxes& messages);

    // Asks for a file name (empty: cancelled). Tests put their own here.
    enum class FileDialog { SaveCoefficients, SaveAnswers, LoadCoefficients };
    std::function<QString(FileDialog)> ChooseFileName;
    // Where the file dialogs start.
    QString StartFolder;

    QSpinBox* CountSpin() const { return count_; }
    QTableWidget* CoefficientGrid() const { return coefficients_; }
    QTableWidget* SolutionGrid() const { return solutions_; }
    QLabel* StatusPanel() const { return status_; }
    QPushButton* SolveButton() const { return solve_; }
    QAction* MenuAction(const QString& caption) const;

    void SaveCoefficients();
    void SaveAnswers();
    void LoadCoefficients();

private:
    void ShowMessage(const std::string& text) override;
    QString AskFileName(FileDialog which);
    void SaveLines(FileDialog which, const std::vector<std::string>& lines);
    // The logic's grids into the widgets, sized for its n.
    void ShowLogic();

    TSimultaneousSolver solver_;
    MessageBoxes& messages_;
    QSpinBox* count_;
    QTableWidget* coefficients_;
    QTableWidget* solutions_;
    QLabel* status_;
    QPushButton* solve_;
    bool showing_ = false;
};

}  // namespace kurvo
