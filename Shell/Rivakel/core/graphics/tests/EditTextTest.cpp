#include "core/graphics/EditText.h"

#include <gtest/gtest.h>

TEST(EditTextTest, TypingReplacesTheSelectionAndMovesTheCaret) {
    CEditText text(true);
    text.Insert("hello");
    text.Left(false);
    text.Left(true);
    EXPECT_EQ(text.SelectedText(), "l");
    text.Insert("LP");
    EXPECT_EQ(text.Text(), "helLPo");
    EXPECT_EQ(text.Caret(), 5u);
    text.SelectAll();
    EXPECT_TRUE(text.Backspace());
    EXPECT_EQ(text.Text(), "");
    EXPECT_FALSE(text.Backspace());
    EXPECT_FALSE(text.Delete());
}

TEST(EditTextTest, SingleLineDropsLineBreaksAndControlCharacters) {
    CEditText text(true);
    text.Insert("a@b.c\r\nx\ty\x01z");
    EXPECT_EQ(text.Text(), "a@b.cx\tyz");
}

TEST(EditTextTest, MultiLineKeepsBreaksAsPairsAndStepsOverThem) {
    CEditText text(false);
    text.Insert("one\ntwo\rthree");
    EXPECT_EQ(text.Text(), "one\r\ntwo\r\nthree");
    text.MoveTo(4, false);  // between CR and LF
    EXPECT_EQ(text.Caret(), 3u);
    text.Right(false);
    EXPECT_EQ(text.Caret(), 5u);
    EXPECT_TRUE(text.Backspace());
    EXPECT_EQ(text.Text(), "onetwo\r\nthree");
    text.MoveTo(6, false);
    EXPECT_TRUE(text.Delete());
    EXPECT_EQ(text.Text(), "onetwothree");
}

TEST(EditTextTest, LengthNeverPassesTheLimit) {
    CEditText text(false);
    text.Insert(std::string(4998, 'a'));
    text.Insert("\r\n\r\n");
    EXPECT_EQ(text.Text().size(), 5000u);
    EXPECT_FALSE(text.Insert("b"));
    text.SetText(std::string(6000, 'c'));
    EXPECT_EQ(text.Text().size(), CEditText::kMaxLength);
    EXPECT_EQ(text.Caret(), 0u);
    // A break that would only half fit is left out.
    text.SetText(std::string(4999, 'd'));
    text.MoveTo(4999, false);
    EXPECT_FALSE(text.Insert("\r\n"));
    EXPECT_EQ(text.Text().back(), 'd');
}
