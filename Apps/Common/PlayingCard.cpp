#include "Apps/Common/PlayingCard.h"

#include <cstddef>

#include "Apps/Common/ModuleGlobals.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"

namespace {

// A pip code: the low nibble is the column (1-3), the high nibble the row (1-8); kWhole + n
// stands for every pip of rank n.
constexpr int kWhole = 0x100;
constexpr std::array<int, 3> kPipColumnX = {13, 20, 27};
constexpr std::array<int, 8> kPipRowY = {10, 16, 19, 22, 28, 34, 40, 46};
constexpr int kLastUprightRow = 5;
constexpr int kPipW = 9, kPipH = 10;

const std::vector<int>& PipCodes(int rank) {
    static const std::array<std::vector<int>, 11> codes = {{
        {},
        {0x52},
        {0x12, 0x82},
        {kWhole + 1, kWhole + 2},
        {0x11, 0x13, 0x81, 0x83},
        {kWhole + 4, kWhole + 1},
        {kWhole + 4, 0x51, 0x53},
        {kWhole + 6, 0x32},
        {kWhole + 4, 0x41, 0x43, 0x61, 0x63},
        {kWhole + 8, kWhole + 1},
        {kWhole + 8, 0x22, 0x72},
    }};
    return codes[static_cast<std::size_t>(rank)];
}

void CollectPips(int rank, std::vector<PipSpot>& out) {
    for (const int code : PipCodes(rank)) {
        if ((code & kWhole) != 0) {
            CollectPips(code & 0xFF, out);
            continue;
        }
        const int column = code & 0x0F, row = (code >> 4) & 0x0F;
        const int x = kPipColumnX[static_cast<std::size_t>(column - 1)], y = kPipRowY[static_cast<std::size_t>(row - 1)];
        out.push_back({{x, y, x + kPipW, y + kPipH}, row > kLastUprightRow});
    }
}

void Blit(IImage& target, IImage* source, const CardRect& to, int sx, int sy) {
    if (source == nullptr) return;
    const int dst[4] = {to.left, to.top, to.right, to.bottom};
    const int src[4] = {sx, sy, sx + (to.right - to.left), sy + (to.bottom - to.top)};
    target.DrawEx(dst, source, src, 0);
}

}  // namespace

std::vector<PipSpot> PipSpots(int rank) {
    std::vector<PipSpot> spots;
    if (rank >= 1 && rank <= 10) CollectPips(rank, spots);
    return spots;
}

CPlayingCard::CPlayingCard(const CardArt* art, int suit, int rankIndex) : art_(art), value_{rankIndex + 1, suit} {
    if (art_ == nullptr) return;
    const ModuleGlobals& globals = Globals();
    surface_ = globals.factory->CreateSurface(kPlayingCardWidth, kPlayingCardHeight, kSurfaceColourKeyed);
    if (surface_ == nullptr) return;
    globals.gameArea->AttachSurface(surface_);
    surface_->SetLoc(-1000, 0, nullptr);
    Draw();
    surface_->SetNoHit(true);
}

CPlayingCard::~CPlayingCard() {
    if (surface_ == nullptr) return;
    Globals().gameArea->DetachSurface(surface_);
    surface_->Release();
}

void CPlayingCard::SetFaceUp(bool faceUp) {
    faceUp_ = faceUp;
    Draw();
}

void CPlayingCard::Draw() {
    if (surface_ == nullptr) return;
    IImage* face = nullptr;
    surface_->GetImage(&face);
    if (face == nullptr) return;
    DrawFace(*face);
    face->Release();
}

void CPlayingCard::DrawFace(IImage& face) const {
    const CardArt& art = *art_;
    if (!faceUp_) {
        if (art.back != nullptr) face.DrawAt(art.back, 0, 0);
        return;
    }
    if (art.front != nullptr) face.DrawAt(art.front, 0, 0);
    const int suit = value_.suit & 3, rank = value_.rank;
    const int pipX = art.pipColumn[static_cast<std::size_t>(suit)];
    if (rank == kAce) {
        if (IImage* ace = art.aces[static_cast<std::size_t>(suit)]) face.DrawAt(ace, art.aceX, art.aceY);
    } else if (rank >= kJack && rank <= kKing) {
        const auto& courts = value_.IsRed() ? art.redCourts : art.blackCourts;
        if (IImage* court = courts[static_cast<std::size_t>(rank - kJack)]) face.DrawAt(court, art.courtX, art.courtY);
        Blit(face, art.suitStrip, art.courtPip, pipX, 0);
    } else {
        for (const PipSpot& pip : PipSpots(rank)) Blit(face, art.suitStrip, pip.rect, pipX, pip.upsideDown ? art.pipHeight : 0);
    }
    if (rank < kAce || rank > kKing) return;
    const int glyphX = art.rankGlyphWidth * (rank - 1);
    const int glyphY = 2 * art.rankGlyphHeight * (value_.IsRed() ? 1 : 0);
    Blit(face, art.rankStrip, art.rankCorner, glyphX, glyphY);
    Blit(face, art.rankStrip, art.rankCornerTurned, glyphX, glyphY + art.rankGlyphHeight);
}

void CPlayingCard::MoveTo(int x, int y) {
    if (surface_ != nullptr) surface_->SetLoc(x, y, nullptr);
}

void CPlayingCard::Show(bool visible) {
    if (surface_ != nullptr) surface_->SetVisible(visible, nullptr);
}

void CPlayingCard::BringToFront() {
    if (surface_ != nullptr) Globals().gameArea->BringToFront(surface_);
}
