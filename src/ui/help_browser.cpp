#include "ui/help_browser.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "workspace/data_files.h"

static void InitHelpResources() { Q_INIT_RESOURCE(help); }

namespace kurvo {

QString HelpBrowser::FolderFor(const QString& programFolder) {
    const QString local = FindInFolder(programFolder, "help");
    if (QFileInfo(QDir(local).filePath("index.html")).exists()) return local;
    InitHelpResources();
    return ":/help";
}

HelpBrowser::HelpBrowser(const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(folder), browser_(new QTextBrowser(this)) {
    setWindowTitle("Kurvo32 Help");
    resize(760, 620);
    auto* back = new QPushButton("&Back", this);
    auto* forward = new QPushButton("&Forward", this);
    auto* contents = new QPushButton("&Contents", this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(contents);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({folder_});
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, [this] { Open("index.html"); });
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
}

void HelpBrowser::keyPressEvent(QKeyEvent* event) {
    // Escape closes the help as it closes every other window of the program.
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpBrowser::Open(const QString& page) {
    const QString path = QDir(folder_).filePath(page);
    browser_->setSource(folder_.startsWith(":") ? QUrl("qrc" + path) : QUrl::fromLocalFile(path));
    show();
    raise();
    activateWindow();
}

}  // namespace kurvo
