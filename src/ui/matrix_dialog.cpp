#include "ui/matrix_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/engine_text.h"

namespace kurvo {

namespace {

// The four fields between a pair of drawn brackets.
class BracketFrame : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(palette().color(QPalette::WindowText), 2));
        const int top = 2, bottom = height() - 3, arm = 6;
        const int left = 3, right = width() - 4;
        p.drawPolyline(QPolygon({{left + arm, top}, {left, top}, {left, bottom}, {left + arm, bottom}}));
        p.drawPolyline(QPolygon({{right - arm, top}, {right, top}, {right, bottom}, {right - arm, bottom}}));
    }
};

}  // namespace

TMatrixDialog::TMatrixDialog(TGraphWindow& graph, AnalysisServices services, QWidget* parent)
    : QDialog(parent), logic_(graph) {
    setWindowTitle("Matrix Transformation");
    setModal(false);
    auto* layout = new QVBoxLayout(this);

    auto* frame = new BracketFrame(this);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(16, 8, 16, 8);
    const char* initial[4] = {"1", "0", "0", "1"};
    const char* names[4] = {"a", "b", "c", "d"};
    for (int i = 0; i < 4; ++i) {
        fields_[i] = new QLineEdit(initial[i], frame);
        fields_[i]->setObjectName(names[i]);
        fields_[i]->setFrame(false);
        fields_[i]->setAlignment(Qt::AlignCenter);
        fields_[i]->setFixedWidth(70);
        grid->addWidget(fields_[i], i / 2, i % 2);
    }
    auto* centred = new QHBoxLayout;
    centred->addStretch();
    centred->addWidget(frame);
    centred->addStretch();
    layout->addLayout(centred);

    apply_ = new TApplyButton(
        logic_.Loop, std::move(services),
        [this] {
            ReadFields();
            return logic_.ApplyOnce();
        },
        [] { return true; }, this);
    layout->addLayout(ApplyRow(this, logic_.Loop, apply_));
}

void TMatrixDialog::Open() {
    show();
    raise();
    activateWindow();
}

void TMatrixDialog::hideEvent(QHideEvent* event) {
    apply_->Stop();
    QDialog::hideEvent(event);
}

void TMatrixDialog::ReadFields() {
    logic_.A = QtToEngine(fields_[0]->text());
    logic_.B = QtToEngine(fields_[1]->text());
    logic_.C = QtToEngine(fields_[2]->text());
    logic_.D = QtToEngine(fields_[3]->text());
}

}  // namespace kurvo
