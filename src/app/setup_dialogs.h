#pragma once
// The dialogs `kurvo32 setup` can run without a window. Each dialog file
// (setup_NAME.cpp) registers itself with a static SetupRegistration; the
// command (cmd_setup.cpp) parses the common options, starts the graph
// object from the data folder as the window would, and hands the dialog
// its parsed options.
#include <QCommandLineParser>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "headless_host.h"

namespace kurvo {
class TGraphWindow;
}

namespace kurvo::app {

// Message boxes on standard error, one line each ("Information: TEXT").
class SetupHost : public HeadlessHost {
public:
    SetupHost() : HeadlessHost(16, 16) {}
    void ShowInformation(const std::string& text) override;
    void ShowError(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    int Messages() const { return Informations + Errors + Questions; }
};

struct SetupContext {
    const QCommandLineParser& options;
    QString dataFolder;
    TGraphWindow& graph;
    SetupHost& host;
    // The positional arguments (NAME=TEXT fields), Windows-1252.
    std::vector<std::string> arguments;
    // The arguments after the dialog's name as given, for dialogs whose
    // options act in command-line order.
    QStringList raw;
};

// The values of the options `names` (with or without "=") in the order they
// appear in `raw`, up to "--"; the parser has already checked them.
std::vector<std::pair<QString, QString>> OptionsInOrder(const QStringList& raw, const QStringList& names);

struct SetupDialog {
    std::string name;
    std::string summary;  // one line for `setup --help`
    std::string usage;    // the dialog's own options for `setup NAME --help`
    // Adds the dialog's options beside --data and --help.
    std::function<void(QCommandLineParser&)> addOptions;
    // Returns the exit status: 0 done, 1 a message box stopped it, 2 bad
    // options. Bad options print their message through Fail().
    std::function<int(SetupContext&)> run;
    // The dialog takes --mode and --parametric, applied to the settings
    // before the mode's files are read.
    bool modeOptions = false;
};

std::vector<SetupDialog>& SetupDialogs();

struct SetupRegistration {
    explicit SetupRegistration(SetupDialog dialog) { SetupDialogs().push_back(std::move(dialog)); }
};

// Prints "kurvo32 setup NAME: message" and returns 2.
int SetupFail(const std::string& dialog, const std::string& message);
// A line of standard output from Windows-1252 text.
void PrintCp1252Line(const std::string& cp1252Text);
// "NAME=TEXT" split at the first "="; false when there is none or NAME is
// not one letter.
bool SplitField(const std::string& argument, char& name, std::string& text);

// Usage text of --mode and --parametric, for dialogs that take them.
extern const char kModeOptionsUsage[];

}  // namespace kurvo::app
