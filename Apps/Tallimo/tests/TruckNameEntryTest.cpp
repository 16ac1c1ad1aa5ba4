#include "Apps/Tallimo/TruckNameEntry.h"

#include <gtest/gtest.h>

namespace tallimo {
namespace {

TEST(TallimoTruckNameEntry, KeysTypeCapitalsUpToEightDeleteAndEnd) {
    struct Case {
        const char* keys;
        const char* name;
        bool ended;
    } const cases[] = {
        {"abZ", "ABZ", false},
        {"ab\bc", "AC", false},
        {"\b\bq", "Q", false},
        {"abcdefghij", "ABCDEFGH", false},
        {"a1 -\x92z", "AZ", false},
        {"joe\r", "JOE", true},
        {"\n", "", true},
    };
    for (const Case& c : cases) {
        TruckNameEntry entry;
        for (const char* key = c.keys; *key; ++key) entry.Type(*key);
        EXPECT_EQ(entry.Name(), c.name) << c.keys;
        EXPECT_EQ(entry.Ended(), c.ended) << c.keys;
    }
}

TEST(TallimoTruckNameEntry, ButtonsTakeOnlyCapitals) {
    TruckNameEntry entry;
    entry.AddLetter('K');
    entry.AddLetter('k');
    entry.AddLetter('\0');
    EXPECT_EQ(entry.Name(), "K");
}

TEST(TallimoTruckNameEntry, TheCursorBlinksEveryHalfSecond) {
    EXPECT_TRUE(CursorLit(0));
    EXPECT_TRUE(CursorLit(499));
    EXPECT_FALSE(CursorLit(500));
    EXPECT_TRUE(CursorLit(1000));
}

}  // namespace
}  // namespace tallimo
