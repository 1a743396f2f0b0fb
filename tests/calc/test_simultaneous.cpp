// The simultaneous solver against systems worked by hand, singular and
// nearly singular systems, and the lines of its files.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "calc/simultaneous_solver.h"
#include "expr/real_format.h"

using namespace kurvo;

namespace {

struct RecordingHost : CalcHost {
    std::vector<std::string> messages;
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
};

// Rows of cell texts, one string per equation: "2,1,5".
void Fill(TSimultaneousSolver& solver, const std::vector<std::string>& rows) {
    solver.SetCount(static_cast<int>(rows.size()));
    solver.LoadLines(rows);
}

std::vector<std::string> Solutions(const TSimultaneousSolver& solver) {
    std::vector<std::string> out;
    for (int k = 1; k <= solver.Count(); ++k) out.push_back(solver.SolutionText(k));
    return out;
}

}  // namespace

TEST(SimultaneousSolver, Systems) {
    using Rows = std::vector<std::string>;
    const struct {
        Rows rows;
        Rows solutions;  // empty: not solved
        std::string message, status;
    } cases[] = {
        {{"2,1,5", "1,-1,1"}, {"2", "1"}, "", ""},
        {{"0,1,1", "1,0,2"}, {"2", "1"}, "", ""},  // a_11 = 0
        // Worked by hand: x + y + z = 6, 2x − y + z = 3, x + 2y − z = 2.
        {{"1,1,1,6", "2,-1,1,3", "1,2,-1,2"}, {"1", "2", "3"}, "", ""},
        // A tiny pivot must not swamp the second equation.
        {{"1E-20,1,1", "1,1,2"}, {"1", "1"}, "", ""},
        {{"1,2,3", "1,2,3"}, {}, TSimultaneousSolver::kNoUniqueSolutions, ""},
        {{"1,2,3", "2,4,5"}, {}, TSimultaneousSolver::kNoUniqueSolutions, ""},
        // Exactly solvable, but D = −0.02.
        {{"0.1,0.1,1", "0.1,-0.1,0"}, {"5", "5"}, "", TSimultaneousSolver::kIllConditioned},
        // D = 0.1 passes, but a_11 = 1 ± 0.5 moves x1 from −2.5 to 1.67.
        {{"1,0.9,19", "1,1,20"}, {"10", "10"}, "", TSimultaneousSolver::kIllConditioned},
        // Rows near the largest double: x + y = 1, x − y = 1 scaled by 1e308.
        {{"1e308,1e308,1e308", "1e308,-1e308,1e308"}, {"1", "0"}, "", ""},
        {{"1e-300,2e-300,5e-300", "1e300,-1e300,1e300"}, {"2.33333333333333", "1.33333333333333"}, "", ""},
        {{"2,1,5", "1,,1"}, {}, TSimultaneousSolver::kFillInAll, ""},
        {{"2,1,5", "1,x,1"}, {}, TSimultaneousSolver::kFillInAll, ""},
    };
    for (const auto& c : cases) {
        TSimultaneousSolver solver;
        RecordingHost host;
        Fill(solver, c.rows);
        const bool solved = solver.Solve(host);
        EXPECT_EQ(solved, !c.solutions.empty()) << c.rows[0];
        if (solved) {
            const auto got = Solutions(solver);
            for (size_t i = 0; i < got.size(); ++i)
                EXPECT_NEAR(std::stod(got[i]), std::stod(c.solutions[i]), 1e-12) << c.rows[0];
        }
        EXPECT_EQ(host.messages, c.message.empty() ? Rows{} : Rows{c.message}) << c.rows[0];
        EXPECT_EQ(solver.Status(), c.status) << c.rows[0];
    }
}

TEST(SimultaneousSolver, NudgeIsHalfTheLastWrittenDigit) {
    const struct {
        const char* diagonal;
        long double delta;
    } cases[] = {{"2", 0.5L}, {"10", 0.05L}, {"0.25", 0.05L}, {"-1.5", 0.5L}, {"-2", 0.05L}, {"1E-6", 0.0005L}};
    for (const auto& c : cases) {
        TSimultaneousSolver solver;
        RecordingHost host;
        Fill(solver, {std::string(c.diagonal) + ",0,1", "0,1,1"});
        solver.Solve(host);
        const long double a = solver.SavedSystem[1 * TSimultaneousSolver::kStride + 1];
        EXPECT_NEAR(static_cast<double>(a - solver.LowerDiagonal[1]), static_cast<double>(c.delta), 1e-15) << c.diagonal;
        EXPECT_NEAR(static_cast<double>(solver.UpperDiagonal[1] - a), static_cast<double>(c.delta), 1e-15) << c.diagonal;
    }
}

