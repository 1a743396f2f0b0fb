#include "calc/linear_system.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace kurvo {

namespace {

// The rows never overlap; saying so lets the compiler use vector steps.
void SubtractMultiple(double* __restrict row, const double* __restrict pivotRow, double f, size_t count) {
    for (size_t j = 0; j < count; ++j) row[j] -= pivotRow[j] * f;
}

}  // namespace

bool TLinearFactors::Factor(const long double* a, int n, int stride) {
    const size_t N = static_cast<size_t>(n);
    n_ = n;
    matrix_.resize(N * N);
    lu_.resize(N * N);
    work_.resize(N);
    rows_.resize(N);
    rowExponent_.assign(N, 0);
    std::iota(rows_.begin(), rows_.end(), 0);
    long double det = 1;
    for (size_t i = 0; i < N; ++i) {
        // Each row is scaled by a power of two (exactly) so its largest
        // element is about 1: rows of 1e308 would overflow in elimination.
        long double largest = 0;
        for (size_t j = 0; j < N; ++j) {
            matrix_[i * N + j] = a[i * static_cast<size_t>(stride) + j];
            largest = std::max(largest, std::fabs(matrix_[i * N + j]));
        }
        if (largest > 0 && std::isfinite(largest)) rowExponent_[i] = std::ilogb(largest);
        for (size_t j = 0; j < N; ++j)
            lu_[i * N + j] = static_cast<double>(std::scalbn(matrix_[i * N + j], -rowExponent_[i]));
        det = std::scalbn(det, rowExponent_[i]);
    }
    for (size_t k = 0; k < N; ++k) {
        // The largest pivot keeps the multipliers at most 1 in size; a tiny
        // one would swamp the other equations with rounding errors.
        size_t best = k;
        for (size_t i = k + 1; i < N; ++i)
            if (std::fabs(lu_[i * N + k]) > std::fabs(lu_[best * N + k])) best = i;
        if (best != k) {
            std::swap_ranges(&lu_[k * N], &lu_[k * N] + N, &lu_[best * N]);
            std::swap(rows_[k], rows_[best]);
            det = -det;
        }
        const double* pivotRow = &lu_[k * N];
        const double pivot = pivotRow[k];
        if (pivot == 0 || !std::isfinite(pivot)) {
            determinant_ = 0;
            return false;
        }
        det *= pivot;
        for (size_t i = k + 1; i < N; ++i) {
            double* row = &lu_[i * N];
            const double f = row[k] / pivot;
            row[k] = f;
            if (f == 0) continue;
            SubtractMultiple(row + k + 1, pivotRow + k + 1, f, N - k - 1);
        }
    }
    determinant_ = det;
    return true;
}

void TLinearFactors::SolveFactored(double* b) const {
    const size_t N = static_cast<size_t>(n_);
    double* y = work_.data();
    for (size_t i = 0; i < N; ++i) {
        const double* row = &lu_[i * N];
        double sum = b[rows_[i]];
        for (size_t j = 0; j < i; ++j) sum -= row[j] * y[j];
        y[i] = sum;
    }
    for (size_t i = N; i-- > 0;) {
        const double* row = &lu_[i * N];
        double sum = y[i];
        for (size_t j = i + 1; j < N; ++j) sum -= row[j] * b[j];
        b[i] = sum / row[i];
    }
}

void TLinearFactors::Solve(long double* b, int refinements) const {
    const size_t N = static_cast<size_t>(n_);
    std::vector<double> step(N);
    std::vector<long double> x(N, 0.0L);
    // The right-hand side scaled as its row was.
    for (size_t i = 0; i < N; ++i) step[i] = static_cast<double>(std::scalbn(b[i], -rowExponent_[i]));
    for (int pass = 0; pass <= refinements; ++pass) {
        SolveFactored(step.data());
        for (size_t i = 0; i < N; ++i) x[i] += step[i];
        if (pass == refinements) break;
        // What the extended matrix still misses of b.
        for (size_t i = 0; i < N; ++i) {
            const long double* row = &matrix_[i * N];
            long double residual = b[i];
            for (size_t j = 0; j < N; ++j) residual -= row[j] * x[j];
            step[i] = static_cast<double>(std::scalbn(residual, -rowExponent_[i]));
        }
    }
    for (size_t i = 0; i < N; ++i) b[i] = x[i];
}

}  // namespace kurvo
