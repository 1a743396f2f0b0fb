#include "ui/apply_button.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QApplication>
#include <QMouseEvent>

namespace kurvo {

TApplyButton::TApplyButton(ApplyLoop& loop, AnalysisServices services, std::function<ApplyResult()> once,
                           std::function<bool()> ready, QWidget* parent)
    : QPushButton("Apply", parent),
      loop_(loop),
      services_(std::move(services)),
      once_(std::move(once)),
      ready_(std::move(ready)) {
    connect(this, &QPushButton::clicked, this, [this] { Clicked(); });
}

void TApplyButton::Stop() {
    loop_.Running = false;
    setText("Apply");
}

void TApplyButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Press();
    QPushButton::mousePressEvent(event);
}

void TApplyButton::Press() {
    pressed_ = true;
    setText(loop_.Press());
}

void TApplyButton::Clicked() {
    // A click from the keyboard comes without a mouse press.
    if (!pressed_) Press();
    pressed_ = false;
    // The second press of a continuous run only stops it: the run under
    // way is still on the stack and the guard refuses a new one.
    if (!loop_.Running) return;
    const bool ran = services_.runGuarded([this] {
        if (!ready_()) {
            loop_.Running = false;
            return;
        }
        loop_.Run(once_, services_.pump);
    });
    if (!ran) loop_.Running = false;
    setText("Apply");
}

bool IsStopPress(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    auto* button = qobject_cast<TApplyButton*>(QApplication::widgetAt(mouse->globalPosition().toPoint()));
    return button && button->Running();
}

QHBoxLayout* ApplyRow(QDialog* dialog, ApplyLoop& loop, TApplyButton* apply) {
    auto* row = new QHBoxLayout;
    auto* continuous = new QCheckBox("Continuous", dialog);
    continuous->setToolTip(
        "When checked pressing Apply will continue to apply the transformation until the button is "
        "pressed again.");
    continuous->setChecked(loop.Continuous);
    QObject::connect(continuous, &QCheckBox::toggled, dialog, [&loop](bool on) { loop.Continuous = on; });
    auto* close = new QPushButton("Close", dialog);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::hide);
    row->addWidget(continuous);
    row->addStretch();
    row->addWidget(apply);
    row->addWidget(close);
    return row;
}

}  // namespace kurvo
