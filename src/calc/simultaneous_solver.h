#pragma once
// The simultaneous equation solver: a grid of coefficient texts in, the
// solutions and the ill-conditioning warning out, plus the lines of the
// coefficient and answer files. Used by the solver window and by
// `kurvo32 solve`. Rows and columns count from 1 as the grid shows them:
// cell (k, j) is a_kj, column n + 1 the right-hand side of equation k.
#include <string>
#include <vector>

#include "calc/calc_host.h"
#include "calc/linear_system.h"

namespace kurvo {

class TSimultaneousSolver {
public:
    static constexpr int kMinEquations = 2;
    static constexpr int kMaxEquations = 100;
    static constexpr const char* kIllConditioned = "These equations are ill-conditioned.";
    static constexpr const char* kNoUniqueSolutions = "There are no unique solutions.";
    static constexpr const char* kFillInAll = "Please fill in all of the fields.";

    TSimultaneousSolver();

    int Count() const { return n_; }
    // The spin box: n is kept within 2..100; cells inside the new size keep
    // their texts, the others are emptied.
    void SetCount(int n);

    std::string& Cell(int k, int j) { return cells_[Index(k, j)]; }
    const std::string& Cell(int k, int j) const { return cells_[Index(k, j)]; }
    std::string& SolutionText(int k) { return solutions_[static_cast<size_t>(k)]; }
    const std::string& SolutionText(int k) const { return solutions_[static_cast<size_t>(k)]; }
    const std::string& Status() const { return status_; }

    // "&Solve". True when solutions are shown (with or without warning).
    bool Solve(CalcHost& host);
    // "Clear All".
    void ClearAll();

    // One line per equation: the cell texts joined by ",".
    std::vector<std::string> CoefficientLines() const;
    // One line per solution: "x1 = 2".
    std::vector<std::string> AnswerLines() const;
    // A coefficient file's lines: n becomes the line count (within 2..100),
    // the grids are emptied, then row k takes line k's comma-separated
    // pieces from column 1 on (pieces past column n + 1 are dropped).
    void LoadLines(const std::vector<std::string>& lines);
    // What makes a coefficient file unusable, naming the line ("line 2: 4
    // values, 3 needed for 2 equations"), or "": 2 to 100 lines, each of
    // n + 1 numbers.
    static std::string LinesProblem(const std::vector<std::string>& lines);

    // The working state, element (k, j) at k * kStride + j.
    static constexpr int kStride = kMaxEquations + 2;
    std::vector<long double> Augmented;
    std::vector<long double> SavedSystem;
    std::vector<long double> LowerDiagonal, UpperDiagonal, Solution;  // 1-based
    bool IllConditioned = false;
    bool SensitivityChecked = false;

private:
    static size_t Index(int k, int j) { return static_cast<size_t>(k) * kStride + static_cast<size_t>(j); }
    bool ReadSystem();
    bool EliminateAndSubstitute();
    void DeterminantTest(long double determinant);
    void SensitivityTest();

    int n_ = kMinEquations;
    std::vector<std::string> cells_;
    std::vector<std::string> solutions_;
    std::string status_;
    TLinearFactors factors_;  // of the system as entered, after a solve
};

}  // namespace kurvo
