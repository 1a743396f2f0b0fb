#pragma once
// "Statistics": the fourteen summary boxes of the pooled data sets,
// computed afresh each time the dialog is shown.
#include <QDialog>
#include <array>

#include "analysis/statistics.h"

class QLineEdit;

namespace kurvo {

class TGraphWindow;

class TStatisticsDialog : public QDialog {
    Q_OBJECT
public:
    TStatisticsDialog(TGraphWindow& graph, QWidget* parent);

    void Open();
    QLineEdit* Box(int index) const { return boxes_[size_t(index)]; }

private:
    // A point that is not a number is reported; the boxes keep their texts.
    void Compute();

    TGraphWindow& graph_;
    std::array<QLineEdit*, kStatisticsBoxCount> boxes_{};
};

}  // namespace kurvo
