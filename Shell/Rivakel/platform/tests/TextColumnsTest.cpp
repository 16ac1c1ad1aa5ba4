// Text laid out for the window system's message box, which does not wrap on its own.
#include <gtest/gtest.h>

#include <string>

#include "platform/TextColumns.h"

namespace {

struct WrapCase {
    std::string text;
    size_t columns;
    std::string wrapped;
};

TEST(WrapToColumns, BreaksAtTheLastBlankAndKeepsWhatTheTextHas) {
    const WrapCase cases[] = {
        {"", 10, ""},
        {"fits exactly", 12, "fits exactly"},
        {"one two three", 7, "one two\nthree"},
        // The blanks at a break go, the text's own spacing elsewhere stays.
        {"ab.  Cd ef.  Gh", 6, "ab.\nCd ef.\nGh"},
        {"a    b", 3, "a\nb"},
        // Line breaks of its own stay, and each line is wrapped by itself.
        {"first line\n\nsecond line here", 11, "first line\n\nsecond line\nhere"},
        {"  indented text", 10, "  indented\ntext"},
        // A word longer than a line is cut at the line's end.
        {"see /a/very/long/path/to/Game.gam now", 10, "see\n/a/very/lo\nng/path/to\n/Game.gam\nnow"},
        {"abc", 0, "a\nb\nc"},
        {"trailing   ", 8, "trailing"},
    };
    for (const WrapCase& c : cases) {
        EXPECT_EQ(platform::WrapToColumns(c.text, c.columns), c.wrapped) << '"' << c.text << "\" at " << c.columns;
    }
}

TEST(WrapToColumns, NoLineIsLongerThanAskedAndNoWordIsLost) {
    std::string text;
    for (int i = 0; i < 400; ++i) {
        text += std::string(static_cast<size_t>(i % 13 + 1), static_cast<char>('a' + i % 26));
        text += i % 7 == 0 ? "  " : " ";
    }
    for (size_t columns : {5u, 12u, 72u}) {
        const std::string wrapped = platform::WrapToColumns(text, columns);
        size_t lineStart = 0;
        for (size_t i = 0; i <= wrapped.size(); ++i) {
            if (i < wrapped.size() && wrapped[i] != '\n') continue;
            EXPECT_LE(i - lineStart, columns);
            lineStart = i + 1;
        }
        std::string letters, wrappedLetters;
        for (char c : text) {
            if (c != ' ') letters += c;
        }
        for (char c : wrapped) {
            if (c != ' ' && c != '\n') wrappedLetters += c;
        }
        EXPECT_EQ(wrappedLetters, letters) << columns;
    }
}

}  // namespace
