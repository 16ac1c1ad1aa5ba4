// The test game's own cardback: green and white stripes, unlike any cardback of the shell.
#include "art/ArtRegistry.h"

namespace {

art::Picture DrawBack() {
    art::Canvas c(49, 66);
    c.Clear(0x339900);
    for (int y = 0; y < 66; y += 6) c.Fill(art::Path::Rect(0, static_cast<float>(y), 49, 3), 0xFFFFFF);
    return art::Still(std::move(c));
}

const art::ImageRecipe back{"CardBack.gif", 49, 66, 1, DrawBack};

}  // namespace
