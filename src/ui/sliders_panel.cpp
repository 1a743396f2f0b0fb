#include "ui/sliders_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <cmath>

#include "analysis/graph_curves.h"
#include "expr/real_format.h"
#include "plot/graph_window.h"
#include "plot/live_constants.h"

namespace kurvo {

TSlidersPanel::TSlidersPanel(TGraphWindow& graph, QString dataFolder, std::function<bool()> busy, QWidget* parent)
    : QDialog(parent), graph_(graph), dataFolder_(std::move(dataFolder)), busy_(std::move(busy)) {
    setWindowTitle("Sliders");
    auto* grid = new QGridLayout(this);
    const char* headers[] = {"Constant", "Minimum", "Maximum", "Step", "", "Value", ""};
    for (int c = 0; c < 7; ++c) grid->addWidget(new QLabel(headers[c], this), 0, c);
    const SliderRows saved = ReadSliderRows(dataFolder_);
    for (int i = 0; i < 4; ++i) BuildRow(i, saved[size_t(i)]);
    grid->setColumnStretch(4, 1);
}

void TSlidersPanel::BuildRow(int index, const SliderRow& settings) {
    auto* grid = static_cast<QGridLayout*>(layout());
    Row& row = rows_[size_t(index)];
    row.constant = new QComboBox(this);
    row.constant->addItem("-");
    for (const char* c = kLiveConstantLetters; *c; ++c) row.constant->addItem(QString(QChar(*c)));
    if (settings.letter) row.constant->setCurrentText(QString(QChar(settings.letter)));
    const std::string texts[3] = {settings.min, settings.max, settings.step};
    for (int i = 0; i < 3; ++i) {
        row.fields[i] = new QLineEdit(QString::fromStdString(texts[i]), this);
        row.fields[i]->setMaximumWidth(70);
        connect(row.fields[i], &QLineEdit::editingFinished, this, [this, &row] {
            ReadRange(row);
            Save();
        });
    }
    row.slider = new QSlider(Qt::Horizontal, this);
    row.slider->setMinimumWidth(200);
    row.value = new QLabel(this);
    row.value->setMinimumWidth(80);
    row.play = new QPushButton("Play", this);
    row.play->setCheckable(true);
    row.timer = new QTimer(this);
    row.timer->setInterval(60);
    QWidget* cells[] = {row.constant, row.fields[0], row.fields[1], row.fields[2], row.slider, row.value, row.play};
    for (int c = 0; c < 7; ++c) grid->addWidget(cells[c], index + 1, c);

    connect(row.constant, &QComboBox::currentIndexChanged, this, [this, &row] {
        ReadRange(row);
        Save();
    });
    connect(row.slider, &QSlider::sliderPressed, this, [this] { RememberForUndo(); });
    connect(row.slider, &QSlider::valueChanged, this, [this, &row](int position) { Moved(row, position); });
    connect(row.play, &QPushButton::toggled, this, [this, &row](bool on) {
        if (on && ReadRange(row)) {
            RememberForUndo();
            row.timer->start();
        } else {
            row.timer->stop();
            row.play->setChecked(false);
        }
    });
    connect(row.timer, &QTimer::timeout, this, [this, &row] { Step(row); });
    ReadRange(row);
}

bool TSlidersPanel::ReadRange(Row& row) {
    double v[3];
    bool ok = row.constant->currentIndex() > 0;
    for (int i = 0; i < 3 && ok; ++i)
        ok = EvaluateNumberText(graph_, row.fields[i]->text().toStdString(), v[i]);
    ok = ok && v[2] > 0 && v[1] > v[0] && (v[1] - v[0]) / v[2] <= 100000;
    row.slider->setEnabled(ok);
    row.play->setEnabled(ok);
    if (!ok) return false;
    row.min = v[0];
    row.step = v[2];
    const QSignalBlocker quiet(row.slider);
    row.slider->setRange(0, int(std::lround((v[1] - v[0]) / v[2])));
    // The slider starts where the constant is now.
    const int index = LiveConstantIndex(row.constant->currentText().toStdString());
    const double now = double(graph_.Settings.Constants[size_t(index)]);
    row.slider->setValue(int(std::lround((now - row.min) / row.step)));
    row.value->setText(QString::fromStdString(FormatReal(now, 8)));
    return true;
}

void TSlidersPanel::Moved(Row& row, int position) {
    const int index = LiveConstantIndex(row.constant->currentText().toStdString());
    if (index < 0 || (busy_ && busy_())) return;
    const double value = row.min + position * row.step;
    row.value->setText(QString::fromStdString(FormatReal(value, 8)));
    SetConstantAndRedraw(graph_, index, value);
}

void TSlidersPanel::Step(Row& row) {
    int next = row.slider->value() + row.direction;
    if (next > row.slider->maximum() || next < row.slider->minimum()) {
        row.direction = -row.direction;
        next = row.slider->value() + row.direction;
    }
    row.slider->setValue(next);
}

void TSlidersPanel::RememberForUndo() {
    // As the window's own commands do before a change: the state to go back to.
    graph_.UndoRecord = graph_.Settings;
    graph_.SaveViewForUndo();
}

SliderRows TSlidersPanel::Rows() const {
    SliderRows rows;
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows_[i];
        rows[i].letter = r.constant->currentIndex() > 0 ? r.constant->currentText().toLatin1().at(0) : char(0);
        rows[i].min = r.fields[0]->text().toStdString();
        rows[i].max = r.fields[1]->text().toStdString();
        rows[i].step = r.fields[2]->text().toStdString();
    }
    return rows;
}

void TSlidersPanel::Follow() {
    for (Row& row : rows_) ReadRange(row);
}

void TSlidersPanel::Save() {
    // Told once, not at every change of a field while the folder stays unwritable.
    const std::string problem = WriteSliderRows(dataFolder_, Rows());
    if (!problem.empty() && problem != lastProblem_)
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(problem));
    lastProblem_ = problem;
}

}  // namespace kurvo
