#pragma once
// "Matrix Transformation": the first data set times a 2x2 matrix whose
// four fields are formulas, bound to the logic object that
// `kurvo32 transform --matrix` also drives.
#include <QDialog>

#include "analysis/transformations.h"
#include "ui/apply_button.h"

class QLineEdit;

namespace kurvo {

class TMatrixDialog : public QDialog {
    Q_OBJECT
public:
    TMatrixDialog(TGraphWindow& graph, AnalysisServices services, QWidget* parent);

    void Open();
    TMatrixTransformation& Logic() { return logic_; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void ReadFields();

    TMatrixTransformation logic_;
    QLineEdit* fields_[4] = {};  // a, b, c, d
    TApplyButton* apply_ = nullptr;
};

}  // namespace kurvo
