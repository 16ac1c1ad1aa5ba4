#include "Apps/Pennimar/PlayScreen.h"

#include <algorithm>

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Pennimar/FieldPainter.h"
#include "Apps/Pennimar/TitleScreen.h"
#include "Apps/Pennimar/TopFarmers.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

namespace pennimar {
namespace {

constexpr int kTickMs = 50;
constexpr int kStep = 4;
constexpr int kSpriteHalf = 6;
// An animal without a picture still takes room on the field.
constexpr int kBareAnimalSize = 24;
constexpr Direction kArrows[] = {Direction::Left, Direction::Right, Direction::Up, Direction::Down};
constexpr int kArrowKeys[] = {applet::kKeyLeft, applet::kKeyRight, applet::kKeyArrowUp, applet::kKeyArrowDown};
constexpr Sound kCalls[] = {Sound::Cow, Sound::Pig, Sound::Goat, Sound::Horse};

bool Held(IShellServices& services, int key) { return (services.IsKeyDown(key) & 0x80) != 0; }

// A sprite centred on its point, moved in where the game area's edge would cut it: the field's
// border runs 4 pixels inside that edge.
void PlaceSprite(ISurface& sprite, int x, int y) {
    constexpr int kAreaWidth = 500, kAreaHeight = 420;
    sprite.SetLoc(std::clamp(x - kSpriteHalf, 0, kAreaWidth - 2 * kSpriteHalf),
                  std::clamp(y - kSpriteHalf, 0, kAreaHeight - 2 * kSpriteHalf), nullptr);
}

ISurface* SpriteOf(IShellFactory& factory, ISurface* gameArea, IImage* picture) {
    if (picture == nullptr) return nullptr;
    ISurface* surface = factory.CreateSurface(2 * kSpriteHalf, 2 * kSpriteHalf, kSurfaceColourKeyed);
    if (surface == nullptr) return nullptr;
    if (ShellRef<IImage> image; surface->GetImage(image.Out()), image) image->DrawAt(picture, 0, 0);
    surface->SetNoHit(true);
    gameArea->AttachSurface(surface);
    return surface;
}

}  // namespace

CPlayScreen::CPlayScreen(CPennimarApplet& owner, int startLevel)
    : CPennimarScreen(owner),
      startLevel_(startLevel),
      level_(startLevel),
      status_(canvas, *factory, owner),
      marks_(*factory, gameArea, canvas) {
    const ModuleGlobals& globals = Globals();
    player_ = AttachedSurface(gameArea, SpriteOf(*factory, gameArea, game.GetPicture(Picture::Player)));
    StartLevel();
    keys_.Reset(factory->AddListener(globals.services, applet::kKeyDown, this, Forward<&CPlayScreen::OnKey>));
    timer_.Reset(factory->CreateTimer(this, kTickMs, Forward<&CPlayScreen::OnTick>));
    if (timer_) timer_->Start();
    globals.services->SetStopMode(kStopAsk);
}

// The panel and the sprites go before the timer that moves them.
CPlayScreen::~CPlayScreen() {
    timer_.Reset();
    panelView_.reset();
}

void CPlayScreen::StartLevel() {
    settings_ = LevelTable::Level(level_);
    // The enemies and the farmer hold on to the old fence: they go first, and the farmer starts
    // afresh on the new ring.
    RemoveEnemies();
    field_.BuildFieldBorder();
    CFieldPainter painter(canvas, game);
    painter.Earth({0, 50, 500, 420});
    painter.Fences(field_.Ring().Segments(), true);
    status_.Draw(level_, score_, spareLives_, field_.CapturedPercent(), settings_.neededPercent);
    marks_.Clear();
    MakeAnimals();
    PlacePlayer();
    game.Play(Sound::LevelStart);
    ShowIntro();
}

void CPlayScreen::MakeAnimals() {
    sprites_.clear();
    animals_.clear();
    const RandomDraws draws{[this] { return game.Rand(); }, [this] { return game.RuntimeRand(); }};
    for (int i = 0; i < settings_.animals; ++i) {
        Animal animal = Animal::Make(settings_, draws, now_, kBareAnimalSize, kBareAnimalSize);
        auto sprite = std::make_unique<CAnimalSprite>(game, *factory, gameArea, animal.kind, animal.facingRight);
        if (sprite->Width() > 0) animal.width = sprite->Width(), animal.height = sprite->Height();
        sprite->Place(animal.x, animal.y);
        animals_.push_back(animal);
        sprites_.push_back(std::move(sprite));
    }
}

void CPlayScreen::PlacePlayer() {
    if (player_) PlaceSprite(*player_.Get(), field_.Player().x, field_.Player().y);
}

void CPlayScreen::PlaceEnemy(size_t index) {
    if (!enemies_[index] || !enemySprites_[index]) return;
    const Enemy& enemy = *enemies_[index];
    PlaceSprite(*enemySprites_[index].Get(), static_cast<int>(enemy.X()), static_cast<int>(enemy.Y()));
}

int CPlayScreen::OnTick(intptr_t* args) {
    now_ = static_cast<long long>(args[2]);
    marks_.Tick(now_);
    if (panel_ != Panel::None) return 0;
    PollKeys();
    if (panel_ == Panel::None) StepAnimals();
    if (panel_ == Panel::None) StepEnemies();
    return 0;
}

void CPlayScreen::PollKeys() {
    IShellServices& services = *Globals().services;
    const bool laying = Held(services, applet::kKeyShift) || Held(services, ' ');
    for (size_t i = 0; i < std::size(kArrows); ++i) {
        if (!arrows_[i].Poll(Held(services, kArrowKeys[i]), now_)) continue;
        Walk(kArrows[i], laying);
        PlacePlayer();
        return;
    }
}

void CPlayScreen::Walk(Direction direction, bool laying) {
    const FieldPoint from = field_.Player();
    MoveOutcome outcome;
    if (field_.IsLaying()) {
        const FieldPoint d = StepOf(direction, kStep);
        outcome = field_.MovePlayer(direction, d.x, d.y);
    } else if (field_.WalkAlongFence(direction, kStep)) {
        game.Play(Sound::Walking);
        return;
    } else if (laying) {
        outcome = field_.StartTrail(direction, kStep);
    }
    if (outcome.kind == MoveKind::Moved) {
        DrawTrailStep(from, outcome);
        game.Play(Sound::FenceLaying);
    } else if (outcome.kind == MoveKind::Captured) {
        AfterCapture();
    }
}

void CPlayScreen::DrawTrailStep(FieldPoint from, const MoveOutcome& outcome) {
    CFieldPainter painter(canvas, game);
    painter.Piece(from, field_.Player());
    painter.Corner(from, outcome.cornerCell);
}

void CPlayScreen::AfterCapture() {
    const CaptureResult& capture = field_.LastCapture();
    CFieldPainter painter(canvas, game);
    for (const FieldRect& r : capture.captured) painter.Grass(r);
    painter.Fences(capture.formerRing, true);
    painter.Fences(capture.trail, false);
    game.Play(Sound::FenceClose);

    for (size_t i = 0; i < animals_.size(); ++i) {
        Animal& a = animals_[i];
        if (!a.awake || !a.IsFencedIn(field_.Open())) continue;
        a.awake = false;
        sprites_[i].reset();
        if (IImage* resting = game.Resting(a.kind, a.facingRight); resting != nullptr && canvas != nullptr)
            canvas->DrawAt(resting, static_cast<int>(a.x), static_cast<int>(a.y));
        const int points = AnimalPoints(a.kind, settings_.pointFactor);
        marks_.AddPoints(points, static_cast<int>(a.x) + a.width / 2, static_cast<int>(a.y) - 5,
                         game.Rand() % 2 == 1 ? 1 : -1, now_);
        AddScore(points);
    }
    for (size_t i = 0; i < enemies_.size(); ++i) {
        if (enemies_[i] && !enemies_[i]->IsOnRing(field_.Ring())) {
            enemies_[i].reset();
            enemySprites_[i].Reset();
            enemyGone_[i] = now_;
        }
    }

    const LevelEnd end = CheckLevelEnd(field_.CapturedPercent(), settings_, animals_);
    if (end.allAsleep) {
        for (const FieldRect& r : field_.Open().Rectangles()) painter.Grass(r);
        painter.Fences(field_.Ring().Segments(), true);
        game.Play(Sound::Bonus);
    }
    status_.Progress(end.shownPercent, settings_.neededPercent);
    if (!end.over) return;
    AddScore(end.Total());
    game.Play(Sound::LevelComplete);
    ShowLevelComplete(end);
}

void CPlayScreen::StepAnimals() {
    for (size_t i = 0; i < animals_.size(); ++i) {
        Animal& a = animals_[i];
        if (!a.awake) {
            if (now_ >= a.wakeTime) {
                marks_.AddSnore(game.Snore(a.facingRight), static_cast<int>(a.x) + a.width / 2,
                                static_cast<int>(a.y) - 5, now_);
                a.wakeTime = now_ + 3000 + game.RuntimeRand() % 5000;
            }
            continue;
        }
        const AnimalStep step = a.Step(field_);
        if (step == AnimalStep::HitTrail) {
            LoseLife();
            return;
        }
        sprites_[i]->Face(a.facingRight);
        sprites_[i]->Place(a.x, a.y);
    }
    if (now_ < nextCall_) return;
    nextCall_ = now_ + 500 + game.RuntimeRand() % 3000;
    std::vector<int> awake;
    for (size_t i = 0; i < animals_.size(); ++i)
        if (animals_[i].awake) awake.push_back(static_cast<int>(i));
    if (!awake.empty()) game.Play(kCalls[animals_[static_cast<size_t>(awake[static_cast<size_t>(game.RuntimeRand()) % awake.size()])].kind % 4]);
}

void CPlayScreen::StepEnemies() {
    for (size_t i = 0; i < enemies_.size(); ++i) {
        if (!enemies_[i]) {
            if (now_ - enemyGone_[i] <= static_cast<long long>(settings_.enemyDelaySeconds) * 1000) continue;
            enemies_[i] = Enemy::Place(field_.Ring(), field_.PlayerSegment(), i == 0);
            if (enemies_[i])
                enemySprites_[i] = AttachedSurface(gameArea, SpriteOf(*factory, gameArea, game.GetPicture(Picture::Enemy)));
            PlaceEnemy(i);
            continue;
        }
        if (!enemies_[i]->Advance(field_.Ring(), Enemy::StepPerTick(settings_.enemySpeed))) {
            enemies_[i].reset();
            enemySprites_[i].Reset();
            enemyGone_[i] = now_;
            continue;
        }
        PlaceEnemy(i);
        if (enemies_[i]->Catches(field_.Player())) {
            LoseLife();
            return;
        }
    }
}

void CPlayScreen::RemoveEnemies() {
    for (size_t i = 0; i < enemies_.size(); ++i) {
        enemies_[i].reset();
        enemySprites_[i].Reset();
        enemyGone_[i] = now_;
    }
}

void CPlayScreen::LoseLife() {
    game.Play(Sound::Die);
    // Taken back once, and only when a trail was being laid.
    const std::vector<FenceSegment> abandoned = field_.AbandonTrail();
    if (!abandoned.empty()) {
        CFieldPainter painter(canvas, game);
        // The cells reach 2 pixels either side of their lines.
        for (const FenceSegment& s : abandoned) painter.Earth({s.minX - 2, s.minY - 2, s.maxX + 2, s.maxY + 2});
        painter.Fences(field_.Ring().Segments(), true);
    }
    PlacePlayer();
    if (spareLives_ == 0) {
        EndGame();
        return;
    }
    --spareLives_;
    status_.Lives(spareLives_);
    ShowLifeLost();
}

void CPlayScreen::AddScore(long long points) {
    score_ += points;
    status_.Score(score_);
    if (const int lives = extraLives_.Award(score_); lives > 0) {
        spareLives_ += lives;
        status_.Lives(spareLives_);
        game.Play(Sound::ExtraLife);
    }
}

void CPlayScreen::EndGame() {
    const ModuleGlobals& globals = Globals();
    // Play stands still while the name is asked: the box may let the timer run.
    panel_ = Panel::GameOver;
    game.Play(Sound::GameOver);
    const int score = static_cast<int>(std::min<long long>(score_, 2000000000));
    if (ReachesTopFarmers(*globals.settings, score)) {
        game.Play(Sound::GetHighScore);
        EnterTopFarmer(*globals.services, *globals.settings, score);
    }
    ShowGameOver();
}

int CPlayScreen::OnKey(intptr_t* args) {
    const int key = static_cast<int>(args[2]);
    if (panel_ == Panel::GameOver) {
        if (key == 'Y')
            PlayAgain();
        else if (key == 'N')
            BackToTitle();
    } else if (key == ' ' && panel_ != Panel::None) {
        ClosePanel();
    }
    return 0;
}

int CPlayScreen::OnAnswer(intptr_t* args) {
    if (args[2] == 0)
        PlayAgain();
    else
        BackToTitle();
    return 0;
}

void CPlayScreen::PlayAgain() { game.SetScreen(this, new CPlayScreen(game, startLevel_)); }

void CPlayScreen::BackToTitle() { game.SetScreen(this, new CTitleScreen(game)); }

}  // namespace pennimar
