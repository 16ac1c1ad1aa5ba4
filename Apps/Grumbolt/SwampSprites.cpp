#include "Apps/Grumbolt/SwampSprites.h"

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Grumbolt/GrumboltApplet.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IAnim.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImageSeq.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

namespace grumbolt {
namespace {

constexpr int kIdleAnim = 0;
constexpr int kSinkingAnim = 1;

ShellRef<IAnim> AnimOf(IShellFactory& factory, IImageSeq* frames) {
    return ShellRef<IAnim>(frames != nullptr ? factory.CreateAnim(frames) : nullptr);
}

// A surface of `anim` on the game area at (x, y).
AttachedSurface Place(IShellFactory& factory, IAnim* anim, int x, int y) {
    ISurface* gameArea = Globals().gameArea;
    ISurface* surface = anim != nullptr ? factory.CreateSurfaceFromAnim(anim, kSurfaceColourKeyed) : nullptr;
    if (surface == nullptr) return {};
    surface->SetLoc(x, y, nullptr);
    gameArea->AttachSurface(surface);
    return AttachedSurface(gameArea, surface);
}

void Restart(IAnim* anim) {
    if (anim == nullptr) return;
    anim->SetFrame(0);
    anim->Start();
}

}  // namespace

CFrog::CFrog(CGrumboltApplet& game, SwampClicks& clicks, CellPos at, int colour, int idleMs)
    : clicks_(clicks), at_(at), colour_(colour) {
    IShellFactory& factory = *Globals().factory;
    idle_ = AnimOf(factory, game.Frames(colour, FrogPicture::Idle));
    sinking_ = AnimOf(factory, game.Frames(colour, FrogPicture::Sinking));
    surface_ = Place(factory, idle_.Get(), CellX(at.column), FrogY(at.row));
    if (!surface_) return;
    if (sinking_) surface_->AddAnim(sinking_.Get());
    surface_->SelectAnim(kIdleAnim);
    Globals().gameArea->BringToFront(surface_.Get());
    listener_.Reset(factory.AddListener(surface_.Get(), applet::kClick, this, Forward<&CFrog::OnClick>));
    idleTimer_.Reset(factory.CreateTimer(this, idleMs, Forward<&CFrog::OnIdle>));
    if (idleTimer_) idleTimer_->Start();
}

CFrog::~CFrog() = default;

void CFrog::SetVisible(bool visible) {
    if (surface_) surface_->SetVisible(visible, nullptr);
}

void CFrog::MoveTo(CellPos at) {
    at_ = at;
    if (surface_) surface_->SetLoc(CellX(at.column), FrogY(at.row), nullptr);
}

void CFrog::Sink() {
    idleTimer_.Reset();
    listener_.Reset();
    if (!surface_) return;
    Globals().gameArea->BringToFront(surface_.Get());
    surface_->SetNoHit(true);
    surface_->SetLoc(CellX(at_.column), FrogY(at_.row) + 2, nullptr);
    surface_->SelectAnim(kSinkingAnim);
    Restart(sinking_.Get());
}

int CFrog::OnClick(intptr_t* /*args*/) {
    clicks_.OnFrogClick(at_);
    return 0;
}

int CFrog::OnIdle(intptr_t* /*args*/) {
    Restart(idle_.Get());
    if (idleTimer_) idleTimer_->Restart();
    return 0;
}

CLilypad::CLilypad(CGrumboltApplet& game, SwampClicks& clicks, CellPos at) : clicks_(clicks), at_(at) {
    IShellFactory& factory = *Globals().factory;
    const ShellRef<IAnim> anim = AnimOf(factory, game.LilypadFrames());
    surface_ = Place(factory, anim.Get(), CellX(at.column), LilypadY(at.row));
    if (surface_)
        listener_.Reset(factory.AddListener(surface_.Get(), applet::kClick, this, Forward<&CLilypad::OnClick>));
}

CLilypad::~CLilypad() = default;

int CLilypad::OnClick(intptr_t* /*args*/) {
    clicks_.OnLilypadClick(at_);
    return 0;
}

CJumpSprites::CJumpSprites(CGrumboltApplet& game) {
    IShellFactory& factory = *Globals().factory;
    constexpr FrogPicture kPictures[] = {FrogPicture::JumpUp, FrogPicture::JumpRight, FrogPicture::JumpDown,
                                         FrogPicture::JumpLeft};
    for (size_t d = 0; d < sprites_.size(); ++d) {
        Sprite& sprite = sprites_[d];
        for (size_t c = 0; c < sprite.anims.size(); ++c)
            sprite.anims[c] = AnimOf(factory, game.Frames(static_cast<int>(c), kPictures[d]));
        sprite.surface = Place(factory, sprite.anims[0].Get(), 0, 0);
        if (!sprite.surface) continue;
        for (size_t c = 1; c < sprite.anims.size(); ++c)
            if (sprite.anims[c]) sprite.surface->AddAnim(sprite.anims[c].Get());
        sprite.surface->SetNoHit(true);
        sprite.surface->SetVisible(false, nullptr);
    }
}

CJumpSprites::~CJumpSprites() = default;

void CJumpSprites::Start(CellPos from, Direction direction, int colour) {
    Sprite& sprite = sprites_[static_cast<size_t>(direction)];
    if (!sprite.surface) return;
    const int x = direction == Direction::Left ? CellX(from.column) - 60 : CellX(from.column);
    const int y = direction == Direction::Up ? 30 * from.row - 17 : LilypadY(from.row);
    sprite.surface->SetLoc(x, y, nullptr);
    sprite.surface->SelectAnim(colour);
    Globals().gameArea->BringToFront(sprite.surface.Get());
    sprite.surface->SetVisible(true, nullptr);
    Restart(sprite.anims[static_cast<size_t>(colour)].Get());
}

void CJumpSprites::HideAll() {
    for (Sprite& sprite : sprites_)
        if (sprite.surface) sprite.surface->SetVisible(false, nullptr);
}

Direction DirectionOf(const Jump& jump) {
    if (jump.to.column > jump.from.column) return Direction::Right;
    if (jump.to.column < jump.from.column) return Direction::Left;
    if (jump.to.row > jump.from.row) return Direction::Down;
    return Direction::Up;
}

}  // namespace grumbolt
