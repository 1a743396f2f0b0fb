// Real message boxes and file dialogs opened from the tool windows take the
// user's answer, by key and by click, through the application's own event
// delivery (where the window's input guard sits).
#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "form_fixture.h"
#include "ui/quadratic_form.h"
#include "ui/simultaneous_form.h"

namespace kurvo::test {
namespace {

enum class How { Key, Click };

// The button that dismisses a box or file dialog without acting.
QAbstractButton* DismissButton(QWidget* dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) return box->buttons().value(0);
    if (auto* buttons = dialog->findChild<QDialogButtonBox*>())
        return buttons->button(QDialogButtonBox::Cancel);
    return nullptr;
}

// Answers the next modal dialog once it is up. A dialog that ignores the
// answer is closed directly after two seconds, so the test fails instead
// of hanging. Returns the dialog's caption and whether the answer closed it.
struct Answerer {
    QString caption;
    bool answered = false;
    bool closedByAnswer = false;
    bool done = false;

    void Arm(How how) {
        auto* timer = new QTimer;
        auto clock = std::make_shared<QElapsedTimer>();
        clock->start();
        timer->setInterval(20);
        QObject::connect(timer, &QTimer::timeout, [this, timer, clock, how] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!answered && dialog && dialog->isVisible()) {
                caption = dialog->windowTitle();
                answered = true;
                Answer(dialog, how);
                return;
            }
            if (answered && !dialog) {
                closedByAnswer = true;
            } else if (clock->elapsed() > 2000) {
                if (auto* stuck = qobject_cast<QDialog*>(dialog)) stuck->reject();
            } else {
                return;
            }
            done = true;
            timer->stop();
            timer->deleteLater();
        });
        timer->start();
    }

    static void Answer(QWidget* dialog, How how) {
        if (how == How::Key) {
            QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
            const bool box = qobject_cast<QMessageBox*>(dialog) != nullptr;
            QTest::keyClick(target, box ? Qt::Key_Return : Qt::Key_Escape);
        } else if (QAbstractButton* button = DismissButton(dialog)) {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
};

class ToolWindowBoxes : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        messages_ = nullptr;  // the real modal boxes
    }
    // Runs `open` (which shows a box or file dialog and waits for it) with
    // the answer armed, and checks the dialog came and went by the answer.
    void Expect(const QString& caption, How how, const std::function<void()>& open) {
        Answerer answerer;
        answerer.Arm(how);
        open();
        QElapsedTimer clock;
        clock.start();
        while (!answerer.done && clock.elapsed() < 5000) QTest::qWait(10);
        EXPECT_TRUE(answerer.answered) << caption.toStdString();
        EXPECT_TRUE(answerer.closedByAnswer) << caption.toStdString() << (how == How::Key ? " by key" : " by click");
        if (!caption.isEmpty()) EXPECT_EQ(answerer.caption, caption);
    }
};

TEST_F(ToolWindowBoxes, EveryBoxAndFileDialogOfTheToolWindowsTakesKeysAndClicks) {
    auto form = Start();
    form->Action("Quadratics")->trigger();
    auto* quadratic = dynamic_cast<TQuadraticForm*>(form->CalculatorWindow(2));
    form->Action("Simultaneous")->trigger();
    auto* simultaneous = dynamic_cast<TSimultaneousForm*>(form->CalculatorWindow(3));
    ASSERT_TRUE(quadratic && simultaneous);

    const struct {
        QString caption;  // empty: the application's title, which boxes carry
        std::function<void()> open;
    } cases[] = {
        {"", [&] { QTest::mouseClick(quadratic->Key("&Solve"), Qt::LeftButton); }},
        {"", [&] { QTest::mouseClick(simultaneous->Key("&Solve"), Qt::LeftButton); }},
        {"Save coefficients", [&] { simultaneous->MenuAction("&Save coefficients")->trigger(); }},
        {"Save answers", [&] { simultaneous->MenuAction("Save &answers")->trigger(); }},
        {"Load coefficients", [&] { simultaneous->MenuAction("&Load coefficients")->trigger(); }},
    };
    for (const auto& c : cases)
        for (How how : {How::Key, How::Click}) Expect(c.caption, how, c.open);

    // The main window takes input again afterwards.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    form->Action("Quadratics")->trigger();
    EXPECT_TRUE(quadratic->isVisible());
}

}  // namespace
}  // namespace kurvo::test
