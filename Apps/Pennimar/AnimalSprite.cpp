#include "Apps/Pennimar/AnimalSprite.h"

#include "Apps/Pennimar/PennimarApplet.h"
#include "frame/api/IAnim.h"
#include "frame/api/IShellFactory.h"

namespace pennimar {

CAnimalSprite::CAnimalSprite(CPennimarApplet& game, IShellFactory& factory, ISurface* gameArea, int kind, bool right)
    : facingRight_(right) {
    for (const bool side : {false, true})
        if (IImageSeq* walk = game.Walking(kind, side)) (side ? right_ : left_).Reset(factory.CreateAnim(walk));
    if (!left_ || !right_) return;
    ISurface* surface = factory.CreateSurfaceFromAnim(left_.Get(), kSurfaceColourKeyed);
    if (surface == nullptr) return;
    surface->AddAnim(right_.Get());
    surface->SetNoHit(true);
    gameArea->AttachSurface(surface);
    surface_ = AttachedSurface(gameArea, surface);
    surface->GetSize(&width_, &height_);
    surface->SelectAnim(right ? 1 : 0);
    surface->StartAnim();
}

void CAnimalSprite::Face(bool right) {
    if (right == facingRight_) return;
    facingRight_ = right;
    if (surface_) {
        surface_->SelectAnim(right ? 1 : 0);
        surface_->StartAnim();
    }
}

void CAnimalSprite::Place(float x, float y) {
    const Spot spot{static_cast<int>(x), static_cast<int>(y)};
    if (!surface_ || spot == placedAt_) return;
    placedAt_ = spot;
    surface_->SetLoc(spot.x, spot.y, nullptr);
}

void CAnimalSprite::Run(bool running) {
    if (!surface_) return;
    if (running)
        surface_->StartAnim();
    else
        surface_->StopAnim();
}

}  // namespace pennimar
