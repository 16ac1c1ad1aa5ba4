#include "Apps/Vintrel/PondView.h"

#include "Apps/Vintrel/PondGame.h"
#include "frame/api/IAnim.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"

namespace vintrel {
namespace {

int Pixel(float v) { return static_cast<int>(v); }

}  // namespace

CPondView::CPondView(CVintrelApplet& game, IShellFactory& factory, ISurface& gameArea)
    : game_(game), factory_(factory), gameArea_(gameArea) {}

AttachedSurface CPondView::MakeSprite(IImageSeq* right, IImageSeq* left) {
    ISurface* surface = nullptr;
    for (IImageSeq* sequence : {right, left}) {
        const ShellRef<IAnim> anim(sequence != nullptr ? factory_.CreateAnim(sequence) : nullptr);
        if (!anim) return {};
        if (surface == nullptr) {
            surface = factory_.CreateSurfaceFromAnim(anim.Get(), kSurfaceColourKeyed);
            if (surface == nullptr) return {};
        } else {
            surface->AddAnim(anim.Get());
        }
    }
    surface->SetNoHit(true);
    gameArea_.AttachSurface(surface);
    return AttachedSurface(&gameArea_, surface);
}

void CPondView::Place(Shown& shown, BlobKind kind, int size, bool facingLeft, float x, float y) {
    if (shown.size != size) {
        shown.sprite.Reset();
        shown.sprite = MakeSprite(game_.Blob(kind, false, size), game_.Blob(kind, true, size));
        shown.size = size;
        shown.facingLeft = !facingLeft;
    }
    ISurface* sprite = shown.sprite.Get();
    if (sprite == nullptr) return;
    if (shown.facingLeft != facingLeft) {
        shown.facingLeft = facingLeft;
        sprite->SelectAnim(facingLeft ? 1 : 0);
        sprite->StartAnim();
    }
    sprite->SetLoc(Pixel(x), Pixel(y), nullptr);
}

void CPondView::ShowBaddies(std::span<const CBaddie> baddies) {
    baddies_.resize(baddies.size());
    for (size_t i = 0; i < baddies.size(); ++i) {
        const CBaddie& b = baddies[i];
        Shown& shown = baddies_[i];
        // The slot's splash is this blob's own: a blob still to splash in (one that replaced an
        // eaten blob, or a fresh pond's) takes away any splash left in the slot.
        if (!b.SplashShown() || b.IsOut()) {
            shown.splash.Reset();
        } else if (!shown.splash) {
            shown.splash = MakeSprite(game_.GetSequence(Sequence::Splash), game_.GetSequence(Sequence::Splash));
            if (shown.splash) {
                shown.splash->SetLoc(Pixel(b.SplashX()), Pixel(b.SplashY()), nullptr);
                shown.splash->StartAnim();
            }
        }
        if (b.IsOut()) Place(shown, BlobKind::Baddie, b.Size(), b.FacingLeft(), b.X(), b.Y());
        if (shown.sprite && shown.sprite->IsVisible() != b.IsOut()) shown.sprite->SetVisible(b.IsOut(), nullptr);
    }
}

void CPondView::ShowPlayer(const CPlayerBlob& player) {
    Place(player_, BlobKind::Player, player.Size(), player.FacingLeft(), player.X(), player.Y());
}

void CPondView::ShowAngel(const Angel* angel) {
    if (angel == nullptr) {
        angel_.Reset();
        return;
    }
    if (!angel_) {
        IImageSeq* wings = game_.GetSequence(Sequence::Angel);
        angel_ = MakeSprite(wings, wings);
        if (angel_) angel_->StartAnim();
    }
    if (angel_) angel_->SetLoc(Pixel(angel->x), Pixel(angel->y), nullptr);
}

void CPondView::Clear() {
    baddies_.clear();
    player_ = {};
    angel_.Reset();
}

}  // namespace vintrel
