#include "calc/simultaneous_solver.h"

#include <algorithm>
#include <cmath>

#include "expr/real_format.h"

namespace kurvo {

namespace {

constexpr size_t kCells = static_cast<size_t>(TSimultaneousSolver::kMaxEquations + 1) *
                          TSimultaneousSolver::kStride;

// Half a unit in the last digit the coefficient is written with: 0.25 →
// 0.05; a text without a separator counts its whole length: 2 → 0.5,
// 10 → 0.05.
long double NudgeOf(long double coefficient, long double& written) {
    const std::string text = FormatReal(coefficient, 15);
    const size_t point = text.find(DecimalSeparator());
    const size_t digits = point == std::string::npos ? text.size() : text.size() - point - 1;
    if (!TryParseReal(text, written)) written = coefficient;
    return 5 / std::pow(10.0L, static_cast<long double>(digits));
}

}  // namespace

TSimultaneousSolver::TSimultaneousSolver()
    : Augmented(kCells),
      SavedSystem(kCells),
      LowerDiagonal(kMaxEquations + 1),
      UpperDiagonal(kMaxEquations + 1),
      Solution(kMaxEquations + 1),
      cells_(kCells),
      solutions_(kMaxEquations + 1) {}

void TSimultaneousSolver::SetCount(int n) {
    n_ = std::clamp(n, kMinEquations, kMaxEquations);
    for (int k = 1; k <= kMaxEquations; ++k) {
        for (int j = 1; j <= kMaxEquations + 1; ++j)
            if (k > n_ || j > n_ + 1) Cell(k, j).clear();
        if (k > n_) SolutionText(k).clear();
    }
}

void TSimultaneousSolver::ClearAll() {
    std::fill(cells_.begin(), cells_.end(), std::string());
    std::fill(solutions_.begin(), solutions_.end(), std::string());
}

bool TSimultaneousSolver::ReadSystem() {
    std::fill(Augmented.begin(), Augmented.end(), 0.0L);
    bool complete = true;
    for (int k = 1; k <= n_; ++k) {
        for (int j = 1; j <= n_ + 1; ++j) {
            long double value = 0;
            if (!TryParseReal(Cell(k, j), value)) complete = false;
            Augmented[Index(k, j)] = SavedSystem[Index(k, j)] = value;
        }
        long double written;
        const long double delta = NudgeOf(SavedSystem[Index(k, k)], written);
        LowerDiagonal[static_cast<size_t>(k)] = written - delta;
        UpperDiagonal[static_cast<size_t>(k)] = written + delta;
    }
    return complete;
}

void TSimultaneousSolver::DeterminantTest(long double determinant) {
    if (!(std::fabs(determinant) >= 0.08L)) IllConditioned = true;
}

bool TSimultaneousSolver::EliminateAndSubstitute() {
    if (!factors_.Factor(&Augmented[Index(1, 1)], n_, kStride)) return false;
    std::vector<long double> x(static_cast<size_t>(n_));
    for (int k = 1; k <= n_; ++k) x[static_cast<size_t>(k - 1)] = Augmented[Index(k, n_ + 1)];
    factors_.Solve(x.data());
    if (!std::all_of(x.begin(), x.end(), [](long double v) { return std::isfinite(v); })) return false;
    std::copy(x.begin(), x.end(), Solution.begin() + 1);
    DeterminantTest(factors_.Determinant());
    return true;
}

// Each typed equation's diagonal coefficient is moved down and up by its
// nudge; solutions that move by more than 4 mean the system is too
// sensitive to trust. The nudged system differs from the entered one in
// one element, so each of its solutions is a rank-one update of the
// entered solution (Sherman-Morrison) instead of a new elimination.
void TSimultaneousSolver::SensitivityTest() {
    SensitivityChecked = true;
    const int n = n_;
    const long double determinant = factors_.Determinant();
    std::vector<long double> column(static_cast<size_t>(n));
    std::vector<long double> lower(static_cast<size_t>(n)), upper(static_cast<size_t>(n));
    for (int p = 1; p <= n; ++p) {
        // Column p of the inverse: how every unknown answers a_pp. It only
        // scales the changes compared with 4, so double accuracy will do.
        std::fill(column.begin(), column.end(), 0.0L);
        column[static_cast<size_t>(p - 1)] = 1;
        factors_.Solve(column.data(), 0);
        const long double inversePP = column[static_cast<size_t>(p - 1)];
        const long double xp = Solution[static_cast<size_t>(p)];
        bool bothSolved = true;
        for (int side = 0; side < 2; ++side) {
            const long double nudged = (side == 0 ? LowerDiagonal : UpperDiagonal)[static_cast<size_t>(p)];
            const long double change = nudged - SavedSystem[Index(p, p)];
            const long double scale = 1 + change * inversePP;
            DeterminantTest(determinant * scale);
            std::vector<long double>& x = side == 0 ? lower : upper;
            const long double step = change * xp / scale;
            bool finite = scale != 0 && std::isfinite(step);
            for (int i = 0; finite && i < n; ++i) {
                x[static_cast<size_t>(i)] = Solution[static_cast<size_t>(i + 1)] - step * column[static_cast<size_t>(i)];
                finite = std::isfinite(x[static_cast<size_t>(i)]);
            }
            // A nudge that makes the system singular has no solution to
            // compare; its determinant has already raised the warning.
            if (!finite) {
                IllConditioned = true;
                bothSolved = false;
            }
        }
        for (int i = 0; bothSolved && i < n; ++i)
            if (std::fabs(lower[static_cast<size_t>(i)] - upper[static_cast<size_t>(i)]) > 4) IllConditioned = true;
    }
}

bool TSimultaneousSolver::Solve(CalcHost& host) {
    SensitivityChecked = false;
    IllConditioned = false;
    status_.clear();
    if (!ReadSystem()) {
        host.ShowMessage(kFillInAll);
        return false;
    }
    // Pivoting makes the exchange of the first and last equations
    // unnecessary: a zero pivot now means the system is singular.
    if (!EliminateAndSubstitute()) {
        host.ShowMessage(kNoUniqueSolutions);
        return false;
    }
    if (!SensitivityChecked) SensitivityTest();
    if (IllConditioned) status_ = kIllConditioned;
    for (int k = 1; k <= n_; ++k) SolutionText(k) = FormatReal(Solution[static_cast<size_t>(k)] + 0.0L, 15);
    return true;
}

std::vector<std::string> TSimultaneousSolver::CoefficientLines() const {
    std::vector<std::string> lines;
    for (int k = 1; k <= n_; ++k) {
        std::string line;
        for (int j = 1; j <= n_ + 1; ++j) line += (j > 1 ? "," : "") + Cell(k, j);
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> TSimultaneousSolver::AnswerLines() const {
    std::vector<std::string> lines;
    for (int k = 1; k <= n_; ++k) lines.push_back("x" + std::to_string(k) + " = " + SolutionText(k));
    return lines;
}

std::string TSimultaneousSolver::LinesProblem(const std::vector<std::string>& lines) {
    const size_t n = lines.size();
    if (n < size_t(kMinEquations) || n > size_t(kMaxEquations))
        return std::to_string(n) + (n == 1 ? " line" : " lines") + ": a file holds one equation a line, from " +
               std::to_string(kMinEquations) + " to " + std::to_string(kMaxEquations);
    for (size_t k = 0; k < n; ++k) {
        const std::string where = "line " + std::to_string(k + 1) + ": ";
        std::vector<std::string> values;
        size_t start = 0;
        for (;;) {
            const size_t comma = lines[k].find(',', start);
            values.push_back(lines[k].substr(start, comma == std::string::npos ? comma : comma - start));
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
        if (values.size() != n + 1)
            return where + std::to_string(values.size()) + " values, " + std::to_string(n + 1) +
                   " needed for " + std::to_string(n) + " equations";
        for (size_t j = 0; j < values.size(); ++j) {
            long double value = 0;
            if (!TryParseReal(values[j], value))
                return where + "value " + std::to_string(j + 1) + " '" + values[j] + "' is not a number";
        }
    }
    return {};
}

void TSimultaneousSolver::LoadLines(const std::vector<std::string>& lines) {
    SetCount(static_cast<int>(std::min<size_t>(lines.size(), kMaxEquations)));
    ClearAll();
    status_.clear();
    for (int k = 1; k <= n_ && static_cast<size_t>(k) <= lines.size(); ++k) {
        const std::string& line = lines[static_cast<size_t>(k - 1)];
        size_t start = 0;
        for (int j = 1; j <= n_ + 1; ++j) {
            const size_t comma = line.find(',', start);
            Cell(k, j) = line.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
    }
}

}  // namespace kurvo
