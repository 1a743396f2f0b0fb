#include "ui/about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/button_icons.h"

namespace kurvo {

QString ProgramVersion() { return "0.1.0"; }

namespace {
const char* kDescription =
    "A graph editor for teaching and learning mathematics: type a formula the way "
    "it is written in a lesson and see its graph.";
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About Kurvo32");
    auto* icon = new QLabel(this);
    icon->setPixmap(ApplicationIcon().pixmap(64, 64));
    auto* text = new QLabel(
        QString("<h2>Kurvo32</h2><p>Version %1</p><p>%2</p>").arg(ProgramVersion(), kDescription), this);
    text->setWordWrap(true);
    text->setMinimumWidth(320);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

namespace {
QPixmap SplashPicture() {
    QPixmap pixmap(420, 220);
    pixmap.fill(QColor(0xFA, 0xFA, 0xF6));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x15, 0x65, 0xC0), 2));
    p.drawRect(pixmap.rect().adjusted(1, 1, -2, -2));
    ApplicationIcon().paint(&p, QRect(24, 24, 72, 72));
    QFont title = p.font();
    title.setPointSize(22);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.drawText(QRect(112, 28, 290, 40), Qt::AlignLeft | Qt::AlignVCenter, "Kurvo32");
    QFont body = p.font();
    body.setPointSize(10);
    body.setBold(false);
    p.setFont(body);
    p.drawText(QRect(112, 70, 290, 20), Qt::AlignLeft, "Version " + ProgramVersion());
    p.drawText(QRect(24, 112, 372, 80), Qt::AlignLeft | Qt::TextWordWrap, kDescription);
    return pixmap;
}
}  // namespace

TSplashWindow::TSplashWindow() : QSplashScreen(SplashPicture()) {}

}  // namespace kurvo
