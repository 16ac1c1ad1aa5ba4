#include "frame/games/GameTile.h"

#include "core/base/Thunk.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/Image.h"
#include "frame/host/GameInfo.h"

namespace {

// A game's logo is refused past what its tile shows.
static_assert(CGameTile::kFramedWidth <= kLogoMaxWidth && CGameTile::kFramedHeight <= kLogoMaxHeight);

constexpr uint32_t kHot = 0xFFCC00;
constexpr uint32_t kShadow = 0x333333;

void Fill(CImage& image, uint32_t colour, int left, int top, int right, int bottom) {
    image.SetCurColor(colour);
    image.FillRect(left, top, right, bottom);
}

}  // namespace

uint32_t PaceColour(int pace) {
    switch (pace) {
    case 0: return 0xFF9999;
    case 1: return 0x99FF99;
    default: return 0xCCCCFF;
    }
}

CGameTile::CGameTile(GameTileOwner& owner, CSurface* logo, int index, int pace, bool framed)
    : CSurface(framed ? kFramedWidth : kPlainWidth, framed ? kFramedHeight : kPlainHeight,
               kFlagColorKeyed | kFlagInteractive),
      owner_(owner),
      row_(index % kRemoveTileOffset),
      remove_(index >= kRemoveTileOffset),
      framed_(framed),
      paceColour_(PaceColour(pace)) {
    CImage* image = GetCurImage();
    if (image == nullptr) return;
    if (framed_) {
        image->ClearToColor(255, 0, 255);
        Fill(*image, kShadow, 6, 6, 88, 68);
        Fill(*image, paceColour_, 7, 7, 88, 68);
    }
    Fill(*image, 0x000000, 0, 0, kPlainWidth, kPlainHeight);
    if (logo != nullptr && logo->GetCurImage() != nullptr) image->DrawAt(*logo->GetCurImage(), 1, 1, 0);
    if (CSubsystem_Event* events = EventService()) {
        const CSurface* self = this;
        click_ = events->Listen(self, kEventClick, this, Thunk<&CGameTile::OnClick>);
        enter_ = events->Listen(self, kEventEnter, this, Thunk<&CGameTile::OnEnter>);
        leave_ = events->Listen(self, kEventLeave, this, Thunk<&CGameTile::OnLeave>);
    }
}

CGameTile::~CGameTile() = default;

void CGameTile::Outline(bool hot) {
    CImage* image = GetCurImage();
    if (image == nullptr) return;
    if (framed_) {
        const uint32_t colour = hot ? kHot : paceColour_;
        Fill(*image, colour, 82, 7, 88, 68);
        Fill(*image, colour, 7, 62, 88, 68);
    } else {
        image->SetCurColor(hot ? kHot : 0x000000);
        image->FrameRect(0, 0, 81, 61);
    }
}

int CGameTile::OnClick() {
    if (busy_) return 1;
    // The owner may replace the page and with it this tile: nothing of it is touched afterwards.
    owner_.OnTileClicked(row_, remove_);
    return 0;
}

int CGameTile::OnEnter() {
    if (!busy_) Outline(true);
    return 1;
}

int CGameTile::OnLeave() {
    if (!busy_) Outline(false);
    return 1;
}
