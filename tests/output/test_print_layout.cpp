// The print rectangle on an A4 page at 300 dpi (2480 x 3508 printer
// pixels), worked out by hand.
#include <gtest/gtest.h>

#include "output/print_layout.h"

namespace kurvo {
namespace {

TEST(PrintLayout, RectangleIsCentredAndScaledByTheWholeNumberRatio) {
    struct Case {
        int plotW, plotH, percent;
        PrintRect expected;
    } cases[] = {
        {800, 500, 100, {0, 0, 2480, 3508}},          // ratio 1: the whole page
        {1000, 500, 50, {620, 1316, 1860, 2192}},     // ratio 2: half the width, a quarter of the height
        {800, 500, 0, {1240, 1754, 1240, 1754}},      // an empty rectangle at the centre
        {400, 800, 100, {0, 0, 2480, 3508}},          // taller than wide: ratio taken as 1
        {1499, 500, 100, {0, 877, 2480, 2631}},       // 2.998 wide: still ratio 2
        {800, 0, 100, {0, 0, 2480, 3508}},            // no height at all
    };
    for (const auto& c : cases)
        EXPECT_EQ(PrintRectangle(2480, 3508, c.percent, c.plotW, c.plotH), c.expected)
            << c.plotW << "x" << c.plotH << " at " << c.percent;
    // Odd page sizes: each half is truncated first.
    EXPECT_EQ(PrintRectangle(101, 51, 100, 10, 10), (PrintRect{0, 0, 100, 50}));
}

TEST(PrintLayout, CaptionIsYEqualsInEveryMode) {
    EXPECT_EQ(PrintCaption("2+sin(3t)"), "y= 2+sin(3t)");
    EXPECT_EQ(PrintCaption(""), "y= ");
}

}  // namespace
}  // namespace kurvo
