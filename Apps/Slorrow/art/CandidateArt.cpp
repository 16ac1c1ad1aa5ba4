// The two candidates: Brambo in blue and Quillet in red, standing, dizzy from a hit and
// cheering a win; their portraits for the selection screen; their speech bubbles, dark so
// that the game's white sayings read on them.
#include "SlorrowLook.h"
#include "art/ArtRegistry.h"
#include "art/Paint.h"
#include "art/Path.h"

namespace {

using art::Canvas;
using art::Path;
using art::Picture;
using namespace slorrow_art;

Picture Animated(bool brambo, Look look, int width, int height, int frames, int delay) {
    Picture picture;
    for (int frame = 0; frame < frames; ++frame) {
        Canvas c(width, height);
        DrawCandidate(c, brambo, look, frame, 0, 0, static_cast<float>(width), static_cast<float>(height));
        picture.frames.push_back(std::move(c));
        picture.delays.push_back(delay);
    }
    return picture;
}

Picture Portrait(bool brambo, bool facingLeft, int width, int height) {
    Canvas c(width, height);
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    c.Fill(Path::Ellipse(w / 2, h - 14, w * 0.45f, 12), art::Shade(brambo ? kFlagBlue : kFlagRed, -0.5f));
    DrawCandidate(c, brambo, Look::Win, facingLeft ? 0 : 1, w * 0.1f, 4, w * 0.8f, h - 8);
    return art::Still(std::move(c));
}

Picture Bubble(bool brambo) {
    Canvas c(232, 147);
    const uint32_t fill = brambo ? kFlagBlue : art::Shade(kFlagRed, -0.2f);
    const Path tail = Path::Polygon({{40, 110}, {70, 110}, {20, 146}});
    c.Fill(tail, art::Shade(fill, -0.5f));
    c.Fill(Path::RoundRect(0, 0, 232, 120, 28), art::Shade(fill, -0.5f));
    c.Fill(Path::RoundRect(2, 2, 228, 116, 26), fill);
    c.Fill(Path::Polygon({{42, 112}, {66, 112}, {24, 141}}), fill);
    c.Fill(Path::RoundRect(12, 6, 100, 4, 2), art::Shade(fill, 0.35f));
    return art::Still(std::move(c));
}

const art::ImageRecipe bramboStand{"ani-brambostand-20x55.gif", 20, 55, 2, [] { return Animated(true, Look::Stand, 20, 55, 2, 50); }};
const art::ImageRecipe bramboDizzy{"ani-brambodizzy-58x72.gif", 58, 72, 4, [] { return Animated(true, Look::Dizzy, 58, 72, 4, 8); }};
const art::ImageRecipe bramboWin{"ani-BramboWin-33x53.gif", 33, 53, 2, [] { return Animated(true, Look::Win, 33, 53, 2, 25); }};
const art::ImageRecipe quilletStand{"ani-QuilletStand-39x65.gif", 39, 65, 2, [] { return Animated(false, Look::Stand, 39, 65, 2, 50); }};
const art::ImageRecipe quilletDizzy{"ani-QuilletDizzy-58x72.gif", 58, 72, 4, [] { return Animated(false, Look::Dizzy, 58, 72, 4, 8); }};
const art::ImageRecipe quilletWin{"ani-QuilletWin-40x86.gif", 40, 86, 2, [] { return Animated(false, Look::Win, 40, 86, 2, 25); }};
const art::ImageRecipe bramboSelectL{"img-BramboSelectL-173x243.gif", 173, 243, 1, [] { return Portrait(true, true, 173, 243); }};
const art::ImageRecipe bramboSelectR{"img-BramboSelectR-156x238.gif", 156, 238, 1, [] { return Portrait(true, false, 156, 238); }};
const art::ImageRecipe quilletSelectL{"img-QuilletSelectL-142x249.gif", 142, 249, 1, [] { return Portrait(false, true, 142, 249); }};
const art::ImageRecipe quilletSelectR{"img-QuilletSelectR-168x243.gif", 168, 243, 1, [] { return Portrait(false, false, 168, 243); }};
const art::ImageRecipe bramboComment{"img-BramboComment-232x147.gif", 232, 147, 1, [] { return Bubble(true); }};
const art::ImageRecipe quilletComment{"img-QuilletComment-232x147.gif", 232, 147, 1, [] { return Bubble(false); }};

}  // namespace
