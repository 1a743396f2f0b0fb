#include "ui/data_marks_dialog.h"

#include <QGridLayout>
#include <QPushButton>
#include <QToolButton>

#include "plot/data_set_plotter.h"
#include "plot/settings_record.h"
#include "ui/qimage_canvas.h"

namespace kurvo {

QIcon TDataMarksDialog::MarkIcon(int shape, Colour colour) {
    QImageCanvas canvas(17, 17, 0xFFFFFF);
    DrawDataMark(canvas, shape, 8, 8, colour, false);
    return QIcon(QPixmap::fromImage(canvas.image()));
}

TDataMarksDialog::TDataMarksDialog(SettingsRecord& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setWindowTitle("Data Marks");
    setModal(false);
    auto* layout = new QGridLayout(this);
    for (int k = 1; k <= kDataMarkShapeCount; ++k) {
        auto* button = new QToolButton(this);
        button->setIcon(MarkIcon(k - 1, 0x000000));
        button->setIconSize(QSize(17, 17));
        button->setFixedSize(28, 28);
        buttons_[size_t(k - 1)] = button;
        layout->addWidget(button, (k - 1) / 6, (k - 1) % 6);
        connect(button, &QToolButton::clicked, this, [this, k] {
            settings_.MarkTypes[size_t(dataSet_ - 1)] = k - 1;
            if (MarkChosen) MarkChosen(k - 1);
        });
    }
    auto* ok = new QPushButton("OK", this);
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);
    layout->addWidget(ok, 2, 0, 1, 6);
}

void TDataMarksDialog::ShowFor(int n) {
    dataSet_ = std::clamp(n, 1, 5);
    show();
    raise();
    activateWindow();
}

}  // namespace kurvo
