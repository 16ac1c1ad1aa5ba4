#include "Apps/Aurelsk/SeaWorld.h"

#include <algorithm>
#include <utility>

namespace aurelsk {

namespace {

constexpr float kPlayerTorpedoSpeed = 18.3f;
constexpr int kFireDrop = 10;
constexpr float kEnemyLeft = -300, kEnemyRight = 800;
constexpr int kWaveOddsPer100 = 5;
constexpr int kTicksBetweenTreasures = 135;
constexpr float kTreasureY = 400, kChestY = 396;

}  // namespace

Box Treasure::Bounds() const {
    const SpriteSize size = kind == 0 ? kTreasureSize : kChestSize;
    return {x, x + static_cast<float>(size.width), y, y + static_cast<float>(size.height)};
}

SeaWorld::SeaWorld(RandomSource rand) : rand_(std::move(rand)) {}

SeaSprite SeaWorld::Numbered(SeaSprite sprite) {
    sprite.SetId(nextId_++);
    return sprite;
}

int SeaWorld::EnemyCount() const {
    return static_cast<int>(std::ranges::count_if(enemies_, [](const Enemy& e) { return !e.sprite.IsExploding(); }));
}

bool SeaWorld::IsLaneTaken(int lane) const {
    return std::ranges::any_of(enemies_, [lane](const Enemy& e) { return e.lane == lane && !e.sprite.IsExploding(); });
}

std::vector<SeaEvent> SeaWorld::TakeEvents() { return std::exchange(events_, {}); }

void SeaWorld::AddScore(int points) { score_ = std::max(0, score_ + points); }

TickResult SeaWorld::Tick(int now, int heldMask) {
    if (over_) return TickResult::GameOver;
    if (!dying_) player_.Steer(heldMask, now);
    Breathe();
    if (difficulty_.Follow(score_)) {
        ++lives_;
        Emit(SeaEventKind::ExtraLife);
    }
    MoveEnemies(now);
    EnemiesFire(now);
    MoveEnemyTorpedoes(now);
    MovePlayerTorpedo(now);
    PickUpTreasure();
    if (dying_) return FollowDying();
    if (rand_() % 100 < kWaveOddsPer100) TryWave();
    if (!player_.IsSurfaced() && ++treasureTicks_ > kTicksBetweenTreasures) {
        if (std::ssize(treasures_) < kMaxTreasures) PlaceTreasure();
        treasureTicks_ = 0;
    }
    return TickResult::Playing;
}

void SeaWorld::Breathe() {
    if (player_.IsSurfaced()) {
        AddScore(player_.UnloadHold() * kTreasureValue);
        // Lingering at the surface while the tank fills costs points; the score never goes below 0.
        if (player_.Refill()) AddScore(-10);
        return;
    }
    if (player_.Breathe()) Emit(SeaEventKind::OxygenAlarm);
    if (player_.Oxygen() == 0) dying_ = true;
}

void SeaWorld::HitPlayer(int now) {
    dying_ = true;
    player_.Sprite().Explode(now);
    Emit(SeaEventKind::Explosion, player_.Sprite().X(), player_.Sprite().Y());
}

void SeaWorld::MoveEnemies(int now) {
    for (Enemy& e : enemies_) {
        e.sprite.Move(now);
        if (!dying_ && e.sprite.Touches(player_.Sprite().Bounds())) {
            HitPlayer(now);
            e.sprite.Explode(now);
        }
    }
    // Every way out of the sea frees the enemy's place in the count and its lane.
    std::erase_if(enemies_, [now](const Enemy& e) {
        return e.sprite.IsOutside(kEnemyLeft, kEnemyRight) || e.sprite.IsExplosionOver(now);
    });
}

void SeaWorld::EnemiesFire(int now) {
    const int odds = difficulty_.FireOdds();
    for (const Enemy& e : enemies_) {
        if (std::ssize(enemyTorpedoes_) >= kMaxEnemyTorpedoes) return;
        if (e.sprite.IsExploding() || rand_() % odds != 0) continue;
        std::optional<SeaSprite> torpedo = e.sprite.Fire();
        if (!torpedo) continue;
        torpedo->Move(now);
        if (torpedo->X() > 0 && torpedo->X() + static_cast<float>(torpedo->Width()) < kSeaWidth)
            Emit(SeaEventKind::TorpedoFired);
        enemyTorpedoes_.push_back(Numbered(*torpedo));
    }
}

void SeaWorld::MoveEnemyTorpedoes(int now) {
    std::erase_if(enemyTorpedoes_, [&](SeaSprite& t) {
        t.Move(now);
        if (!dying_ && t.Touches(player_.Sprite().Bounds())) {
            HitPlayer(now);
            return true;
        }
        return t.IsOutside(0, kSeaWidth);
    });
}

bool SeaWorld::FireTorpedo(int now) {
    if (dying_ || over_ || playerTorpedo_) return false;
    const SeaSprite& sub = player_.Sprite();
    const float side = sub.FacingRight() ? 1.0f : -1.0f;
    playerTorpedo_ = Numbered(SeaSprite(SeaKind::Torpedo, sub.X(), sub.Y() + kFireDrop, side * kPlayerTorpedoSpeed,
                                        sub.FacingRight()));
    playerTorpedo_->Move(now);
    if (sub.X() > 0 && sub.X() + static_cast<float>(playerTorpedo_->Width()) < kSeaWidth)
        Emit(SeaEventKind::TorpedoFired);
    return true;
}

void SeaWorld::MovePlayerTorpedo(int now) {
    if (!playerTorpedo_) return;
    playerTorpedo_->Move(now);
    if (playerTorpedo_->IsOutside(0, kSeaWidth)) {
        playerTorpedo_.reset();
        return;
    }
    for (Enemy& e : enemies_) {
        if (e.sprite.IsExploding() || !playerTorpedo_->Touches(e.sprite.HitBox())) continue;
        playerTorpedo_.reset();
        const int hitsLeft = e.sprite.TakeHit();
        if (hitsLeft > 0) {
            Emit(SeaEventKind::PirateDamaged, e.sprite.X(), e.sprite.Y());
        } else {
            AddScore(e.sprite.Points());
            e.sprite.Explode(now);
            Emit(SeaEventKind::Explosion, e.sprite.X(), e.sprite.Y());
        }
        return;
    }
}

void SeaWorld::PickUpTreasure() {
    if (dying_) return;
    std::erase_if(treasures_, [this](const Treasure& t) {
        if (!player_.Sprite().Touches(t.Bounds()) || !player_.TakeTreasure()) return false;
        Emit(SeaEventKind::TreasureTaken);
        return true;
    });
}

TickResult SeaWorld::FollowDying() {
    if (++dyingTicks_ < kDyingTicks) return TickResult::Playing;
    --lives_;
    if (lives_ <= 0) {
        over_ = true;
        return TickResult::GameOver;
    }
    ClearSea();
    return TickResult::LifeLost;
}

void SeaWorld::ClearSea() {
    enemies_.clear();
    enemyTorpedoes_.clear();
    playerTorpedo_.reset();
    treasures_.clear();
    player_ = PlayerSub();
    dying_ = false;
    dyingTicks_ = 0;
    treasureTicks_ = 0;
}

void SeaWorld::TryWave() {
    const int size = difficulty_.GroupSize(rand_() % 100);
    if (size + EnemyCount() >= difficulty_.MaxEnemies()) return;
    const bool right = rand_() % 2 == 0;
    const int lane = rand_() % kLanes;
    if (IsLaneTaken(lane)) return;
    SeaKind kind = SeaKind::Shark;
    if (rand_() % 2 == 0) kind = (rand_() % 5 > 1 || size == 5) ? SeaKind::SmallPirate : SeaKind::BigPirate;
    const float speed = (kBaseSpeed + difficulty_.SpeedBonus()) * (right ? 1.0f : -1.0f);
    float x = right ? 0 : kSeaWidth;
    for (int i = 0; i < size; ++i) {
        SeaSprite member(kind, x, static_cast<float>(LaneY(lane)), speed, right);
        const auto gap = static_cast<float>(member.Width() + 10);
        x += right ? -gap : gap;
        enemies_.push_back({Numbered(member), lane});
    }
}

void SeaWorld::PlaceTreasure() {
    const float x = static_cast<float>(rand_() % 450);
    const int kind = rand_() % 2;
    treasures_.push_back({nextId_++, kind, x, kind == 0 ? kTreasureY : kChestY});
}

}  // namespace aurelsk
