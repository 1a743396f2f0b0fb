// The "Calculators" menu: each entry shows its tool window, created at the
// first showing and kept, so what the user typed survives closing it.
#include <QAction>

#include "ui/main_form.h"
#include "ui/quadratic_form.h"
#include "ui/scientific_calculator_form.h"
#include "ui/simple_calculator_form.h"
#include "ui/simultaneous_form.h"

namespace kurvo {

void TMainForm::BindCalculatorEntries() {
    const std::function<TToolWindow*()> create[] = {
        [this] { return new TSimpleCalculatorForm(this); },
        [this] { return new TScientificCalculatorForm(this); },
        [this] { return new TQuadraticForm(this, *messages_); },
        [this] {
            auto* form = new TSimultaneousForm(this, *messages_);
            form->StartFolder = dialogFolder_;
            return form;
        },
    };
    const char* const captions[] = {"Simple Calculator", "Scientific Calculator", "Quadratics", "Simultaneous"};
    for (size_t i = 0; i < 4; ++i) {
        QAction* entry = Action(captions[i]);
        entry->setEnabled(true);
        entry->setProperty("built", true);
        connect(entry, &QAction::triggered, this, [this, i, make = create[i]] {
            RunGuarded([this, i, &make] {
                if (!calculatorWindows_[i]) {
                    TToolWindow* window = make();
                    window->Guard = [this](const std::function<void()>& command) { RunGuarded(command); };
                    calculatorWindows_[i] = window;
                }
                static_cast<TToolWindow*>(calculatorWindows_[i].data())->ShowTool();
            });
        });
    }
}

}  // namespace kurvo
