// The page headers, 326x50, drawn at the top left of each orange portal page: the page's badge
// over the left end of an indigo band that carries the title. The Exit page draws the "join"
// header and, over its lower right, the "Games-get-more" one squeezed into 261x30 from (65, 20):
// every title keeps to the rows above 20, in lettering thin enough to read when two rows in five
// and one column in five are left out.
#include <array>
#include <string>

#include "PortalLook.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;
using portal::Glyph;

struct PageHeader {
    std::string page;  // as the shell names the page
    std::string title;
    Glyph glyph;
};

const std::array<PageHeader, 10> kHeaders{{
    {"Home", "Welcome!", Glyph::Home},
    {"Games", "My Games", Glyph::Games},
    {"Support", "Support", Glyph::Support},
    {"About", "About Rivakel", Glyph::About},
    {"Join", "Join Rivakel", Glyph::Join},
    {"Remove-games", "Remove Games", Glyph::RemoveGames},
    {"Games-get-more", "Get More Games", Glyph::GetMoreGames},
    {"Settings", "Settings", Glyph::Settings},
    {"Email_This", "E-Mail This Game", Glyph::Mail},
    {"Catalog", "Game Store", Glyph::GetMoreGames},
}};

constexpr int kWidth = 326, kHeight = 50;
constexpr float kBadgeX = 25, kBadgeY = 25, kBadgeR = 23;
constexpr float kBandTop = 1, kBandHeight = 24, kBandLeft = 18;
// The capitals stand on this row; descenders reach into the band below it.
constexpr int kBaseline = 18;

// The last row of a capital's ink below the top of its line.
int CapBottom(const art::TextStyle& style) {
    Canvas probe(4 * style.height, 2 * style.height);
    probe.Text(0, 0, "H", style, 0x000000);
    for (int y = probe.Height() - 1; y >= 0; --y)
        for (int x = 0; x < probe.Width(); ++x)
            if (probe.At(x, y) != art::kKey) return y;
    return 0;
}

void DrawBand(Canvas& c) {
    const float top = kBandTop, h = kBandHeight, left = kBandLeft, w = kWidth - left - 2;
    c.Fill(Path::RoundRect(left + 2, top + 2, w, h, h / 2), portal::kOrangeDark);  // shadow on the page
    c.Fill(Path::RoundRect(left, top, w, h, h / 2), portal::kIndigoDeep);
    c.Fill(Path::RoundRect(left + 1, top + 1, w - 2, h - 2, h / 2 - 1),
           Paint::Linear(0, top, 0, top + h,
                         {{0, portal::kIndigoLight}, {0.5f, portal::kIndigo}, {1, portal::kIndigoDark}}));
    c.Line(left + h / 2, top + 2.5f, left + w - h / 2, top + 2.5f, 1.2f, 0x7777CC);
    c.Line(left + h / 2, top + h - 4.5f, left + w - h / 2 - 2, top + h - 4.5f, 1.0f, portal::kTeal);
}

art::Picture DrawHeader(const PageHeader& header) {
    Canvas c(kWidth, kHeight);
    DrawBand(c);
    c.Fill(Path::Ellipse(kBadgeX + 2, kBadgeY + 2, kBadgeR, kBadgeR), portal::kOrangeDark);
    const uint32_t badge = portal::GlyphColour(header.glyph);
    portal::Medallion(c, kBadgeX, kBadgeY, kBadgeR, badge, false);
    portal::DrawGlyph(c, header.glyph, kBadgeX, kBadgeY + 0.5f, 28, portal::GlyphInk(header.glyph),
                      art::Shade(badge, -0.6f));
    const int textLeft = static_cast<int>(kBadgeX + kBadgeR) + 8;
    const art::TextStyle style = portal::FittingStyle(header.title, 20, kWidth - textLeft - 14);
    // Thin rings: the squeezed copy on the Exit page keeps its letters apart.
    portal::TitleText(c, textLeft, kBaseline - CapBottom(style), header.title, style, portal::kCreamDeep,
                      portal::kIndigoDeep, portal::kOrange, {1.0f, 2.0f});
    return art::Still(std::move(c));
}

portal::Recipes MakeRecipes() {
    portal::Recipes out;
    for (const PageHeader& h : kHeaders)
        out.push_back(std::make_unique<art::ImageRecipe>("img-paghdr-" + h.page + "-326x50.gif", kWidth, kHeight, 1,
                                                         [&h] { return DrawHeader(h); }));
    return out;
}

const portal::Recipes recipes = MakeRecipes();

}  // namespace
