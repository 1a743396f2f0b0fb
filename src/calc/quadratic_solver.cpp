#include "calc/quadratic_solver.h"

#include <cmath>

#include "expr/real_format.h"

namespace kurvo {

namespace {

std::string RootText(long double x) { return FormatReal(x + 0.0L, 15); }

}  // namespace

bool TQuadraticSolver::Solve(CalcHost& host) {
    long double a, b, c;
    if (!TryParseReal(A, a) || !TryParseReal(B, b) || !TryParseReal(C, c)) {
        Solution1.clear();
        Solution2.clear();
        host.ShowMessage(kFillInAll);
        return false;
    }
    Solution1.clear();
    Solution2.clear();
    if (a == 0) {
        // Not a quadratic: the linear equation bx + c = 0 has one root.
        const long double root = -c / b;
        if (b == 0 || !std::isfinite(root)) {
            Prompt = kNoRealRoots;
            return false;
        }
        Solution1 = RootText(root);
        Prompt = kPrompt;
        return true;
    }
    const long double D = b * b - 4 * a * c;
    if (!(D >= 0) || !std::isfinite(D)) {
        Prompt = kNoRealRoots;
        return false;
    }
    // (−b ± √D)/2a loses the smaller root to cancellation when b² ≫ 4ac;
    // q has no cancellation, and the roots are q/a and c/q.
    const long double sqrtD = std::sqrt(D);
    const bool bNegative = b < 0;
    const long double q = bNegative ? (sqrtD - b) / 2 : -(b + sqrtD) / 2;
    long double plusRoot, minusRoot;  // (−b + √D)/2a and (−b − √D)/2a
    if (q == 0) {
        plusRoot = minusRoot = 0;  // b = c = 0
    } else if (bNegative) {
        plusRoot = q / a;
        minusRoot = c / q;
    } else {
        plusRoot = c / q;
        minusRoot = q / a;
    }
    if (!std::isfinite(plusRoot) || !std::isfinite(minusRoot)) {
        Prompt = kNoRealRoots;
        return false;
    }
    Solution1 = RootText(plusRoot);
    Solution2 = RootText(minusRoot);
    Prompt = kPrompt;
    return true;
}

void TQuadraticSolver::Clear() {
    A.clear();
    B.clear();
    C.clear();
    Solution1.clear();
    Solution2.clear();
}

}  // namespace kurvo
