// The portal's shared palette and the shapes every frame picture is built from, so that the
// frame, its buttons, the menu bar and the page headers stay one look.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "art/ArtRegistry.h"

namespace portal {

// The portal colours.
constexpr uint32_t kIndigo = 0x333399;
constexpr uint32_t kIndigoDark = 0x222266;
constexpr uint32_t kIndigoDeep = 0x161648;
constexpr uint32_t kIndigoLight = 0x5555BB;
constexpr uint32_t kOrange = 0xFF9900;
constexpr uint32_t kOrangeDark = 0xCC6600;
constexpr uint32_t kGreen = 0x339900;
constexpr uint32_t kTeal = 0x99CCCC;
constexpr uint32_t kCream = 0xFFFFCC;
constexpr uint32_t kCreamDeep = 0xFFFF99;
constexpr uint32_t kBrown = 0x663300;
constexpr uint32_t kInk = 0x333333;
constexpr uint32_t kRed = 0xC00000;
constexpr uint32_t kWhite = 0xFFFFFF;

// Colours the shell itself paints, which the frame meets edge to edge.
constexpr uint32_t kShellClear = 0x3333CC;  // behind the frame picture
constexpr uint32_t kNavGround = 0x6666FF;   // behind each composed navigation button
constexpr uint32_t kMenuColumn = 0x000099;  // the in-game menu column
constexpr uint32_t kPage = 0xFF9900;        // every portal page

// What a page or a button stands for; each has one symbol used wherever it appears.
enum class Glyph {
    Home,
    Games,
    Support,
    About,
    Join,
    RemoveGames,
    GetMoreGames,
    Settings,
    Mail,
    NewGame,
    Pause,
    Resume,
    Instructions,
    ReturnToGame,
    Warning,
    Card,
};

// The colour of the glyph's badge or tile, the same wherever the glyph appears.
uint32_t GlyphColour(Glyph glyph);
// The glyph's own colour on that badge: white, or indigo on the light ones.
uint32_t GlyphInk(Glyph glyph);

struct Box {
    float x = 0, y = 0, w = 0, h = 0;
};

// A raised rounded button: a dark rim of its own colour, a body lit from the top, a lighter top
// edge and a darker bottom edge. `over` gives the lighter rollover face.
void ButtonFace(art::Canvas& c, Box box, uint32_t colour, bool over);

// A round badge of `colour` with a dark rim and a soft highlight; `over` lights it and adds a
// cream ring.
void Medallion(art::Canvas& c, float cx, float cy, float r, uint32_t colour, bool over);

// The glyph centred on (cx, cy), `size` pixels across, in `fill` with a rim of `rim`.
void DrawGlyph(art::Canvas& c, Glyph glyph, float cx, float cy, float size, uint32_t fill, uint32_t rim);

// Bold text centred on (cx, cy) with a one-pixel shadow below right. Returns its width.
int Caption(art::Canvas& c, float cx, float cy, std::string_view text, const art::TextStyle& style, uint32_t colour,
            uint32_t shadow);

// How far the two rings of title lettering reach from the letters.
struct TitleRings {
    float inner = 1.5f, outer = 2.9f;
};

// Title lettering: `fill` letters in a ring of `inner`, and around that a ring of `outer`.
void TitleText(art::Canvas& c, int x, int y, std::string_view text, const art::TextStyle& style, uint32_t fill,
               uint32_t inner, uint32_t outer, TitleRings rings = {});

// The portal's word mark: orange letters in a brown ring and a wider cream ring, lit from above.
void WordMark(art::Canvas& c, int x, int y, std::string_view text, const art::TextStyle& style);

// The portal's mascot: a cheerful orange ball with a face, squashed to rx by ry.
void Mascot(art::Canvas& c, float cx, float cy, float rx, float ry);

// The diving game's yellow submarine, its hull centred on (cx, cy): 52 pixels long at scale 1.
void Submarine(art::Canvas& c, float cx, float cy, float scale);

// A five-pointed star centred on (cx, cy), pointing up.
art::Path StarPath(float cx, float cy, float outer, float inner);

// The largest bold style of at most `height` pixels whose text fits `width`.
art::TextStyle FittingStyle(std::string_view text, int height, int width);

// Capital lettering fitted into a picture of its own on the key, with a one-pixel shadow.
art::Picture Lettering(std::string_view text, int width, int height, uint32_t colour, uint32_t shadow);

// A page's text button: a raised face of `colour` with a white caption fitted into it.
art::Picture TextButton(std::string_view text, int width, int height, uint32_t colour);

// Recipes made in a loop; each registers itself, so they must not move.
using Recipes = std::vector<std::unique_ptr<art::ImageRecipe>>;

// A picture of two frames: normal, then the rollover look.
art::Picture NormalAndOver(const std::function<void(art::Canvas&, bool over)>& draw, int width, int height);

}  // namespace portal
