#include "Apps/Slorrow/DuelSprites.h"

#include "frame/api/IAnim.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"

namespace slorrow {
namespace {

constexpr int kPowerWidth = 87;
constexpr int kPowerHeight = 30;
constexpr int kNotchStep = 3;
constexpr int kNotchFirstX = 8;
constexpr int kNotchSpan = 55;
constexpr int kStarX = 57;

enum Look { kStand = 0, kDizzy = 1, kWin = 2 };

int LookOf(Character who, Pose pose) {
    switch (pose) {
    case Pose::Hit:
        return kDizzy;
    case Pose::Fall:
        return who == Character::Brambo ? kDizzy : kStand;
    case Pose::Win:
        return kWin;
    default:
        return kStand;
    }
}

int Pixel(float v) { return static_cast<int>(v); }

}  // namespace

CDuelSprites::CDuelSprites(const CSlorrowApplet& game, IShellFactory& factory, ISurface& gameArea, bool mirrored)
    : game_(game), factory_(factory), gameArea_(gameArea) {
    // Without the switch Quillet stands left; the order of the array is the side.
    const bool bramboLeft = mirrored;
    candidates_[bramboLeft ? 0 : 1] = Make({Sequence::BramboStand, Sequence::BramboDizzy, Sequence::BramboWin}, mirrored);
    candidates_[bramboLeft ? 1 : 0] = Make({Sequence::QuilletStand, Sequence::QuilletDizzy, Sequence::QuilletWin}, mirrored);
    ball_ = Make({Sequence::Ball}, false);
    orb_ = Make({Sequence::Orb}, false);
    arrow_ = Make({Sequence::Arrow}, false);
    if (ISurface* surface = factory_.CreateSurface(kPowerWidth, kPowerHeight, kSurfaceColourKeyed)) {
        surface->SetNoHit(true);
        surface->SetVisible(false, nullptr);
        gameArea_.AttachSurface(surface);
        power_.surface = AttachedSurface(&gameArea_, surface);
    }
}

CDuelSprites::Sprite CDuelSprites::Make(std::initializer_list<Sequence> looks, bool mirrored) {
    Sprite sprite;
    ISurface* surface = nullptr;
    for (const Sequence look : looks) {
        IImageSeq* frames = game_.GetSequence(look, mirrored);
        const ShellRef<IAnim> anim(frames != nullptr ? factory_.CreateAnim(frames) : nullptr);
        if (!anim) return sprite;
        if (surface != nullptr) {
            surface->AddAnim(anim.Get());
            continue;
        }
        surface = factory_.CreateSurfaceFromAnim(anim.Get(), kSurfaceColourKeyed);
        if (surface == nullptr) return sprite;
        surface->SetNoHit(true);
        surface->SetVisible(false, nullptr);
        gameArea_.AttachSurface(surface);
        sprite.surface = AttachedSurface(&gameArea_, surface);
    }
    return sprite;
}

void CDuelSprites::Show(Sprite& sprite, std::optional<Vec2> at, int look) {
    ISurface* surface = sprite.surface.Get();
    if (surface == nullptr) return;
    if (!at) {
        if (sprite.shown) surface->SetVisible(false, nullptr);
        sprite.shown = false;
        return;
    }
    const Place place{Pixel(at->x), Pixel(at->y)};
    if (place != sprite.placedAt) {
        sprite.placedAt = place;
        surface->SetLoc(place.x, place.y, nullptr);
    }
    if (look != sprite.look) {
        sprite.look = look;
        surface->SelectAnim(look);
        surface->StartAnim();
    }
    if (!sprite.shown) surface->SetVisible(true, nullptr);
    sprite.shown = true;
}

void CDuelSprites::ShowCandidate(const Candidate& candidate) {
    Sprite& sprite = candidates_[static_cast<size_t>(candidate.Where())];
    const std::optional<Vec2> at = candidate.Shown() ? std::optional<Vec2>(candidate.Position()) : std::nullopt;
    Show(sprite, at, LookOf(candidate.Who(), candidate.CurrentPose()));
}

void CDuelSprites::ShowBall(std::optional<Vec2> at) { Show(ball_, at); }
void CDuelSprites::ShowOrb(std::optional<Vec2> at) { Show(orb_, at); }
void CDuelSprites::ShowArrow(std::optional<Vec2> at) { Show(arrow_, at); }

void CDuelSprites::ShowPowerFrame(std::optional<Vec2> at, float power) {
    Show(power_, at);
    if (!at || !power_.surface) return;
    const float reach = power * static_cast<float>(kNotchSpan) / kFullPower;
    int notches = 0;
    while (static_cast<float>(kNotchFirstX + notches * kNotchStep) <= reach) ++notches;
    const PowerLook look{notches, power >= kFullPower};
    if (look == drawnPower_) return;
    drawnPower_ = look;
    ShellRef<IImage> image(power_.surface->GetImageDirect());
    if (!image) return;
    image->ClearToColor(0xFF, 0x00, 0xFF);
    if (IImage* frame = game_.GetPicture(Picture::PowerFrame)) image->DrawAt(frame, 0, 4);
    if (IImage* notch = game_.GetPicture(Picture::PowerNotch))
        for (int i = 0; i < notches; ++i) image->DrawAt(notch, kNotchFirstX + i * kNotchStep, 7);
    if (look.star)
        if (IImage* star = game_.GetPicture(Picture::PowerStar)) image->DrawAt(star, kStarX, 2);
}

}  // namespace slorrow
