#include <gtest/gtest.h>

#include "expr/encoding.h"
#include "expr/errors.h"
#include "expr/real_format.h"

#include <cmath>
#include <cstdint>

using namespace kurvo;

namespace {
struct SeparatorGuard {
    char saved = DecimalSeparator();
    explicit SeparatorGuard(char sep) { SetDecimalSeparator(sep); }
    ~SeparatorGuard() { SetDecimalSeparator(saved); }
};
}  // namespace

TEST(RealFormat, FixedNotation) {
    SeparatorGuard dot('.');
    EXPECT_EQ(FormatReal(0.5), "0.5");
    EXPECT_EQ(FormatReal(-10), "-10");
    EXPECT_EQ(FormatReal(0), "0");
    EXPECT_EQ(FormatReal(3.14159265358979323846L), "3.14159265358979");
    EXPECT_EQ(FormatReal(2.718281828L), "2.718281828");
    EXPECT_EQ(FormatReal(6.283185308L), "6.283185308");
    EXPECT_EQ(FormatReal(100), "100");
    EXPECT_EQ(FormatReal(0.1L), "0.1");
    EXPECT_EQ(FormatReal(0.00001L), "0.00001");
    EXPECT_EQ(FormatReal(123456789012345.0L), "123456789012345");
}

TEST(RealFormat, ScientificNotation) {
    SeparatorGuard dot('.');
    EXPECT_EQ(FormatReal(1e-6L), "1E-6");
    EXPECT_EQ(FormatReal(2.5e20L), "2.5E20");
    EXPECT_EQ(FormatReal(-2.5e20L), "-2.5E20");
    EXPECT_EQ(FormatReal(1234567890123456.0L), "1.23456789012346E15");
    EXPECT_EQ(FormatReal(1.5e-300L), "1.5E-300");
}

TEST(RealFormat, RoundingCarriesIntoTheExponent) {
    SeparatorGuard dot('.');
    EXPECT_EQ(FormatReal(0.99999999999999999L), "1");
    EXPECT_EQ(FormatReal(9.9999999999999999e14L), "1E15");
    EXPECT_EQ(FormatReal(2.00001, 6), "2.00001");
    EXPECT_EQ(FormatReal(1.0 / 3, 6), "0.333333");
}

TEST(RealFormat, DecimalSeparatorIsUsedBothWays) {
    SeparatorGuard comma(',');
    EXPECT_EQ(FormatReal(2.5L), "2,5");
    EXPECT_EQ(FormatReal(2.5e-7L), "2,5E-7");
    long double v = 0;
    EXPECT_TRUE(TryParseReal("2,5", v));
    EXPECT_EQ(v, 2.5L);
    EXPECT_FALSE(TryParseReal("2.5", v));
}

TEST(RealFormat, Parsing) {
    SeparatorGuard dot('.');
    long double v = 0;
    EXPECT_TRUE(TryParseReal(" -1.5E3 ", v));
    EXPECT_EQ(v, -1500.0L);
    EXPECT_TRUE(TryParseReal("+.5", v));
    EXPECT_EQ(v, 0.5L);
    EXPECT_TRUE(TryParseReal("0.1", v));
    EXPECT_EQ(v, 0.1L);  // read at extended precision, not via double
    for (const char* bad : {"", "abc", "1.2.3", "inf", "nan", "0x10", "1e", "--1", "1 2"})
        EXPECT_FALSE(TryParseReal(bad, v)) << bad;
    try {
        ParseReal("abc");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
    }
}

TEST(RealFormat, RoundTripsThroughText) {
    SeparatorGuard dot('.');
    for (long double x : {0.1L, -7.25L, 1e-7L, 123.456L, 9.87654321e12L}) {
        long double back = ParseReal(FormatReal(x));
        EXPECT_NEAR(static_cast<double>(back), static_cast<double>(x), std::fabs(static_cast<double>(x)) * 1e-14);
    }
}

TEST(IntegerText, Parsing) {
    EXPECT_EQ(ParseInt("1000"), 1000);
    EXPECT_EQ(ParseInt("-2147483648"), INT32_MIN);
    for (const char* bad : {"", "2147483648", "1.5", "12a", "-"}) {
        try {
            ParseInt(bad);
            ADD_FAILURE() << bad;
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + bad + "' is not a valid integer value");
        }
    }
}

TEST(Encoding, WindowsLatinRoundTrip) {
    EXPECT_EQ(Utf8ToCp1252("x\u00b2+y\u00b3"), "x\xB2+y\xB3");
    EXPECT_EQ(Utf8ToCp1252("r,\u00f8="), "r,\xF8=");
    EXPECT_EQ(Utf8ToCp1252("\u20ac"), "\x80");
    EXPECT_EQ(Utf8ToCp1252("\u4e2d"), "?");
    EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");  // cut sequence
    EXPECT_EQ(Cp1252ToUtf8("x\xB2"), "x\u00b2");
    EXPECT_EQ(Cp1252ToUtf8("\x80\x9F"), "\u20ac\u0178");
    std::string all;
    for (int c = 1; c < 256; ++c)
        if (c < 0x80 || c >= 0xA0) all += static_cast<char>(c);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Encoding, ExactConversionNamesWhatCannotBeStored) {
    const struct {
        const char* utf8;
        const char* stored;  // nullptr: refused
        const char* lost;
    } cases[] = {
        {"Open=\u00c9", "Open=\xC9", ""},
        {"\u20ac\u0178", "\x80\x9F", ""},
        {"x\u221a" "2", nullptr, "\u221a"},
        {"\u4e2d\u6587", nullptr, "\u4e2d"},
        {"a\xC0\x80", nullptr, "\xC0\x80"},         // overlong NUL
        {"\xED\xA0\x80", nullptr, "\xED\xA0\x80"},  // a surrogate
        {"\xC2\x81", nullptr, "\xC2\x81"},          // no code in the page
        {"\xC3", nullptr, "\xC3"},
    };
    for (const auto& c : cases) {
        std::string out, lost;
        EXPECT_EQ(Utf8ToCp1252Exact(c.utf8, out, &lost), c.stored != nullptr) << c.utf8;
        if (c.stored) EXPECT_EQ(out, c.stored) << c.utf8;
        EXPECT_EQ(lost, c.lost) << c.utf8;
    }
}
