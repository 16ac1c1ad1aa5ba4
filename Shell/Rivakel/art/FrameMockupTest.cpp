// The frame's pictures put together as the shell window shows them, through the same GIF round
// trip the program's pictures take. Writes the composed windows as PNGs into "frame-mockups/"
// of the working folder (for looking at) and checks what the shell relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "FrameLayout.h"
#include "art/ArtCheck.h"
#include "art/GifWriter.h"
#include "art/PngWriter.h"
#include "core/gif/GifDecoder.h"

namespace {

using art::Canvas;
using portal::Box;

bool SameNoCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// The frames of a picture as the shell decodes them from the GIF the art tool writes.
const std::vector<Canvas>& Loaded(std::string_view name) {
    static std::map<std::string, std::vector<Canvas>> cache;
    const std::string key(name);
    if (auto found = cache.find(key); found != cache.end()) return found->second;
    std::vector<Canvas>& frames = cache[key];
    const auto& images = art::ArtRegistry::Instance().Images();
    const auto recipe =
        std::find_if(images.begin(), images.end(), [&](const auto* r) { return SameNoCase(r->name, name); });
    if (recipe == images.end()) {
        ADD_FAILURE() << "no picture named " << name;
        return frames;
    }
    const art::Picture picture = (*recipe)->draw();
    std::string error;
    const auto gif =
        art::EncodeGif(picture.frames, art::Quantise(picture.frames), picture.delays, picture.loop, &error);
    GifImage decoded;
    if (!gif || DecodeGif(*gif, decoded, name) != kGifOk) {
        ADD_FAILURE() << name << ": " << error;
        return frames;
    }
    for (const GifFrame& f : decoded.frames) {
        Canvas c(decoded.width, decoded.height);
        for (int y = 0; y < decoded.height; ++y)
            for (int x = 0; x < decoded.width; ++x)
                if (const uint32_t p = f.pixels[static_cast<size_t>(y) * decoded.width + x]; p != kGifColourKey)
                    c.Set(x, y, p);
        frames.push_back(std::move(c));
    }
    return frames;
}

const Canvas& Picture(std::string_view name, size_t frame = 0) {
    static const Canvas empty(1, 1);
    const auto& frames = Loaded(name);
    return frame < frames.size() ? frames[frame] : empty;
}

void Text(Canvas& c, int x, int y, std::string_view text, int height, bool bold, uint32_t colour,
          bool underline = false) {
    const art::TextStyle style{height, bold};
    const int w = c.Text(x, y, text, style, colour);
    if (underline)
        c.Fill(art::Path::Rect(static_cast<float>(x), static_cast<float>(y + Canvas::TextHeight(style) - 2),
                               static_cast<float>(w), 1),
               colour);
}

std::string Lower(std::string s) {
    for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return s;
}

// A big-skin navigation button: the button and the icon composed on the navigation ground.
Canvas NavCell(const std::string& name, bool over) {
    Canvas cell(static_cast<int>(frame::kNavCellWidth), static_cast<int>(frame::kNavCellHeight));
    cell.Clear(portal::kNavGround);
    cell.Draw(Picture("asl-btn-big-" + Lower(name) + "-83x28x2.gif", over ? 1 : 0), 0, 3);
    cell.Draw(Picture("asl-icn-mini-" + name + "-32x32x2.gif", over ? 1 : 0), -2, 0);
    return cell;
}

struct MenuButton {
    Canvas image;
    int x;  // where the shell puts it for a column at `columnX`
};

// A menu-bar button: the picture with its label under it, moved left when the label is wider.
MenuButton MakeMenuButton(const std::string& picture, const std::string& label, int columnX, bool over) {
    const Canvas& p = Picture(over ? picture + "_rollover.gif" : picture + ".gif");
    const art::TextStyle style{12, true};
    const int labelWidth = Canvas::TextWidth(label, style);
    const int width = std::max(p.Width(), labelWidth);
    MenuButton b{Canvas(width, p.Height() + 15), columnX - std::max(0, labelWidth - p.Width()) / 2};
    b.image.Draw(p, (width - p.Width()) / 2, 0);
    b.image.Text((width - labelWidth) / 2, p.Height() - 2, label, style, portal::kWhite);
    return b;
}

void SystemButton(Canvas& c, int x, int y, int symbolCell, bool over) {
    c.Draw(Picture("asl-sysbuttons-16x14x4.gif", over ? 1 : 0), x, y);
    c.Draw(Picture("asl-sysbuttons-16x14x4.gif", symbolCell), x, y);
}

void Bevel(Canvas& c) {
    const auto cell = [&](int index, int x, int y) {
        const Canvas& strip = Picture("slb-BevelEdges.gif");
        for (int py = 0; py < 5; ++py)
            for (int px = 0; px < 5; ++px) c.Set(x + px, y + py, strip.At(index * 5 + px, py));
    };
    const int w = c.Width(), h = c.Height();
    for (int x = 5; x < w - 5; x += 5) cell(1, x, 0), cell(6, x, h - 5);
    for (int y = 5; y < h - 5; y += 5) cell(3, 0, y), cell(4, w - 5, y);
    cell(0, 0, 0), cell(2, w - 5, 0), cell(5, 0, h - 5), cell(7, w - 5, h - 5);
}

enum class Scene { Page, Game };

// What fills the game area: the Home page's header on orange, or a stand-in game board.
void GameArea(Canvas& c, Box area, Scene scene) {
    const int x = static_cast<int>(area.x), y = static_cast<int>(area.y);
    if (scene == Scene::Page) {
        c.Fill(art::Path::Rect(area.x, area.y, area.w, area.h), portal::kPage);
        c.Draw(Picture("img-paghdr-Home-326x50.gif"), x, y);
        Text(c, x + 20, y + 70, "Welcome to your games!", 14, true, 0x000000);
        return;
    }
    for (int row = 0; row < 14; ++row)
        for (int col = 0; col < 17; ++col)
            c.Fill(art::Path::Rect(area.x + col * 30.0f, area.y + row * 30.0f, 30, 30),
                   (row + col) % 2 ? 0x2F7F4F : 0x3A8F5A);
}

void MenuBar(Canvas& c, float columnX, float columnY, Scene scene) {
    const Box fill = frame::MenuFill(columnX, columnY);
    c.Fill(art::Path::Rect(fill.x, fill.y, fill.w, fill.h), portal::kMenuColumn);
    struct Entry {
        const char* picture;
        const char* label;
    };
    const std::vector<Entry> entries = scene == Scene::Page ? std::vector<Entry>{{"returntogame", "Back to Game"}}
                                                            : std::vector<Entry>{{"mail", "E-Mail This"},
                                                                                 {"newgame", "New Game"},
                                                                                 {"pause", "Pause"},
                                                                                 {"instructions", "Instructions"}};
    for (size_t i = 0; i < entries.size(); ++i) {
        const MenuButton b = MakeMenuButton(entries[i].picture, entries[i].label, static_cast<int>(columnX), i == 2);
        c.Draw(b.image, b.x, static_cast<int>(columnY + static_cast<float>(i) * frame::kMenuPitch));
    }
}

constexpr const char* kNavNames[] = {"Home", "Games", "Support", "About", "Join"};

// The window cleared as the shell clears it, with the frame picture, the system buttons (close
// under the pointer when `closeOver`), the game area and the menu column.
Canvas Window(int width, int height, std::string_view framePicture, const std::array<float, 2>& sysX, float sysY,
              bool closeOver, Box gameArea, float menuX, float menuY, Scene scene) {
    Canvas c(width, height);
    c.Clear(portal::kShellClear);
    c.Draw(Picture(framePicture), 0, 0);
    SystemButton(c, static_cast<int>(sysX[0]), static_cast<int>(sysY), 2, false);
    SystemButton(c, static_cast<int>(sysX[1]), static_cast<int>(sysY), 3, closeOver);
    GameArea(c, gameArea, scene);
    MenuBar(c, menuX, menuY, scene);
    return c;
}

Canvas ComposeBig(Scene scene) {
    using namespace frame::big;
    Canvas c = Window(kWidth, kHeight, "img-main-800x572.gif", kSysButtonX, kSysButtonY, true, kGameArea, kMenuX,
                      kMenuY, scene);
    for (size_t i = 0; i < kNavCellX.size(); ++i)
        c.Draw(NavCell(kNavNames[i], i == 1), static_cast<int>(kNavCellX[i]), static_cast<int>(kNavCellY));
    c.Draw(Picture("ani-logomain-117x84.gif"), static_cast<int>(kLogo.x), static_cast<int>(kLogo.y));
    Text(c, 41, 112, "Terms of Service", 10, true, 0x999999, true);
    Text(c, 309, 45, "Click Here!   (clicking will pause game)", 10, false, 0x000000);
    Bevel(c);
    return c;
}

Canvas ComposeSmall(Scene scene) {
    using namespace frame::small;
    Canvas c = Window(kWidth, kHeight, "img-main-640x482.gif", kSysButtonX, kSysButtonY, false, kGameArea, kMenuX,
                      kMenuY, scene);
    const int labelX[] = {9, 6, 4, 9, 13};
    for (size_t i = 0; i < kNavIconY.size(); ++i) {
        const int y = static_cast<int>(kNavIconY[i]);
        c.Draw(Picture(std::string("asl-icn-mini-") + kNavNames[i] + "-32x32x2.gif", i == 1 ? 1 : 0),
               static_cast<int>(kNavIconX), y);
        Text(c, labelX[i], y + 30, kNavNames[i], 10, false, portal::kCreamDeep);
    }
    Text(c, 50, 2, "Rivakel", 12, true, portal::kCreamDeep);
    c.Draw(Picture("img-logomain-small-39x29.gif"), static_cast<int>(kLogo.x), static_cast<int>(kLogo.y));
    Text(c, 7, 433, "Terms", 10, true, 0x999999, true);
    return c;
}

// `src` stretched nearest-neighbour into the rectangle (x, y, w, h), as the shell's blits stretch.
void DrawStretched(Canvas& c, const Canvas& src, int x, int y, int w, int h) {
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px)
            if (const uint32_t p = src.At(px * src.Width() / w, py * src.Height() / h); p != art::kKey)
                c.Set(x + px, y + py, p);
}

