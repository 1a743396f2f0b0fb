#pragma once
// Dialogs without a place of their own open centred on the screen.
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kurvo {

inline void CentreOnScreen(QWidget* dialog) {
    dialog->adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        dialog->move(screen->availableGeometry().center() - dialog->rect().center());
}

}  // namespace kurvo
