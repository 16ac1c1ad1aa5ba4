#include "core/base/HexText.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string_view>

namespace {

TEST(HexText, DigitsOfEitherCaseReadAndEveryOtherCharacterIsNone) {
    EXPECT_EQ(HexDigitValue('0'), 0);
    EXPECT_EQ(HexDigitValue('9'), 9);
    EXPECT_EQ(HexDigitValue('a'), 10);
    EXPECT_EQ(HexDigitValue('F'), 15);
    // The characters either side of each digit range.
    for (char c : {'/', ':', '@', 'G', '`', 'g', ' ', '\0'}) {
        EXPECT_EQ(HexDigitValue(c), -1) << c;
        EXPECT_FALSE(IsHexDigit(c)) << c;
    }
    EXPECT_TRUE(AllHexDigits("0123456789abcdefABCDEF"));
    EXPECT_FALSE(AllHexDigits("12 4"));
}

TEST(HexText, OnlyTheBracedEightFourFourFourTwelveFormIsAGuid) {
    const struct {
        std::string_view text;
        bool guid;
    } cases[] = {
        {"{251D83DE-CE99-4751-BD3A-80DB3BF945AB}", true},
        {"{251d83de-ce99-4751-bd3a-80db3bf945ab}", true},
        {"251D83DE-CE99-4751-BD3A-80DB3BF945AB", false},
        {"{251D83DE-CE99-4751-BD3A-80DB3BF945A}", false},
        {"{251D83DE-CE99-4751-BD3A-80DB3BF945ABC}", false},
        {"{251D83DECCE99-4751-BD3A-80DB3BF945AB}", false},
        {"{251D83DE-CE99-4751-BD3A-80DB3BF945AG}", false},
        {"(251D83DE-CE99-4751-BD3A-80DB3BF945AB)", false},
        {"{251D83DE-CE99-4751-BD3A-80DB3BF945AB}\n", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsBracedGuid(c.text), c.guid) << c.text;
}

TEST(HexText, GuidTextWritesTheBytesInOrderInUpperCase) {
    constexpr std::array<uint8_t, 16> kBytes = {0x25, 0x1D, 0x83, 0xDE, 0xCE, 0x99, 0x47, 0x51,
                                                0xBD, 0x3A, 0x80, 0xDB, 0x3B, 0xF9, 0x45, 0xAB};
    const std::string text = GuidText(kBytes);
    EXPECT_EQ(text, "251D83DE-CE99-4751-BD3A-80DB3BF945AB");
    EXPECT_TRUE(IsBracedGuid("{" + text + "}"));
}

}  // namespace
