// Players' names on every game screen that shows one, each game in the harness's shell window: a
// name holding what markup reads ('<', '>', '&', '%' and tags) is drawn exactly as it was typed,
// as the shell draws plain text, wherever the game puts it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "Games/Dunmoro/tests/DunmoroBot.h"
#include "core/graphics/Image.h"
#include "core/graphics/SurfaceServices.h"
#include "core/text/CSubsystem_Font.h"
#include "harness/GameSession.h"

namespace {

// The module of `game` (its name in lower case) among those the build made.
std::string ModuleOf(const std::string& game) {
    std::istringstream modules(RIVAKEL_GAME_MODULES);
    for (std::string entry; std::getline(modules, entry, '|');)
        if (entry.starts_with(game + "=")) return entry.substr(game.size() + 1);
    return {};
}

// Any game in the harness, seen as Dunmoro's bot sees its own.
class NamedSession : public GameSession, public dunmoro::test::DunmoroView {
public:
    explicit NamedSession(const std::string& module)
        : GameSession(std::filesystem::path(module).stem().string(), module) {}

    // The name wherever a game keeps one: the current player, every row of the best players and
    // the challenge's best pupil; the player has one board of the challenge left.
    void StoreName(const std::string& name) {
        SetValue("CurPlayer", name);
        for (int row = 1; row <= 5; ++row) {
            SetValue("Score" + std::to_string(row) + "Name", name);
            SetValue("Score" + std::to_string(row) + "Score", std::to_string(600 - 100 * row));
        }
        SetValue("BestOruPlayer", name);
        SetValue("BestOruAttempts", "3");
        SetValue(name + " - CurPlayMode", "8");
        SetValue(name + " - OruBoard", "18");
        SetValue(name + " - OruAttempts", "17");
    }
};

// `text` as the shell draws it as it stands, in Arial of that size: where the ink is.
struct Ink {
    int width = 0, height = 0;
    std::vector<bool> on;
};

Ink InkOf(const std::string& text, int size, bool bold) {
    CSubsystem_Font* fonts = CurrentSurfaceServices().fonts;
    CFont* font = fonts->CreateFont("Arial", size, bold ? kFontBold : 0);
    CImage image(fonts, 400, 60, 0);
    image.ClearToColor(0x000000);
    image.SetFont(font);
    font->ReleaseInternalRef();
    image.SetTextColor(0xFFFFFF);
    TextSize extent{};
    image.GetTextExtent(text.c_str(), static_cast<int>(text.size()), extent);
    image.DrawText(text.c_str(), static_cast<int>(text.size()), 0, 0);
    Ink ink{extent.cx, extent.cy, {}};
    for (int y = 0; y < ink.height; ++y)
        for (int x = 0; x < ink.width; ++x) ink.on.push_back(image.GetRenderTarget().Pixel(x, y) == 0xFFFFFF);
    return ink;
}

// Whether the frame shows the ink in `colour` inside `area`, with no other pixel of that colour in
// the text's box; up to `hidden` pixels of it may lie left of the area, where they are not checked.
bool Shows(const GameAreaFrame& frame, const Ink& ink, uint32_t colour, const int (&area)[4], int hidden) {
    for (int top = area[1]; top + ink.height <= area[3]; ++top) {
        for (int left = area[0] - hidden; left + ink.width <= area[2]; ++left) {
            bool same = true;
            for (int y = 0; y < ink.height && same; ++y)
                for (int x = std::max(0, area[0] - left); x < ink.width && same; ++x)
                    same = ink.on[static_cast<size_t>(y * ink.width + x)] == (frame.Pixel(left + x, top + y) == colour);
            if (same) return true;
        }
    }
    return false;
}

// Where a screen shows the name: the area searched and the text's size, boldness and colour.
struct Place {
    const char* what;
    int area[4];
    int size;
    bool bold;
    uint32_t colour;
    int hidden = 0;
};

struct Screen {
    const char* game;
    const char* name;
    std::function<bool(NamedSession&)> reach;  // from the title, as a player gets there
    std::vector<Place> places;
};

bool OnTitle(NamedSession&) { return true; }

bool WinDunmorosChallenge(NamedSession& session) {
    dunmoro::test::DunmoroBot bot(session);
    session.StartTheGame();
    for (int deal = 0; deal < 20; ++deal) {
        std::string error;
        if (bot.PlayBoard(18, &error)) break;
        if (!error.empty()) return false;
        session.BoxFirstButton();
    }
    return session.ChallengeWonUp();
}

TEST(PlayerNames, EveryScreenThatShowsANameDrawsItAsTyped) {
    const std::string names[] = {"Ivy <I>", "a<b", "<S4>Ann", "R&amp;D >", "%s%n 100%"};
    constexpr bool kBold = true, kRegular = false;
    const Screen screens[] = {
        {"dunmoro", "title", OnTitle,
         {{"current player", {130, 236, 500, 262}, 18, kBold, 0x000000},
          {"top players", {313, 28, 425, 48}, 12, kBold, 0x000000},
          {"top challenger", {315, 136, 500, 160}, 14, kBold, 0x000000}}},
        {"dunmoro", "mode",
         [](NamedSession& s) {
             s.ModeButton();
             s.Wait(200);
             return s.OnModeScreen();
         },
         {{"top challenger", {116, 86, 500, 106}, 12, kBold, 0x000000}}},
        {"dunmoro", "challenge won", WinDunmorosChallenge,
         {{"congratulations", {110, 112, 391, 140}, 14, kBold, 0x000000},
          {"best pupil", {110, 250, 391, 275}, 12, kRegular, 0x000000}}},
        {"torvimble", "title", OnTitle,
         {{"player", {0, 185, 500, 225}, 24, kBold, 0x000000},
          {"top rocks", {346, 20, 460, 40}, 12, kBold, 0x000000}}},
        {"brisquet2", "title", OnTitle,
         {{"player", {356, 274, 494, 296}, 14, kBold, 0x000000},
          {"best breakers", {331, 173, 435, 193}, 12, kBold, 0x000000}}},
        // The headless window's font is wider than Arial: a long line's start lies under the label
        // beside it, which ends at x 265.
        {"grumbolt", "title", OnTitle,
         {{"player", {266, 338, 466, 358}, 14, kBold, 0xFFFFFF, 60},
          {"biggest grumbos", {326, 25, 435, 45}, 12, kBold, 0x000000}}},
        {"glimtide", "title", OnTitle, {{"top players", {356, 33, 465, 90}, 12, kBold, 0xFFFFFF}}},
        {"pellawick", "title", OnTitle, {{"best players", {201, 105, 310, 125}, 12, kBold, 0x000000}}},
        {"pennimar", "title", OnTitle, {{"top farmers", {306, 34, 425, 54}, 12, kBold, 0x000000}}},
        {"aurelsk", "title", OnTitle, {{"top divers", {336, 33, 445, 53}, 12, kBold, 0x000000}}},
        {"tallimo", "title", OnTitle, {{"high scores", {0, 243, 250, 263}, 14, kBold, 0x000000}}},
        {"vintrel", "title", OnTitle, {{"top vintrels", {46, 210, 155, 230}, 12, kBold, 0x000000}}},
    };
    for (const Screen& screen : screens) {
        const std::string module = ModuleOf(screen.game);
        ASSERT_FALSE(module.empty()) << screen.game;
        for (const std::string& name : names) {
            NamedSession session(module);
            session.StoreName(name);
            ASSERT_TRUE(session.Start()) << screen.game;
            session.Wait(500);
            ASSERT_TRUE(screen.reach(session)) << screen.game << " " << screen.name << ": " << name;
            for (const Place& place : screen.places) {
                const Ink ink = InkOf(name, place.size, place.bold);
                EXPECT_TRUE(Shows(session.Presented(), ink, place.colour, place.area, place.hidden))
                    << screen.game << " " << screen.name << ", " << place.what << ": " << name;
            }
        }
    }
}

}  // namespace
