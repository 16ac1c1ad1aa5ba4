#include "Apps/Pellawick/ArrowRepeat.h"

#include <cstddef>

namespace pellawick {

ArrowRepeat::Keys ArrowRepeat::Poll(const Keys& held, int now) {
    Keys act{};
    for (std::size_t i = 0; i < held.size(); ++i) {
        if (held[i] && (!held_[i] || now >= next_[i])) {
            act[i] = true;
            next_[i] = now + kRepeatMs;
        }
        held_[i] = held[i];
    }
    return act;
}

}  // namespace pellawick
