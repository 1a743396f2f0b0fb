#include <gtest/gtest.h>

#include <cmath>

#include "expr/text_helpers.h"

using namespace kurvo;

TEST(TextHelpers, SplitAtFirstSeparator) {
    EXPECT_EQ(BeforeComma("3.5,-2"), "3.5");
    EXPECT_EQ(AfterComma("3.5,-2"), "-2");
    EXPECT_EQ(BeforeComma("3.5"), "");
    EXPECT_EQ(AfterComma("3.5"), "");
    EXPECT_EQ(BeforeComma("1,2,3"), "1");
    EXPECT_EQ(AfterComma("1,2,3"), "2,3");
    EXPECT_EQ(AfterColon("y=x^2:y>="), "y>=");
    EXPECT_EQ(BeforeColon("y=x^2:y>="), "y=x^2");
    EXPECT_EQ(AfterColon("abc:"), "");
    EXPECT_EQ(BeforeColon(":abc"), "");
}

TEST(TextHelpers, LeftAndRightPartsClamp) {
    EXPECT_EQ(LeftPart("abc", 2), "ab");
    EXPECT_EQ(LeftPart("abc", 9), "abc");
    EXPECT_EQ(LeftPart("abc", 0), "");
    EXPECT_EQ(LeftPart("abc", -4), "");
    EXPECT_EQ(RightPart("abc", 5), "abc");
    EXPECT_EQ(RightPart("abcdef", 2), "ef");
    EXPECT_EQ(RightPart("abc", 0), "");
    EXPECT_EQ(RightPart("abc", 3), "abc");
}

TEST(TextHelpers, FindIsOneBasedAndCaseSensitive) {
    EXPECT_EQ(FindText("abcabc", "c"), 3);
    EXPECT_EQ(FindText("abc", "C"), 0);
    EXPECT_EQ(FindText("", "x"), 0);
}

TEST(TextHelpers, ReplaceFirstReplacesOnlyTheFirst) {
    EXPECT_EQ(ReplaceFirst("x+x", "x", "(2)"), "(2)+x");
    EXPECT_EQ(ReplaceFirst("a<=b", "<=", "="), "a=b");
    // Absent pattern: the replacement is put in front (callers test first).
    EXPECT_EQ(ReplaceFirst("abc", "z", "Q"), "Qabc");
    EXPECT_EQ(ReplaceFirst("abcd", "zz", "Q"), "Qbcd");
}

TEST(TextHelpers, ReplaceFirstCutsHeadAndTailAt255) {
    std::string head(300, 'a'), tail(300, 'b');
    std::string r = ReplaceFirst(head + "|" + tail, "|", "-");
    EXPECT_EQ(r, std::string(255, 'a') + "-" + std::string(255, 'b'));
}

TEST(TextHelpers, RemoveAll) {
    EXPECT_EQ(RemoveAll("1 000 000", " "), "1000000");
    // A longer pattern loses its first character per pass.
    EXPECT_EQ(RemoveAll("aab", "ab"), "b");
    EXPECT_EQ(RemoveAll("xyz", "q"), "xyz");
}

TEST(NumberHelpers, RealRoot) {
    EXPECT_NEAR(static_cast<double>(RealRoot(-8, 3)), -2.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(RealRoot(27, 3)), 3.0, 1e-15);
    EXPECT_TRUE(std::isnan(RealRoot(-4, 2)));
    EXPECT_NEAR(static_cast<double>(RealRoot(-8, 3.7)), -std::pow(8.0, 1 / 3.7), 1e-14);
    EXPECT_TRUE(std::isnan(RealRoot(8, 0)));
    // Index 0.5 makes 1/n integral: (-2)^2.
    EXPECT_NEAR(static_cast<double>(RealRoot(-2, 0.5)), 4.0, 1e-15);
}

TEST(NumberHelpers, FloorTruncAndNegativeMark) {
    EXPECT_EQ(FloorTrunc(2.7), 2);
    EXPECT_EQ(FloorTrunc(-2.7), -3);
    EXPECT_EQ(FloorTrunc(-3), -4);
    EXPECT_EQ(FloorTrunc(0), 0);
    EXPECT_EQ(NegativeMark(-0.5), -1);
    EXPECT_EQ(NegativeMark(0), 0);
    EXPECT_EQ(NegativeMark(4), 0);
}
