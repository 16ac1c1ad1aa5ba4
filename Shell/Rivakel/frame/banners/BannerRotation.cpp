#include "frame/banners/BannerRotation.h"

namespace {

size_t Count(const std::array<size_t, 4>& counts, BannerList list) { return counts[static_cast<size_t>(list)]; }

}  // namespace

// States: 1 local files, 2 server banners, 3 partner files, 4 defaults, 0 a new cycle. An
// exhausted state hands over to the next one in that order.
void BannerRotation::Evaluate(std::array<size_t, 4>& counts, const std::function<size_t()>& loadServer) {
    const auto load = [&] {
        if (!catalogSpot_ && loadServer) counts[static_cast<size_t>(BannerList::Server)] = loadServer();
    };
    if (state_ == 0) state_ = 1;
    if (state_ == 1) {
        if (Count(counts, BannerList::Local) == 0) {
            state_ = 2;
        } else if (Shown(BannerList::Local) >= Count(counts, BannerList::Local)) {
            Shown(BannerList::Local) = 0;
            state_ = 2;
        }
    }
    if (state_ == 2) {
        if (Count(counts, BannerList::Server) == 0) load();
        if (Count(counts, BannerList::Server) == 0) {
            state_ = 3;
        } else if (Shown(BannerList::Server) >= kLimit) {
            Shown(BannerList::Server) = 0;
            state_ = 4;
        }
    }
    if (state_ == 3) {
        load();
        if (Count(counts, BannerList::Server) > 0) {
            state_ = 2;
        } else {
            const size_t partners = Count(counts, BannerList::Partner);
            if (partners == 0 || Shown(BannerList::Partner) >= kLimit || Shown(BannerList::Partner) >= partners) {
                Shown(BannerList::Partner) = 0;
                state_ = 4;
            }
        }
    }
    if (state_ == 4 && Shown(BannerList::Default) >= Count(counts, BannerList::Default)) {
        Shown(BannerList::Default) = 0;
        state_ = 0;
    }
}

std::optional<BannerPick> BannerRotation::Next(std::array<size_t, 4> counts, const std::function<size_t()>& loadServer) {
    // A cycle that ends in state 0 starts once more; a second such end means every list is empty.
    for (int pass = 0; pass < 2; ++pass) {
        Evaluate(counts, loadServer);
        if (state_ == 0) continue;
        const auto list = static_cast<BannerList>(state_ == 1 ? 0 : state_ == 2 ? 1 : state_ == 3 ? 2 : 3);
        const size_t count = Count(counts, list);
        size_t& cursor = Cursor(list);
        if (list == BannerList::Partner && count >= 2) cursor = (cursor + 1) % count;
        if (cursor >= count) cursor = 0;
        const BannerPick pick{list, cursor};
        ++Shown(list);
        if (list != BannerList::Partner) cursor = (cursor + 1) % count;
        return pick;
    }
    state_ = 1;
    return std::nullopt;
}
