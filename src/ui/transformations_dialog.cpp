#include "ui/transformations_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "plot/graph_window.h"
#include "ui/engine_text.h"

namespace kurvo {

namespace {

QLineEdit* Field(QGridLayout* grid, int row, const QString& label, QWidget* parent, QLabel** labelOut = nullptr) {
    auto* text = new QLabel(label, parent);
    auto* edit = new QLineEdit(parent);
    grid->addWidget(text, row, 1);
    grid->addWidget(edit, row, 2);
    if (labelOut) *labelOut = text;
    return edit;
}

}  // namespace

TTransformationsDialog::TTransformationsDialog(TGraphWindow& graph, AnalysisServices services, QWidget* parent)
    : QDialog(parent), graph_(graph), logic_(graph) {
    setWindowTitle("Transformations");
    setModal(false);
    auto* layout = new QVBoxLayout(this);

    const char* captions[6] = {"Rotation", "Enlargement", "Stretch", "y=mx+x", "x=c", "Translation"};
    // One choice across the four groups.
    auto* choice = new QButtonGroup(this);
    for (uint8_t k = 0; k < 6; ++k) {
        choices_[k] = new QRadioButton(captions[k], this);
        choice->addButton(choices_[k]);
        connect(choices_[k], &QRadioButton::clicked, this, [this, k] { Choose(k); });
    }

    auto* rotation = new QGroupBox("Rotation", this);
    auto* rotationGrid = new QGridLayout(rotation);
    rotationGrid->addWidget(choices_[kRotation], 0, 0);
    rotationCentre_ = Field(rotationGrid, 0, "Centre", rotation);
    angle_ = Field(rotationGrid, 1, "Angle", rotation);
    layout->addWidget(rotation);

    auto* scale = new QGroupBox("Enlargement / Stretch", this);
    auto* scaleGrid = new QGridLayout(scale);
    scaleGrid->addWidget(choices_[kEnlargement], 0, 0);
    scaleGrid->addWidget(choices_[kStretch], 1, 0);
    scaleCentre_ = Field(scaleGrid, 0, "Centre", scale);
    scaleX_ = Field(scaleGrid, 1, "Scale Factor x", scale, &scaleXLabel_);
    scaleY_ = Field(scaleGrid, 2, "Scale Factor y", scale, &scaleYLabel_);
    layout->addWidget(scale);

    auto* reflection = new QGroupBox("Reflection", this);
    auto* reflectionGrid = new QGridLayout(reflection);
    reflectionGrid->addWidget(choices_[kReflectInLine], 0, 0);
    reflectionGrid->addWidget(choices_[kReflectInX], 1, 0);
    line_ = Field(reflectionGrid, 0, "y=", reflection);
    xLine_ = Field(reflectionGrid, 1, "x=", reflection);
    line_->setMaxLength(20);
    xLine_->setMaxLength(20);
    layout->addWidget(reflection);

    auto* translation = new QGroupBox("Translation", this);
    auto* translationRow = new QHBoxLayout(translation);
    translationRow->addWidget(choices_[kTranslation]);
    shift_ = new QPlainTextEdit("0\n0", translation);
    shift_->setFixedHeight(shift_->fontMetrics().lineSpacing() * 2 + 14);
    shift_->setToolTip("First line: the shift in x; second line: the shift in y");
    translationRow->addWidget(shift_);
    layout->addWidget(translation);

    apply_ = new TApplyButton(
        logic_.Loop, std::move(services),
        [this] { return ReadFields() ? logic_.ApplyOnce() : ApplyResult::Refused; },
        [this] { return ReadFields(); }, this);
    layout->addLayout(ApplyRow(this, logic_.Loop, apply_));
}

void TTransformationsDialog::Open() {
    choices_[kRotation]->setChecked(true);
    Choose(kRotation);
    show();
    raise();
    activateWindow();
}

void TTransformationsDialog::hideEvent(QHideEvent* event) {
    apply_->Stop();
    QDialog::hideEvent(event);
}

void TTransformationsDialog::Choose(uint8_t kind) {
    logic_.TransformationKind = kind;
    if (kind == kEnlargement || kind == kStretch) {
        const bool stretch = kind == kStretch;
        scaleXLabel_->setText(stretch ? "Scale Factor x" : "Scale Factor");
        scaleYLabel_->setVisible(stretch);
        scaleY_->setVisible(stretch);
    }
}

bool TTransformationsDialog::ReadFields() {
    logic_.RotationCentre = QtToEngine(rotationCentre_->text());
    logic_.Angle = QtToEngine(angle_->text());
    logic_.ScaleCentre = QtToEngine(scaleCentre_->text());
    logic_.ScaleX = QtToEngine(scaleX_->text());
    logic_.ScaleY = QtToEngine(scaleY_->text());
    logic_.LineText = QtToEngine(line_->text());
    logic_.XLine = QtToEngine(xLine_->text());
    const QStringList shift = shift_->toPlainText().split('\n');
    logic_.ShiftX = QtToEngine(shift.value(0));
    logic_.ShiftY = QtToEngine(shift.value(1));
    if (logic_.CheckFields()) return true;
    logic_.Loop.Running = false;
    graph_.Host().ShowInformation(kFillInFieldsMessage);
    return false;
}

}  // namespace kurvo
