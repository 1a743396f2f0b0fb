#include "ui/tool_window.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "expr/encoding.h"

namespace kurvo {

TToolWindow::TToolWindow(QWidget* parent, const QString& caption) : QDialog(parent) {
    setWindowTitle(caption);
    setModal(false);
}

void TToolWindow::ShowTool() {
    if (!placed_) {
        placed_ = true;
        if (!testAttribute(Qt::WA_Resized)) adjustSize();
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    show();
    raise();
    activateWindow();
}

QAbstractButton* TToolWindow::Key(const QString& caption) const {
    for (auto* button : findChildren<QAbstractButton*>())
        if (button->text() == caption) return button;
    return nullptr;
}

QPushButton* TToolWindow::NewKey(const QString& caption, int minimumWidth) {
    auto* key = new QPushButton(caption, this);
    key->setAutoDefault(false);
    key->setMinimumSize(minimumWidth, 32);
    return key;
}

QString FromCp1252(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }
std::string ToCp1252(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

}  // namespace kurvo
