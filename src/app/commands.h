#pragma once
// Subcommands of the kurvo32 executable. Each command file registers
// itself with a static Registration, so main() needs no list.
#include <functional>
#include <string>
#include <vector>

namespace kurvo::app {

struct Command {
    std::string name;      // "" is the editor, run with no arguments
    std::string synopsis;  // one line for --help
    std::function<int(int argc, char** argv)> run;  // argv[0] is the name
};

std::vector<Command>& Commands();

struct Registration {
    explicit Registration(Command command) { Commands().push_back(std::move(command)); }
};

}  // namespace kurvo::app
