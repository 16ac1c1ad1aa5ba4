// Where things stand in the two stadiums: the seat rows beside the aisle, the aisle's steps, the
// supply stand and the scenery drawn behind them. The small stadium serves the Little League
// (and the bonus level after it), the big one the Minor and Major Leagues.
#pragma once

#include <string_view>
#include <vector>

namespace pellawick {

enum class Side { Left = 0, Right = 1 };

struct RowPlace {
    int x = 0, y = 0;
    int seats = 0;
    int step = 0;  // the aisle step the row is served from
    Side side = Side::Left;
};

// A picture drawn on the game area's image behind everything (of an animation, its first frame).
struct Scenery {
    std::string_view picture;
    int x = 0, y = 0;
};

struct StadiumLayout {
    bool big = false;
    int aisleX = 0, aisleY = 0;
    int standX = 0, standY = 0;
    std::vector<RowPlace> rows;  // left then right row of each height, top to bottom
    std::vector<Scenery> scenery;
};

inline constexpr int kAisleSteps = 5;
inline constexpr int kStairHeight = 359;
inline constexpr int kSeatWidth = 46;
inline constexpr int kRowHeight = 66;
inline constexpr int kStandY = 391;
// The fans at the ends of the rows, drawn into the scenery.
inline constexpr std::string_view kSittingFan = "ani-man1_sitting-42x86.gif";

StadiumLayout MakeLayout(bool big);

// The seller's place on a step: x = aisle x + 40, the steps spread over the stair's height.
int SellerX(const StadiumLayout& layout);
int SellerY(const StadiumLayout& layout, int step);

// A customer's place in seat `seat` of a row, and its legs' place on the row's picture.
int CustomerX(const RowPlace& row, int seat);
int CustomerY(const RowPlace& row);
inline constexpr int kLegsX = 11, kLegsY = 29;

}  // namespace pellawick
