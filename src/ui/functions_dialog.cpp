#include "ui/functions_dialog.h"

#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kurvo {

namespace {
const char kNames[] = "fghijkl";
}

TFunctionsDialog::TFunctionsDialog(QWidget* parent) : EditorDialog(parent, "Functions") {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    for (size_t n = 0; n < fields_.size(); ++n) {
        labels_[n] = new QLabel(this);
        fields_[n] = new QLineEdit(this);
        fields_[n]->setMinimumWidth(260);
        labels_[n]->setBuddy(fields_[n]);
        form->addRow(labels_[n], fields_[n]);
    }
    SetCartesian(true);
    layout->addLayout(form);
    AddTypeButtons(layout, [this](QChar c) { TypeCharacter(c); });
    AddButtons(layout);
}

void TFunctionsDialog::SetCartesian(bool cartesian) {
    for (size_t n = 0; n < labels_.size(); ++n)
        labels_[n]->setText(QString("%1(%2) =").arg(QChar(kNames[n])).arg(cartesian ? 'x' : 't'));
}

void TFunctionsDialog::SetFields(const UserFunctionFields& fields) {
    for (size_t n = 0; n < fields.size(); ++n) fields_[n]->setText(EngineToQt(fields[n]));
}

UserFunctionFields TFunctionsDialog::Fields() const {
    UserFunctionFields out;
    for (size_t n = 0; n < out.size(); ++n) out[n] = QtToEngine(fields_[n]->text());
    return out;
}

void TFunctionsDialog::TypeCharacter(QChar c) {
    // The field the focus is in (or returns to when the dialog is active).
    for (QLineEdit* edit : fields_)
        if (edit == focusWidget()) InsertAtCaret(edit, c);
}

QWidget* TFunctionsDialog::FirstField() const { return fields_[0]; }

}  // namespace kurvo