TEST(SimultaneousSolver, NudgedSingularSystemWarnsAndStillSolves) {
    // a_11 = 1 nudged down to 0.5 makes both rows (0.5, 2).
    TSimultaneousSolver solver;
    RecordingHost host;
    Fill(solver, {"1,2,3", "0.5,2,2.5"});
    ASSERT_TRUE(solver.Solve(host));
    EXPECT_EQ(solver.Status(), TSimultaneousSolver::kIllConditioned);
    EXPECT_EQ(Solutions(solver), (std::vector<std::string>{"1", "1"}));
}

// The rank-one updates of the sensitivity test must match a fresh
// elimination of each nudged system.
TEST(SimultaneousSolver, NudgedSolutionsMatchFreshElimination) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> digit(-9, 9);
    const int n = 12;
    std::vector<long double> a(static_cast<size_t>(n * n)), b(static_cast<size_t>(n));
    for (auto& v : a) v = digit(random);
    for (int i = 0; i < n; ++i) a[static_cast<size_t>(i * n + i)] += 40, b[static_cast<size_t>(i)] = digit(random);
    TLinearFactors entered;
    ASSERT_TRUE(entered.Factor(a.data(), n, n));
    std::vector<long double> x = b;
    entered.Solve(x.data());
    for (int p = 0; p < n; ++p) {
        std::vector<long double> nudged = a, fresh = b, column(static_cast<size_t>(n));
        const long double change = 0.5L;
        nudged[static_cast<size_t>(p * n + p)] += change;
        TLinearFactors f;
        ASSERT_TRUE(f.Factor(nudged.data(), n, n));
        f.Solve(fresh.data());
        column[static_cast<size_t>(p)] = 1;
        entered.Solve(column.data());
        const long double scale = 1 + change * column[static_cast<size_t>(p)];
        EXPECT_NEAR(static_cast<double>(f.Determinant() / (entered.Determinant() * scale)), 1.0, 1e-15);
        for (int i = 0; i < n; ++i) {
            const long double updated = x[static_cast<size_t>(i)] - change * x[static_cast<size_t>(p)] / scale * column[static_cast<size_t>(i)];
            EXPECT_NEAR(static_cast<double>(updated), static_cast<double>(fresh[static_cast<size_t>(i)]), 1e-15);
        }
    }
}

TEST(SimultaneousSolver, FileLines) {
    TSimultaneousSolver solver;
    RecordingHost host;
    solver.Cell(1, 1) = "2", solver.Cell(1, 2) = "1", solver.Cell(1, 3) = "5";
    solver.Cell(2, 1) = "1", solver.Cell(2, 2) = "-1", solver.Cell(2, 3) = "1";
    EXPECT_EQ(solver.CoefficientLines(), (std::vector<std::string>{"2,1,5", "1,-1,1"}));
    ASSERT_TRUE(solver.Solve(host));
    EXPECT_EQ(solver.AnswerLines(), (std::vector<std::string>{"x1 = 2", "x2 = 1"}));

    // A load empties the grid first; extra pieces are dropped, missing
    // ones and empty ones are empty cells.
    solver.SetCount(3);
    solver.Cell(3, 4) = "stale";
    solver.LoadLines({"1,2,3,4,5", ",7", "8,9,10,"});
    EXPECT_EQ(solver.Count(), 3);
    EXPECT_EQ(solver.CoefficientLines(), (std::vector<std::string>{"1,2,3,4", ",7,,", "8,9,10,"}));
    EXPECT_EQ(solver.SolutionText(1), "");

    solver.LoadLines({"1,2"});
    EXPECT_EQ(solver.Count(), 2);
    EXPECT_EQ(solver.CoefficientLines(), (std::vector<std::string>{"1,2,", ",,"}));
    solver.LoadLines(std::vector<std::string>(130, "1"));
    EXPECT_EQ(solver.Count(), 100);
}

TEST(SimultaneousSolver, HundredEquations) {
    // x_k = k for a diagonally dominant system; every coefficient written
    // with one decimal, so each nudge is 0.05.
    const int n = 100;
    std::vector<std::string> rows;
    for (int i = 1; i <= n; ++i) {
        std::string row;
        long double rhs = 0;
        for (int j = 1; j <= n; ++j) {
            const long double a = i == j ? 250.5L : ((i * 7 + j * 3) % 11) / 10.0L;
            rhs += a * j;
            row += FormatReal(a, 15) + ",";
        }
        rows.push_back(row + FormatReal(rhs, 15));
    }
    TSimultaneousSolver solver;
    RecordingHost host;
    solver.LoadLines(rows);
    EXPECT_EQ(solver.CoefficientLines(), rows);
    ASSERT_TRUE(solver.Solve(host));
    EXPECT_EQ(solver.Status(), "");
    for (int k = 1; k <= n; ++k) EXPECT_EQ(solver.SolutionText(k), std::to_string(k));
}
