#include "ui/statistics_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "plot/graph_window.h"
#include "ui/dialog_placement.h"
#include "ui/engine_text.h"

namespace kurvo {

TStatisticsDialog::TStatisticsDialog(TGraphWindow& graph, QWidget* parent) : QDialog(parent), graph_(graph) {
    setWindowTitle("Statistics");
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    const auto& boxes = StatisticsBoxes();
    for (int i = 0; i < kStatisticsBoxCount; ++i) {
        auto* label = new QLabel(EngineToQt(boxes[size_t(i)].label), this);
        auto* box = new QLineEdit("0", this);
        box->setReadOnly(true);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance("-0.00000000E-000") + 12);
        box->setToolTip(boxes[size_t(i)].hint);
        label->setToolTip(boxes[size_t(i)].hint);
        boxes_[size_t(i)] = box;
        // x in the left column, y and the pair figures in the right one.
        const int column = i >= 6 && i <= 10 ? 2 : 0;
        const int row = i < 6 ? i : i - 5;
        grid->addWidget(label, row, column);
        grid->addWidget(box, row, column + 1);
    }
    layout->addLayout(grid);
    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    layout->addLayout(row);
}

void TStatisticsDialog::Open() {
    Compute();
    CentreOnScreen(this);
    show();
    raise();
    activateWindow();
}

void TStatisticsDialog::Compute() {
    TCurveFit fit;
    try {
        AddDataSetPoints(graph_.DataSets.DataSetLines, fit);
    } catch (const std::exception& error) {
        graph_.Host().ShowError(error.what());
        return;
    }
    const auto values = StatisticsValues(fit);
    for (int i = 0; i < kStatisticsBoxCount; ++i)
        boxes_[size_t(i)]->setText(EngineToQt(StatisticsBoxText(i, values[size_t(i)])));
}

}  // namespace kurvo
