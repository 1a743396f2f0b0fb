#include "ui/coordinates_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "expr/encoding.h"
#include "plot/graph_window.h"
#include "workspace/data_sets.h"

namespace kurvo {

namespace {
QString FromEngine(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }
std::string ToEngine(const QString& text) { return Utf8ToCp1252(text.toStdString()); }
}  // namespace

TCoordinatesDialog::TCoordinatesDialog(TDataSets& sets,
                                       std::function<void(const std::function<void()>&)> guard,
                                       QWidget* parent)
    : QDialog(parent), sets_(sets), guard_(std::move(guard)) {
    setWindowTitle("Coordinates");
    setModal(false);
    points_ = new QPlainTextEdit(this);
    points_->setLineWrapMode(QPlainTextEdit::NoWrap);
    points_->setToolTip("One point a line: x,y");
    labels_ = new QLineEdit(this);
    labels_->setMaxLength(255);
    // The field belongs to the data sets: the readers write a file's header
    // into it and the view fitting reads the labels from it.
    connect(labels_, &QLineEdit::textEdited, this,
            [this](const QString& text) { sets_.Graph().DataSets.AxisLabelsField = ToEngine(text); });
    auto* ok = new QPushButton("&OK", this);
    auto* close = new QPushButton("&Close", this);
    auto* clear = new QPushButton("C&lear", this);
    ok->setDefault(false);
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    connect(clear, &QPushButton::clicked, points_, &QPlainTextEdit::clear);

    auto* labelRow = new QHBoxLayout;
    labelRow->addWidget(new QLabel("Axis labels", this));
    labelRow->addWidget(labels_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(close);
    buttons->addWidget(clear);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(points_);
    layout->addLayout(labelRow);
    layout->addLayout(buttons);
    resize(260, 320);
}

void TCoordinatesDialog::showEvent(QShowEvent* event) {
    labels_->setText(FromEngine(sets_.Graph().DataSets.AxisLabelsField));
    QDialog::showEvent(event);
}

void TCoordinatesDialog::OKBtnClick() {
    guard_([this] {
        std::vector<std::string> lines;
        for (const QString& line : points_->toPlainText().split('\n')) lines.push_back(ToEngine(line));
        const bool something = !lines.empty() && !lines.front().empty();
        sets_.CoordinatesOK(lines);
        if (something) hide();
    });
}

}  // namespace kurvo
