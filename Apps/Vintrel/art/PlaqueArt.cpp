// The play screen's plaques, laid over the pond in its corners of shore: each names what the game
// draws on it, the lives at (57, 7), the size picture at (429, 23) and the score at (425, 390).
// Everything else is the key, so the pond shows through.
#include "art/ArtRegistry.h"

namespace {

using art::Canvas;
using art::Path;

constexpr uint32_t kPlaque = 0x2B4F22;
constexpr uint32_t kPlaqueInk = 0xFFF3C0;

void Plaque(Canvas& c, float x, float y, float w, float h, int textX, int textY, const char* label) {
    c.Fill(Path::RoundRect(x, y, w, h, 6), kPlaque);
    c.Text(textX, textY, label, {12, true, "Arial"}, kPlaqueInk);
}

art::Picture Plaques() {
    Canvas c(500, 420);
    Plaque(c, 4, 3, 79, 33, 10, 12, "Lives");
    Plaque(c, 423, 2, 77, 80, 446, 5, "Size");
    Plaque(c, 419, 366, 81, 54, 440, 370, "Score");
    return art::Still(std::move(c));
}

const art::ImageRecipe kPlaques{"img-plaques-500x420.gif", 500, 420, 1, Plaques};

}  // namespace
