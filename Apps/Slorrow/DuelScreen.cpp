#include "Apps/Slorrow/DuelScreen.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Slorrow/Sayings.h"
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
constexpr int kStripX = 50;
constexpr int kMeterY = 370;
constexpr int kWindCentreX = 193;
constexpr int kWindCentreY = 5;
constexpr int kArrowAbove = 50;
constexpr int kPowerLeft = 20;
constexpr int kPowerBelow = 5;
constexpr int kPlaneStartX = -440;
constexpr int kPlaneStep = 3;
constexpr int kBubbleWidth = 232;
constexpr int kBubbleHeight = 147;
// The lines start inside the bubble, which is centred on the field.
constexpr int kSayingX = (kFieldWidth - kBubbleWidth) / 2 + 16;
constexpr int kTryAgainId = 1;
constexpr int kFieldRect[4] = {0, 0, kFieldWidth, kFieldHeight};
constexpr int kOrigin[2] = {0, 0};
constexpr int kQuitId = 2;

// The first line's y and the step between lines, for one to four lines.
constexpr std::array<std::array<int, 2>, 4> kSayingRows = {{{200, 0}, {185, 20}, {175, 20}, {167, 20}}};

int Pixel(float v) { return static_cast<int>(v); }

}  // namespace

CDuelScreen::CDuelScreen(CSlorrowApplet& owner, int players) : CSlorrowScreen(owner) {
    const ModuleGlobals& globals = Globals();
    globals.services->CreatePixelBuffer(&ground_, kFieldWidth, kFieldHeight);
    RandomSource rand = [this] { return game.Rand(); };
    GroundBuffer field = LayField(rand);
    const float wind = WindFromRoll(game.Rand() % 100);
    duel_ = std::make_unique<Duel>(DuelSetup{players, game.sidesSwapped, game.promotionOn}, std::move(field), wind, rand,
                                   now_);
    CopyGround();
    if (gameArea != nullptr) sprites_ = std::make_unique<CDuelSprites>(game, *factory, *gameArea, game.sidesSwapped);
    move_.Reset(factory->AddListener(gameArea, applet::kMouseMove, this, Forward<&CDuelScreen::OnMouseMove>));
    down_.Reset(factory->AddListener(gameArea, applet::kMouseDown, this, Forward<&CDuelScreen::OnMouseDown>));
    up_.Reset(factory->AddListener(gameArea, applet::kMouseUp, this, Forward<&CDuelScreen::OnMouseUp>));
    globals.services->SetStopMode(kStopAsk);
    game.Play(Sound::Cheer);
    DrawField();
    PlaceSprites();
    timer_.Reset(factory->CreateTimer(this, kDuelTickMs, Forward<&CDuelScreen::OnTick>));
    if (timer_) timer_->Start();
}

CDuelScreen::~CDuelScreen() {
    timer_.Reset();
    sprites_.reset();
    Globals().services->FreePixelBuffer(ground_);
}

