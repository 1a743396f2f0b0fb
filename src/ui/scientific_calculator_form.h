#pragma once
// The "Scientific Calculator" window: the Input and Result fields, the key
// pad, the angle mode and shift switches and the "Stay on Top" menu item,
// bound to the scientific calculator logic.
#include "calc/scientific_calculator.h"
#include "ui/tool_window.h"

class QAction;
class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace kurvo {

class TScientificCalculatorForm : public TToolWindow {
    Q_OBJECT
public:
    explicit TScientificCalculatorForm(QWidget* parent);
    QLineEdit* InputEdit() const { return input_; }
    QLineEdit* ResultEdit() const { return result_; }
    QAction* StayOnTopAction() const { return stayOnTop_; }
    const TScientificCalculator& Logic() const { return calc_; }

private:
    void Press(const std::string& key);
    void ToggleStayOnTop();

    TScientificCalculator calc_;
    QLineEdit* input_;
    QLineEdit* result_;
    QAction* stayOnTop_ = nullptr;
    bool onTop_ = false;
};

}  // namespace kurvo
