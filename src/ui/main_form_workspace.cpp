// The main window's workspace files: "Save as &KurvoFile", the "&Open" of
// ".kvo" files (through the data set commands' dispatch) and a file named
// on the command line.
#include <QAction>
#include <QFileDialog>

#include "plot/graph_window.h"
#include "ui/families_dialog.h"
#include "ui/graph_area.h"
#include "ui/main_form.h"
#include "workspace/data_files.h"
#include "workspace/data_sets.h"
#include "workspace/workspace_file.h"

namespace kurvo {

namespace {
const char kWorkspaceFilter[] = "Kurvo File (.kvo) (*.kvo)";
}  // namespace

TWorkspaceFile& TMainForm::WorkspaceFile() {
    if (workspaceFile_) return *workspaceFile_;
    workspaceFile_ = std::make_unique<TWorkspaceFile>(DataSetCommands());
    workspaceFile_->SettingsRestored = [this] {
        modeControls_ = StartingModeControls(graph_->Settings);
        AfterModeSwitch();
        const Colour c = ResolveColour(graph_->Settings.BackgroundColour);
        area_->SetBackground(QColor(RedOf(c), GreenOf(c), BlueOf(c)));
        ResizePicture();
    };
    workspaceFile_->ReplotFamily = [this](const std::string& count, const std::array<std::string, 16>& steps) {
        // The dialog shows what was drawn; OK's own guard would refuse, as
        // the open already runs guarded.
        FamiliesDialog()->SetFields(count, steps);
        graph_->DefineFamily(count, steps);
    };
    return *workspaceFile_;
}

void TMainForm::WireWorkspaceEntries() {
    QAction* save = Action("Save as &KurvoFile");
    if (!save) return;
    save->setEnabled(true);
    save->setProperty("built", true);
    connect(save, &QAction::triggered, this, [this] { SaveGraphFile(); });
}

void TMainForm::SaveGraphFile() {
    if (busyDepth_ > 0) return;
    QFileDialog dialog(this, "Save as", NearestExistingFolder(dialogFolder_));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(kWorkspaceFilter);
    dialog.setDefaultSuffix("kvo");
    dialog.selectFile("KurvoFile");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().front();
    RunGuarded([this, path] { WorkspaceFile().Save(path); });
}

void TMainForm::OpenNamedFile(const QString& path) {
    RunGuarded([this, path] { DataSetCommands().OpenFile(path); });
}

}  // namespace kurvo
