#pragma once
// The "Calculator" window: buttons bound to the simple calculator logic.
#include "calc/simple_calculator.h"
#include "ui/tool_window.h"

class QLabel;

namespace kurvo {

class TSimpleCalculatorForm : public TToolWindow {
    Q_OBJECT
public:
    explicit TSimpleCalculatorForm(QWidget* parent);
    QString DisplayText() const;

private:
    TSimpleCalculator calc_;
    QLabel* display_;
};

}  // namespace kurvo
