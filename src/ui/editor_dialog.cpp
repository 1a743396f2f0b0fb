#include "ui/editor_dialog.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

#include "expr/encoding.h"

namespace kurvo {

QString EngineToQt(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }
std::string QtToEngine(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

EditorDialog::EditorDialog(QWidget* parent, const QString& caption) : QDialog(parent) {
    setWindowTitle(caption);
    setModal(false);
}

void EditorDialog::ShowNonBlocking() {
    show();
    raise();
    activateWindow();
}

void EditorDialog::AddButtons(QBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    ok_ = new QPushButton("OK", this);
    cancel_ = new QPushButton("Cancel", this);
    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    cancel_->setAutoDefault(false);
    row->addWidget(ok_);
    row->addWidget(cancel_);
    layout->addLayout(row);
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (!OnOk || OnOk()) hide();
    });
    connect(cancel_, &QPushButton::clicked, this, &QWidget::hide);
}

void EditorDialog::AddTypeButtons(QBoxLayout* layout, const std::function<void(QChar)>& insert) {
    auto* row = new QHBoxLayout;
    for (const QChar c : {QChar(0xB2), QChar(0xB3)}) {
        auto* button = new QToolButton(this);
        button->setText(QString("x") + c);
        button->setToolTip(QString("Type '") + c + "'");
        button->setFocusPolicy(Qt::NoFocus);
        row->addWidget(button);
        connect(button, &QToolButton::clicked, this, [insert, c] { insert(c); });
    }
    row->addStretch(1);
    layout->addLayout(row);
}

void EditorDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QWidget* first = FirstField()) first->setFocus();
}

void InsertAtCaret(QLineEdit* edit, QChar c) { edit->insert(QString(c)); }

}  // namespace kurvo
