// kurvo32 setup hotkeys: the Hot Key Editor, its shortcuts read from
// hotkeys.txt by position; the ending applies and saves.
#include <QFileInfo>
#include <QKeySequence>

#include "admin/hotkey_editor.h"
#include "expr/encoding.h"
#include "setup_dialogs.h"
#include "workspace/data_files.h"
#include "workspace/folders.h"

namespace kurvo::app {
namespace {

// A failure already shown as the dialog's message box.
const char kShownMessage[] = "\x01";

std::string ChooseMenu(SetupContext& c, THotkeyEditor& editor, const QString& value) {
    const std::string name = value.toStdString();
    const auto& texts = HotkeyChooserTexts();
    int chosen = -1;
    for (size_t i = 0; i < texts.size(); ++i)
        if (name == texts[i]) chosen = static_cast<int>(i);
    if (chosen < 0) return "--menu: no menu '" + name + "' (File, Settings, Zooms, Editors, Data Sets, Help)";
    if (chosen == editor.Chosen()) return {};
    const FileResult saved = editor.Choose(chosen);
    if (saved.ok()) return {};
    c.host.ShowError(saved.message);
    return kShownMessage;
}

std::string SetRow(THotkeyEditor& editor, const QString& set) {
    const qsizetype eq = set.lastIndexOf('=');
    const std::string row = Utf8ToCp1252(set.left(eq).toStdString());
    const QString text = eq < 0 ? QString() : set.mid(eq + 1);
    size_t index = editor.Rows().size();
    for (size_t i = 0; i < editor.Rows().size(); ++i)
        if (editor.Rows()[i].caption == row) index = i;
    if (eq < 0 || index == editor.Rows().size()) return "--set: no row '" + set.left(eq).toStdString() + "' in this menu";
    const QKeySequence key = QKeySequence::fromString(text, QKeySequence::PortableText);
    if (!text.isEmpty() && (key.isEmpty() || key[0].key() == Qt::Key_unknown))
        return "--set: '" + text.toStdString() + "' is not a shortcut";
    // The file is 8-bit: "É" is stored as its one Windows-1252 byte.
    std::string shortcut, lost;
    if (!Utf8ToCp1252Exact(key.toString(QKeySequence::PortableText).toStdString(), shortcut, &lost))
        return "--set: '" + set.toStdString() + "' cannot be stored: " + NotStorable(lost);
    editor.SetHotkey(index, shortcut);
    return {};
}

int RunHotkeys(SetupContext& c) {
    if (!c.arguments.empty()) return SetupFail("hotkeys", "unexpected argument '" + c.arguments[0] + "'");
    std::vector<HotkeyMenu> menus = DefaultHotkeyMenus();
    const QString path = DataFilePath(c.dataFolder, "hotkeys.txt");
    if (QFileInfo::exists(path)) {
        std::vector<std::string> lines;
        const FileResult r = ReadTextLines(path, lines);
        if (!r.ok()) {
            c.host.ShowError(r.message);
            return 1;
        }
        ApplyHotkeyLines(menus, lines);
    }
    THotkeyEditor editor(std::move(menus), path);
    editor.Show();

    // --menu and --set act in command-line order, as the dialog's chooser
    // and rows would be used.
    for (const auto& [option, value] : OptionsInOrder(c.raw, {"menu", "set"})) {
        const std::string failure = option == "menu" ? ChooseMenu(c, editor, value) : SetRow(editor, value);
        if (failure == kShownMessage) return 1;
        if (!failure.empty()) return SetupFail("hotkeys", failure);
    }
    const FileResult saved = editor.End();
    if (!saved.ok()) {
        c.host.ShowError(saved.message);
        return 1;
    }
    for (const auto& row : editor.Rows()) PrintCp1252Line(row.caption + "\t" + row.shortcut);
    return 0;
}

const SetupRegistration registration({
    "hotkeys",
    "the Hot Key Editor: menu shortcuts, saved to hotkeys.txt",
    "  --menu NAME         the chooser: File, Settings, Zooms, Editors, Data Sets or\n"
    "                      Help (switching applies and saves the menu shown)\n"
    "  --set ROW=SHORTCUT  give the row ROW (its caption without \"&\") the shortcut\n"
    "                      SHORTCUT in Qt's portable text (Ctrl+O, F3); \"\" removes\n"
    "                      it; may be repeated\n\n"
    "The ending saves hotkeys.txt (every menu, caption:shortcut). Prints the\n"
    "final menu's rows, ROW<TAB>SHORTCUT. Without hotkeys.txt the menus' own\n"
    "shortcuts are shown.\n",
    [](QCommandLineParser& p) {
        p.addOption({"menu", "The menu shown.", "NAME"});
        p.addOption({"set", "A row's shortcut.", "ROW=SHORTCUT"});
    },
    RunHotkeys,
});

}  // namespace
}  // namespace kurvo::app
