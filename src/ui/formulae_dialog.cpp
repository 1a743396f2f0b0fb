#include "ui/formulae_dialog.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "workspace/data_files.h"

namespace kurvo {

TFormulaeDialog::TFormulaeDialog(QWidget* parent) : EditorDialog(parent, "Formulae") {
    auto* layout = new QVBoxLayout(this);
    box_ = new QPlainTextEdit(this);
    box_->setLineWrapMode(QPlainTextEdit::NoWrap);
    box_->setMinimumSize(320, 260);
    layout->addWidget(box_);
    AddTypeButtons(layout, [this](QChar c) { box_->insertPlainText(QString(c)); });
    AddButtons(layout);
}

void TFormulaeDialog::SetLines(const std::vector<std::string>& lines) {
    QStringList text;
    for (const auto& line : lines) text << EngineToQt(line);
    box_->setPlainText(text.join('\n'));
}

std::vector<std::string> TFormulaeDialog::Lines() const { return SplitTextLines(QtToEngine(box_->toPlainText())); }

QWidget* TFormulaeDialog::FirstField() const { return box_; }

}  // namespace kurvo
