// Texts in a real window with the installed fonts: each stays inside its place, clear of the
// boxes, buttons and bars beside it, and its words apart; a long greeting can be scrolled back.
#include "core/graphics/EditField.h"
#include "core/graphics/Image.h"
#include "core/graphics/RolloverButton.h"
#include "frame/pages/FormPages.h"
#include "frame/shell/tests/WindowSession.h"

namespace {

constexpr platform::Point kPageAt{189, 129};
constexpr uint32_t kInk = 0x000000, kWhite = 0xFFFFFF;

class TextsFitUnderXvfb : public WindowSession {
protected:
    static uint32_t At(const std::vector<uint32_t>& pixels, int x, int y) { return pixels[static_cast<size_t>(y) * 800 + x]; }
    static uint32_t OnPageImage(int x, int y) { return Shell()->PageSurface()->GetCurImage()->GetRenderTarget().Pixel(x, y); }
    // The columns left of the page (x 100 to 188) with white ink in the caption rows of menu
    // button `slot`, as the window shows them.
    static std::vector<int> CaptionColumns(size_t slot) {
        const CSurface* button = Shell()->MenuButtons()[slot];
        const std::vector<uint32_t> shown = Shown();
        if (button == nullptr || shown.empty()) return {};
        const platform::Point at = button->AbsoluteLoc();
        int width = 0, height = 0;
        button->GetSize(width, height);
        std::vector<int> inked;
        for (int x = 100; x < kPageAt.x; ++x) {
            for (int y = at.y + height - 15; y < at.y + height; ++y) {
                if (At(shown, x, y) != kWhite) continue;
                inked.push_back(x);
                break;
            }
        }
        return inked;
    }
    // Pixels of `colour` in the page's own picture inside `area`.
    static int InkOnPage(const platform::Rect& area, uint32_t colour) {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) count += OnPageImage(x, y) == colour ? 1 : 0;
        }
        return count;
    }
};

TEST_F(TextsFitUnderXvfb, TheExitPagesFieldLeavesItsSunkBoxShowing) {
    StartInWindow(false);
    Shell()->ShowPage(page_name::kExit);
    Run(std::chrono::milliseconds(300));
    const std::vector<uint32_t> shown = Shown();
    ASSERT_FALSE(shown.empty());
    // The box (119, 323)-(288, 345): dark top and left edges, light bottom and right ones.
    const auto page = [&](int x, int y) { return At(shown, kPageAt.x + x, kPageAt.y + y); };
    EXPECT_EQ(page(200, 323), 0x663300u);
    EXPECT_EQ(page(119, 335), 0x663300u);
    EXPECT_EQ(page(200, 344), 0xCC9966u);
    EXPECT_EQ(page(287, 335), 0xCC9966u);
}

// The Exit page lays the "Games-get-more" header squeezed over the lower right of the "join" one:
// every letter of "Join Rivakel" stays as the Join page shows it, and the squeezed title is there.
TEST_F(TextsFitUnderXvfb, TheExitPagesTwoHeadersBothRead) {
    constexpr uint32_t kLettering = 0xFFFF99;
    StartInWindow(false);
    Shell()->ShowPage(page_name::kJoin);
    Run(std::chrono::milliseconds(300));
    const std::vector<uint32_t> join = Shown();
    Shell()->ShowPage(page_name::kExit);
    Run(std::chrono::milliseconds(300));
    const std::vector<uint32_t> exit = Shown();
    ASSERT_FALSE(join.empty());
    ASSERT_FALSE(exit.empty());
    const auto page = [](const std::vector<uint32_t>& shown, int x, int y) { return At(shown, kPageAt.x + x, kPageAt.y + y); };
    // Left of the Join page's own picture at x 263.
    int letters = 0, covered = 0;
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 263; ++x) {
            if (page(join, x, y) != kLettering) continue;
            ++letters;
            covered += page(exit, x, y) != kLettering ? 1 : 0;
        }
    }
    EXPECT_GT(letters, 150);
    EXPECT_EQ(covered, 0);
    int squeezed = 0;
    for (int y = 20; y < 50; ++y) {
        for (int x = 65; x < 326; ++x) squeezed += page(exit, x, y) == kLettering ? 1 : 0;
    }
    EXPECT_GT(squeezed, 100);
}

