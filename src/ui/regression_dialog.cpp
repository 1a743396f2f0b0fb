#include "ui/regression_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "plot/graph_window.h"
#include "ui/dialog_placement.h"
#include "ui/engine_text.h"

namespace kurvo {

TRegressionDialog::TRegressionDialog(TGraphWindow& graph, QWidget* parent) : QDialog(parent), graph_(graph) {
    setWindowTitle("Regression Lines");
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;

    auto box = [this](const char* hint) {
        auto* edit = new QLineEdit(this);
        edit->setReadOnly(true);
        edit->setMinimumWidth(320);
        if (hint) edit->setToolTip(hint);
        return edit;
    };
    linear_ = box(nullptr);
    linearChoice_ = new QRadioButton("Linear", this);
    grid->addWidget(linearChoice_, 0, 0);
    grid->addWidget(linear_, 0, 1, 1, 2);

    polynomial_ = box("The polynomial curve of best fit of the data set");
    polynomialChoice_ = new QRadioButton("Polynomial", this);
    polynomialChoice_->setChecked(true);
    degree_ = new QSpinBox(this);
    degree_->setRange(2, kMaxFitDegree);
    degree_->setValue(2);
    degree_->setToolTip("The degree of the polynomial");
    grid->addWidget(polynomialChoice_, 1, 0);
    grid->addWidget(polynomial_, 1, 1);
    grid->addWidget(degree_, 1, 2);

    quality_ = box("The quality of the fit of the line of best fit currently selected");
    quality_->setMinimumWidth(80);
    auto* qualityLabel = new QLabel("Fit Quality:", this);
    qualityLabel->setToolTip(quality_->toolTip());
    grid->addWidget(qualityLabel, 2, 0);
    grid->addWidget(quality_, 2, 1, Qt::AlignLeft);
    layout->addLayout(grid);

    auto* cancel = new QPushButton("Cancel", this);
    cancel->setToolTip("Close the dialog box");
    auto* transfer = new QPushButton("Transfer", this);
    transfer->setToolTip("Transfer the equation to the formula field for plotting");
    transfer->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(cancel);
    row->addWidget(transfer);
    layout->addLayout(row);

    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
    connect(transfer, &QPushButton::clicked, this, [this] { Transfer(); });
    connect(degree_, &QSpinBox::valueChanged, this, [this] { Compute(); });
    connect(linearChoice_, &QRadioButton::clicked, this, [this] { Compute(); });
    connect(polynomialChoice_, &QRadioButton::clicked, this, [this] { Compute(); });
}

void TRegressionDialog::Open() {
    Compute();
    CentreOnScreen(this);
    show();
    raise();
    activateWindow();
}

void TRegressionDialog::Compute() {
    logic_.Degree = degree_->value();
    logic_.LinearChosen = linearChoice_->isChecked();
    try {
        logic_.Compute(graph_.DataSets.DataSetLines);
    } catch (const std::exception& error) {
        graph_.Host().ShowError(error.what());
        return;
    }
    linear_->setText(EngineToQt(logic_.LinearText));
    polynomial_->setText(EngineToQt(logic_.PolynomialText));
    quality_->setText(EngineToQt(logic_.QualityText));
}

void TRegressionDialog::Transfer() {
    logic_.LinearChosen = linearChoice_->isChecked();
    graph_.Host().SetFormulaText(logic_.ChosenEquation());
    hide();
}

}  // namespace kurvo
