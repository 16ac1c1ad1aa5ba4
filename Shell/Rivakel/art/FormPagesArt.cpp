// The form pages' own pictures: the mascot of the Home and Join pages, the headings drawn on the
// page or on a framed box's black band, the form buttons, and the box that asks before a game
// sends an e-mail (a question frame and a sending frame).
#include <string>

#include "PortalLook.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;

// The mail box's ground, the colour its results are written on.
constexpr uint32_t kMailGround = 0xFF9A00;

// An envelope centred on (cx, cy), `w` wide, its flap closed or open with a letter showing.
void Envelope(Canvas& c, float cx, float cy, float w, bool open) {
    const float h = w * 0.64f, x = cx - w / 2, y = cy - h / 2;
    const uint32_t paper = portal::kCream, rim = portal::kBrown;
    if (open) {
        c.Fill(Path::Polygon({{x, y}, {cx, y - h * 0.55f}, {x + w, y}}), art::Shade(paper, -0.12f));
        c.Outline(Path::Polygon({{x, y}, {cx, y - h * 0.55f}, {x + w, y}}), 1, rim);
        c.Fill(Path::Rect(x + w * 0.15f, y - h * 0.35f, w * 0.7f, h * 0.6f), portal::kWhite);
        for (int line = 0; line < 3; ++line) {
            const float ly = y - h * 0.22f + static_cast<float>(line) * h * 0.13f;
            c.Line(x + w * 0.25f, ly, x + w * 0.75f, ly, 1, portal::kIndigoLight);
        }
    }
    c.Fill(Path::Rect(x, y, w, h), paper);
    c.Outline(Path::Rect(x, y, w, h), 1.2f, rim);
    c.Fill(Path::Polygon({{x, y + h}, {cx, cy + h * 0.05f}, {x + w, y + h}}), art::Shade(paper, -0.08f));
    if (!open) c.Fill(Path::Polygon({{x, y}, {cx, cy + h * 0.12f}, {x + w, y}}), art::Shade(paper, -0.16f));
    c.Outline(Path::Polygon({{x, y}, {cx, cy + h * 0.12f}, {x + w, y}}), 1, rim);
    c.Fill(Path::Ellipse(cx, cy + h * 0.1f, w * 0.07f, w * 0.07f), portal::kRed);
}

// Frame 0 asks (a sealed envelope on the mail badge), frame 1 sends (the envelope open, speed
// lines behind it).
art::Picture MailBox() {
    art::Picture picture;
    for (int frame = 0; frame < 2; ++frame) {
        Canvas c(324, 112);
        c.Clear(kMailGround);
        c.Fill(Path::RoundRect(1, 1, 322, 110, 8), Paint::Linear(0, 0, 0, 112, {{0, 0xFFB340}, {1, kMailGround}}));
        c.Outline(Path::RoundRect(1.5f, 1.5f, 321, 109, 8), 2, portal::kBrown);
        c.Outline(Path::RoundRect(6.5f, 5.5f, 311, 99, 5), 1, portal::kOrangeDark);
        portal::Medallion(c, 36, 52, 25, portal::GlyphColour(portal::Glyph::Mail), false);
        if (frame == 1) {
            for (int line = 0; line < 3; ++line) {
                const float ly = 44 + static_cast<float>(line) * 8;
                c.Line(14, ly, 24, ly, 2, portal::kCreamDeep);
            }
        }
        Envelope(c, frame == 1 ? 40 : 36, 54, 30, frame == 1);
        picture.frames.push_back(std::move(c));
        picture.delays.push_back(0);
    }
    return picture;
}

