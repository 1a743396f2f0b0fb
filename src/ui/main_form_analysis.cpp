// The "Data Sets" menu's analysis entries: the transformation, statistics
// and regression dialogs, each made on its first showing and kept, so its
// fields keep what the user typed.
#include <QAction>
#include <QEventLoop>
#include <QTimer>

#include "plot/graph_window.h"
#include "ui/graph_area.h"
#include "ui/main_form.h"
#include "ui/matrix_dialog.h"
#include "ui/regression_dialog.h"
#include "ui/statistics_dialog.h"
#include "ui/transformations_dialog.h"

namespace kurvo {

namespace {
// A continuous run applies at most this often, so a class can watch the
// images appear.
constexpr int kContinuousPaceMs = 40;
}  // namespace

void TMainForm::BindAnalysisDialogs() {
    AnalysisServices services{
        [this](const std::function<void()>& action) {
            if (busyDepth_ > 0) return false;
            RunGuarded(action);
            return true;
        },
        [this] {
            area_->update();
            // Events go on being handled (the Stop press among them) while
            // the run waits; the guard keeps other commands out.
            Poll([] {
                QEventLoop wait;
                QTimer::singleShot(kContinuousPaceMs, &wait, &QEventLoop::quit);
                wait.exec();
            });
            const bool escape = escapeSeen_;
            escapeSeen_ = false;
            return !escape;
        }};
    auto bind = [this](const char* caption, std::function<void()> open) {
        QAction* a = Action(caption);
        if (!a) return;
        a->setEnabled(true);
        a->setProperty("built", true);
        connect(a, &QAction::triggered, this, [this, open] {
            if (busyDepth_ == 0) open();
        });
    };
    bind("Descriptive &Transformations", [this, services] {
        if (!transformationsDialog_) transformationsDialog_ = new TTransformationsDialog(*graph_, services, this);
        transformationsDialog_->Open();
    });
    bind("&Matrix Tranformations", [this, services] {
        if (!matrixDialog_) matrixDialog_ = new TMatrixDialog(*graph_, services, this);
        matrixDialog_->Open();
    });
    bind("&Statistics", [this] {
        if (!statisticsDialog_) statisticsDialog_ = new TStatisticsDialog(*graph_, this);
        statisticsDialog_->Open();
    });
    bind("&Regression", [this] {
        if (!regressionDialog_) regressionDialog_ = new TRegressionDialog(*graph_, this);
        regressionDialog_->Open();
    });
}

}  // namespace kurvo
