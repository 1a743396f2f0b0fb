#pragma once
// "Regression Lines": the line and the polynomial of best fit of the
// pooled data sets; "Transfer" puts the chosen equation into the formula
// box without plotting it.
#include <QDialog>

#include "analysis/regression.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace kurvo {

class TGraphWindow;

class TRegressionDialog : public QDialog {
    Q_OBJECT
public:
    TRegressionDialog(TGraphWindow& graph, QWidget* parent);

    void Open();
    QLineEdit* LinearBox() const { return linear_; }
    QLineEdit* PolynomialBox() const { return polynomial_; }
    QLineEdit* QualityBox() const { return quality_; }
    QSpinBox* DegreeSpin() const { return degree_; }
    QRadioButton* LinearChoice() const { return linearChoice_; }
    QRadioButton* PolynomialChoice() const { return polynomialChoice_; }

private:
    // Fits afresh (each showing, degree change and choice click).
    void Compute();
    void Transfer();

    TGraphWindow& graph_;
    TRegression logic_;
    QLineEdit* linear_ = nullptr;
    QLineEdit* polynomial_ = nullptr;
    QLineEdit* quality_ = nullptr;
    QSpinBox* degree_ = nullptr;
    QRadioButton* linearChoice_ = nullptr;
    QRadioButton* polynomialChoice_ = nullptr;
};

}  // namespace kurvo
