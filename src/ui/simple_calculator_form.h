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

protected:
    // The keyboard's digits and operators press the matching keys.
    void keyPressEvent(QKeyEvent* event) override;

private:
    TSimpleCalculator calc_;
    QLabel* display_;
};

}  // namespace kurvo
