// kurvo32 setup toolbar: the ToolBar Configuration dialog; with any edit
// it is shown, edited in the options' order and OK pressed.
#include <QStringList>

#include "admin/toolbar_layout.h"
#include "setup_admin.h"
#include "setup_dialogs.h"
#include "workspace/data_files.h"
#include "workspace/folders.h"

namespace kurvo::app {
namespace {

bool ParseEntryList(const QString& text, std::vector<int>& entries) {
    for (const QString& part : text.split(',')) {
        bool ok = false;
        const int i = part.trimmed().toInt(&ok);
        if (!ok || i < 0 || i >= kToolbarEntryCount) return false;
        entries.push_back(i);
    }
    return true;
}

bool ParseSwitch(const QString& text, bool& value) {
    if (text != "0" && text != "1") return false;
    value = text == "1";
    return true;
}

int RunToolbar(SetupContext& c) {
    if (!c.arguments.empty()) return SetupFail("toolbar", "unexpected argument '" + c.arguments[0] + "'");
    ToolbarRecord inForce;
    std::string error;
    if (!ReadToolbarFile(c.dataFolder, inForce, error)) {
        c.host.ShowError(error);
        return 1;
    }
    int barWidth = 800;
    if (c.options.isSet("bar-width")) {
        bool ok = false;
        barWidth = c.options.value("bar-width").toInt(&ok);
        if (!ok || barWidth < 0) return SetupFail("toolbar", "--bar-width needs a width in pixels");
    }
    TToolbarConfig dialog;
    dialog.Show(inForce);
    bool edited = false;
    if (c.options.isSet("select-all")) dialog.SelectAll(), edited = true;
    if (c.options.isSet("deselect-all")) dialog.DeselectAll(), edited = true;
    for (const char* name : {"check", "clear"}) {
        if (!c.options.isSet(name)) continue;
        std::vector<int> entries;
        if (!ParseEntryList(c.options.value(name), entries))
            return SetupFail("toolbar", std::string("--") + name + " needs entry numbers 0 to 42, comma-separated");
        for (int i : entries) dialog.Checks[static_cast<size_t>(i)] = std::string(name) == "check";
        edited = true;
    }
    for (const char* name : {"flat", "lines"}) {
        if (!c.options.isSet(name)) continue;
        bool& value = std::string(name) == "flat" ? dialog.Flat : dialog.Lines;
        if (!ParseSwitch(c.options.value(name), value)) return SetupFail("toolbar", std::string("--") + name + " needs 0 or 1");
        edited = true;
    }
    if (edited) {
        const FileResult written = dialog.OK(DataFilePath(c.dataFolder, "tbrcfg.dat"));
        if (!written.ok()) {
            c.host.ShowError(written.message);
            return 1;
        }
        inForce = dialog.Record();
    }
    for (const std::string& line : DescribeLayout(inForce, barWidth)) std::printf("%s\n", line.c_str());
    return 0;
}

const SetupRegistration registration({
    "toolbar",
    "the ToolBar Configuration dialog: the 43 toolbar entries and two switches",
    "  --select-all        \"Select All\"\n"
    "  --deselect-all      \"Deselect All\"\n"
    "  --check LIST        check the entries LIST (numbers 0 to 42, comma-separated)\n"
    "  --clear LIST        clear the entries LIST\n"
    "  --flat 0|1          \"Use flat pop up buttons\"\n"
    "  --lines 0|1         \"Place lines between the toolbars\"\n"
    "  --bar-width N       the formula bar's width for the printed layout (800)\n\n"
    "With any edit the dialog's OK writes tbrcfg.dat (edits apply in the order\n"
    "above). Prints the three toolbars of the record in force, entries by their\n"
    "list captions, and the formula box's width. A missing tbrcfg.dat shows every\n"
    "entry.\n",
    [](QCommandLineParser& p) {
        p.addOption({"select-all", "Select all entries."});
        p.addOption({"deselect-all", "Clear all entries."});
        p.addOption({"check", "Entries to check.", "LIST"});
        p.addOption({"clear", "Entries to clear.", "LIST"});
        p.addOption({"flat", "Flat buttons.", "0|1"});
        p.addOption({"lines", "Lines between the toolbars.", "0|1"});
        p.addOption({"bar-width", "The formula bar's width.", "N"});
    },
    RunToolbar,
});

}  // namespace
}  // namespace kurvo::app
