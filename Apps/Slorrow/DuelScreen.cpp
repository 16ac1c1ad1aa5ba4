#include "Apps/Slorrow/DuelScreen.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Slorrow/TitleScreen.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ITimer.h"

namespace slorrow {
namespace {

constexpr std::array<int, kHillKinds> kHillHeights = {305, 354, 381, 353, 301, 306};
constexpr int kPanoramaY = kFieldHeight - 396;
constexpr int kBannerY = kFieldHeight - 58;
constexpr int kMeterY = kBannerY + 6;
constexpr int kTryAgainId = 1;
constexpr int kQuitId = 2;

constexpr std::array<const char*, kSayings> kSayingTexts = {
    "Ouch!",           "That's dirty!",        "No comment.",       "Low blow!",         "I'll get you!",
    "Mud slinger!",    "Is that all?",         "Missed my vote!",   "My suit!",          "Foul play!",
    "Recount!",        "I object!",            "Smear campaign!",   "Lies!",             "Not fair!",
    "My good side!",   "Next question.",       "Spin that!",        "Read my lips!",     "Scandal!",
    "Off the record!", "I demand a debate!",   "Polls are wrong!",  "Whoa!",             "Yuck!",
    "Vote for me!",
};

Picture PosePicture(Character who, Pose pose) {
    const bool brambo = who == Character::Brambo;
    switch (pose) {
    case Pose::Fall:
    case Pose::Hit:
        return brambo ? Picture::BramboDizzy : Picture::QuilletDizzy;
    case Pose::Win:
        return brambo ? Picture::BramboWin : Picture::QuilletWin;
    default:
        return brambo ? Picture::BramboStand : Picture::QuilletStand;
    }
}

int Pixel(float v) { return static_cast<int>(v); }

}  // namespace

CDuelScreen::CDuelScreen(CSlorrowApplet& owner, int players) : CSlorrowScreen(owner) {
    const ModuleGlobals& globals = Globals();
    globals.services->CreatePixelBuffer(&ground_, kFieldWidth, kFieldHeight);
    RandomSource rand = [this] { return game.Rand(); };
    GroundBuffer field = LayField();
    const float wind = WindFromRoll(game.Rand() % 100);
    duel_ = std::make_unique<Duel>(DuelSetup{players, game.sidesSwapped, false}, std::move(field), wind, rand, now_);
    CopyGround();
    move_.Reset(factory->AddListener(gameArea, applet::kMouseMove, this, Forward<&CDuelScreen::OnMouseMove>));
    down_.Reset(factory->AddListener(gameArea, applet::kMouseDown, this, Forward<&CDuelScreen::OnMouseDown>));
    up_.Reset(factory->AddListener(gameArea, applet::kMouseUp, this, Forward<&CDuelScreen::OnMouseUp>));
    globals.services->SetStopMode(kStopAsk);
    game.Play(Sound::Cheer);
    Draw();
    timer_.Reset(factory->CreateTimer(this, kDuelTickMs, Forward<&CDuelScreen::OnTick>));
    if (timer_) timer_->Start();
}

CDuelScreen::~CDuelScreen() {
    timer_.Reset();
    Globals().services->FreePixelBuffer(ground_);
}

// The hills are drawn on a keyed canvas and read back: the model collides with what is shown.
GroundBuffer CDuelScreen::LayField() {
    const RandomSource rand = [this] { return game.Rand(); };
    panoramaLeft_ = PanoramaLeft(rand);
    GroundBuffer field;
    const auto hills = LayHills(rand, kHillHeights);
    if (canvas == nullptr || ground_ == nullptr) return field;
    canvas->ClearToColor(0xFF, 0x00, 0xFF);
    for (const HillPlacement& hill : hills)
        if (IImage* picture = game.Hill(hill.kind)) canvas->DrawAt(picture, hill.x, hill.y);
    const int rect[4] = {0, 0, kFieldWidth, kFieldHeight};
    const int origin[2] = {0, 0};
    if (canvas->ReadPixels(rect, ground_, origin) == 0) {
        const std::span<uint32_t> out = field.Pixels();
        for (size_t i = 0; i < out.size(); ++i) out[i] = ground_->pixels[i] & 0xFFFFFFu;
    }
    return field;
}

void CDuelScreen::CopyGround() {
    if (ground_ == nullptr) return;
    const std::span<const uint32_t> pixels = duel_->Ground().Pixels();
    ground_->colourKey = kSky;
    std::memcpy(ground_->pixels, pixels.data(), pixels.size_bytes());
}

int CDuelScreen::OnTick(intptr_t* args) {
    now_ = static_cast<int64_t>(args[2]);
    const DuelState before = duel_->State();
    for (const DuelNews& news : duel_->Tick(now_)) Hear(news);
    if (duel_->State() == DuelState::Over && before != DuelState::Over) {
        ShowEnd();
        timer_.Reset();
        return 0;
    }
    Draw();
    return 0;
}

void CDuelScreen::Hear(const DuelNews& news) {
    switch (news.event) {
    case DuelEvent::TurnStarted:
        saying_.reset();
        break;
    case DuelEvent::Thrown:
        game.Play(Sound::Throw);
        break;
    case DuelEvent::Landed:
    case DuelEvent::Gone:
        game.Play(Sound::HitLand);
        break;
    case DuelEvent::CandidateHit:
        game.Play(Sound::HitCandidate);
        break;
    case DuelEvent::GroundChanged:
        CopyGround();
        break;
    case DuelEvent::Saying:
        saying_ = std::clamp(news.value, 0, kSayings - 1);
        break;
    case DuelEvent::Cheer:
        game.Play(Sound::Cheer);
        break;
    case DuelEvent::PlaneStarts:
        break;
    }
}

void CDuelScreen::Draw() {
    if (canvas == nullptr) return;
    canvas->ClearToColor(0x99, 0xFF, 0xFF);
    if (IImage* panorama = game.GetPicture(Picture::Panorama)) {
        const int dst[4] = {0, kPanoramaY, kFieldWidth, kPanoramaY + 396};
        const int src[4] = {panoramaLeft_, 0, panoramaLeft_ + kFieldWidth, 396};
        canvas->Draw(dst, panorama, src);
    }
    if (ground_ != nullptr) {
        const int rect[4] = {0, 0, kFieldWidth, kFieldHeight};
        const int origin[2] = {0, 0};
        canvas->WritePixels(rect, ground_, origin);
    }
    for (const Side side : {Side::Left, Side::Right}) DrawCandidate(duel_->Get(side));
    if (const auto& ball = duel_->Ball())
        if (IImage* picture = game.GetPicture(Picture::Ball)) {
            const int src[4] = {0, 0, 16, 16};
            const Vec2 at = ball->Position();
            const int dst[4] = {Pixel(at.x), Pixel(at.y), Pixel(at.x) + 16, Pixel(at.y) + 16};
            canvas->Draw(dst, picture, src);
        }
    if (const auto orb = duel_->Orb())
        if (IImage* picture = game.GetPicture(Picture::Orb)) canvas->DrawAt(picture, Pixel(orb->x) - 4, Pixel(orb->y) - 4);
    DrawGauges();
    if (saying_ && duel_->HitCandidate()) {
        const Candidate& hit = duel_->Get(*duel_->HitCandidate());
        const Picture bubble = hit.Who() == Character::Brambo ? Picture::BramboComment : Picture::QuilletComment;
        const int x = hit.Where() == Side::Left ? 40 : 228;
        if (IImage* picture = game.GetPicture(bubble)) canvas->DrawAt(picture, x, 60);
        std::string line = "<s2><c000000><b>";
        line += kSayingTexts[static_cast<size_t>(*saying_)];
        DrawMarkupText(canvas, line.c_str(), x + 30, 110);
    }
}

void CDuelScreen::DrawCandidate(const Candidate& candidate) {
    if (!candidate.Shown()) return;
    IImage* picture = game.GetPicture(PosePicture(candidate.Who(), candidate.CurrentPose()));
    if (picture == nullptr) return;
    const Box box = candidate.Rect();
    const int src[4] = {0, 0, Pixel(box.width), Pixel(box.height)};
    const int dst[4] = {Pixel(box.x), Pixel(box.y), Pixel(box.x + box.width), Pixel(box.y + box.height)};
    // The pictures face right; the right-hand candidate faces its rival.
    canvas->DrawEx(dst, picture, src, candidate.Where() == Side::Right ? kDrawMirrorLeftRight : 0);
    if (duel_->Thrower() == candidate.Where() && candidate.IsPerson() && duel_->State() == DuelState::Turn)
        if (IImage* arrow = game.GetPicture(Picture::TurnArrow)) {
            const int asrc[4] = {0, 0, 30, 43};
            const int adst[4] = {Pixel(box.x) - 5, Pixel(box.y) - 48, Pixel(box.x) + 25, Pixel(box.y) - 5};
            canvas->Draw(adst, arrow, asrc);
        }
}

void CDuelScreen::DrawGauges() {
    const WindGauge gauge = GaugeFor(duel_->Wind());
    if (IImage* bar = game.GetPicture(Picture::WindBar))
        for (const int x : gauge.barXs) canvas->DrawAt(bar, x, 28);
    if (gauge.arrowShown)
        if (IImage* arrow = game.GetPicture(Picture::WindArrow))
            canvas->DrawAtEx(arrow, gauge.arrowX, 21, gauge.arrowMirrored ? kDrawMirrorLeftRight : 0);
    if (IImage* banner = game.GetPicture(Picture::Banner)) canvas->DrawAt(banner, 0, kBannerY);
    if (IImage* meter = game.GetPicture(Picture::Meter)) canvas->DrawAt(meter, duel_->Meter().PointerX(), kMeterY);
    if (duel_->State() == DuelState::Charging)
        if (IImage* notch = game.GetPicture(Picture::Notch)) {
            const int notches = static_cast<int>(duel_->Power() / kFullPower * 20.0f);
            for (int i = 0; i < notches; ++i) canvas->DrawAt(notch, 10 + 6 * i, 10);
        }
}

int CDuelScreen::OnMouseMove(intptr_t* args) {
    duel_->MouseMove(static_cast<float>(args[2]), static_cast<float>(args[3]));
    return 0;
}

int CDuelScreen::OnMouseDown(intptr_t* args) {
    duel_->MouseMove(static_cast<float>(args[2]), static_cast<float>(args[3]));
    duel_->MouseDown(now_);
    return 0;
}

int CDuelScreen::OnMouseUp(intptr_t* args) {
    duel_->MouseMove(static_cast<float>(args[2]), static_cast<float>(args[3]));
    duel_->MouseUp(now_);
    return 0;
}

// The winner's picture and taunt, and the way to a new duel or the title.
void CDuelScreen::ShowEnd() {
    game.DrawBackdrop(canvas, Picture::TitleLogo);
    const Side side = duel_->Winner().value_or(Side::Left);
    const Candidate& winner = duel_->Get(side);
    const bool quillet = winner.Who() == Character::Quillet;
    if (canvas != nullptr) {
        if (IImage* picture = game.GetPicture(quillet ? Picture::QuilletSelectR : Picture::BramboSelectR))
            canvas->DrawAt(picture, 285, quillet ? 100 : 115);
        const bool person = winner.IsPerson();
        const std::array<const char*, 3> taunt = {
            person ? (side == Side::Left ? "<S2><c000080><B>Player 1 wins!" : "<S2><c000080><B>Player 2 wins!")
                   : "<S2><c800000><B>The computer wins!",
            "<S3><c000000>The crowd has spoken:", "<S3><c000000>the mud stuck to the other side."};
        int y = 170;
        for (const char* line : taunt) {
            DrawMarkupText(canvas, line, 15, y);
            y += 20;
        }
        if (IImage* banner = game.GetPicture(Picture::Banner)) canvas->DrawAt(banner, 0, 353);
    }
    Globals().services->SetStopMode(kStopFreely);
    const AppletCallback choose = Forward<&CDuelScreen::OnEndChoice>;
    quit_ = MakeTwoLookButton(game, this, Picture::Quit, Picture::QuitOver, 300, 347, kQuitId, choose);
    tryAgain_ = MakeTwoLookButton(game, this, Picture::TryAgain, Picture::TryAgainOver, 90, 345, kTryAgainId, choose);
}

int CDuelScreen::OnEndChoice(intptr_t* args) {
    game.replay = args[2] == kTryAgainId;
    game.SetScreen(this, new CTitleScreen(game));
    return 0;
}

}  // namespace slorrow
