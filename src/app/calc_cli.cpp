#include "calc_cli.h"

#include <cctype>
#include <cstdio>
#include <sstream>

#include "expr/encoding.h"
#include "expr/real_format.h"

namespace kurvo::app {

namespace {

bool LooksLikeOption(const std::string& word) {
    if (word.size() > 2 && word[0] == '-' && word[1] == '-') return true;
    return word.size() > 1 && word[0] == '-' && std::isalpha(static_cast<unsigned char>(word[1]));
}

}  // namespace

CalcCommandLine::CalcCommandLine(const char* command, const char* usage) : command_(command), usage_(usage) {
    parser_.addOption(QCommandLineOption(QStringList{"h", "help"}));
    parser_.addOption(QCommandLineOption("decimal-comma"));
}

void CalcCommandLine::AddFlag(const QString& name, const QString& description) {
    parser_.addOption(QCommandLineOption(name, description));
}

void CalcCommandLine::AddValueOption(const QString& name, const QString& valueName, const QString& description) {
    parser_.addOption(QCommandLineOption(name, description, valueName));
    valueOptions_ << name;
}

std::optional<int> CalcCommandLine::Parse(int argc, char** argv) {
    QStringList options{command_};
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (!optionsEnded && word == "--") {
            optionsEnded = true;
        } else if (optionsEnded || !LooksLikeOption(word)) {
            items_.push_back({"", word});
        } else {
            const QString text = QString::fromStdString(word);
            options << text;
            const QString name = text.mid(2).section('=', 0, 0);
            if (!text.startsWith("--") || !valueOptions_.contains(name)) continue;
            std::string value;
            if (text.contains('=')) {
                value = text.section('=', 1).toStdString();
            } else if (i + 1 < argc) {
                value = argv[++i];
                options << QString::fromStdString(value);
            }
            items_.push_back({name.toStdString(), value});
        }
    }
    if (!parser_.parse(options)) return Fail(parser_.errorText().toStdString());
    if (parser_.isSet("help")) {
        std::printf("%s", usage_);
        return 0;
    }
    if (parser_.isSet("decimal-comma")) SetDecimalSeparator(',');
    return std::nullopt;
}

std::vector<std::string> CalcCommandLine::Positional() const {
    std::vector<std::string> words;
    for (const Item& item : items_)
        if (item.option.empty()) words.push_back(item.text);
    return words;
}

int CalcCommandLine::Fail(const std::string& text) const {
    std::fprintf(stderr, "%s: %s\n", command_, text.c_str());
    return 2;
}

void PrintEngineLine(const std::string& text) { std::printf("%s\n", Cp1252ToUtf8(text).c_str()); }

std::vector<std::string> KeyWords(const std::string& utf8) {
    std::istringstream in(utf8);
    std::vector<std::string> keys;
    for (std::string word; in >> word;) {
        std::vector<std::string> characters;
        for (size_t i = 0; i < word.size(); ++i) {
            if (std::isdigit(static_cast<unsigned char>(word[i])) || word[i] == '.') {
                characters.push_back(word.substr(i, 1));
            } else if (word.compare(i, 2, "\xC2\xB7") == 0) {
                characters.push_back(word.substr(i++, 2));
            } else {
                characters.clear();
                break;
            }
        }
        if (characters.empty())
            keys.push_back(word);
        else
            keys.insert(keys.end(), characters.begin(), characters.end());
    }
    return keys;
}

}  // namespace kurvo::app
