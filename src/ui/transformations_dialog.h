#pragma once
// "Transformations": the descriptive transformations of the first data
// set (rotation, enlargement, stretch, reflection, translation), bound to
// the logic object that `kurvo32 transform` also drives.
#include <QDialog>

#include "analysis/transformations.h"
#include "ui/apply_button.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace kurvo {

class TTransformationsDialog : public QDialog {
    Q_OBJECT
public:
    TTransformationsDialog(TGraphWindow& graph, AnalysisServices services, QWidget* parent);

    // Opening from the menu or the toolbar: Rotation is chosen afresh.
    void Open();
    TDescriptiveTransformation& Logic() { return logic_; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void Choose(uint8_t kind);
    // Copies the fields into the logic object; false (with the message)
    // when the chosen kind lacks a field.
    bool ReadFields();

    TGraphWindow& graph_;
    TDescriptiveTransformation logic_;
    QRadioButton* choices_[6] = {};
    QLineEdit* rotationCentre_ = nullptr;
    QLineEdit* angle_ = nullptr;
    QLineEdit* scaleCentre_ = nullptr;
    QLabel* scaleXLabel_ = nullptr;
    QLineEdit* scaleX_ = nullptr;
    QLabel* scaleYLabel_ = nullptr;
    QLineEdit* scaleY_ = nullptr;
    QLineEdit* line_ = nullptr;
    QLineEdit* xLine_ = nullptr;
    QPlainTextEdit* shift_ = nullptr;
    TApplyButton* apply_ = nullptr;
};

}  // namespace kurvo
