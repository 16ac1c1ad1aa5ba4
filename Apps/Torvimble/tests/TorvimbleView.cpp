#include "Apps/Torvimble/tests/TorvimbleView.h"

#include <array>

#include "Apps/Common/ImageButton.h"

namespace torvimble::test {
namespace {

constexpr int kGlyphW = 11, kGlyphH = 14, kGlyphX = 2, kGlyphY = 5;
// Court cards show their pip's top nine rows.
constexpr int kPipW = 9, kPipH = 9;
constexpr int kCardW = 49, kCardH = 66;
constexpr int kPictureX = 8, kPictureY = 14;
// The pip strip, left to right.
constexpr std::array<int, 4> kStripSuits = {kHearts, kSpades, kClubs, kDiamonds};
constexpr std::array<const char*, 4> kAces = {"img-ace_of_clubs-33x33.gif", "img-ace_of_spades-33x33.gif",
                                              "img-ace_of_hearts-33x33.gif", "img-ace_of_diamonds-33x33.gif"};

}  // namespace

PictureShelf::PictureShelf(const char* modulePath) : module_(modulePath) {}

const Picture& PictureShelf::Get(const std::string& name) {
    const auto known = pictures_.find(name);
    if (known != pictures_.end()) return known->second;
    Picture& picture = pictures_[name];
    if (std::optional<ModulePicture> read = module_.Picture(name)) picture = std::move(*read);
    return picture;
}

TorvimbleView::TorvimbleView() : shelf_(TORVIMBLE_GAM) {}

bool TorvimbleView::Shows(const Picture& picture, Spot at, int width, int height) const {
    if (picture.pixels.empty()) return false;
    const int w = width > 0 ? width : picture.width, h = height > 0 ? height : picture.height;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t want = picture.At(x, y);
            if (want != ModulePictures::kKeyColour && Pixel(at.x + x, at.y + y) != want) return false;
        }
    return true;
}

// Inside the title picture's top left: the portal's frame overlaps the game area's edge.
bool TorvimbleView::OnTitle() {
    const Picture& title = shelf_.Get("img-titlescreen-500x420.gif");
    if (title.pixels.empty()) return false;
    for (int y = 20; y < 100; ++y)
        for (int x = 20; x < 200; ++x)
            if (Pixel(x, y + 8) != title.At(x, y)) return false;
    return true;
}
bool TorvimbleView::OnBlackjack() { return Shows(shelf_.Get("img-blackjack_header.gif"), {5, 8}); }
bool TorvimbleView::OnInBetween() { return Shows(shelf_.Get("img-inbetween_header.gif"), {5, 8}); }
bool TorvimbleView::OnPoker() { return Shows(shelf_.Get("img-poker_header.gif"), {5, 8}); }

bool TorvimbleView::MatchesOverFront(const Picture& front, const Picture& piece, int px, int py, int w, int h, int x,
                                     int y) const {
    for (int dy = 0; dy < h; ++dy)
        for (int dx = 0; dx < w; ++dx) {
            uint32_t want = piece.At(px + dx, py + dy);
            // Court and ace pictures may show through the corner glyph's gaps from here on.
            if (want == ModulePictures::kKeyColour && x + dx >= kPictureX && y + dy >= kPictureY) continue;
            if (want == ModulePictures::kKeyColour) want = front.At(x + dx, y + dy);
            if (want == ModulePictures::kKeyColour) continue;
            if (Pixel(cardX_ + x + dx, cardY_ + y + dy) != want) return false;
        }
    return true;
}

std::optional<CardValue> TorvimbleView::ReadCard(Spot at) {
    const Picture& ranks = shelf_.Get("slb-card-numbers-11x14x13x4.gif");
    const Picture& pips = shelf_.Get("slb-card-suits-10x10x4x2.gif");
    const Picture& front = shelf_.Get("img-card-front-50x66.gif");
    if (ranks.pixels.empty() || pips.pixels.empty() || front.pixels.empty()) return std::nullopt;
    cardX_ = at.x;
    cardY_ = at.y;
    CardValue card;
    bool found = false;
    for (int rank = kAce; rank <= kKing && !found; ++rank)
        for (const bool red : {false, true})
            if (MatchesOverFront(front, ranks, kGlyphW * (rank - 1), red ? 2 * kGlyphH : 0, kGlyphW, kGlyphH, kGlyphX,
                                 kGlyphY)) {
                card.rank = rank;
                card.suit = red ? kHearts : kClubs;
                found = true;
                break;
            }
    if (!found) return std::nullopt;
    const bool red = card.IsRed();
    if (card.rank == kAce) {
        for (int suit = 0; suit < 4; ++suit) {
            if ((suit >= kHearts) != red) continue;
            const Picture& ace = shelf_.Get(kAces[static_cast<size_t>(suit)]);
            // The middle of the picture: the corners' glyphs may cover its edges.
            const int inset = ace.width / 4, size = ace.width / 2;
            for (int y = 0; y + ace.height <= kCardH; ++y)
                for (int x = 0; x + ace.width <= kCardW; ++x)
                    if (MatchesOverFront(front, ace, inset, inset, size, size, x + inset, y + inset)) {
                        card.suit = suit;
                        return card;
                    }
        }
        return std::nullopt;
    }
    for (size_t column = 0; column < kStripSuits.size(); ++column) {
        const int suit = kStripSuits[column];
        if ((suit >= kHearts) != red) continue;
        for (int y = 0; y + kPipH <= kCardH; ++y)
            for (int x = 0; x + kPipW <= kCardW; ++x)
                if (MatchesOverFront(front, pips, kPipW * static_cast<int>(column), 0, kPipW, kPipH, x, y)) {
                    card.suit = suit;
                    return card;
                }
    }
    return std::nullopt;
}

Look TorvimbleView::ReadLook(const std::string& normal, Spot at) {
    constexpr std::array<std::pair<ButtonLook, Look>, 5> kLooks = {
        {{ButtonLook::Disabled, Look::Disabled},
         {ButtonLook::DisabledSelected, Look::PressedDisabled},
         {ButtonLook::Pressed, Look::Pressed},
         {ButtonLook::Hover, Look::Hover},
         {ButtonLook::Normal, Look::Normal}}};
    for (const auto& [look, seen] : kLooks) {
        const Picture& picture = shelf_.Get(LookPictureName(normal, look));
        if (Shows(picture, at)) return seen;
    }
    return Look::Unknown;
}

}  // namespace torvimble::test
