// The main window's data set commands: "&Open", "Save As &Dataset",
// "&Coordinate Sets", "&Delete Graphs", the "Data Marks" palette, and the
// "Data Sets" menu state. The dialogs are made on first use and kept.
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QToolButton>

#include "admin/toolbar_record.h"
#include "plot/graph_window.h"
#include "ui/coordinates_dialog.h"
#include "ui/data_marks_dialog.h"
#include "ui/data_save_dialog.h"
#include "ui/delete_dialog.h"
#include "ui/main_form.h"
#include "workspace/data_files.h"
#include "workspace/data_sets.h"

namespace kurvo {

namespace {

const char kOpenFilter[] =
    "Kurvo File (.kvo) (*.kvo);;CSV (*.csv);;Text (*.txt);;SID (*.sid);;TSV (*.tsv);;All files (*.*) (*)";

template <class Dialog>
void ShowKept(Dialog* dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

}  // namespace

TDataSets& TMainForm::DataSetCommands() {
    if (!dataSets_) {
        dataSets_ = std::make_shared<TDataSets>(*graph_);
        WorkspaceFile();  // takes the ".kvo" files of "&Open"
    }
    return *dataSets_;
}

TDataSaveDialog* TMainForm::DataSaveDialog() const { return dataSaveDialog_; }
TCoordinatesDialog* TMainForm::CoordinatesDialog() const { return coordinatesDialog_; }
TDeleteDialog* TMainForm::DeleteDialog() const { return deleteDialog_; }

std::function<void(const std::function<void()>&)> TMainForm::Guard() {
    return [this](const std::function<void()>& action) { RunGuarded(action); };
}

void TMainForm::WireDataSetEntries() {
    auto bind = [this](const char* caption, auto&& slot) {
        QAction* a = Action(caption);
        if (!a) return;
        a->setEnabled(true);
        a->setProperty("built", true);
        connect(a, &QAction::triggered, this, slot);
    };
    bind("&Open", [this] { OpenFile(); });
    bind("Save As &Dataset", [this] { ShowDataSaveDialog(); });
    bind("&Coordinate Sets", [this] { ShowCoordinatesDialog(); });
    bind("&Delete Graphs", [this] { ShowDeleteDialog(); });
}

void TMainForm::OpenFile() {
    if (busyDepth_ > 0) return;
    QFileDialog dialog(this, "Open", NearestExistingFolder(dialogFolder_));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(kOpenFilter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.selectNameFilter("CSV (*.csv)");
    dialog.setDefaultSuffix("csv");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().front();
    RunGuarded([this, path] { DataSetCommands().OpenFile(path); });
}

void TMainForm::ShowDataSaveDialog() {
    if (busyDepth_ > 0) return;
    if (!dataSaveDialog_) {
        const Folders& f = folders_;
        const QString folder = f.InitialDirSet ? f.DocumentsFolder : QDir(f.DocumentsFolder).filePath("Kurvo32");
        dataSaveDialog_ = new TDataSaveDialog(DataSetCommands(), Guard(), folder, this);
    }
    ShowKept(dataSaveDialog_.data());
}

void TMainForm::ShowCoordinatesDialog() {
    if (!coordinatesDialog_) coordinatesDialog_ = new TCoordinatesDialog(DataSetCommands(), Guard(), this);
    ShowKept(coordinatesDialog_.data());
}

void TMainForm::ShowDeleteDialog() {
    if (!deleteDialog_) deleteDialog_ = new TDeleteDialog(DataSetCommands(), Guard(), this);
    ShowKept(deleteDialog_.data());
}

TDataMarksDialog& TMainForm::DataMarks() {
    if (!dataMarksDialog_) dataMarksDialog_ = new TDataMarksDialog(graph_->Settings, this);
    return *dataMarksDialog_;
}

void TMainForm::ShowDataMarks(int n) { DataMarks().ShowFor(n); }

void TMainForm::DataSetsMenuChanged(bool enabled) {
    dataSetsMenu_->menuAction()->setEnabled(enabled);
    for (int entry : {toolbar::DescriptiveTransformations, toolbar::MatrixTransformations}) {
        QToolButton* button = EntryButton(entry);
        const QAction* action = Action(entry == toolbar::DescriptiveTransformations
                                           ? "Descriptive &Transformations"
                                           : "&Matrix Tranformations");
        if (button) button->setEnabled(enabled && action && action->isEnabled());
    }
}

}  // namespace kurvo