// The hills are drawn on a keyed canvas and read back: the model collides with what is shown.
GroundBuffer CDuelScreen::LayField(const RandomSource& rand) {
    panoramaLeft_ = PanoramaLeft(rand);
    GroundBuffer field;
    const auto hills = LayHills(rand, kHillHeights);
    if (canvas == nullptr || ground_ == nullptr) return field;
    canvas->ClearToColor(0xFF, 0x00, 0xFF);
    for (const HillPlacement& hill : hills)
        if (IImage* picture = game.Hill(hill.kind)) canvas->DrawAt(picture, hill.x, hill.y);
    if (canvas->ReadPixels(kFieldRect, ground_, kOrigin) == 0) {
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
    if (plane_) {
        plane_->x += kPlaneStep;
        fieldChanged_ = true;
        if (plane_->x >= kFieldWidth) plane_.reset();
    }
    if (fieldChanged_) DrawField();
    PlaceSprites();
    return 0;
}

void CDuelScreen::Hear(const DuelNews& news) {
    switch (news.event) {
    case DuelEvent::TurnStarted:
        saying_.reset();
        fieldChanged_ = true;
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
        fieldChanged_ = true;
        break;
    case DuelEvent::GroundChanged:
        CopyGround();
        fieldChanged_ = true;
        break;
    case DuelEvent::Saying:
        saying_ = news.value;
        fieldChanged_ = true;
        break;
    case DuelEvent::Cheer:
        game.Play(Sound::Cheer);
        break;
    case DuelEvent::PlaneStarts:
        plane_ = Vec2{static_cast<float>(kPlaneStartX), static_cast<float>(news.value)};
        break;
    }
}

void CDuelScreen::DrawField() {
    fieldChanged_ = false;
    if (canvas == nullptr) return;
    canvas->ClearToColor(0x99, 0xFF, 0xFF);
    if (IImage* panorama = game.GetPicture(Picture::Panorama)) {
        const int dst[4] = {0, kPanoramaY, kFieldWidth, kPanoramaY + 396};
        const int src[4] = {panoramaLeft_, 0, panoramaLeft_ + kFieldWidth, 396};
        canvas->Draw(dst, panorama, src);
    }
    if (plane_)
        if (IImage* plane = game.GetPicture(Picture::AirPlane)) canvas->DrawAt(plane, Pixel(plane_->x), Pixel(plane_->y));
    if (ground_ != nullptr) canvas->WritePixels(kFieldRect, ground_, kOrigin);
    DrawGauges();
    DrawSaying();
}

void CDuelScreen::DrawSaying() {
    if (!saying_ || !duel_->HitCandidate()) return;
    const Candidate& hit = duel_->Get(*duel_->HitCandidate());
    const Picture bubble = hit.Who() == Character::Brambo ? Picture::BramboComment : Picture::QuilletComment;
    // The bubble's tail points down to the left: turned, it points to a speaker on the right.
    if (IImage* picture = game.GetPicture(bubble))
        canvas->DrawAtEx(picture, (kFieldWidth - kBubbleWidth) / 2, (kFieldHeight - kBubbleHeight) / 2,
                         hit.Where() == Side::Right ? kDrawMirrorLeftRight : 0);
    const std::vector<std::string_view> lines = SayingLines(hit.Who(), *saying_);
    if (lines.empty()) return;
    const auto& [firstY, step] = kSayingRows[std::min(lines.size(), kSayingRows.size()) - 1];
    int y = firstY;
    for (size_t i = 0; i < lines.size() && i < kSayingRows.size(); ++i, y += step) {
        std::string line = "<s3><b><cffffff>";
        line += lines[i];
        DrawMarkupText(canvas, line.c_str(), kSayingX, y);
    }
}

void CDuelScreen::PlaceSprites() {
    if (!sprites_) return;
    for (const Side side : {Side::Left, Side::Right}) sprites_->ShowCandidate(duel_->Get(side));
    std::optional<Vec2> ball;
    if (const auto& flying = duel_->Ball()) ball = flying->Position();
    sprites_->ShowBall(ball);
    sprites_->ShowOrb(duel_->Orb());
    std::optional<Vec2> arrow;
    std::optional<Vec2> power;
    if (const auto side = duel_->Thrower()) {
        const Candidate& thrower = duel_->Get(*side);
        const Vec2 at = thrower.Position();
        if (duel_->State() == DuelState::Turn && thrower.IsPerson() && now_ - duel_->StateStart() < kArrowMs)
            arrow = Vec2{at.x, at.y - kArrowAbove};
        if (thrower.CurrentPose() == Pose::Charging)
            power = Vec2{at.x - kPowerLeft, at.y + thrower.Rect().height + kPowerBelow};
    }
    sprites_->ShowArrow(arrow);
    sprites_->ShowPowerFrame(power, duel_->Power());
}

void CDuelScreen::DrawGauges() {
    const WindGauge gauge = GaugeFor(duel_->Wind());
    if (IImage* bar = game.GetPicture(Picture::WindBar))
        for (const int x : gauge.barXs) canvas->DrawAt(bar, x, 28);
    if (IImage* centre = game.GetPicture(Picture::WindBarCenter)) canvas->DrawAt(centre, kWindCentreX, kWindCentreY);
    if (gauge.arrowShown)
        if (IImage* arrow = game.GetPicture(Picture::WindArrow))
            canvas->DrawAtEx(arrow, gauge.arrowX, 21, gauge.arrowMirrored ? kDrawMirrorLeftRight : 0);
    if (IImage* strip = game.Strip())
        canvas->DrawAtEx(strip, kStripX, kMeterY, game.sidesSwapped ? kDrawMirrorLeftRight : 0);
    if (IImage* pointer = game.GetPicture(Picture::MeterPointer)) canvas->DrawAt(pointer, duel_->Meter().PointerX(), kMeterY);
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
    sprites_.reset();
    game.DrawBackdrop(canvas, Picture::TitleLogo);
    const Side side = duel_->Winner().value_or(Side::Left);
    const Candidate& winner = duel_->Get(side);
    const bool quillet = winner.Who() == Character::Quillet;
    if (canvas != nullptr) {
        if (IImage* picture = game.GetPicture(quillet ? Picture::QuilletSelectR : Picture::BramboSelectR))
            canvas->DrawAt(picture, 285, quillet ? 100 : 115);
        constexpr std::array<std::array<const char*, 3>, 2> kTaunts = {{
            {"<S2><c000080><B>Brambo wins!", "<S3><c000000>The voters have spoken,", "<S3><c000000>and what they said was \"splat\"."},
            {"<S2><c000080><B>Quillet wins!", "<S3><c000000>Clean hands, muddy rival:", "<S3><c000000>that is how a race is won."},
        }};
        const auto& taunt = kTaunts[quillet ? 1 : 0];
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
