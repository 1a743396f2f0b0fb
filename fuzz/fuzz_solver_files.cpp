// libFuzzer target over the simultaneous equation files: any bytes are
// checked as a coefficient file without a crash or a hang; a file found
// usable loads into the grid cell for cell (its lines come back unchanged)
// and solves or says why not.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "calc/calc_host.h"
#include "calc/simultaneous_solver.h"
#include "workspace/data_files.h"

namespace {

struct SilentHost : kurvo::CalcHost {
    void ShowMessage(const std::string&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = kurvo::SplitTextLines(bytes, 0);
    if (!kurvo::TSimultaneousSolver::LinesProblem(lines).empty()) return 0;
    kurvo::TSimultaneousSolver solver;
    solver.LoadLines(lines);
    if (solver.CoefficientLines() != lines) abort();  // a usable file loads whole
    SilentHost host;
    solver.Solve(host);
    return 0;
}