// Every page header on its orange page, the Exit page's pair of headers last.
Canvas PageHeaders() {
    const char* pages[] = {"Home",         "Games",          "Support",  "About",     "Join",
                           "Remove-games", "Games-get-more", "Settings", "Email_This"};
    Canvas c(2 * 346 + 20, 5 * 60 + 20);
    c.Clear(portal::kPage);
    int i = 0;
    for (const char* page : pages) {
        c.Draw(Picture(std::string("img-paghdr-") + page + "-326x50.gif"), 10 + (i % 2) * 346, 10 + (i / 2) * 60);
        ++i;
    }
    const int x = 10 + 346, y = 10 + 4 * 60;
    c.Draw(Picture("img-paghdr-join-326x50.gif"), x, y);
    DrawStretched(c, Picture("img-paghdr-Games-get-more-326x50.gif"), x + 65, y + 20, 261, 30);
    return c;
}

// How the shell's own dialogs should look beside the frame: a cream face under an indigo title,
// the warning sign, and push buttons with the portal's button face (the default one ringed).
Canvas DialogLook() {
    Canvas c(330, 140);
    c.Clear(portal::kIndigoDeep);
    c.Fill(art::Path::Rect(1, 1, 328, 138), portal::kCream);
    c.Fill(art::Path::Rect(1, 1, 328, 20),
           art::Paint::Linear(0, 1, 0, 21, {{0, portal::kIndigoLight}, {1, portal::kIndigo}}));
    Text(c, 8, 4, "Warning: Game in Progress", 12, true, portal::kCreamDeep);
    c.Draw(Picture("img-msgbox-warning-32x32.gif"), 14, 36);
    Text(c, 58, 44, "Do you want to leave the game you are", 12, false, portal::kInk);
    Text(c, 58, 60, "currently playing?", 12, false, portal::kInk);
    const struct {
        float x;
        const char* caption;
        bool isDefault;
    } buttons[] = {{150, "No", true}, {240, "Yes", false}};
    for (const auto& b : buttons) {
        if (b.isDefault) c.Fill(art::Path::RoundRect(b.x - 2, 98, 79, 29, 6), portal::kOrange);
        portal::ButtonFace(c, {b.x, 100, 75, 25}, portal::kIndigo, false);
        portal::Caption(c, b.x + 37.5f, 112.5f, b.caption, art::TextStyle{12, true}, portal::kCreamDeep,
                        portal::kIndigoDeep);
    }
    return c;
}

