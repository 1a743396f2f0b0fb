#include "ui/simple_calculator_form.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace kurvo {

TSimpleCalculatorForm::TSimpleCalculatorForm(QWidget* parent)
    : TToolWindow(parent, "Calculator"), display_(new QLabel(this)) {
    display_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    display_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    display_->setAutoFillBackground(true);
    QPalette palette = display_->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    display_->setPalette(palette);
    display_->setMinimumHeight(28);
    display_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* grid = new QGridLayout(this);
    grid->addWidget(display_, 0, 0, 1, 4);
    const char* const rows[][4] = {{"7", "8", "9", "÷"},
                                   {"4", "5", "6", "×"},
                                   {"1", "2", "3", "-"},
                                   {"0", "·", "+/-", "+"},
                                   {"CL", "", "", "="}};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 4; ++c) {
            const QString caption = QString::fromUtf8(rows[r][c]);
            if (caption.isEmpty()) continue;
            QPushButton* key = NewKey(caption, 44);
            grid->addWidget(key, r + 1, c, 1, caption == "CL" ? 3 : 1);
            connect(key, &QPushButton::clicked, this, [this, caption] {
                Guarded([this, caption] {
                    calc_.PressKey(caption.toStdString());
                    display_->setText(QString::fromStdString(calc_.Display()));
                });
            });
        }
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

QString TSimpleCalculatorForm::DisplayText() const { return display_->text(); }

void TSimpleCalculatorForm::keyPressEvent(QKeyEvent* event) {
    static const QHash<QChar, QString> keys = {
        {'.', "·"}, {',', "·"}, {'+', "+"}, {'-', "-"}, {'*', "×"}, {'x', "×"}, {'X', "×"},
        {'/', "÷"}, {'=', "="}, {'c', "CL"}, {'C', "CL"}};
    const QString text = event->text();
    QString caption;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) caption = "=";
    else if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) caption = "CL";
    else if (text.size() == 1 && text[0].isDigit()) caption = text;
    else if (text.size() == 1) caption = keys.value(text[0]);
    if (QAbstractButton* key = caption.isEmpty() ? nullptr : Key(caption)) {
        key->click();
        return;
    }
    TToolWindow::keyPressEvent(event);
}

}  // namespace kurvo
