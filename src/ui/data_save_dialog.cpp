#include "ui/data_save_dialog.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include "expr/encoding.h"
#include "workspace/data_files.h"
#include "workspace/data_sets.h"

namespace kurvo {

namespace {
QString FromEngine(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }
std::string ToEngine(const QString& text) { return Utf8ToCp1252(text.toStdString()); }
}  // namespace

const QStringList& TDataSaveDialog::Filters() {
    static const QStringList filters = {"Text (.txt) (*.txt)", "CSV (.csv) (*.csv)", "SID (.sid) (*.sid)",
                                        "TSV (.tsv) (*.tsv)"};
    return filters;
}

QString TDataSaveDialog::SuffixOfFilter(const QString& filter) {
    // The dialog may hand over the caption alone ("Text (.txt)"), whose
    // brackets are not the pattern: the pattern is taken from the list.
    for (const QString& f : Filters())
        if (f.startsWith(filter.trimmed())) {
            const QRegularExpressionMatch m = QRegularExpression(R"(\(\*\.(\w+)\)$)").match(f);
            if (m.hasMatch()) return m.captured(1);
        }
    return "csv";
}

TDataSaveDialog::TDataSaveDialog(TDataSets& sets, std::function<void(const std::function<void()>&)> guard,
                                 const QString& folder, QWidget* parent)
    : QFileDialog(parent), sets_(sets), guard_(std::move(guard)) {
    // The range group lives inside the dialog, which a platform dialog
    // cannot hold.
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::HideNameFilterDetails);
    setWindowTitle("Save As Dataset");
    setModal(false);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setLabelText(QFileDialog::Accept, "&Save");
    setLabelText(QFileDialog::Reject, "Cancel");
    setNameFilters(Filters());
    selectNameFilter(Filters()[1]);
    setDefaultSuffix("csv");
    setDirectory(NearestExistingFolder(folder));

    auto* group = new QGroupBox("Data Save Range", this);
    auto* form = new QFormLayout(group);
    start_ = new QLineEdit(FromEngine(sets_.SaveFields.start), group);
    end_ = new QLineEdit(FromEngine(sets_.SaveFields.end), group);
    step_ = new QLineEdit(FromEngine(sets_.SaveFields.step), group);
    startLabel_ = new QLabel("Xmin", group);
    endLabel_ = new QLabel("Xmax", group);
    form->addRow(startLabel_, start_);
    form->addRow(endLabel_, end_);
    form->addRow(new QLabel("Step", group), step_);
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(group, grid->rowCount(), 0, 1, grid->columnCount());

    connect(this, &QFileDialog::filterSelected, this,
            [this](const QString& filter) { setDefaultSuffix(SuffixOfFilter(filter)); });
    connect(this, &QFileDialog::fileSelected, this, [this](const QString& path) {
        lastFolder_ = QFileInfo(path).absolutePath();
        SaveTo(path);
    });
}

void TDataSaveDialog::showEvent(QShowEvent* event) {
    sets_.PrepareSaveFields();
    const bool t = sets_.SaveFields.tLabels;
    startLabel_->setText(t ? "Tmin" : "Xmin");
    endLabel_->setText(t ? "Tmax" : "Xmax");
    start_->setText(FromEngine(sets_.SaveFields.start));
    end_->setText(FromEngine(sets_.SaveFields.end));
    step_->setText(FromEngine(sets_.SaveFields.step));
    // Each showing starts in the folder of the last save with an empty
    // name, so a new name is not typed onto the old path.
    if (!lastFolder_.isEmpty()) setDirectory(NearestExistingFolder(lastFolder_));
    if (auto* name = findChild<QLineEdit*>("fileNameEdit")) name->clear();
    QFileDialog::showEvent(event);
}

void TDataSaveDialog::SaveTo(const QString& path) {
    guard_([this, path] {
        sets_.SaveFields.start = ToEngine(start_->text());
        sets_.SaveFields.end = ToEngine(end_->text());
        sets_.SaveFields.step = ToEngine(step_->text());
        sets_.ExportDataSet(path, selectedNameFilter().startsWith("TSV"));
    });
}

}  // namespace kurvo
