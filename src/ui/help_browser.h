#pragma once
// The program's own help: HTML pages shown in a browser window with
// Back, Forward and Contents.
#include <QWidget>

class QTextBrowser;

namespace kurvo {

class HelpBrowser : public QWidget {
    Q_OBJECT
public:
    // `folder` holds the pages (the help folder beside the program, or the
    // copy built into it).
    explicit HelpBrowser(const QString& folder, QWidget* parent = nullptr);
    // Opens a page of the folder, e.g. "index.html" or "calculators.html".
    void Open(const QString& page);
    QTextBrowser* Browser() const { return browser_; }

    // The help folder for a program folder: its "help" subfolder when it
    // has one, else the built-in pages.
    static QString FolderFor(const QString& programFolder);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString folder_;
    QTextBrowser* browser_;
};

}  // namespace kurvo
