#pragma once
// "Constants": one field per constant a to z; e and p are read-only.
#include <array>

#include "ui/editor_dialog.h"
#include "workspace/constants_editor.h"

namespace kurvo {

class TConstantsDialog : public EditorDialog {
    Q_OBJECT
public:
    explicit TConstantsDialog(QWidget* parent);
    void SetFields(const ConstantFields& fields);
    ConstantFields Fields() const;
    QLineEdit* Field(int k) const { return fields_[static_cast<size_t>(k)]; }

protected:
    QWidget* FirstField() const override;

private:
    std::array<QLineEdit*, 16> fields_{};
};

}  // namespace kurvo