// Each check's message on the Email_This page replaces the one before whole: after every pair
// the message area is as the second message alone leaves it on a fresh page.
TEST_F(TextsFitUnderXvfb, AnEmailThisMessageLeavesNothingOfTheOneBefore) {
    StartInWindow(false);
    struct Refusal {
        const char* recipients;
        const char* sender;
    };
    const Refusal refusals[] = {{"nobody", "me@x.y"}, {"a b@x.y", "me@x.y"}, {"a@x.y", "me@x.y,you@x.y"}};
    const auto send = [](const Refusal& refusal) {
        const std::vector<CEditField*> fields = FormPages()->MailFields();
        fields[0]->SetText(refusal.recipients);
        fields[2]->SetText(refusal.sender);
        FormPages()->OnSend();
    };
    const auto messageArea = [] {
        std::vector<uint32_t> pixels;
        for (int y = 335; y < 420; ++y)
            for (int x = 0; x < 500; ++x) pixels.push_back(OnPageImage(x, y));
        return pixels;
    };
    for (const Refusal& second : refusals) {
        Shell()->ShowPage(page_name::kEmailThis, 0);
        send(second);
        const std::vector<uint32_t> alone = messageArea();
        for (const Refusal& first : refusals) {
            Shell()->ShowPage(page_name::kEmailThis, 0);
            send(first);
            send(second);
            EXPECT_EQ(messageArea(), alone) << first.recipients << " then " << second.recipients;
        }
    }
}

TEST_F(TextsFitUnderXvfb, TheSettingsRemovalLineStaysClearOfItsButton) {
    StartInWindow(false);
    Shell()->ShowPage(page_name::kSettings);
    Run(std::chrono::milliseconds(300));
    // Under the Remove Games button, at (375, 377), 100 x 24: nothing of the line.
    EXPECT_EQ(InkOnPage({372, 372, 480, 410}, kInk), 0);
    // All of it is drawn: "Rivakel Companion" ends the second line.
    EXPECT_GT(InkOnPage({15, 391, 370, 410}, kInk), 0);
}

TEST_F(TextsFitUnderXvfb, TheUsersDetailsStayClearOfTheScrollBar) {
    StartInWindow(false);
    // The same frame without the details: whatever differs right of the text box is theirs.
    Shell()->ShowSupportPage(161);
    Run(std::chrono::milliseconds(200));
    std::vector<uint32_t> without;
    for (int y = 240; y < 295; ++y) {
        for (int x = 470; x < 500; ++x) without.push_back(OnPageImage(x, y));
    }
    Shell()->ShowSupportPage(160);
    Run(std::chrono::milliseconds(200));
    std::vector<uint32_t> with;
    for (int y = 240; y < 295; ++y) {
        for (int x = 470; x < 500; ++x) with.push_back(OnPageImage(x, y));
    }
    EXPECT_EQ(with, without);
    // The session identifier is drawn.
    EXPECT_GT(InkOnPage({182, 261, 470, 277}, kInk), 0);
}

TEST_F(TextsFitUnderXvfb, TheNewGameCaptionShowsItsBlank) {
    StartInWindow(true);
    const std::vector<int> inked = CaptionColumns(1);
    ASSERT_GE(inked.size(), 2u);
    int widest = 0;
    for (size_t i = 1; i < inked.size(); ++i) widest = std::max(widest, inked[i] - inked[i - 1] - 1);
    // Letters stand one or two columns apart; the words clearly more.
    EXPECT_GE(widest, 4);
}

