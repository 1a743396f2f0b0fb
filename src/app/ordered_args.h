#pragma once
// Command-line parsing for the subcommands that keeps the order of the
// arguments. QCommandLineParser checks the options (unknown names, missing
// or unexpected values, "--opt=value", "--"), but it hands back options and
// positional arguments apart; render acts on them in the order given, so
// the arguments it accepted are also walked in order here.
#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace kurvo::app {

// One accepted argument: an option (by its first name) with its value, or
// a positional argument (empty `option`).
struct OrderedArg {
    QString option;
    std::string value;  // as given (UTF-8); "" for a switch
};

struct ParsedArgs {
    std::vector<OrderedArg> args;  // in command-line order
    std::string error;             // names the bad option; "" when parsed
    bool Has(const QString& option) const;
};

// Parses argv[1..argc) against `options`. `shortNames` are the names also
// written with one dash (-o, -h); every name takes two (--t). An argument
// that starts with one "-" and is not exactly one of those is positional,
// so a formula such as -x or -2x+1 needs no "--"; after "--" every argument
// is positional.
ParsedArgs ParseInOrder(int argc, char** argv, const QList<QCommandLineOption>& options,
                        const QStringList& shortNames);

}  // namespace kurvo::app
