#include "frame/host/GuidText.h"

#include <gtest/gtest.h>

#include <string>

#include "frame/host/GameInfo.h"

namespace {

const std::string kValidBody = "0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0";  // 36 characters
const std::string kDigits32 = "0123456789abcdefABCDEF0123456789";

TEST(GuidText, BracedTextKeepsItsValueOnlyWithThirtySixGuidCharacters) {
    EXPECT_EQ(RepairGuidText("{" + kValidBody + "}"), "{" + kValidBody + "}");
    EXPECT_EQ(RepairGuidText("{" + kValidBody), "{" + kValidBody);
    // What follows the 36 characters is not looked at.
    EXPECT_EQ(RepairGuidText("{" + kValidBody + "xyz"), "{" + kValidBody + "xyz");
    EXPECT_EQ(RepairGuidText("{"), kDefaultGuidText);
    EXPECT_EQ(RepairGuidText("{" + kValidBody.substr(0, 35)), kDefaultGuidText);
    EXPECT_EQ(RepairGuidText("{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1FG}"), kDefaultGuidText);
}

TEST(GuidText, PlainTextNeedsThirtyTwoHexDigitsAndKeepsWhatFollowsThem) {
    EXPECT_EQ(RepairGuidText(kDigits32), kDigits32);
    EXPECT_EQ(RepairGuidText(kDigits32 + "-tail"), kDigits32 + "-tail");
    EXPECT_EQ(RepairGuidText(kDigits32.substr(0, 31)), kDefaultGuidDigits);
    EXPECT_EQ(RepairGuidText(""), kDefaultGuidDigits);
    EXPECT_EQ(RepairGuidText("bare-game"), kDefaultGuidDigits);
    // A dash counts only in the braced form.
    const std::string dashed = "01234567-89ab-cdef-0123-456789abcdef";
    EXPECT_EQ(RepairGuidText(dashed), std::string(kDefaultGuidDigits) + dashed.substr(32));
    EXPECT_EQ(RepairGuidText(std::string(31, 'a') + "g" + "XY"), std::string(kDefaultGuidDigits) + "XY");
}

TEST(GameStrings, CategoryAndPaceCompareWholeTextWithoutCase) {
    EXPECT_EQ(GameCategoryFromText("Action"), kCategoryAction);
    EXPECT_EQ(GameCategoryFromText("logic"), kCategoryLogic);
    EXPECT_EQ(GameCategoryFromText("card"), kCategoryCard);
    EXPECT_EQ(GameCategoryFromText("CARD"), kCategoryCard);
    EXPECT_EQ(GameCategoryFromText("Card "), kCategoryOther);
    EXPECT_EQ(GameCategoryFromText(""), kCategoryOther);
    EXPECT_EQ(GamePaceFromText("Sweat"), kPaceSweat);
    EXPECT_EQ(GamePaceFromText("MIX"), kPaceMix);
    EXPECT_EQ(GamePaceFromText("Mixed"), kPaceOther);
    EXPECT_EQ(GamePaceFromText(""), kPaceOther);
}

}  // namespace
