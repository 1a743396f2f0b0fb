// The administration entries in the window: the password gate before each
// protected dialog, the password change, the toolbar rebuild that keeps
// the graphs, and the effects dialog's Apply, OK and Cancel.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "plot/graph_window.h"
#include "ui/form_fixture.h"
#include "ui/environment_dialog.h"
#include "ui/password_dialog.h"
#include "ui/set_password_dialog.h"
#include "ui/data_marks_dialog.h"
#include "ui/toolbar_config_dialog.h"

namespace kurvo::test {
namespace {

class AdminWindow : public FormTest {
protected:
    // Opens the protected entry with the right password; `inside` runs on
    // the modal dialog it shows, which is closed afterwards if still open.
    // Returns that dialog's title.
    QString ThroughGate(TMainForm& form, const char* entry, std::function<void(QDialog*)> inside = {}) {
        form.Action(entry)->trigger();
        auto* gate = form.findChild<TPasswordDialog*>();
        if (!gate || !gate->isVisible()) return "no password dialog";
        QString shown;
        QTimer::singleShot(0, [&shown, inside] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            shown = dialog->windowTitle();
            if (inside) inside(dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        gate->Field()->setText("KURVO32");  // letter case does not count here
        gate->OKBtnClick();
        return gate->isVisible() ? "password dialog left open" : shown;
    }
};

TEST_F(AdminWindow, EachProtectedEntryAsksThePasswordFirst) {
    auto form = Start();
    const struct {
        const char* entry;
        int pending;
        const char* title;
    } cases[] = {
        {"&Configure Toolbar  (Admin only)", 0, "ToolBar Configuration"},
        {"Function Aliases  (Admin only)", 1, "Function Alias Editor"},
        {"Configure Hotkeys  (Admin only)", 2, "Hot Key Editor"},
        {"Configure Initial Directory  (Admin only)", 3, "Set User Directory"},
    };
    for (const auto& c : cases) {
        form->Action(c.entry)->trigger();
        auto* gate = form->findChild<TPasswordDialog*>();
        ASSERT_TRUE(gate && gate->isVisible()) << c.entry;
        EXPECT_EQ(form->PendingAdminDialog, c.pending);
        EXPECT_TRUE(gate->Field()->text().isEmpty());
        gate->Field()->setText("wrong");
        boxes_.information.clear();
        gate->OKBtnClick();
        EXPECT_EQ(boxes_.information, std::vector<QString>{"Incorrect password.  Please try again."});
        EXPECT_TRUE(gate->isVisible());
        EXPECT_EQ(gate->Field()->selectedText(), "wrong");  // the next try types over it
        EXPECT_EQ(ThroughGate(*form, c.entry), c.title);
    }
}

TEST_F(AdminWindow, SetPasswordChangesTheGate) {
    auto form = Start();
    form->Action("Set P&assword (Admin only)")->trigger();
    auto* dialog = form->findChild<TSetPasswordDialog*>();
    ASSERT_TRUE(dialog && dialog->isVisible());
    auto fill = [dialog](const char* old, const char* fresh, const char* repeat) {
        dialog->Field(0)->setText(old);
        dialog->Field(1)->setText(fresh);
        dialog->Field(2)->setText(repeat);
        dialog->OKBtnClick();
    };
    fill("KURVO32", "Mixed", "Mixed");  // the old password's case counts here
    fill("kurvo32", "Mixed", "mixed");
    EXPECT_EQ(boxes_.information, (std::vector<QString>{"Incorrect password.  Please try again.",
                                                        "The new password entries are not the same.  Please try again."}));
    fill("kurvo32", "Mixed", "Mixed");
    EXPECT_EQ(boxes_.information.back(), "Password changed");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(form->PasswordRecord(), "Mixed");
    EXPECT_EQ(ReadAll(Data("pass.dat")).left(6), QByteArray("\x05Mixed", 6));
}

TEST_F(AdminWindow, ToolbarOkRebuildsOnlyTheBarsAndKeepsTheGraphs) {
    auto form = Start();
    form->FormulaBox()->setEditText("2x+1");
    form->PlotCommand();
    form->FormulaBox()->setEditText("x^2");
    form->ViewFieldEdit(ViewField::XMax)->setText("20");
    const int lastGraph = form->Settings().LastGraph;
    ASSERT_GE(lastGraph, 0);

    const QString title = ThroughGate(*form, "&Configure Toolbar  (Admin only)", [](QDialog* d) {
        auto* dialog = static_cast<TToolbarConfigDialog*>(d);
        for (int i = 0; i <= 30; ++i) dialog->List()->item(i)->setCheckState(Qt::Unchecked);
        dialog->List()->item(37)->setCheckState(Qt::Unchecked);  // Plot Graph
        dialog->OKBtnClick();
    });
    EXPECT_EQ(title, "ToolBar Configuration");
    EXPECT_EQ(form->ButtonBar(), nullptr);
    EXPECT_EQ(form->EntryButton(37), nullptr);
    EXPECT_EQ(form->Settings().LastGraph, lastGraph);
    EXPECT_EQ(form->Graph().Slots.GraphText[0], "2x+1");
    EXPECT_EQ(form->FormulaBox()->currentText(), "x^2");
    EXPECT_EQ(form->ViewFieldEdit(ViewField::XMax)->text(), "20");
    EXPECT_EQ(static_cast<uint8_t>(ReadAll(Data("tbrcfg.dat"))[2 + 37]), 0);
}

TEST_F(AdminWindow, EnvironmentCancelApplyAndOk) {
    auto form = Start();
    form->Action("E&nvironment")->trigger();
    auto* dialog = form->findChild<TEnvironment*>();
    ASSERT_TRUE(dialog && dialog->isVisible());
    const SettingsRecord before = form->Settings();

    // Cancel after colours keeps them; the grid size click stays.
    dialog->SetBoxColour("Background", 0x00010203);
    qobject_cast<QRadioButton*>(dialog->Control(before.LargeGrid ? "Small" : "Large"))->click();
    dialog->hide();
    EXPECT_EQ(form->Settings().BackgroundColour, before.BackgroundColour);
    EXPECT_EQ(form->Settings().LargeGrid, !before.LargeGrid);

    // Apply with Help off turns hints off; OK saves the record.
    form->Action("E&nvironment")->trigger();
    EXPECT_EQ(dialog->BoxColour("Background"), before.BackgroundColour);
    qobject_cast<QCheckBox*>(dialog->Control("Help"))->setChecked(false);
    dialog->ApplyBtnClick();
    EXPECT_FALSE(form->Settings().ShowHints);
    const QByteArray saved = ReadAll(Data("sett.dat"));
    dialog->SetBoxColour("Graph 1", 0x000000FF);
    dialog->OKBtnClick();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_NE(ReadAll(Data("sett.dat")), saved);
    EXPECT_EQ(form->Settings().GraphColours[0], 0x000000FFu);
}

TEST_F(AdminWindow, MarkTypeButtonOpensThePaletteAndShowsTheChoice) {
    auto form = Start();
    form->Action("E&nvironment")->trigger();
    auto* dialog = form->findChild<TEnvironment*>();
    ASSERT_TRUE(dialog);
    qobject_cast<QSpinBox*>(dialog->Control("Dataset number"))->setValue(2);
    const QImage before = dialog->MarkTypeButton()->icon().pixmap(17, 17).toImage();
    dialog->MarkTypeButton()->click();
    auto* palette = form->findChild<TDataMarksDialog*>();
    ASSERT_TRUE(palette && palette->isVisible());
    EXPECT_EQ(palette->DataSetNumber(), 2);
    palette->ShapeButton(6)->click();
    EXPECT_EQ(form->Settings().MarkTypes[1], 5);
    EXPECT_NE(dialog->MarkTypeButton()->icon().pixmap(17, 17).toImage(), before);
}

}  // namespace
}  // namespace kurvo::test
