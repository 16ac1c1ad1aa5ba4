// How a player who can only see the screen decides what to press next: from the wish bubbles
// (their row, side, snack and how far their lamps have run down), the seller's step and picture,
// and the stock digits. The bot plays with it; nothing in it reads the game's memory.
#pragma once

#include <array>
#include <vector>

#include "Apps/Pellawick/StadiumLayout.h"

namespace pellawick {

struct SeenWish {
    int step = 0;  // the aisle step of the customer's row
    Side side = Side::Left;
    int food = 0;
    int bubble = 0;  // 0 (just asked) to 6 (about to give up)
};

struct SeenStadium {
    int sellerStep = 0;
    bool sellerReady = true;  // standing, stepping or refuelling: free to act
    int selected = 0;
    std::array<int, 3> stock{};
    int foodTypes = 1;
    std::vector<SeenWish> wishes;
};

enum class Press { Nothing, Up, Down, Left, Right, SelectPopcorn, SelectCola, SelectThird };

class ServePlanner {
public:
    Press Next(const SeenStadium& seen);

private:
    bool restocking_ = false;
};

}  // namespace pellawick
