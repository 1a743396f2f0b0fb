#include "ui/simultaneous_form.h"

#include <QAction>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/message_boxes.h"
#include "workspace/atomic_write.h"
#include "workspace/data_files.h"

namespace kurvo {

namespace {

const char* kSaveFilters = "Text file (*.txt);;CSV file (*.csv)";
const char* kLoadFilters = "Textfile (*.txt);;CSVfile (*.csv);;All files (*.*)";

void SetCellText(QTableWidget* grid, int row, int column, const QString& text) {
    if (QTableWidgetItem* item = grid->item(row, column))
        item->setText(text);
    else if (!text.isEmpty())
        grid->setItem(row, column, new QTableWidgetItem(text));
}

}  // namespace

TSimultaneousForm::TSimultaneousForm(QWidget* parent, MessageBoxes& messages)
    : TToolWindow(parent, "Simultaneous Equation Solver"),
      messages_(messages),
      count_(new QSpinBox(this)),
      coefficients_(new QTableWidget(this)),
      solutions_(new QTableWidget(this)),
      status_(new QLabel(this)) {
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu("&File");
    connect(file->addAction("&Save coefficients"), &QAction::triggered, this, [this] { SaveCoefficients(); });
    connect(file->addAction("Save &answers"), &QAction::triggered, this, [this] { SaveAnswers(); });
    connect(file->addAction("&Load coefficients"), &QAction::triggered, this, [this] { LoadCoefficients(); });
    layout->setMenuBar(bar);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Number of equations", this));
    count_->setRange(TSimultaneousSolver::kMinEquations, TSimultaneousSolver::kMaxEquations);
    top->addWidget(count_);
    top->addStretch();
    layout->addLayout(top);

    auto* grids = new QHBoxLayout;
    grids->addWidget(coefficients_, 1);
    grids->addWidget(solutions_);
    solutions_->setColumnCount(1);
    solutions_->setHorizontalHeaderLabels({"Solutions"});
    solutions_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    solutions_->setFixedWidth(180);
    solutions_->horizontalHeader()->setStretchLastSection(true);
    layout->addLayout(grids, 1);

    status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    status_->setMinimumHeight(24);
    layout->addWidget(status_);

    auto* buttons = new QHBoxLayout;
    solve_ = new QPushButton("&Solve", this);
    auto* clearAll = new QPushButton("Clear All", this);
    auto* close = new QPushButton("&Close", this);
    solve_->setDefault(true);
    clearAll->setAutoDefault(false);
    close->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(solve_);
    buttons->addWidget(clearAll);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(720, 420);

    // The grid is the logic's: every edit goes straight into it.
    connect(coefficients_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (showing_) return;
        solver_.Cell(item->row() + 1, item->column() + 1) = ToCp1252(item->text());
    });
    connect(count_, &QSpinBox::valueChanged, this, [this](int n) {
        Guarded([this, n] {
            solver_.SetCount(n);
            ShowLogic();
        });
    });
    connect(solve_, &QPushButton::clicked, this, [this] {
        Guarded([this] {
            solver_.Solve(*this);
            ShowLogic();
        });
    });
    connect(clearAll, &QPushButton::clicked, this, [this] {
        Guarded([this] {
            solver_.ClearAll();
            ShowLogic();
        });
    });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    ShowLogic();
}

void TSimultaneousForm::ShowMessage(const std::string& text) { messages_.Information(FromCp1252(text)); }

void TSimultaneousForm::ShowLogic() {
    showing_ = true;
    const int n = solver_.Count();
    coefficients_->setRowCount(n);
    coefficients_->setColumnCount(n + 1);
    solutions_->setRowCount(n);
    QStringList columns, rows, unknowns;
    for (int j = 1; j <= n; ++j) columns << QString("Coeff %1").arg(j);
    columns << "ROE";
    for (int k = 1; k <= n; ++k) rows << QString("Eqn %1").arg(k), unknowns << QString("x%1").arg(k);
    coefficients_->setHorizontalHeaderLabels(columns);
    coefficients_->setVerticalHeaderLabels(rows);
    solutions_->setVerticalHeaderLabels(unknowns);
    for (int k = 1; k <= n; ++k) {
        for (int j = 1; j <= n + 1; ++j) SetCellText(coefficients_, k - 1, j - 1, FromCp1252(solver_.Cell(k, j)));
        SetCellText(solutions_, k - 1, 0, FromCp1252(solver_.SolutionText(k)));
    }
    status_->setText(FromCp1252(solver_.Status()));
    const QSignalBlocker quiet(count_);
    count_->setValue(n);
    showing_ = false;
}

QAction* TSimultaneousForm::MenuAction(const QString& caption) const {
    for (QAction* a : findChildren<QAction*>())
        if (a->text() == caption) return a;
    return nullptr;
}

QString TSimultaneousForm::AskFileName(FileDialog which) {
    if (ChooseFileName) return ChooseFileName(which);
    // A folder that does not exist would land in the name field.
    const QString folder = NearestExistingFolder(StartFolder);
    if (which == FileDialog::LoadCoefficients)
        return QFileDialog::getOpenFileName(this, "Load coefficients", folder, kLoadFilters);
    QFileDialog dialog(this, which == FileDialog::SaveAnswers ? "Save answers" : "Save coefficients", folder,
                       kSaveFilters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("txt");
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void TSimultaneousForm::SaveLines(FileDialog which, const std::vector<std::string>& lines) {
    const QString path = AskFileName(which);
    if (path.isEmpty()) return;
    const FileResult result = WriteTextLines(path, lines);
    if (!result.ok()) messages_.Error(QString::fromStdString(result.message));
}

void TSimultaneousForm::SaveCoefficients() {
    Guarded([this] { SaveLines(FileDialog::SaveCoefficients, solver_.CoefficientLines()); });
}

void TSimultaneousForm::SaveAnswers() {
    Guarded([this] { SaveLines(FileDialog::SaveAnswers, solver_.AnswerLines()); });
}

void TSimultaneousForm::LoadCoefficients() {
    Guarded([this] {
        const QString path = AskFileName(FileDialog::LoadCoefficients);
        if (path.isEmpty()) return;
        std::vector<std::string> lines;
        // Lines whole: a hundred coefficients do not fit 255 characters.
        const FileResult result = ReadTextLines(path, lines, 0);
        if (!result.ok()) {
            messages_.Error(QString::fromStdString(result.message));
            return;
        }
        if (const std::string problem = TSimultaneousSolver::LinesProblem(lines); !problem.empty()) {
            messages_.Error(QString::fromStdString(FileErrorText(path, problem)));
            return;
        }
        solver_.LoadLines(lines);
        ShowLogic();
    });
}

}  // namespace kurvo
