// The people and things of the stadium as plain records: the stadium moves them, a screen shows
// them (each customer and the seller by state, each item by its place).
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "Apps/Pellawick/Flight.h"
#include "Apps/Pellawick/StadiumLayout.h"

namespace pellawick {

inline constexpr int kWantsNothing = 4;
inline constexpr int kNoCheerWords = -1;

struct Customer {
    int row = 0, seat = 0;
    PointF at;
    int look = 0, scheme = 0, leg = 0;
    bool mirrored = false;  // seated right of the aisle
    int state = -1;         // 0 to 9, -1 before the first
    int stateSince = 0;
    int wanted = kWantsNothing;
    int foodReceived = 0;
    int throwAt = -1;  // when the game-over throw is due, else -1
    int cheerWords = kNoCheerWords;
};

enum class SellerState {
    Standing = 0,
    SteppedUp = 1,
    SteppedDown = 2,
    ThrowLeft = 3,
    ThrowRight = 4,
    Refuelling = 5,
    Hit = 6,
    GameOver = 7,
    BeenHit = 8,
    ThumbsUp = 9,
};

inline constexpr int kStockFull = 10;

struct Seller {
    SellerState state = SellerState::Standing;
    int stateSince = 0;
    bool outOfPlay = false;
    int score = 0;
    std::array<int, 3> stock{};
    int selected = 0;
    int step = 0;
    int spareLives = 2;
    int wavesLeft = 3;
    bool serveDone = false;  // the throw of this throwing state has flown
    Side throwSide = Side::Left;
    int lastRestock = 0;
    PointF at;

    // What the scoreboard shows as lives: the spare ones and the one in play.
    int LivesShown() const { return spareLives < 0 ? 0 : spareLives + 1; }
};

enum class ItemKind { Money = 0, Food = 1, Ball = 2 };
inline constexpr int kSellerTarget = -1;
inline constexpr int kAnyStep = -1;

struct ThrownItem {
    int id = 0;
    ItemKind kind = ItemKind::Food;
    int food = 0;
    Flight flight;
    PointF at;
    int target = kSellerTarget;  // a customer's index, or the seller
    int expectedStep = kAnyStep;  // where the target must stand when it lands
};

struct LyingMoney {
    int id = 0;
    int step = 0;
    PointF at;
    int landed = 0;
    int lifetime = 0;
};

enum class Sound { OneWantsFood, Throw, PlayerHit, CatchMoney, Restock, PlayerMove };
// "snd-one_wants_food.wav" and so on.
const char* SoundName(Sound sound);

}  // namespace pellawick
