#include "Apps/Aurelsk/tests/AurelskSession.h"

namespace aurelsk::test {

int AurelskView::Oxygen() const {
    const int green = Count(kGaugeGreen, 45, 40, 230, 41);
    return green >= 183 ? 180 : green > 0 ? green - 2 : 0;
}

int AurelskView::HoldLights() const {
    int lit = 0;
    for (int i = 0; i < 5; ++i) lit += Count(kGold, 254 + 32 * i, 38, 282 + 32 * i, 66) > 20 ? 1 : 0;
    return lit;
}

int AurelskView::GameOverTop() const {
    for (int y = 120; y < 390; y += 2)
        if (Count(kGold, 150, y, 350, y + 1) > 10) return y;
    return -1;
}

}  // namespace aurelsk::test
