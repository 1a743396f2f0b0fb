#include "ordered_args.h"

#include <QCommandLineParser>
#include <QHash>
#include <QStringList>

namespace kurvo::app {

bool ParsedArgs::Has(const QString& option) const {
    for (const OrderedArg& a : args)
        if (a.option == option) return true;
    return false;
}

ParsedArgs ParseInOrder(int argc, char** argv, const QList<QCommandLineOption>& options,
                        const QStringList& shortNames) {
    QHash<QString, const QCommandLineOption*> byName;
    for (const QCommandLineOption& o : options)
        for (const QString& name : o.names()) byName.insert(name, &o);

    // The arguments as QCommandLineParser is to see them: the same options,
    // and a neutral stand-in for each positional one (it would take -x for
    // an option).
    QStringList forQt{QStringLiteral("kurvo32")};
    ParsedArgs parsed;
    bool positionalOnly = false;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const bool longForm = arg.startsWith(QLatin1String("--")) && arg.size() > 2;
        const bool shortForm = !longForm && arg.size() == 2 && arg[0] == '-' && shortNames.contains(arg.mid(1));
        if (positionalOnly || (!longForm && !shortForm && arg != QLatin1String("--"))) {
            parsed.args.push_back({QString(), argv[i]});
            forQt << QStringLiteral("positional");
            continue;
        }
        forQt << arg;
        if (arg == QLatin1String("--")) {
            positionalOnly = true;
            continue;
        }
        const qsizetype eq = arg.indexOf('=');
        const QString name = longForm ? arg.mid(2, eq < 0 ? -1 : eq - 2) : arg.mid(1);
        const QCommandLineOption* option = byName.value(name);
        if (!option) {
            parsed.error = "unknown option '" + arg.left(eq < 0 ? -1 : eq).toStdString() + "'";
            return parsed;
        }
        std::string value;
        if (!option->valueName().isEmpty()) {
            if (longForm && eq >= 0) {
                value = arg.mid(eq + 1).toStdString();
            } else if (i + 1 < argc) {
                value = argv[++i];
                forQt << QString::fromLocal8Bit(argv[i]);
            }
        }
        parsed.args.push_back({option->names().front(), value});
    }

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(options);
    if (!parser.parse(forQt)) {
        parsed.error = parser.errorText().toStdString();
        parsed.args.clear();
    }
    return parsed;
}

}  // namespace kurvo::app
