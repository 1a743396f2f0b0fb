#pragma once
// Command-line handling shared by the calculator subcommands (calc,
// scical, quad, solve). Their positional words may look like options
// ("-3", "-", "+/-"), so only words that start with "--" or with "-" and a
// letter are options; QCommandLineParser checks them and names a bad one.
// "--" ends the options.
#include <QCommandLineParser>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace kurvo::app {

class CalcCommandLine {
public:
    // `command` as in "kurvo32 quad"; `usage` is printed for --help.
    CalcCommandLine(const char* command, const char* usage);
    void AddFlag(const QString& name, const QString& description);
    void AddValueOption(const QString& name, const QString& valueName, const QString& description);

    // An exit code when the command ends here (--help: 0, a bad option:
    // 2 with the error on stderr), nothing when it should run.
    std::optional<int> Parse(int argc, char** argv);

    bool IsSet(const QString& name) const { return parser_.isSet(name); }
    QString Value(const QString& name) const { return parser_.value(name); }

    // The arguments in order: options with a value (name, value) and the
    // positional words (empty name, the word).
    struct Item {
        std::string option;
        std::string text;  // UTF-8 as given
    };
    const std::vector<Item>& Items() const { return items_; }
    std::vector<std::string> Positional() const;

    // Reports on stderr as "kurvo32 quad: text" and returns 2.
    int Fail(const std::string& text) const;

private:
    const char* command_;
    const char* usage_;
    QCommandLineParser parser_;
    QStringList valueOptions_;
    std::vector<Item> items_;
};

// Prints engine text (Windows-1252) as one UTF-8 line ended by LF.
void PrintEngineLine(const std::string& text);

// Whitespace-separated key captions of one argument; a word of digits and
// points ("12.5", "1·5") gives one key per character.
std::vector<std::string> KeyWords(const std::string& utf8);

}  // namespace kurvo::app
