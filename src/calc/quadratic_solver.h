#pragma once
// The quadratic equation solver: the coefficient fields a, b, c in, the
// real roots and the prompt line out. Used by the solver window and by
// `kurvo32 quad`.
#include <string>

#include "calc/calc_host.h"

namespace kurvo {

class TQuadraticSolver {
public:
    static constexpr const char* kPrompt = "Type in the coefficients of the equation.";
    static constexpr const char* kNoRealRoots = "There are no real roots to this equation.";
    static constexpr const char* kFillInAll = "Please fill in all of the fields.";

    // "&Solve". True when roots are shown.
    bool Solve(CalcHost& host);
    // "Clear": the prompt line stays.
    void Clear();

    std::string A, B, C;               // coefficient fields
    std::string Solution1, Solution2;  // result fields
    std::string Prompt = kPrompt;
};

}  // namespace kurvo
