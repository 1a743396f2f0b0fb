#include "ui/quadratic_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/message_boxes.h"

namespace kurvo {

TQuadraticForm::TQuadraticForm(QWidget* parent, MessageBoxes& messages)
    : TToolWindow(parent, "Quadratic Equation Solver"), messages_(messages) {
    auto* layout = new QVBoxLayout(this);
    auto* pattern = new QLabel("ax² + bx + c = 0", this);
    QFont big = pattern->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    pattern->setFont(big);
    pattern->setAlignment(Qt::AlignCenter);
    layout->addWidget(pattern);

    auto* grid = new QGridLayout;
    const char* const labels[] = {"a:", "b:", "c:"};
    for (int i = 0; i < 3; ++i) {
        coefficients_[i] = new QLineEdit(this);
        grid->addWidget(new QLabel(labels[i], this), i, 0);
        grid->addWidget(coefficients_[i], i, 1);
    }
    for (int i = 0; i < 2; ++i) {
        solutions_[i] = new QLineEdit(this);
        solutions_[i]->setReadOnly(true);
        grid->addWidget(new QLabel(QString("Solution %1").arg(i + 1), this), i, 2);
        grid->addWidget(solutions_[i], i, 3);
    }
    layout->addLayout(grid);
    prompt_ = new QLabel(solver_.Prompt.c_str(), this);
    layout->addWidget(prompt_);

    auto* buttons = new QHBoxLayout;
    solve_ = new QPushButton("&Solve", this);
    clear_ = new QPushButton("Clear", this);
    auto* close = new QPushButton("&Close", this);
    solve_->setDefault(true);
    clear_->setAutoDefault(false);
    close->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(solve_);
    buttons->addWidget(clear_);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(solve_, &QPushButton::clicked, this, [this] {
        Guarded([this] {
            solver_.A = ToCp1252(coefficients_[0]->text());
            solver_.B = ToCp1252(coefficients_[1]->text());
            solver_.C = ToCp1252(coefficients_[2]->text());
            // Shown before the box, which waits for the user.
            solver_.Solution1.clear();
            solver_.Solution2.clear();
            ShowLogic();
            solver_.Solve(*this);
            ShowLogic();
        });
    });
    connect(clear_, &QPushButton::clicked, this, [this] {
        Guarded([this] {
            solver_.Clear();
            for (QLineEdit* edit : coefficients_) edit->clear();
            ShowLogic();
        });
    });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
}

void TQuadraticForm::ShowMessage(const std::string& text) { messages_.Information(FromCp1252(text)); }

void TQuadraticForm::ShowLogic() {
    solutions_[0]->setText(FromCp1252(solver_.Solution1));
    solutions_[1]->setText(FromCp1252(solver_.Solution2));
    prompt_->setText(FromCp1252(solver_.Prompt));
}

}  // namespace kurvo
