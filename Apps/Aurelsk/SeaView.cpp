#include "Apps/Aurelsk/SeaView.h"

#include <algorithm>

#include "frame/api/IAnim.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"

namespace aurelsk {

CSeaView::CSeaView(CAurelskApplet& game, IShellFactory& factory, ISurface& gameArea)
    : game_(game), factory_(factory), gameArea_(gameArea) {}

CSeaView::Shown CSeaView::Make(std::initializer_list<Sequence> sequences) {
    Shown shown;
    ISurface* surface = nullptr;
    for (const Sequence sequence : sequences) {
        IImageSeq* images = game_.GetSequence(sequence);
        const ShellRef<IAnim> anim(images != nullptr ? factory_.CreateAnim(images) : nullptr);
        if (!anim) return shown;
        if (surface == nullptr) {
            surface = factory_.CreateSurfaceFromAnim(anim.Get(), kSurfaceColourKeyed);
            if (surface == nullptr) return shown;
            surface->SetNoHit(true);
            gameArea_.AttachSurface(surface);
            if (front_ != nullptr) gameArea_.BringToFront(front_);
            shown.surface = AttachedSurface(&gameArea_, surface);
        } else {
            surface->AddAnim(anim.Get());
        }
    }
    return shown;
}

CSeaView::Shown CSeaView::MakeFor(const SeaSprite& sprite) {
    switch (sprite.Kind()) {
    case SeaKind::Player:
        return Make({Sequence::AlphaLeft, Sequence::AlphaRight, Sequence::SmallExplosion, Sequence::AlphaWarningLeft,
                     Sequence::AlphaWarningRight});
    case SeaKind::BigPirate:
        return Make({Sequence::PirateLeft, Sequence::PirateRight, Sequence::BigExplosion, Sequence::DamagedLeft,
                     Sequence::DamagedRight});
    case SeaKind::SmallPirate:
        return Make({Sequence::MiniPirateLeft, Sequence::MiniPirateRight, Sequence::SmallExplosion});
    case SeaKind::Shark: return Make({Sequence::SharkLeft, Sequence::SharkRight, Sequence::SmallExplosion});
    case SeaKind::Torpedo:
        if (sprite.IsEnemyTorpedo()) return Make({Sequence::EnemyTorpedoLeft, Sequence::EnemyTorpedoRight});
        return Make({Sequence::TorpedoLeft, Sequence::TorpedoRight});
    }
    return {};
}

void CSeaView::Place(Shown& shown, float x, float y, int look) {
    shown.seen = true;
    ISurface* surface = shown.surface.Get();
    if (surface == nullptr) return;
    surface->SetLoc(static_cast<int>(x), static_cast<int>(y), nullptr);
    if (look == shown.look) return;
    shown.look = look;
    surface->SelectAnim(look);
    ShellRef<IAnim> anim;
    surface->GetAnim(anim.Out());
    if (anim && look == kExploding) anim->SetFrame(0);
    surface->StartAnim();
}

void CSeaView::ShowSprite(int id, const SeaSprite& sprite, int look) {
    auto it = shown_.find(id);
    if (it == shown_.end()) it = shown_.emplace(id, MakeFor(sprite)).first;
    // An explosion is centred on what blew up.
    float x = sprite.X(), y = sprite.Y();
    if (look == kExploding) {
        const float size = sprite.Kind() == SeaKind::BigPirate ? 64.0f : 48.0f;
        x += (static_cast<float>(sprite.Width()) - size) / 2;
        y += (static_cast<float>(sprite.Height()) - size) / 2;
    }
    Place(it->second, x, y, look);
}

void CSeaView::Show(const SeaWorld& world, int now) {
    for (auto& [id, shown] : shown_) shown.seen = false;
    for (const Treasure& t : world.Treasures()) {
        auto it = shown_.find(t.id);
        if (it == shown_.end())
            it = shown_.emplace(t.id, Make({t.kind == 0 ? Sequence::Treasure : Sequence::Chest})).first;
        Place(it->second, t.x, t.y, 0);
    }
    for (const Enemy& e : world.Enemies()) {
        const SeaSprite& s = e.sprite;
        const int facing = s.FacingRight() ? kRight : kLeft;
        ShowSprite(s.Id(), s, s.IsExploding() ? kExploding : s.IsDamaged() ? facing + kOtherLeft : facing);
    }
    for (const SeaSprite& t : world.EnemyTorpedoes()) ShowSprite(t.Id(), t, t.FacingRight() ? kRight : kLeft);
    if (const auto& torpedo = world.PlayerTorpedo())
        ShowSprite(torpedo->Id(), *torpedo, torpedo->FacingRight() ? kRight : kLeft);
    const SeaSprite& sub = world.Player().Sprite();
    const int facing = sub.FacingRight() ? kRight : kLeft;
    ShowSprite(sub.Id(), sub,
               sub.IsExploding() ? kExploding : world.Player().ShowsWarning() ? facing + kOtherLeft : facing);
    std::erase_if(shown_, [](const auto& entry) { return !entry.second.seen; });
    std::erase_if(blasts_, [now](const Blasting& b) { return now >= b.until; });
}

void CSeaView::Blast(float x, float y, int now) {
    Shown shown = Make({Sequence::BigExplosion});
    if (!shown.surface) return;
    shown.surface->SetLoc(static_cast<int>(x), static_cast<int>(y) - 18, nullptr);
    shown.surface->StartAnim();
    blasts_.push_back({std::move(shown.surface), now + SeaSprite::kExplosionMs});
}

void CSeaView::Clear() {
    shown_.clear();
    blasts_.clear();
}

}  // namespace aurelsk
