// Which picture a banner spot shows next. One cycle shows every local file once, then up to 18
// of the server's banners in a row (or, without them, the partner files: all of them, at most
// 18), then every built-in default, and starts over. Pure: the lists are only counted here.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>

enum class BannerList { Local = 0, Server = 1, Partner = 2, Default = 3 };

struct BannerPick {
    BannerList list = BannerList::Default;
    size_t index = 0;
};

class BannerRotation {
public:
    static constexpr int kLimit = 18;

    // The partner list starts at `partnerStart` (a random index below its count).
    explicit BannerRotation(bool catalogSpot, size_t partnerStart = 0)
        : catalogSpot_(catalogSpot), cursor_{0, 0, partnerStart, 0} {}

    // `counts` are the four lists' sizes. `loadServer` loads the server's pending banners (the
    // banner spot only) and gives the server list's new size. Nullopt when no list has an entry
    // to show: the rotation never loops for ever.
    std::optional<BannerPick> Next(std::array<size_t, 4> counts, const std::function<size_t()>& loadServer);
    int State() const { return state_; }

private:
    void Evaluate(std::array<size_t, 4>& counts, const std::function<size_t()>& loadServer);
    size_t& Shown(BannerList list) { return shown_[static_cast<size_t>(list)]; }
    size_t& Cursor(BannerList list) { return cursor_[static_cast<size_t>(list)]; }

    bool catalogSpot_;
    int state_ = 1;
    std::array<size_t, 4> shown_{};
    std::array<size_t, 4> cursor_{};
};