void WriteMockup(const std::string& name, const Canvas& c) {
    std::filesystem::create_directories("frame-mockups");
    const auto png = art::EncodePng(c);
    std::ofstream("frame-mockups/" + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}

// Also fails when a name the window uses has no picture.
TEST(FrameMockupTest, WritesBothSkinsWithAPageAndWithAGame) {
    WriteMockup("big-page.png", ComposeBig(Scene::Page));
    WriteMockup("big-game.png", ComposeBig(Scene::Game));
    WriteMockup("small-page.png", ComposeSmall(Scene::Page));
    WriteMockup("small-game.png", ComposeSmall(Scene::Game));
    WriteMockup("page-headers.png", PageHeaders());
    WriteMockup("dialog.png", DialogLook());
}

int KeyPixels(const Canvas& c, int width, int height) {
    int count = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) count += c.At(x, y) == art::kKey;
    return count;
}

// The frame is the whole window's background: a hole would show the shell's clear colour. The
// big skin composes each navigation button on kNavGround; where the frame meets the cells it must
// be exactly that colour after the GIF's palette, or every button shows a box.
TEST(FrameMockupTest, FramesCoverTheWindowAndMeetTheNavigationGround) {
    const Canvas& big = Picture("img-main-800x572.gif");
    const Canvas& small = Picture("img-main-640x482.gif");
    EXPECT_EQ(KeyPixels(big, frame::big::kWidth, frame::big::kHeight), 0);
    EXPECT_EQ(KeyPixels(small, frame::small::kWidth, frame::small::kHeight), 0);
    for (const float cellX : frame::big::kNavCellX) {
        int wrong = 0;
        for (int y = 0; y < static_cast<int>(frame::kNavCellHeight); ++y)
            for (int x = 0; x < static_cast<int>(frame::kNavCellWidth); ++x)
                wrong += big.At(static_cast<int>(cellX) + x, static_cast<int>(frame::big::kNavCellY) + y) !=
                         portal::kNavGround;
        EXPECT_EQ(wrong, 0) << "cell at x " << cellX;
    }
}

