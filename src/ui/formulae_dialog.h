#pragma once
// "Formulae": the mode's preset formula list in a multi-line box, with
// buttons that type ² and ³ at its caret.
#include <string>
#include <vector>

#include "ui/editor_dialog.h"

class QPlainTextEdit;

namespace kurvo {

class TFormulaeDialog : public EditorDialog {
    Q_OBJECT
public:
    explicit TFormulaeDialog(QWidget* parent);
    void SetLines(const std::vector<std::string>& lines);
    // The box's lines, Windows-1252; a last line end adds no empty line.
    std::vector<std::string> Lines() const;
    QPlainTextEdit* Box() const { return box_; }

protected:
    QWidget* FirstField() const override;

private:
    QPlainTextEdit* box_ = nullptr;
};

}  // namespace kurvo
