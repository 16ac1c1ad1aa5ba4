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

}  // namespace
