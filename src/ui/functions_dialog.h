#pragma once
// "Functions": the user functions f to l as typed, with buttons that type
// ² and ³ into the field being edited.
#include <array>

#include "ui/editor_dialog.h"
#include "workspace/user_functions.h"

class QLabel;

namespace kurvo {

class TFunctionsDialog : public EditorDialog {
    Q_OBJECT
public:
    explicit TFunctionsDialog(QWidget* parent);
    // The labels name the variable of the mode: f(x) or, in polar mode, f(t).
    void SetCartesian(bool cartesian);
    void SetFields(const UserFunctionFields& fields);
    UserFunctionFields Fields() const;
    QLineEdit* Field(int n) const { return fields_[static_cast<size_t>(n)]; }
    // The ² / ³ buttons: into the focused field; none focused, nothing.
    void TypeCharacter(QChar c);

protected:
    QWidget* FirstField() const override;

private:
    std::array<QLineEdit*, 7> fields_{};
    std::array<QLabel*, 7> labels_{};
};

}  // namespace kurvo
