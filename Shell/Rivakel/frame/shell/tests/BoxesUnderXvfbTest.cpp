// The dialog kit's boxes in a real window with the installed fonts: a box keeps its text's own
// lines and sets one long line in even lines, digits stand apart, and an input box shows its
// proposal selected.
#include <SDL.h>

#include <algorithm>

#include "core/dialogs/Dialog.h"
#include "core/dialogs/DialogWidgets.h"
#include "core/dialogs/ShellDialogs.h"
#include "frame/shell/tests/WindowSession.h"
#include "oldest/MoreGamesNotice.h"

namespace {

constexpr uint32_t kSelection = 0x000080;

class BoxesUnderXvfb : public WindowSession {
protected:
    // The rows and columns of the box's text area (below the caption, above the buttons) that
    // hold text ink, as runs: one run of rows per line, one run of columns per standing glyph.
    struct Ink {
        int lines = 0;
        std::vector<int> columnRuns;  // of the first line
        std::vector<int> lineWidths;  // from each line's first inked column to its last
        platform::Rect box{};
        int boxWidth = 0;
    };

    static Ink TextInk(const CDialog& dialog) {
        const std::vector<uint32_t> shown = Shown();
        const platform::Rect box = dialog.BoxRect();
        const int top = box.top + dialog_look::kCaptionHeight + 4;
        const int bottom = dialog.ControlRect(kIdOk).top;
        const auto ink = [&](int x, int y) { return shown[static_cast<size_t>(y) * 800 + x] == dialog_look::kText; };
        Ink result;
        result.box = box;
        result.boxWidth = box.Width();
        int firstTop = -1, firstBottom = -1;
        bool inLine = false;
        int left = box.right, right = box.left;
        for (int y = top; y <= bottom; ++y) {
            bool any = false;
            for (int x = box.left; x < box.right && y < bottom; ++x) {
                if (!ink(x, y)) continue;
                any = true;
                left = std::min(left, x);
                right = std::max(right, x);
            }
            if (any && !inLine) {
                ++result.lines;
                if (firstTop < 0) firstTop = y;
            }
            if (!any && inLine) {
                if (firstBottom < 0) firstBottom = y;
                result.lineWidths.push_back(right - left + 1);
                left = box.right;
                right = box.left;
            }
            inLine = any;
        }
        if (firstTop < 0) return result;
        int run = 0;
        for (int x = box.left; x <= box.right; ++x) {
            bool any = false;
            for (int y = firstTop; y < firstBottom && x < box.right && !any; ++y) any = ink(x, y);
            if (any) {
                ++run;
            } else if (run > 0) {
                result.columnRuns.push_back(run);
                run = 0;
            }
        }
        return result;
    }

    // Shows a message box and answers what its text looks like in the window.
    Ink Showing(std::string_view caption, std::string_view text) {
        Ink ink;
        Expect("MESSAGEBOX", [&](CDialog& dialog) {
            ink = TextInk(dialog);
            dialog.Press(kIdOk);
        });
        ShowMessageBox(caption, text, 0);
        return ink;
    }
};

TEST_F(BoxesUnderXvfb, TheInstallationBoxesKeepTheirOwnLines) {
    StartInWindow(false);
    EXPECT_EQ(Showing("Successful Installation",
                      "The Rivakel Game Companion has been successfully installed on your computer and\n"
                      "will now close.  After Rivakel closes, please go back to your e-mail message\n"
                      "from Rivakel and double-click or run the attached file to see your\n"
                      "message and play the game!")
                  .lines,
              4);
    EXPECT_EQ(Showing("Unexpected Error",
                      "Please send an e-mail to support@rivakel.example\n                         and type \"ISSUE "
                      "180 - 28\" in the subject line.\n                         We will get back to you with more "
                      "information\n                         to solve the problem.  Thank you, Rivakel")
                  .lines,
              4);
}

// One long line is set to a width that reads well, over the middle of the window, in even lines:
// none ends with a word left alone. A word longer than that width is cut.
TEST_F(BoxesUnderXvfb, OneLongLineIsSetInEvenLinesOverTheMiddleOfTheWindow) {
    StartInWindow(false);
    const struct {
        std::string_view caption;
        std::string text;
    } boxes[] = {{kGameNotFoundCaption, GameNotFoundText("Shell Test Game")},
                 {kMoreGamesCaption, kMoreGamesText},
                 {"Long", std::string(400, 'x')}};
    for (const auto& box : boxes) {
        const Ink ink = Showing(box.caption, box.text);
        ASSERT_GE(ink.lineWidths.size(), 2u) << box.caption;
        EXPECT_LE(ink.boxWidth, 800 * 3 / 5) << box.caption;
        EXPECT_NEAR((ink.box.left + ink.box.right) / 2, 400, 1) << box.caption;
        const int widest = *std::max_element(ink.lineWidths.begin(), ink.lineWidths.end());
        EXPECT_GE(2 * ink.lineWidths.back(), widest) << box.caption << ": the last line is short";
    }
}

TEST_F(BoxesUnderXvfb, RepeatedDigitsStandApart) {
    StartInWindow(false);
    for (const char* digits : {"00000000", "44444444", "11111111"}) {
        const Ink ink = Showing("Digits", digits);
        EXPECT_EQ(ink.columnRuns.size(), 8u) << digits;
    }
    // "C" and the seven digits of the error code.
    EXPECT_EQ(Showing("Error", "C0000005").columnRuns.size(), 8u);
}

TEST_F(BoxesUnderXvfb, AnInputBoxShowsItsProposalSelectedAndTypingReplacesIt) {
    StartInWindow(false);
    int selected = 0;
    Expect("IDD_INPUT_BOX*", [&](CDialog& dialog) {
        const std::vector<uint32_t> shown = Shown();
        const platform::Rect field = dialog.ControlRect(kIdEntry);
        for (int y = field.top; y < field.bottom; ++y) {
            for (int x = field.left; x < field.right; ++x) selected += shown[static_cast<size_t>(y) * 800 + x] == kSelection;
        }
        for (char ch : std::string("Bob")) {
            test_portal::Deliver(platform::Event{.type = platform::EventType::Char, .ch = static_cast<uint8_t>(ch)});
        }
        dialog.Press(kIdOk);
    });
    std::string entry;
    EXPECT_EQ(InputBox("Change Player", "Enter your name:", "Guest", 32, kMessageBoxOkCancel, entry), 1);
    EXPECT_GT(selected, 50);
    EXPECT_EQ(entry, "Bob");
}

// With no window manager nobody hands the keyboard back: boxes drawn inside the window must
// never take it away.
TEST_F(BoxesUnderXvfb, TheWindowKeepsTheKeyboardAcrossBoxesWithoutAWindowManager) {
    StartInWindow(false);
    SDL_Window* focused = SDL_GetKeyboardFocus();
    ASSERT_NE(focused, nullptr);
    for (int box = 0; box < 6; ++box) {
        Expect("IDD_INPUT_BOX*", [](CDialog& dialog) { dialog.Press(kIdOk); });
        std::string entry;
        InputBox("Swamp", "Swamp number (1-50000):", "1", 5, kMessageBoxOkCancel, entry);
        ExpectPress("MESSAGEBOX", kIdOk);
        ShowMessageBox("Swamp", "No such swamp.", 0);
        Run(std::chrono::milliseconds(100));
        EXPECT_EQ(SDL_GetKeyboardFocus(), focused) << "after box " << box;
    }
}

}  // namespace
