#include "ui/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

namespace kurvo {

namespace {
QString Title() { return QApplication::applicationName(); }
}  // namespace

void QtMessageBoxes::Information(const QString& text) {
    QMessageBox::information(parent_, Title(), text, QMessageBox::Ok);
}

void QtMessageBoxes::Error(const QString& text) {
    QMessageBox::critical(parent_, Title(), text, QMessageBox::Ok);
}

bool QtMessageBoxes::Question(const QString& text) {
    return QMessageBox::question(parent_, Title(), text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace kurvo
