#pragma once
// "Data Marks": twelve buttons showing the marker shapes as the graph
// draws them; pressing one sets the shape of the data set being edited
// (MarkTypes[n - 1]), "OK" hides the palette. The effects dialog opens it
// through TMainForm::ShowDataMarks and shows the chosen picture.
#include <QDialog>
#include <QIcon>
#include <array>
#include <functional>

#include "plot/canvas.h"

class QToolButton;

namespace kurvo {

struct SettingsRecord;

class TDataMarksDialog : public QDialog {
    Q_OBJECT
public:
    TDataMarksDialog(SettingsRecord& settings, QWidget* parent);

    // Shows the palette for data set n (1 to 5).
    void ShowFor(int n);
    int DataSetNumber() const { return dataSet_; }
    // Called with the shape (0 to 11) after a button set it.
    std::function<void(int shape)> MarkChosen;

    QToolButton* ShapeButton(int k) const { return buttons_[size_t(k - 1)]; }
    // The marker drawn by the graph's own marker code.
    static QIcon MarkIcon(int shape, Colour colour);

private:
    SettingsRecord& settings_;
    int dataSet_ = 1;
    std::array<QToolButton*, 12> buttons_{};
};

}  // namespace kurvo
