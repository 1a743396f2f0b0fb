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

// Bounds for a run that could hang or eat memory if a fault came back: the
// program is killed after `seconds` (exit code 128 + SIGALRM) and cannot
// map more than `addressSpace` bytes.
struct ProgramLimits {
    unsigned seconds = 60;
    size_t addressSpace = size_t(1536) << 20;
};
ProgramResult RunProgramLimited(const std::string& program, const std::vector<std::string>& args,
                                const ProgramLimits& limits, const std::vector<std::string>& env = {});

}  // namespace kurvo::test
