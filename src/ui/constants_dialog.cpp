#include "ui/constants_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "plot/settings_record.h"

namespace kurvo {

TConstantsDialog::TConstantsDialog(QWidget* parent) : EditorDialog(parent, "Constants") {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    for (int k = 0; k < 16; ++k) {
        auto* label = new QLabel(QString(QChar(kConstantLetters[k])) + ":", this);
        auto* edit = new QLineEdit(this);
        edit->setMinimumWidth(110);
        label->setBuddy(edit);
        // Two columns of eight, in constant order down each column.
        grid->addWidget(label, k % 8, (k / 8) * 2);
        grid->addWidget(edit, k % 8, (k / 8) * 2 + 1);
        fields_[static_cast<size_t>(k)] = edit;
    }
    for (const int k : {kConstantE, kConstantP}) {
        fields_[static_cast<size_t>(k)]->setReadOnly(true);
        fields_[static_cast<size_t>(k)]->setFocusPolicy(Qt::NoFocus);
    }
    layout->addLayout(grid);
    AddButtons(layout);
}

void TConstantsDialog::SetFields(const ConstantFields& fields) {
    for (size_t k = 0; k < fields.size(); ++k) fields_[k]->setText(EngineToQt(fields[k]));
}

ConstantFields TConstantsDialog::Fields() const {
    ConstantFields out;
    for (size_t k = 0; k < out.size(); ++k) out[k] = QtToEngine(fields_[k]->text());
    return out;
}

QWidget* TConstantsDialog::FirstField() const { return fields_[0]; }

}  // namespace kurvo
