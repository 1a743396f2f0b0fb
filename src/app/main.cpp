#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "commands.h"

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
                "  kurvo32 FILE.kvo        open the graph editor with a workspace file\n");
    auto commands = kurvo::app::Commands();
    std::sort(commands.begin(), commands.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    for (const auto& c : commands)
        if (!c.name.empty()) std::printf("  kurvo32 %-15s %s\n", c.name.c_str(), c.synopsis.c_str());
    std::printf("  kurvo32 --help          show this text\n\n"
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

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h"))) {
        PrintHelp();
        return 0;
    }
    if (argc >= 2 && argv[1][0] != '-') {
        if (const auto* c = Find(argv[1])) return c->run(argc - 1, argv + 1);
        // A file from the desktop's "open with" (the entry's %f).
        if (const auto* editor = Find(""); editor && argc == 2 && IsFileArgument(argv[1]))
            return editor->run(argc, argv);
        std::fprintf(stderr, "kurvo32: unknown command '%s' (see kurvo32 --help)\n", argv[1]);
        return 2;
    }
    if (const auto* editor = Find("")) return editor->run(argc, argv);
    PrintHelp();
    return 0;
}
