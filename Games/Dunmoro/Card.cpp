#include "Games/Dunmoro/Card.h"

#include <array>

#include "Apps/Common/ModuleGlobals.h"
#include "Games/Dunmoro/DunmoroApplet.h"
#include "Games/Dunmoro/Rules.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"

namespace dunmoro {
namespace {

// Sheet cells.
constexpr int kSuitGlyphW = 9, kSuitGlyphH = 10;
constexpr int kRankGlyphW = 11, kRankGlyphH = 14;
constexpr int kRedRankRow = 28;
constexpr int kFaceW = 32, kFaceHalfH = 32;

// A pip code: low nibble the column (1-3), high nibble the row (1-8); 256 + n the pattern of n.
constexpr int Pattern(int count) { return 256 + count; }
constexpr std::array<int, 3> kPipColumnX = {13, 20, 27};
constexpr std::array<int, 8> kPipRowY = {10, 16, 19, 22, 28, 34, 40, 46};
constexpr int kFirstUpsideDownRow = 6;

const std::vector<int>& PipEntries(int count) {
    static const std::array<std::vector<int>, 11> entries = {{
        {},
        {0x52},
        {0x12, 0x82},
        {Pattern(1), Pattern(2)},
        {0x11, 0x13, 0x81, 0x83},
        {Pattern(4), Pattern(1)},
        {Pattern(4), 0x51, 0x53},
        {Pattern(6), 0x32},
        {Pattern(4), 0x41, 0x43, 0x61, 0x63},
        {Pattern(8), Pattern(1)},
        {Pattern(8), 0x22, 0x72},
    }};
    return entries[static_cast<size_t>(count)];
}

void CollectPips(int count, std::vector<PipSpot>& out) {
    const size_t goal = out.size() + static_cast<size_t>(count);
    for (const int entry : PipEntries(count)) {
        if (out.size() >= goal) break;
        if (entry > 256) {
            CollectPips(entry - 256, out);
            continue;
        }
        const int column = entry & 0x0F, row = entry >> 4;
        out.push_back({kPipColumnX[static_cast<size_t>(column - 1)], kPipRowY[static_cast<size_t>(row - 1)],
                       row >= kFirstUpsideDownRow});
    }
}

void Blit(IImage& target, IImage* source, int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh) {
    if (source == nullptr) return;
    const int dst[4] = {dx, dy, dx + dw, dy + dh};
    const int src[4] = {sx, sy, sx + sw, sy + sh};
    target.DrawEx(dst, source, src, 0);
}

}  // namespace

void DrawCorners(IImage& target, const CDunmoroApplet& app, int x, int y, int rank, int suit) {
    const int row = suit >= 2 ? kRedRankRow : 0;
    const int rx = kRankGlyphW * (rank - 1);
    IImage* numbers = app.NumbersImage();
    Blit(target, numbers, x + 2, y + 2, kRankGlyphW, kRankGlyphH, rx, row, kRankGlyphW, kRankGlyphH);
    Blit(target, numbers, x + 36, y + 50, kRankGlyphW, kRankGlyphH, rx, row + kRankGlyphH, kRankGlyphW, kRankGlyphH);
    // The corner suit glyphs are a row shorter than the sheet's cells.
    const int sx = kSuitGlyphW * suit;
    IImage* suits = app.SuitsImage();
    Blit(target, suits, x + 3, y + 16, kSuitGlyphW, kSuitGlyphH - 1, sx, 0, kSuitGlyphW, kSuitGlyphH);
    Blit(target, suits, x + 37, y + 41, kSuitGlyphW, kSuitGlyphH - 1, sx, kSuitGlyphH, kSuitGlyphW, kSuitGlyphH);
}

std::vector<PipSpot> PipSpots(int rank) {
    std::vector<PipSpot> spots;
    if (rank >= 1 && rank <= 10) CollectPips(rank, spots);
    return spots;
}

CCard::CCard(CDunmoroApplet& app, bool withSurface, int suit, int rankIndex)
    : app_(app), rank_(rankIndex + 1), suit_(suit) {
    if (!withSurface) return;
    const ModuleGlobals& globals = Globals();
    surface_ = globals.factory->CreateSurface(kCardWidth, kCardHeight, kSurfaceColourKeyed);
    globals.gameArea->AttachSurface(surface_);
    surface_->SetLoc(0, 0, nullptr);
    DrawFace();
    surface_->SetNoHit(true);
}

CCard::~CCard() {
    if (surface_ == nullptr) return;
    Globals().gameArea->DetachSurface(surface_);
    surface_->Release();
}

void CCard::SetFaceUp(bool faceUp) {
    faceUp_ = faceUp;
    DrawFace();
}

void CCard::SetPosition(int x, int y) {
    PlaceSurface(x, y);
    x_ = x;
    y_ = y;
}

void CCard::PlaceSurface(int x, int y) {
    if (surface_ != nullptr) surface_->SetLoc(x, y, nullptr);
}

void CCard::BringToFront() {
    if (surface_ != nullptr) Globals().gameArea->BringToFront(surface_);
}

void CCard::DrawFace() {
    if (surface_ == nullptr) return;
    IImage* face = nullptr;
    surface_->GetImage(&face);
    if (face == nullptr) return;
    if (app_.CardFrontImage() != nullptr) face->DrawAtEx(app_.CardFrontImage(), 0, 0, 0);
    if (!faceUp_) {
        if (app_.CardBackImage() != nullptr) face->DrawAtEx(app_.CardBackImage(), 0, 0, 0);
        face->Release();
        return;
    }
    IImage* suits = app_.SuitsImage();
    for (const PipSpot& pip : PipSpots(rank_))
        Blit(*face, suits, pip.x, pip.y, kSuitGlyphW, kSuitGlyphH, kSuitGlyphW * suit_, pip.upsideDown ? kSuitGlyphH : 0,
             kSuitGlyphW, kSuitGlyphH);
    if (rank_ > 10) {
        const int sx = kFaceW * (rank_ - 11);
        Blit(*face, app_.FacesImage(), 15, 2, kFaceW, kFaceHalfH, sx, 0, kFaceW, kFaceHalfH);
        Blit(*face, app_.FacesImage(), 2, 32, kFaceW, kFaceHalfH, sx, kFaceHalfH, kFaceW, kFaceHalfH);
    }
    DrawCorners(*face, app_, 0, 0, rank_, suit_);
    face->Release();
}

}  // namespace dunmoro
