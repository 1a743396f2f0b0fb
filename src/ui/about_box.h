#pragma once
// The about box and the splash window: program name, version and a short
// description.
#include <QDialog>
#include <QSplashScreen>

namespace kurvo {

QString ProgramVersion();

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

// Shown without a caption while the main window is built; it goes when it
// loses the focus to the main window.
class TSplashWindow : public QSplashScreen {
    Q_OBJECT
public:
    TSplashWindow();
};

}  // namespace kurvo