// Share of the pixels seen in either picture that differ between them.
double Difference(const Canvas& a, const Canvas& b) {
    int seen = 0, differ = 0;
    for (int y = 0; y < std::min(a.Height(), b.Height()); ++y)
        for (int x = 0; x < std::min(a.Width(), b.Width()); ++x) {
            if (a.At(x, y) == art::kKey && b.At(x, y) == art::kKey) continue;
            ++seen;
            differ += a.At(x, y) != b.At(x, y);
        }
    return seen == 0 ? 0 : static_cast<double>(differ) / seen;
}

TEST(FrameMockupTest, EveryButtonChangesVisiblyUnderThePointer) {
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const char* target : {"home", "games", "support", "about", "join"}) {
        const std::string big = std::string("asl-btn-big-") + target + "-83x28x2.gif";
        const std::string icon = std::string("asl-icn-mini-") + target + "-32x32x2.gif";
        EXPECT_GT(Difference(Picture(big, 0), Picture(big, 1)), 0.3) << big;
        EXPECT_GT(Difference(Picture(icon, 0), Picture(icon, 1)), 0.3) << icon;
    }
    EXPECT_GT(Difference(Picture("asl-sysbuttons-16x14x4.gif", 0), Picture("asl-sysbuttons-16x14x4.gif", 1)), 0.3);
    for (const char* menu : {"returntogame", "mail", "newgame", "pause", "resume", "instructions"})
        EXPECT_GT(Difference(Picture(std::string(menu) + ".gif"), Picture(std::string(menu) + "_rollover.gif")), 0.3)
            << menu;
}

// The diving game's card in the built-in catalogue shows the submarine of its tile on the Games
// page: every pixel of the tile's hull colour, around the hull's centre (40, 27), has it on the
// card too, around (410, 307), the middle of the sixth card's window.
TEST(FrameMockupTest, TheDivingGamesCatalogueCardShowsItsSubmarine) {
    const Canvas& tile = Picture("img-prevgamelogo-Aurelsk.gif");
    const Canvas& page = Picture("img-catalog-page-500x420.gif");
    const uint32_t hull = tile.At(34, 31);  // the hull between two portholes
    int inTile = 0, onCard = 0;
    for (int y = 0; y < tile.Height(); ++y)
        for (int x = 0; x < tile.Width(); ++x)
            if (tile.At(x, y) == hull) {
                ++inTile;
                onCard += page.At(410 - 40 + x, 307 - 27 + y) == hull;
            }
    ASSERT_GT(inTile, 300);
    EXPECT_EQ(onCard, inTile);
}

// The shell stacks menu buttons 67 pixels apart with a 15-pixel label under each picture, and
// moves a button left when its label is wider than the picture: every button, label included,
// stays on the column it fills, in both skins.
TEST(FrameMockupTest, MenuButtonsFitTheColumn) {
    const std::pair<float, float> columns[] = {{frame::big::kMenuX, frame::big::kMenuY},
                                               {frame::small::kMenuX, frame::small::kMenuY}};
    const char* labels[][2] = {{"mail", "E-Mail This"}, {"newgame", "New Game"},          {"pause", "Pause"},
                               {"resume", "Resume"},    {"instructions", "Instructions"}, {"returntogame", "Back"}};
    for (const auto& [columnX, columnY] : columns) {
        const Box fill = frame::MenuFill(columnX, columnY);
        for (const auto& [picture, label] : labels) {
            for (const bool over : {false, true}) {
                const MenuButton b = MakeMenuButton(picture, label, static_cast<int>(columnX), over);
                EXPECT_LE(b.image.Height(), frame::kMenuPitch) << picture;
                EXPECT_GE(static_cast<float>(b.x), fill.x) << picture << " at " << columnX;
                EXPECT_LE(static_cast<float>(b.x + b.image.Width()), fill.x + fill.w) << picture << " at " << columnX;
            }
        }
    }
}

}  // namespace
