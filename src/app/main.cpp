#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "commands.h"
#include "ui/about_box.h"

namespace kurvo::app {

std::vector<Command>& Commands() {
    static std::vector<Command> commands;
    return commands;
}

}  // namespace kurvo::app

namespace {

void PrintHelp() {
    std::printf("Kurvo32 - a graph editor for teaching and learning mathematics\n\n"
                "Usage:\n"
                "  kurvo32                 open the graph editor\n"
                "  kurvo32 FILE            open the graph editor with a workspace (.kvo) or data file\n");
    auto commands = kurvo::app::Commands();
    std::sort(commands.begin(), commands.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    for (const auto& c : commands)
        if (!c.name.empty()) std::printf("  kurvo32 %-15s %s\n", c.name.c_str(), c.synopsis.c_str());
    std::printf("  kurvo32 --version       print the version (also -v)\n"
                "  kurvo32 --help          show this text\n\n"
                "Each subcommand takes --help for its own options.\n");
}

// A workspace file, or any existing file the editor's "&Open" can take.
bool IsFileArgument(const char* argument) {
    const std::string name = argument;
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".kvo") == 0) return true;
    std::error_code error;
    return std::filesystem::is_regular_file(name, error);
}

const kurvo::app::Command* Find(const char* name) {
    for (const auto& c : kurvo::app::Commands())
        if (c.name == name) return &c;
    return nullptr;
}

int Refuse(const char* what, const char* argument) {
    std::fprintf(stderr, "kurvo32: %s '%s' (see kurvo32 --help)\n", what, argument);
    return 2;
}

// Version, help and mistakes, answered before any window or display is
// touched; -1 lets a subcommand or the editor (kurvo32 [--] [FILE]) run.
int EarlyAnswer(int argc, char** argv) {
    if (argc < 2) return -1;
    const std::string first = argv[1];
    if (first == "--version" || first == "-v") {
        std::printf("kurvo32 %s\n", kurvo::ProgramVersion().toStdString().c_str());
        return 0;
    }
    if (first == "--help" || first == "-h") {
        PrintHelp();
        return 0;
    }
    if (!first.empty() && Find(argv[1])) return -1;
    // "--" ends the options: kurvo32 -- -lesson.kvo.
    const int at = first == "--" ? 2 : 1;
    if (at >= argc) return Refuse("missing file after", argv[1]);
    if (at == 1 && argv[1][0] == '-') return Refuse("unknown option", argv[1]);
    if (!IsFileArgument(argv[at])) return Refuse("unknown command", argv[at]);
    if (at + 1 < argc) return Refuse("unexpected argument", argv[at + 1]);
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int status = EarlyAnswer(argc, argv); status >= 0) return status;
    if (argc >= 2 && argv[1][0] != '-') {
        if (const auto* c = Find(argv[1])) return c->run(argc - 1, argv + 1);
    }
    // No arguments, or a file from the desktop's "open with" (the entry's %f).
    if (const auto* editor = Find("")) return editor->run(argc, argv);
    PrintHelp();
    return 0;
}
