#include "Apps/Common/TypedCodeMatcher.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// How many keys of `keys` were fed when the code completed, or -1.
int CompletesAfter(CTypedCodeMatcher matcher, std::string_view keys) {
    for (size_t i = 0; i < keys.size(); ++i)
        if (matcher.Feed(static_cast<unsigned char>(keys[i]))) return static_cast<int>(i + 1);
    return -1;
}

TEST(TypedCodeMatcher, FollowsTheCodeAndStartsOverOnAWrongKey) {
    const CTypedCodeMatcher staff("plumtag", true);
    EXPECT_EQ(CompletesAfter(staff, "PLUMTAG"), 7);
    EXPECT_EQ(CompletesAfter(staff, "plumtag"), 7);
    EXPECT_EQ(CompletesAfter(staff, "xxPLUMTAG"), 9);
    EXPECT_EQ(CompletesAfter(staff, "PLUXMTAG"), -1);
    // The wrong key is not tried as a first letter: "PLP" leaves nothing matched.
    EXPECT_EQ(CompletesAfter(staff, "PLPLUMTAG"), -1);
    EXPECT_EQ(CompletesAfter(staff, "PLPXPLUMTAG"), 11);

    const CTypedCodeMatcher hidden("MOSSBRICK", false);
    EXPECT_EQ(CompletesAfter(hidden, "MOSSBRICK"), 9);
    EXPECT_EQ(CompletesAfter(hidden, "mossbrick"), -1);
}

// `letters` with the key `modifier` pressed before each, as Shift is for capitals.
std::string Pressing(char modifier, std::string_view letters) {
    std::string keys;
    for (const char letter : letters) keys += {modifier, letter};
    return keys;
}

// Capitals typed with Shift pressed for each letter, with the right Shift key (0xA1), after Caps
// Lock, or with Control and Alt between: the modifier's own key-down neither advances nor breaks
// the code.
TEST(TypedCodeMatcher, ModifierKeysBetweenTheLettersKeepTheMatch) {
    const CTypedCodeMatcher staff("plumtag", true);
    EXPECT_EQ(CompletesAfter(staff, Pressing('\x10', "PLUMTAG")), 14);
    EXPECT_EQ(CompletesAfter(staff, "\x14PLUMTAG"), 8);
    EXPECT_EQ(CompletesAfter(staff, std::string("PL\x11\x12") + "UMTAG"), 9);
    // A wrong letter still breaks it, Shift or not.
    EXPECT_EQ(CompletesAfter(staff, Pressing('\x10', "PLXUMTAG")), -1);

    const CTypedCodeMatcher hidden("KELPWHIRL", false);
    EXPECT_EQ(CompletesAfter(hidden, Pressing('\xA1', "KELPWHIRL")), 18);
}

}  // namespace
