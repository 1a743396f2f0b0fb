// The Editors menu's dialogs bound to the window: constants, functions,
// formulae and families. Each is made on its first showing and kept; its OK
// runs guarded, so nothing starts while a plot is running.
#include <QAction>
#include <QLineEdit>

#include "plot/graph_window.h"
#include "ui/constants_dialog.h"
#include "ui/families_dialog.h"
#include "ui/formulae_dialog.h"
#include "ui/functions_dialog.h"
#include "ui/main_form.h"
#include "workspace/constants_editor.h"
#include "workspace/preset_lists.h"
#include "workspace/user_functions.h"

namespace kurvo {

void TMainForm::WireEditors() {
    auto bind = [this](const char* caption, void (TMainForm::*show)()) {
        QAction* a = Action(caption);
        a->setEnabled(true);
        a->setProperty("built", true);
        connect(a, &QAction::triggered, this, [this, show] {
            if (busyDepth_ == 0) (this->*show)();
        });
    };
    bind("&Constants", &TMainForm::ShowConstantsDialog);
    bind("F&unctions", &TMainForm::ShowFunctionsDialog);
    bind("&Formulae", &TMainForm::ShowFormulaeDialog);
    bind("Fa&milies", &TMainForm::ShowFamiliesDialog);
}

void TMainForm::ShowConstantsDialog() {
    if (!constantsDialog_) {
        constantsDialog_ = new TConstantsDialog(this);
        constantsDialog_->OnOk = [this] {
            bool applied = false;
            RunGuarded([this, &applied] {
                ConstantFields fields = constantsDialog_->Fields();
                const std::string error = ApplyConstantFields(*graph_, fields, folders_.DataFolder);
                constantsDialog_->SetFields(fields);
                if (!error.empty()) ShowError(error);
                applied = error.empty();
            });
            return applied;
        };
    }
    // Every showing: a graph file opened since may have brought constants
    // of its own, which a stale field would undo on OK.
    constantsDialog_->SetFields(ConstantFieldTexts(Settings()));
    constantsDialog_->ShowNonBlocking();
}

void TMainForm::ShowFunctionsDialog() {
    if (!UserFunctionsAvailable(Settings())) {
        ShowInformation(kFunctionsUnavailable);
        return;
    }
    if (!functionsDialog_) {
        functionsDialog_ = new TFunctionsDialog(this);
        functionsDialog_->OnOk = [this] {
            bool saved = false;
            RunGuarded([this, &saved] {
                UserFunctionFields translated;
                const std::string error =
                    SaveUserFunctions(*graph_, folders_.DataFolder, functionsDialog_->Fields(), &translated);
                if (!error.empty()) {
                    ShowError(error);
                    return;
                }
                userFunctions_ = UserFunctionExpressions({translated.begin(), translated.end()});
                saved = true;
            });
            return saved;
        };
    }
    functionsDialog_->SetCartesian(Settings().CartesianMode);
    UserFunctionFields fields = functionsDialog_->Fields();
    const FileResult r = ReadUserFunctionSources(folders_.DataFolder, Settings().CartesianMode, fields);
    if (r.ok())
        functionsDialog_->SetFields(fields);
    else
        ShowError(r.message);
    functionsDialog_->ShowNonBlocking();
}

void TMainForm::ShowFormulaeDialog() {
    if (!formulaeDialog_) {
        formulaeDialog_ = new TFormulaeDialog(this);
        formulaeDialog_->OnOk = [this] {
            bool saved = false;
            RunGuarded([this, &saved] {
                const std::string error = SavePresetList(folders_.DataFolder, Mode(), formulaeDialog_->Lines());
                if (!error.empty()) {
                    ShowError(error);
                    return;
                }
                LoadPresetList();
                saved = true;
            });
            return saved;
        };
    }
    std::vector<std::string> lines;
    const std::string error = kurvo::LoadPresetList(folders_.DataFolder, Mode(), lines);
    if (error.empty())
        formulaeDialog_->SetLines(lines);
    else
        ShowError(error);
    formulaeDialog_->ShowNonBlocking();
}

TFamiliesDialog* TMainForm::FamiliesDialog() {
    if (!familiesDialog_) {
        familiesDialog_ = new TFamiliesDialog(this);
        familiesDialog_->Inform = [this](const std::string& text) { ShowInformation(text); };
        familiesDialog_->OnOk = [this] {
            if (busyDepth_ > 0) return false;
            const std::string count = familiesDialog_->Count();
            if (const std::string refusal = TGraphWindow::FamilyCountRefusal(count); !refusal.empty()) {
                ShowInformation(refusal);
                return false;
            }
            // Hidden before drawing, as the family may take a while.
            familiesDialog_->hide();
            const auto steps = familiesDialog_->Steps();
            RunGuarded([this, &count, &steps] { graph_->DefineFamily(count, steps); });
            return true;
        };
    }
    return familiesDialog_;
}

void TMainForm::ShowFamiliesDialog() { FamiliesDialog()->ShowNonBlocking(); }

}  // namespace kurvo
