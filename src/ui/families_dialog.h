#pragma once
// "Families": the number of members ("Number of Graphs", two characters,
// digits only) and the sixteen increments a to z.
#include <array>
#include <string>

#include "ui/editor_dialog.h"

namespace kurvo {

class TFamiliesDialog : public EditorDialog {
    Q_OBJECT
public:
    explicit TFamiliesDialog(QWidget* parent);
    std::string Count() const;
    std::array<std::string, 16> Steps() const;
    // What the graph file reader fills in before it runs OK.
    void SetFields(const std::string& count, const std::array<std::string, 16>& steps);
    QLineEdit* CountField() const { return count_; }
    QLineEdit* StepField(int k) const { return steps_[static_cast<size_t>(k)]; }
    // Shows "Only numeric chars" for a refused key in the number field.
    std::function<void(const std::string&)> Inform;

protected:
    QWidget* FirstField() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* count_ = nullptr;
    std::array<QLineEdit*, 16> steps_{};
};

}  // namespace kurvo
