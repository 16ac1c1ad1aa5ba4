#include "Apps/Common/BubbleSprite.h"

#include "Apps/Common/BubbleGrid.h"
#include "Apps/Common/Forwarder.h"
#include "frame/api/IAnim.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImageSeq.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

namespace {
constexpr int kMouseDown = 1;
}

CBubbleSprite::CBubbleSprite(CBubbleGrid& grid, IAnim* kindAnim, int kind, int column, int row, int idleMs,
                             int firstIdleMs)
    : grid_(grid), kind_(kind), column_(column), row_(row), idleMs_(idleMs) {
    IShellFactory& factory = grid.Factory();
    // An animation of its own over the kind's pictures, so each bubble plays on its own time.
    IImageSeq* sequence = nullptr;
    if (kindAnim != nullptr) kindAnim->GetImageSeq(&sequence);
    if (sequence != nullptr) {
        anim_ = factory.CreateAnim(sequence);
        sequence->Release();
    }
    surface_ = anim_ != nullptr ? factory.CreateSurfaceFromAnim(anim_, kSurfaceColourKeyed) : nullptr;
    if (surface_ == nullptr) return;
    surface_->SetLoc(grid.CellX(column), grid.CellY(row), nullptr);
    grid.GameArea().AttachSurface(surface_);
    listener_ = factory.AddListener(surface_, kMouseDown, this, Forward<&CBubbleSprite::OnMouseDown>);
    if (idleMs_ <= 0) {
        surface_->StartAnim();
        return;
    }
    idle_ = factory.CreateTimer(this, firstIdleMs, Forward<&CBubbleSprite::OnIdle>);
    if (idle_ != nullptr) idle_->Start();
}

CBubbleSprite::~CBubbleSprite() {
    if (idle_ != nullptr) idle_->Release();
    if (listener_ != nullptr) listener_->Release();
    if (surface_ != nullptr) {
        grid_.GameArea().DetachSurface(surface_);
        surface_->Release();
    }
    if (anim_ != nullptr) anim_->Release();
}

void CBubbleSprite::SetCell(int column, int row) {
    column_ = column;
    row_ = row;
}

int CBubbleSprite::Y() const {
    int x = 0, y = grid_.CellY(row_);
    if (surface_ != nullptr) surface_->GetLoc(&x, &y);
    return y;
}

void CBubbleSprite::MoveTo(int x, int y) {
    if (surface_ != nullptr) surface_->SetLoc(x, y, nullptr);
}

void CBubbleSprite::SetVisible(bool visible) {
    if (surface_ != nullptr) surface_->SetVisible(visible, nullptr);
}

int CBubbleSprite::OnMouseDown(intptr_t*) {
    grid_.Clicked(*this);
    return 0;
}

int CBubbleSprite::OnIdle(intptr_t*) {
    anim_->SetFrame(0);
    anim_->Start();
    idle_->SetInterval(idleMs_);
    idle_->Restart();
    return 0;
}