// The mascot greeting the player beside a stack of game tiles, with stars about it.
art::Picture RivGuy() {
    Canvas c(226, 152);
    // A cream spotlight parts the orange mascot from the orange page.
    c.Fill(Path::Ellipse(100, 80, 98, 70), portal::kCream);
    c.Outline(Path::Ellipse(100, 80, 98, 70), 2, portal::kOrangeDark);
    c.Fill(Path::Ellipse(113, 140, 100, 10), portal::kOrangeDark);
    const uint32_t tiles[] = {portal::kRed, portal::kGreen, portal::kIndigo};
    for (int i = 0; i < 3; ++i) {
        const float x = 124 + static_cast<float>(i) * 14, y = 88 - static_cast<float>(i) * 20;
        c.Fill(Path::RoundRect(x, y, 64, 46, 6), art::Shade(tiles[i], -0.45f));
        c.Fill(Path::RoundRect(x + 2, y + 2, 60, 42, 5), tiles[i]);
        c.Fill(Path::RoundRect(x + 8, y + 8, 48, 30, 3), portal::kCream);
        c.Fill(portal::StarPath(x + 32, y + 23, 11, 5), art::Shade(tiles[i], 0.2f));
        c.Outline(portal::StarPath(x + 32, y + 23, 11, 5), 1, art::Shade(tiles[i], -0.4f));
    }
    portal::Mascot(c, 72, 84, 56, 54);
    for (const auto& [x, y, r] : {std::tuple{118.0f, 18.0f, 9.0f}, {208.0f, 134.0f, 7.0f}, {40.0f, 140.0f, 6.0f}}) {
        c.Fill(portal::StarPath(x, y, r, r * 0.45f), portal::kCreamDeep);
        c.Outline(portal::StarPath(x, y, r, r * 0.45f), 1, portal::kOrangeDark);
    }
    return art::Still(std::move(c));
}

struct Words {
    const char* name;
    const char* text;
    int width, height;
    bool onBand;  // on a framed box's black band: light letters; else on the orange page
};

constexpr Words kWords[] = {
    {"txt-make_rivakel_yours-176x17.gif", "MAKE RIVAKEL YOURS", 176, 17, false},
    {"txt-get_great_games_for_free-216x18.gif", "GET GREAT GAMES FOR FREE", 216, 18, false},
    {"txt-get_great_games_for_free-168x14.gif", "GET GREAT GAMES FOR FREE", 168, 14, true},
    {"txt-now_featuring-97x14.gif", "NOW FEATURING", 97, 14, true},
    {"txt-keep_rivakel_on_your_desktop-198x14.gif", "KEEP RIVAKEL ON YOUR DESKTOP", 198, 14, false},
    {"txt-games_all_rv-238x14.gif", "ALL THE RIVAKEL GAMES TO GET", 238, 14, true},
};

struct Button {
    const char* name;
    const char* caption;
    int width;
    uint32_t colour;
};

constexpr Button kButtons[] = {
    {"btn-txt-subscribe-78x24.gif", "Subscribe", 78, portal::kGreen},
    {"btn-txt-getitnow-78x24.gif", "Get It Now", 78, portal::kGreen},
    {"btn-txt-install-78x24.gif", "Install", 78, portal::kIndigo},
    {"btn-txt-exit_now-100x24.gif", "Exit Now", 100, portal::kRed},
    {"btn-txt-allplay-135x24.gif", "Play My Games!", 135, portal::kIndigo},
    {"btn-txt-send-78x24.gif", "Send", 78, portal::kGreen},
    {"btn-txt-clear-78x24.gif", "Clear", 78, portal::kIndigo},
};

portal::Recipes MakeRecipes() {
    portal::Recipes recipes;
    for (const Words& words : kWords) {
        const uint32_t fill = words.onBand ? portal::kCreamDeep : portal::kIndigo;
        const uint32_t shadow = words.onBand ? portal::kIndigo : portal::kCreamDeep;
        recipes.push_back(std::make_unique<art::ImageRecipe>(
            words.name, words.width, words.height, 1,
            [words, fill, shadow] { return portal::Lettering(words.text, words.width, words.height, fill, shadow); }));
    }
    for (const Button& button : kButtons) {
        recipes.push_back(std::make_unique<art::ImageRecipe>(button.name, button.width, 24, 1, [button] {
            return portal::TextButton(button.caption, button.width, 24, button.colour);
        }));
    }
    return recipes;
}

const portal::Recipes recipes = MakeRecipes();
const art::ImageRecipe mailBox{"asl-email-confirm-324x112x2.gif", 324, 112, 2, MailBox};
const art::ImageRecipe rivGuy{"img-rivguy-226x152.gif", 226, 152, 1, RivGuy};

}  // namespace
