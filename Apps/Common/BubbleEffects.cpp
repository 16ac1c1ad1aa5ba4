#include "Apps/Common/BubbleEffects.h"

#include <algorithm>

#include "Apps/Common/BubbleGrid.h"
#include "Apps/Common/BubbleSprite.h"
#include "Apps/Common/Forwarder.h"
#include "frame/api/IAnim.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

CPopEffect::CPopEffect(CBubbleGrid& grid, std::vector<BubbleCell> cells) : grid_(grid), cells_(std::move(cells)) {
    IShellFactory& factory = grid.Factory();
    popSurfaces_.reserve(cells_.size());
    for (const BubbleCell& cell : cells_) {
        CBubbleSprite* sprite = grid.Sprite(cell.column, cell.row);
        if (sprite == nullptr) continue;
        if (grid.Style().hideWhilePopping) sprite->SetVisible(false);
        IAnim* anim = factory.CreateAnim(grid.PopSequence(sprite->Kind()));
        ISurface* surface = anim != nullptr ? factory.CreateSurfaceFromAnim(anim, kSurfaceColourKeyed) : nullptr;
        if (anim != nullptr) anim->Release();
        if (surface == nullptr) continue;
        surface->SetLoc(grid.CellX(cell.column), grid.CellY(cell.row), nullptr);
        surface->SetNoHit(true);
        grid.GameArea().AttachSurface(surface);
        surface->StartAnim();
        popSurfaces_.push_back(surface);
    }
    timer_ = factory.CreateTimer(this, kTickMs, Forward<&CPopEffect::OnTick>);
    if (timer_ != nullptr) timer_->Start();
}

CPopEffect::~CPopEffect() {
    if (timer_ != nullptr) timer_->Release();
    for (ISurface* surface : popSurfaces_) {
        grid_.GameArea().DetachSurface(surface);
        surface->Release();
    }
}

int CPopEffect::OnTick(intptr_t* args) {
    if (args[1] >= grid_.Style().popMs) grid_.FinishPop(this);
    return 0;
}

CFallEffect::CFallEffect(CBubbleGrid& grid) : grid_(grid) {}

CFallEffect::~CFallEffect() {
    if (timer_ != nullptr) timer_->Release();
}

void CFallEffect::Add(CBubbleSprite& sprite) { falling_.push_back({&sprite, sprite.Y()}); }

void CFallEffect::Drop(const CBubbleSprite& sprite) {
    std::erase_if(falling_, [&](const Falling& f) { return f.sprite == &sprite; });
}

void CFallEffect::Start() {
    timer_ = grid_.Factory().CreateTimer(this, kTickMs, Forward<&CFallEffect::OnTick>);
    if (timer_ != nullptr) timer_->Start();
}

int CFallEffect::OnTick(intptr_t* args) {
    const int travelled = static_cast<int>(std::min<intptr_t>(args[1] / 2, 1 << 20));
    std::erase_if(falling_, [&](const Falling& f) {
        CBubbleSprite& sprite = *f.sprite;
        const int x = grid_.CellX(sprite.Column());
        const int landing = grid_.CellY(sprite.Row());
        if (f.startY + travelled < landing) {
            sprite.MoveTo(x, f.startY + travelled);
            return false;
        }
        sprite.MoveTo(x, landing);
        grid_.Board().Land(sprite.Column(), sprite.Row());
        return true;
    });
    if (falling_.empty()) grid_.FinishFall(this);
    return 0;
}
