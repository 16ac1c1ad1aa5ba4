// The sea the diving game is played in, advanced one 33 ms tick at a time: waves of sharks and
// pirate submarines in six lanes, torpedoes, treasure on the sea floor, oxygen, lives and score.
// A screen draws it and turns its events into sounds and pictures.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "Apps/Aurelsk/Difficulty.h"
#include "Apps/Aurelsk/PlayerSub.h"
#include "Apps/Aurelsk/SeaSprite.h"

namespace aurelsk {

// The shell's Rand: 0 to 32767.
using RandomSource = std::function<int()>;

enum class SeaEventKind { OxygenAlarm, Explosion, TorpedoFired, TreasureTaken, ExtraLife, PirateDamaged };

struct SeaEvent {
    SeaEventKind kind;
    float x = 0, y = 0;  // where a damaged pirate's explosion shows
};

struct Enemy {
    SeaSprite sprite;
    int lane;
};

struct Treasure {
    int id;
    int kind;  // 0 treasure, 1 chest
    float x, y;
    Box Bounds() const;
};

enum class TickResult { Playing, LifeLost, GameOver };

class SeaWorld {
public:
    static constexpr int kLanes = 6;
    static constexpr int kMaxEnemyTorpedoes = 50;
    static constexpr int kMaxTreasures = 10;
    static constexpr int kTreasureValue = 500;
    static constexpr int kStartLives = 4;
    static constexpr int kDyingTicks = 40;
    static constexpr float kBaseSpeed = 2.25f;

    explicit SeaWorld(RandomSource rand);

    static int LaneY(int lane) { return 133 + 47 * lane; }

    TickResult Tick(int now, int heldMask);
    // Space: one torpedo of the player's at a time, none while dying.
    bool FireTorpedo(int now);

    const PlayerSub& Player() const { return player_; }
    std::span<const Enemy> Enemies() const { return enemies_; }
    std::span<const SeaSprite> EnemyTorpedoes() const { return enemyTorpedoes_; }
    const std::optional<SeaSprite>& PlayerTorpedo() const { return playerTorpedo_; }
    std::span<const Treasure> Treasures() const { return treasures_; }
    const Difficulty& Level() const { return difficulty_; }
    int Score() const { return score_; }
    int Lives() const { return lives_; }
    bool IsDying() const { return dying_; }
    bool IsOver() const { return over_; }
    // Enemies still in play (not exploding); each one also holds its lane.
    int EnemyCount() const;
    bool IsLaneTaken(int lane) const;

    // The events since the last call, oldest first.
    std::vector<SeaEvent> TakeEvents();

private:
    friend class SeaWorldTestAccess;

    void Breathe();
    void MoveEnemies(int now);
    void EnemiesFire(int now);
    void MoveEnemyTorpedoes(int now);
    void MovePlayerTorpedo(int now);
    void PickUpTreasure();
    TickResult FollowDying();
    void TryWave();
    void PlaceTreasure();
    void HitPlayer(int now);
    void ClearSea();
    void AddScore(int points);
    void Emit(SeaEventKind kind, float x = 0, float y = 0) { events_.push_back({kind, x, y}); }
    SeaSprite Numbered(SeaSprite sprite);

    RandomSource rand_;
    PlayerSub player_;
    std::vector<Enemy> enemies_;
    std::vector<SeaSprite> enemyTorpedoes_;
    std::optional<SeaSprite> playerTorpedo_;
    std::vector<Treasure> treasures_;
    Difficulty difficulty_;
    std::vector<SeaEvent> events_;
    int score_ = 0;
    int lives_ = kStartLives;
    bool dying_ = false;
    int dyingTicks_ = 0;
    bool over_ = false;
    int treasureTicks_ = 0;
    int nextId_ = 1;
};

}  // namespace aurelsk
