#pragma once
// Dense square linear systems: Gaussian elimination with partial pivoting,
// kept as factors so the same matrix solves many right-hand sides (the
// simultaneous solver's sensitivity test). Plain C++.
//
// The elimination runs in double, which the processor does several times
// faster than extended; each solution is then refined against the
// extended matrix, so it carries extended accuracy for any system that is
// not close to singular.
#include <vector>

namespace kurvo {

class TLinearFactors {
public:
    // Factors the n × n matrix whose element (i, j), 0-based, is
    // a[i * stride + j]. False when a pivot is zero or not finite: the
    // matrix is singular (or overflowed) and nothing can be solved.
    bool Factor(const long double* a, int n, int stride);
    // Solves A x = b in place (b has n elements), refining the double
    // solution against the extended matrix the given number of times.
    void Solve(long double* b, int refinements = 2) const;
    // The product of the pivots, with the sign of the row exchanges.
    long double Determinant() const { return determinant_; }
    int Size() const { return n_; }

private:
    void SolveFactored(double* b) const;

    int n_ = 0;
    std::vector<long double> matrix_;  // the matrix as given, n × n
    std::vector<double> lu_;           // multipliers below, U on and above
    std::vector<int> rows_;            // rows_[k]: the original row in position k
    std::vector<int> rowExponent_;     // row i is factored divided by 2^rowExponent_[i]
    long double determinant_ = 0;
    mutable std::vector<double> work_;
};

}  // namespace kurvo
