#pragma once
// "Sliders": up to four constants on sliders, each with a minimum, a
// maximum and a step. Moving a slider sets its constant and draws every
// graph again at once (plot/live_constants.h); Play moves it from the
// minimum to the maximum and back until pressed again. A drag, or a play,
// is one step of the undo history. The rows are kept in the data folder.
#include <QDialog>
#include <array>
#include <functional>

#include "workspace/slider_settings.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTimer;

namespace kurvo {

class TGraphWindow;

class TSlidersPanel : public QDialog {
    Q_OBJECT
public:
    // `busy` tells when a plot is running and a slider must not redraw.
    TSlidersPanel(TGraphWindow& graph, QString dataFolder, std::function<bool()> busy, QWidget* parent);
    SliderRows Rows() const;
    // The sliders moved to where the constants are now (after an undo).
    void Follow();
    QSlider* Slider(int row) const { return rows_[size_t(row)].slider; }
    QComboBox* ConstantBox(int row) const { return rows_[size_t(row)].constant; }
    QLineEdit* Field(int row, int i) const { return rows_[size_t(row)].fields[i]; }
    QPushButton* PlayButton(int row) const { return rows_[size_t(row)].play; }

private:
    struct Row {
        QComboBox* constant = nullptr;
        QLineEdit* fields[3] = {};
        QSlider* slider = nullptr;
        QLabel* value = nullptr;
        QPushButton* play = nullptr;
        QTimer* timer = nullptr;
        int direction = 1;
        double min = 0, step = 0;
    };
    void BuildRow(int index, const SliderRow& settings);
    // The slider's range from the fields; false when they give none.
    bool ReadRange(Row& row);
    void Moved(Row& row, int position);
    void Step(Row& row);
    void RememberForUndo();
    void Save();

    TGraphWindow& graph_;
    QString dataFolder_;
    std::function<bool()> busy_;
    std::array<Row, 4> rows_;
    std::string lastProblem_;
};

}  // namespace kurvo
