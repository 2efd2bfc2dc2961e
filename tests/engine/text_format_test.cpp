#include "engine/text_format.h"

#include <gtest/gtest.h>

#include <string>

namespace talvo {
namespace {

TEST(TextFormat, NumbersRoundHalfAwayFromZeroPadGroupAndReadBack) {
    EXPECT_EQ(FormatFixed(-2.5, 1, 0), "-3");
    EXPECT_EQ(FormatFixed(2.675, 1, 2), "2.68");  // stored as 2.67499999...
    EXPECT_EQ(FormatFixed(-5.5, 2, 1), "-05.5");
    EXPECT_EQ(FormatFixed(-0.04, 1, 1), "0.0");
    EXPECT_EQ(FormatGrouped(5.04, 6, 1), "000,005.0");
    EXPECT_EQ(FormatGrouped(-999.95, 1, 1), "-1,000.0");
    // A leading blank for values that are not negative, and no zero before the point.
    EXPECT_EQ(StrNumber(2000.0), " 2000");
    EXPECT_EQ(StrNumber(0.5), " .5");
    EXPECT_EQ(StrNumber(-0.25), "-.25");
    // Read back: sign, digits and one point.
    EXPECT_EQ(LeadingNumber("\t-3.25.1"), -3.25);
    EXPECT_EQ(LeadingNumber("-.5 deg"), -0.5);
    EXPECT_EQ(LeadingNumber("1e5"), 1.0);
    EXPECT_EQ(LeadingNumber("- 4"), 0.0);
}

TEST(Cp1252ToUtf8, MapsTheCodePageAndBack) {
    EXPECT_EQ(Cp1252ToUtf8("40\xB0 30'"), "40\xC2\xB0 30'");
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");      // euro sign
    EXPECT_EQ(Cp1252ToUtf8("a\x81z"), "a\xEF\xBF\xBDz");  // undefined byte
    for (int byte = 1; byte < 256; ++byte) {
        std::string one(1, static_cast<char>(byte));
        bool undefined = byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
        EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(one)), undefined ? "?" : one) << byte;
    }
}

}  // namespace
}  // namespace talvo
