#pragma once
// Dense one-based vectors and matrices of doubles for the regression and
// its tests: element access that reads 0 outside the bounds, the matrix
// product and inversion by LU decomposition with scaled partial pivoting.
#include <cstdint>
#include <functional>
#include <vector>

#include "expr/errors.h"

namespace kurvo {

class ESDLVectorError : public Exception {
public:
    using Exception::Exception;
};
class ESDLMatrixError : public Exception {
public:
    using Exception::Exception;
};

class TVector {
public:
    // Throws ESDLVectorError for n <= 0 or when storage cannot be had.
    explicit TVector(int32_t n);

    int32_t Count() const { return count_; }
    // k is 1-based; reads outside 1..Count give 0, writes there are ignored.
    double Get(int32_t k) const;
    void Set(int32_t k, double value);
    void Clear();

    // Called after every change.
    std::function<void()> OnChange;

private:
    void Changed() const {
        if (OnChange) OnChange();
    }
    int32_t count_;
    std::vector<double> data_;
};

class TMatrix {
public:
    // Throws ESDLMatrixError when either size is <= 0 or storage cannot be
    // had.
    TMatrix(int32_t columns, int32_t rows);

    int32_t Columns() const { return columns_; }
    int32_t Rows() const { return rows_; }
    // Element (column, row), both 1-based; outside reads 0, writes ignored.
    double Get(int32_t column, int32_t row) const;
    void Set(int32_t column, int32_t row, double value);
    void Fill(double value);

    // C = A·B. False (C untouched) when B or C is missing or the sizes do
    // not fit.
    static bool Multiply(const TMatrix& a, const TMatrix* b, TMatrix* c);
    // Replaces a square matrix by its inverse. False when the matrix is not
    // square or singular (a pivot below 1e-10); the content is then
    // undefined.
    bool Invert();

    // Formatting settings kept with the matrix; nothing reads them here.
    int Precision = 15;
    int Digits = -1;

    std::function<void()> OnChange;

private:
    bool Inside(int32_t column, int32_t row) const {
        return column >= 1 && column <= columns_ && row >= 1 && row <= rows_;
    }
    size_t Index(int32_t column, int32_t row) const {
        return size_t(row - 1) * size_t(columns_) + size_t(column - 1);
    }
    void Changed() const {
        if (OnChange) OnChange();
    }
    int32_t columns_;
    int32_t rows_;
    std::vector<double> data_;
};

}  // namespace kurvo
