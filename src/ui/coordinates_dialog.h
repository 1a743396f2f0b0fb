#pragma once
// "Coordinates": the user types a data set point by point ("x,y" a line)
// with the axis labels; "&OK" adds it through TDataSets.
#include <QDialog>
#include <functional>

class QLineEdit;
class QPlainTextEdit;

namespace kurvo {

class TDataSets;

class TCoordinatesDialog : public QDialog {
    Q_OBJECT
public:
    // `guard` runs a command unless a plot is running (the window's guard).
    TCoordinatesDialog(TDataSets& sets, std::function<void(const std::function<void()>&)> guard,
                       QWidget* parent);

    QPlainTextEdit* Points() const { return points_; }
    QLineEdit* AxisLabels() const { return labels_; }
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TDataSets& sets_;
    std::function<void(const std::function<void()>&)> guard_;
    QPlainTextEdit* points_;
    QLineEdit* labels_;
};

}  // namespace kurvo
