#include "analysis/matrix.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <utility>

namespace kurvo {

namespace {
constexpr const char* kNoMemory = "not enough memory on heap";
constexpr double kTinyPivot = 1e-10;
}  // namespace

TVector::TVector(int32_t n) : count_(n) {
    if (n <= 0) throw ESDLVectorError("vector dimension zero or negative");
    try {
        data_.assign(size_t(n), 0.0);
    } catch (const std::bad_alloc&) {
        throw ESDLVectorError(kNoMemory);
    }
}

double TVector::Get(int32_t k) const { return k >= 1 && k <= count_ ? data_[size_t(k - 1)] : 0.0; }

void TVector::Set(int32_t k, double value) {
    if (k < 1 || k > count_) return;
    data_[size_t(k - 1)] = value;
    Changed();
}

void TVector::Clear() {
    std::fill(data_.begin(), data_.end(), 0.0);
    Changed();
}

TMatrix::TMatrix(int32_t columns, int32_t rows) : columns_(columns), rows_(rows) {
    if (columns <= 0 || rows <= 0) throw ESDLMatrixError("array dimensions zero or negative");
    try {
        data_.assign(size_t(columns) * size_t(rows), 0.0);
    } catch (const std::bad_alloc&) {
        throw ESDLMatrixError(kNoMemory);
    } catch (const std::length_error&) {
        throw ESDLMatrixError(kNoMemory);
    }
}

double TMatrix::Get(int32_t column, int32_t row) const {
    return Inside(column, row) ? data_[Index(column, row)] : 0.0;
}

void TMatrix::Set(int32_t column, int32_t row, double value) {
    if (!Inside(column, row)) return;
    data_[Index(column, row)] = value;
    Changed();
}

void TMatrix::Fill(double value) {
    std::fill(data_.begin(), data_.end(), value);
    Changed();
}

bool TMatrix::Multiply(const TMatrix& a, const TMatrix* b, TMatrix* c) {
    if (!b || !c || a.columns_ != b->rows_ || c->columns_ != b->columns_ || c->rows_ != a.rows_)
        return false;
    // Into a scratch copy, so that C may be A or B.
    std::vector<double> product(c->data_.size());
    for (int32_t i = 1; i <= a.rows_; ++i)
        for (int32_t j = 1; j <= b->columns_; ++j) {
            double sum = 0;
            for (int32_t k = 1; k <= a.columns_; ++k)
                sum += a.data_[a.Index(k, i)] * b->data_[b->Index(j, k)];
            product[c->Index(j, i)] = sum;
        }
    c->data_ = std::move(product);
    c->Changed();
    return true;
}

// Crout's LU decomposition with implicit (scaled) partial pivoting, then
// one forward and back substitution per column of the identity.
bool TMatrix::Invert() {
    if (columns_ != rows_) return false;
    const int n = rows_;
    std::vector<double> scale, column;
    std::vector<int> perm;
    std::vector<double> result;
    try {
        scale.assign(size_t(n) + 1, 0.0);
        column.assign(size_t(n) + 1, 0.0);
        perm.assign(size_t(n) + 1, 0);
        result.assign(size_t(n) * size_t(n), 0.0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    // a(i, j): row i, column j, 1-based.
    auto a = [this](int i, int j) -> double& { return data_[Index(j, i)]; };

    bool singular = false;
    for (int i = 1; i <= n; ++i) {
        double big = 0;
        for (int j = 1; j <= n; ++j) big = std::max(big, std::fabs(a(i, j)));
        if (big == 0) {
            singular = true;
            break;
        }
        scale[size_t(i)] = 1 / big;
    }
    if (singular) return false;

    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i < j; ++i) {
            double sum = a(i, j);
            for (int k = 1; k < i; ++k) sum -= a(i, k) * a(k, j);
            a(i, j) = sum;
        }
        double big = 0;
        int chosen = j;
        for (int i = j; i <= n; ++i) {
            double sum = a(i, j);
            for (int k = 1; k < j; ++k) sum -= a(i, k) * a(k, j);
            a(i, j) = sum;
            const double merit = scale[size_t(i)] * std::fabs(sum);
            if (merit >= big) {
                big = merit;
                chosen = i;
            }
        }
        if (chosen != j) {
            for (int k = 1; k <= n; ++k) std::swap(a(chosen, k), a(j, k));
            scale[size_t(chosen)] = scale[size_t(j)];
        }
        perm[size_t(j)] = chosen;
        if (std::fabs(a(j, j)) < kTinyPivot) {
            a(j, j) = kTinyPivot;
            singular = true;
        }
        if (j < n)
            for (int i = j + 1; i <= n; ++i) a(i, j) /= a(j, j);
    }
    if (singular) return false;

    for (int j = 1; j <= n; ++j) {
        std::fill(column.begin(), column.end(), 0.0);
        column[size_t(j)] = 1;
        int first = 0;
        for (int i = 1; i <= n; ++i) {
            const size_t p = size_t(perm[size_t(i)]);
            double sum = column[p];
            column[p] = column[size_t(i)];
            if (first)
                for (int k = first; k < i; ++k) sum -= a(i, k) * column[size_t(k)];
            else if (sum != 0)
                first = i;
            column[size_t(i)] = sum;
        }
        for (int i = n; i >= 1; --i) {
            double sum = column[size_t(i)];
            for (int k = i + 1; k <= n; ++k) sum -= a(i, k) * column[size_t(k)];
            column[size_t(i)] = sum / a(i, i);
        }
        for (int i = 1; i <= n; ++i) result[Index(j, i)] = column[size_t(i)];
    }
    data_ = std::move(result);
    Changed();
    return true;
}

}  // namespace kurvo