// "Back to Game", the widest caption, keeps to the menu column: nothing of it on the page's
// border from x 187 on.
TEST_F(TextsFitUnderXvfb, TheBackToGameCaptionStaysInTheMenuColumn) {
    StartInWindow(true);
    Shell()->ShowPage(page_name::kGames);
    Run(std::chrono::milliseconds(300));
    const std::vector<int> inked = CaptionColumns(0);
    ASSERT_GE(inked.size(), 40u);
    EXPECT_LT(inked.back(), 122 + CShell::kMenuColumnRight);
}

// A greeting longer than the Email_This field shows scrolls under the wheel, three lines a notch
// and no further than its first and last lines. Line n is n digits long, so the top row's ink
// tells which line heads the field.
TEST_F(TextsFitUnderXvfb, TheGreetingScrollsUnderTheWheel) {
    StartInWindow(false);
    Shell()->ShowPage(page_name::kEmailThis, 0);
    CEditField* greeting = FormPages()->MailFields()[1];
    greeting->SetFocus();
    const auto type = [](char ch) {
        test_portal::Deliver(platform::Event{.type = platform::EventType::Char, .ch = static_cast<uint8_t>(ch)});
    };
    for (char line = '1'; line <= '8'; ++line) {
        if (line != '1') type('\r');
        for (char n = '1'; n <= line; ++n) type(line);
    }
    const platform::Point at = greeting->AbsoluteLoc();
    const auto topLineInk = [&] {
        Run(std::chrono::milliseconds(100));
        const std::vector<uint32_t> shown = Shown();
        int right = 0;
        for (int y = at.y; y < at.y + 14; ++y)
            for (int x = at.x; x < at.x + 400; ++x)
                if (At(shown, x, y) == kInk) right = std::max(right, x - at.x);
        return right;
    };
    const auto turn = [&](int notches) {
        test_portal::Deliver(
            platform::Event{.type = platform::EventType::MouseWheel, .x = at.x + 100, .y = at.y + 20, .wheel = notches});
    };
    const int typed = topLineInk();  // line 6 heads the last three
    turn(1);
    const int third = topLineInk();
    turn(1);
    const int first = topLineInk();
    EXPECT_LT(third, typed);
    EXPECT_LT(first, third);
    turn(5);
    EXPECT_EQ(topLineInk(), first);
    turn(-9);
    EXPECT_EQ(topLineInk(), typed);
}

}  // namespace

namespace {

// Scrolled back to its top, a greeting longer than its field shows whole lines only: every line
// of ink in it stands as tall as the first.
TEST_F(TextsFitUnderXvfb, TheGreetingShowsWholeLines) {
    StartInWindow(false);
    Shell()->ShowPage(page_name::kEmailThis, 0);
    const std::vector<CEditField*> fields = FormPages()->MailFields();
    fields[1]->SetFocus();
    for (int line = 0; line < 6; ++line) {
        for (const char ch : std::string(line == 0 ? "Hg" : "\rHg")) {
            test_portal::Deliver(platform::Event{.type = platform::EventType::Char, .ch = static_cast<uint8_t>(ch)});
        }
    }
    // No caret to stand out of its line.
    fields[0]->SetFocus();
    const platform::Point at = fields[1]->AbsoluteLoc();
    test_portal::Deliver(
        platform::Event{.type = platform::EventType::MouseWheel, .x = at.x + 100, .y = at.y + 20, .wheel = 5});
    Run(std::chrono::milliseconds(100));
    const std::vector<uint32_t> shown = Shown();
    int width = 0, height = 0;
    fields[1]->GetSize(width, height);
    std::vector<int> bands;
    bool inked = false;
    for (int y = at.y; y <= at.y + height; ++y) {
        bool any = false;
        for (int x = at.x; x < at.x + width && y < at.y + height && !any; ++x) any = shown[static_cast<size_t>(y) * 800 + x] == kInk;
        if (any && !inked) bands.push_back(0);
        if (any) ++bands.back();
        inked = any;
    }
    ASSERT_GE(bands.size(), 3u);
    for (const int band : bands) EXPECT_EQ(band, bands.front());
}

}  // namespace
