// kurvo32 setup initdir: the Set User Directory dialog.
#include <QDir>

#include "admin/initial_folder.h"
#include "expr/encoding.h"
#include "setup_dialogs.h"
#include "workspace/data_files.h"

namespace kurvo::app {
namespace {

int RunInitdir(SetupContext& c) {
    if (!c.arguments.empty()) return SetupFail("initdir", "unexpected argument '" + c.arguments[0] + "'");
    if (c.options.isSet("set") && c.options.isSet("default"))
        return SetupFail("initdir", "give at most one of --set and --default");
    Folders folders;
    folders.DataFolder = QDir(c.dataFolder).absolutePath() + "/";
    folders.ProgramFolder = QDir(c.dataFolder + "/..").absolutePath();
    ReadUserFolders(folders);
    ApplyInitialDirFile(folders);
    if (c.options.isSet("default")) {
        const DefaultFolder folder = DefaultUserFolder(folders);
        if (!folder.message.empty()) c.host.ShowInformation(folder.message);
        std::printf("%s\n", folder.folder.toStdString().c_str());
        return folder.message.empty() ? 0 : 1;
    }
    if (c.options.isSet("set")) {
        std::string stored, lost;
        if (!Utf8ToCp1252Exact(c.options.value("set").toStdString(), stored, &lost))
            return SetupFail("initdir", "--set: '" + c.options.value("set").toStdString() +
                                            "' cannot be stored: " + NotStorable(lost));
        const std::string error = SetInitialFolder(folders, c.options.value("set"));
        if (!error.empty()) {
            c.host.ShowError(error);
            return 1;
        }
    }
    std::printf("%s\n", folders.DocumentsFolder.toStdString().c_str());
    return 0;
}

const SetupRegistration registration({
    "initdir",
    "the Set User Directory dialog: the folder the file dialogs open in",
    "  --set PATH          OK with PATH in the field: initdir.txt rewritten\n"
    "  --default           prints what \"&Default\" puts in the field (the documents\n"
    "                      folder followed by /Kurvo32)\n\n"
    "Prints the folder in effect: initdir.txt's first line when it is not empty,\n"
    "else the documents folder.\n",
    [](QCommandLineParser& p) {
        p.addOption({"set", "The folder.", "PATH"});
        p.addOption({"default", "The default folder."});
    },
    RunInitdir,
});

}  // namespace
}  // namespace kurvo::app
