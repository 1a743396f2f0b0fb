#pragma once
// The Apply button of the two transformation dialogs. Its mouse press
// starts or stops the loop (caption "Stop" while a continuous run goes
// on); its click runs the loop through the main window's guard, so no
// other command comes in while the loop pumps events.
#include <QPushButton>
#include <functional>

#include "analysis/transformations.h"

class QDialog;
class QEvent;
class QHBoxLayout;

namespace kurvo {

// What the analysis dialogs need from the main window.
struct AnalysisServices {
    // Runs the action unless a command is under way; false when refused.
    std::function<bool(const std::function<void()>&)> runGuarded;
    // Between two applications of a continuous run: shows the picture,
    // handles events for a moment; false when Escape was pressed.
    std::function<bool()> pump;
};

class TApplyButton : public QPushButton {
    Q_OBJECT
public:
    // `once` applies the transformation once; `ready` checks the fields
    // before a run (false: nothing is applied).
    TApplyButton(ApplyLoop& loop, AnalysisServices services, std::function<ApplyResult()> once,
                 std::function<bool()> ready, QWidget* parent);

    // Ends a continuous run (the dialog is being hidden).
    void Stop();
    bool Running() const { return loop_.Running; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Press();
    void Clicked();

    ApplyLoop& loop_;
    AnalysisServices services_;
    std::function<ApplyResult()> once_;
    std::function<bool()> ready_;
    bool pressed_ = false;
};

// A press or release of the mouse on the Apply button of a running loop:
// the one input that must reach a dialog while its loop holds the window's
// guard, since it is the Stop.
bool IsStopPress(QEvent* event);

// The dialogs' bottom row: "Continuous" (bound to the loop), Apply and
// "Close" (hides the dialog).
QHBoxLayout* ApplyRow(QDialog* dialog, ApplyLoop& loop, TApplyButton* apply);

}  // namespace kurvo
