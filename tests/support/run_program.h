#pragma once
// Runs the kurvo32 program for command-line tests.
#include <string>
#include <vector>

namespace kurvo::test {

struct ProgramResult {
    int exitCode = -1;
    std::string out;  // standard output
    std::string err;  // standard error
};

// Runs `program` with `args` (no shell involved) and the given extra
// environment entries ("NAME=VALUE").
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::string>& env = {});

}  // namespace kurvo::test
