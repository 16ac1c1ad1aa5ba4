#include "Apps/Pellawick/StadiumLayout.h"

namespace pellawick {
namespace {

constexpr int kRowStepY = 60;
constexpr int kRowTop = 145;
// The head and body stand this far above the row's bench.
constexpr int kCustomerRise = 33;

void SharedScenery(StadiumLayout& layout) {
    layout.scenery.push_back({"img-sky-500x121.gif", 0, 0});
    layout.scenery.push_back({"img-wall-523x44.gif", -5, 100});
    for (const int x : {40, 450, 400}) layout.scenery.push_back({"img-flag-46x35.gif", x, 67});
}

}  // namespace

StadiumLayout MakeLayout(bool big) {
    StadiumLayout layout;
    layout.big = big;
    SharedScenery(layout);
    layout.aisleY = 135;
    layout.standY = kStandY;
    if (!big) {
        layout.aisleX = 374;
        layout.standX = 410;
        layout.scenery.push_back({"img-wall-228x61.gif", -5, 380});
        for (int i = 0; i < 4; ++i) {
            const int y = kRowTop + kRowStepY * i;
            layout.rows.push_back({20 - 4 * i, y, 8, 4 - i, Side::Left});
            layout.scenery.push_back({"img-bench.gif", -26 - 4 * i, y});
            layout.scenery.push_back({"img-chair_endrow_left-46x46.gif", 485 + 4 * i, y});
            layout.scenery.push_back({kSittingFan, 485 + 4 * i, y - kCustomerRise});
            layout.scenery.push_back({kSittingFan, -26 - 4 * i, y - kCustomerRise});
        }
        return layout;
    }
    layout.aisleX = 185;
    layout.standX = 220;
    layout.scenery.push_back({"img-wall-228x61.gif", -36, 380});
    layout.scenery.push_back({"img-wall-228x61.gif", 300, 380});
    for (int i = 0; i < 4; ++i) {
        const int y = kRowTop + kRowStepY * i;
        layout.rows.push_back({15 - 4 * i, y, 4, 4 - i, Side::Left});
        layout.rows.push_back({296 + 4 * i, y, 4, 4 - i, Side::Right});
        layout.scenery.push_back({"img-bench.gif", 480 + 4 * i, y});
        layout.scenery.push_back({kSittingFan, 480 + 4 * i, y - kCustomerRise});
        layout.scenery.push_back({"img-bench.gif", -31 - 4 * i, y});
        layout.scenery.push_back({kSittingFan, -31 - 4 * i, y - kCustomerRise});
    }
    return layout;
}

int SellerX(const StadiumLayout& layout) { return layout.aisleX + 40; }

int SellerY(const StadiumLayout& layout, int step) {
    return layout.aisleY + kStairHeight - (step + 2) * kStairHeight / (kAisleSteps + 1) - 20;
}

int CustomerX(const RowPlace& row, int seat) {
    return row.x + kSeatWidth * seat + (row.side == Side::Left ? 1 : 3);
}

int CustomerY(const RowPlace& row) { return row.y - kCustomerRise; }

}  // namespace pellawick
