// Vectors and matrices: bounds, errors with their messages, product,
// inversion against known inverses.
#include <gtest/gtest.h>

#include <vector>

#include "analysis/matrix.h"

namespace kurvo {
namespace {

TMatrix Make(int columns, int rows, const std::vector<double>& byRows) {
    TMatrix m(columns, rows);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c) m.Set(c, r, byRows[size_t((r - 1) * columns + c - 1)]);
    return m;
}

TEST(Matrix, SizeErrorsCarryTheirMessages) {
    for (int n : {0, -3}) {
        try {
            TVector v(n);
            FAIL();
        } catch (const ESDLVectorError& e) {
            EXPECT_STREQ(e.what(), "vector dimension zero or negative");
        }
        try {
            TMatrix m(2, n);
            FAIL();
        } catch (const ESDLMatrixError& e) {
            EXPECT_STREQ(e.what(), "array dimensions zero or negative");
        }
    }
}

TEST(Matrix, OutsideReadsZeroAndWritesAreIgnored) {
    TVector v(3);
    int changes = 0;
    v.OnChange = [&] { ++changes; };
    v.Set(3, 7);
    v.Set(4, 9);
    v.Set(0, 9);
    EXPECT_EQ(v.Get(3), 7);
    EXPECT_EQ(v.Get(4), 0);
    EXPECT_EQ(v.Get(0), 0);
    EXPECT_EQ(changes, 1);
    TMatrix m(2, 3);
    m.Set(2, 3, 5);
    m.Set(3, 1, 8);
    EXPECT_EQ(m.Get(2, 3), 5);
    EXPECT_EQ(m.Get(3, 1), 0);
    EXPECT_EQ(m.Get(1, 4), 0);
}

TEST(Matrix, MultiplyIsRowByColumnAndRefusesMismatchedSizes) {
    const TMatrix a = Make(3, 2, {1, 2, 3, 4, 5, 6});
    const TMatrix b = Make(1, 3, {1, 0, -1});
    TMatrix c(1, 2);
    ASSERT_TRUE(TMatrix::Multiply(a, &b, &c));
    EXPECT_EQ(c.Get(1, 1), -2);
    EXPECT_EQ(c.Get(1, 2), -2);

    TMatrix wrong(2, 2);
    wrong.Fill(9);
    EXPECT_FALSE(TMatrix::Multiply(a, &b, &wrong));  // C of the wrong size
    EXPECT_EQ(wrong.Get(1, 1), 9);
    EXPECT_FALSE(TMatrix::Multiply(a, &a, &c));  // columns of A != rows of B
    EXPECT_FALSE(TMatrix::Multiply(a, nullptr, &c));
    EXPECT_FALSE(TMatrix::Multiply(a, &b, nullptr));
}

TEST(Matrix, InvertGivesKnownInversesAndRefusesSingularOnes) {
    struct Case {
        int n;
        std::vector<double> m, inverse;  // by rows; empty inverse: singular
    } cases[] = {
        {2, {4, 7, 2, 6}, {0.6, -0.7, -0.2, 0.4}},
        {3, {0, 1, 0, 0, 0, 1, 1, 0, 0}, {0, 0, 1, 1, 0, 0, 0, 1, 0}},  // needs pivoting
        {3, {2, 0, 0, 0, 0.5, 0, 0, 0, -4}, {0.5, 0, 0, 0, 2, 0, 0, 0, -0.25}},
        {2, {1, 2, 2, 4}, {}},
        {2, {1, 2, 0, 0}, {}},
    };
    for (const Case& c : cases) {
        TMatrix m = Make(c.n, c.n, c.m);
        ASSERT_EQ(m.Invert(), !c.inverse.empty()) << c.m[0];
        if (c.inverse.empty()) continue;
        for (int r = 1; r <= c.n; ++r)
            for (int k = 1; k <= c.n; ++k)
                EXPECT_NEAR(m.Get(k, r), c.inverse[size_t((r - 1) * c.n + k - 1)], 1e-15);
    }
    TMatrix notSquare(2, 3);
    EXPECT_FALSE(notSquare.Invert());
}

}  // namespace
}  // namespace kurvo
