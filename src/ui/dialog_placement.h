#pragma once
// Dialogs without a place of their own open centred on the screen, and
// windows open no larger than it.
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kurvo {

inline void CentreOnScreen(QWidget* dialog) {
    dialog->adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        dialog->move(screen->availableGeometry().center() - dialog->rect().center());
}

// A first window size no larger than the screen's free area, leaving room
// for the window manager's frame, so the window opens whole on a small or
// scaled screen.
inline QSize FitOnScreen(QSize wanted) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableGeometry().size() - QSize(16, 48);
        wanted = wanted.boundedTo(room.expandedTo(QSize(320, 240)));
    }
    return wanted;
}

}  // namespace kurvo
