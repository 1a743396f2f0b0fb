#include "ui/alias_editor_dialog.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "admin/alias_list.h"
#include "expr/encoding.h"
#include "ui/message_boxes.h"
#include "workspace/data_files.h"

namespace kurvo {

TAliasEditorDialog::TAliasEditorDialog(QWidget* parent, MessageBoxes& boxes, std::function<QString()> file,
                                       std::function<void(const std::vector<std::string>&)> saved)
    : QDialog(parent), boxes_(boxes), file_(std::move(file)), saved_(std::move(saved)) {
    setWindowTitle("Function Alias Editor");
    auto* layout = new QVBoxLayout(this);
    text_ = new QPlainTextEdit(this);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setMinimumSize(380, 260);
    layout->addWidget(text_);
    auto* printRow = new QHBoxLayout;
    whole_ = new QRadioButton("Print Aliases and", this);
    whole_->setChecked(true);
    printRow->addWidget(whole_);
    printRow->addWidget(new QLabel("formulas.", this));
    aliasesOnly_ = new QRadioButton("Print Aliases only", this);
    printRow->addWidget(aliasesOnly_);
    printRow->addStretch();
    layout->addLayout(printRow);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton("OK", this);
    auto* cancel = new QPushButton("Cancel", this);
    auto* print = new QPushButton("Print", this);
    ok->setDefault(true);
    buttons->addWidget(print);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TAliasEditorDialog::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(print, &QPushButton::clicked, this, &TAliasEditorDialog::PrintBtnClick);
}

void TAliasEditorDialog::showEvent(QShowEvent* event) {
    // The list of the mode in force at this showing.
    std::vector<std::string> lines;
    const QString path = file_();
    if (QFileInfo::exists(path)) {
        const FileResult r = ReadTextLines(path, lines);
        if (!r.ok()) boxes_.Error(QString::fromStdString(r.message));
    }
    QString text;
    for (const auto& line : lines) text += QString::fromStdString(Cp1252ToUtf8(line)) + "\n";
    text_->setPlainText(text);
    QDialog::showEvent(event);
}

std::vector<std::string> TAliasEditorDialog::Lines() const {
    return SplitTextLines(Utf8ToCp1252(text_->toPlainText().toStdString()));
}

void TAliasEditorDialog::OKBtnClick() {
    const std::vector<std::string> lines = Lines();
    const std::string error = SaveAliasList(file_(), lines);
    if (error.empty()) {
        saved_(lines);
    } else if (error == kAliasListErrors) {
        boxes_.Information(kAliasListErrors);
    } else {
        boxes_.Error(QString::fromStdString(error));
    }
    accept();
}

void TAliasEditorDialog::PrintTo(QPrinter& printer) const {
    QPainter painter(&printer);
    const int step = painter.fontMetrics().lineSpacing();
    const QRect page = painter.viewport();
    int y = step;
    for (const auto& line : AliasPrintLines(Lines(), aliasesOnly_->isChecked())) {
        if (y > page.height() - step) {
            printer.newPage();
            y = step;
        }
        painter.drawText(0, y, QString::fromStdString(Cp1252ToUtf8(line)));
        y += step;
    }
}

void TAliasEditorDialog::PrintBtnClick() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    PrintTo(printer);
}

}  // namespace kurvo
