// Held arrow keys, polled each tick: a new press acts at once, a held key again every 200 ms.
#pragma once

#include <array>

namespace pellawick {

enum class Arrow { Up = 0, Down = 1, Left = 2, Right = 3 };

class ArrowRepeat {
public:
    static constexpr int kRepeatMs = 200;
    using Keys = std::array<bool, 4>;  // by Arrow

    // Which arrows act at `now`, given which are held.
    Keys Poll(const Keys& held, int now);

private:
    Keys held_{};
    std::array<int, 4> next_{};
};

}  // namespace pellawick
