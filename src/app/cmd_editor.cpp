// The graph editor: the command run when kurvo32 has no arguments, or a
// file to open (kurvo32 FILE.kvo).
#include <QApplication>
#include <QTimer>

#include "commands.h"
#include "ui/about_box.h"
#include "ui/button_icons.h"
#include "ui/dialog_placement.h"
#include "ui/main_form.h"

namespace {

int RunEditor(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kurvo32");
    QApplication::setApplicationVersion(kurvo::ProgramVersion());
    QApplication::setWindowIcon(kurvo::ApplicationIcon());

    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto* splash = new kurvo::TSplashWindow;
    splash->show();
    QApplication::processEvents();

    kurvo::TMainForm form;
    form.resize(kurvo::FitOnScreen(QSize(1040, 720)));
    QApplication::restoreOverrideCursor();
    form.show();
    // The splash goes as soon as the main window has the focus.
    splash->finish(&form);
    splash->deleteLater();
    // A workspace file handed over by the desktop (kurvo32 FILE.kvo) opens
    // once the window is up, so its message shows over the empty window.
    // "kurvo32 -- FILE" names a file that starts with "-".
    QStringList arguments = QApplication::arguments();
    if (arguments.size() >= 2 && arguments.at(1) == "--") arguments.removeAt(1);
    if (arguments.size() >= 2) {
        const QString path = arguments.at(1);
        QTimer::singleShot(0, &form, [&form, path] { form.OpenNamedFile(path); });
    }
    return app.exec();
}

const kurvo::app::Registration kEditor{{"", "open the graph editor", RunEditor}};

}  // namespace
