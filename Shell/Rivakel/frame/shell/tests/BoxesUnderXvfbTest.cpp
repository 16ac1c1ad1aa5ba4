// The dialog kit's boxes in a real window with the installed fonts: a box keeps its text's own
// lines, digits stand apart, and an input box shows its proposal selected.
#include <SDL.h>

#include "core/dialogs/Dialog.h"
#include "core/dialogs/DialogWidgets.h"
#include "core/dialogs/ShellDialogs.h"
#include "frame/shell/tests/WindowSession.h"

namespace {

constexpr uint32_t kSelection = 0x000080;

class BoxesUnderXvfb : public WindowSession {
protected:
    // The rows and columns of the box's text area (below the caption, above the buttons) that
    // hold text ink, as runs: one run of rows per line, one run of columns per standing glyph.
    struct Ink {
        int lines = 0;
        std::vector<int> columnRuns;  // of the first line
        int boxWidth = 0;
    };

    static Ink TextInk(const CDialog& dialog) {
        const std::vector<uint32_t> shown = Shown();
        const platform::Rect box = dialog.BoxRect();
        const int top = box.top + dialog_look::kCaptionHeight + 4;
        const int bottom = dialog.ControlRect(kIdOk).top;
        const auto ink = [&](int x, int y) { return shown[static_cast<size_t>(y) * 800 + x] == dialog_look::kText; };
        Ink result;
        result.boxWidth = box.Width();
        int firstTop = -1, firstBottom = -1;
        bool inLine = false;
        for (int y = top; y < bottom; ++y) {
            bool any = false;
            for (int x = box.left; x < box.right && !any; ++x) any = ink(x, y);
            if (any && !inLine) {
                ++result.lines;
                if (firstTop < 0) firstTop = y;
            }
            if (!any && inLine && firstBottom < 0) firstBottom = y;
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
    // Only a line wider than the window is wrapped, at the window's width.
    const Ink wide = Showing("Long", std::string(400, 'x'));
    EXPECT_GT(wide.lines, 2);
    EXPECT_EQ(wide.boxWidth, 800);
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
