// Exact clipping arithmetic for the render target: which steps of a line and which rows and
// columns of a blit fall inside a picture, for any int coordinates, without stepping through
// the parts outside.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace raster {

// Products of two 33-bit spans need more than 64 bits.
__extension__ typedef __int128 Wide;

// floor(a / b) for b > 0.
inline int64_t FloorDiv(Wide a, Wide b) {
    Wide q = a / b;
    if (a % b != 0 && a < 0) --q;
    return static_cast<int64_t>(q);
}

// The smallest i in [lo, hi) for which `pred` holds, or hi; `pred` must be false, then true.
template <class Pred>
int64_t FirstTrue(int64_t lo, int64_t hi, Pred pred) {
    while (lo < hi) {
        const int64_t mid = lo + (hi - lo) / 2;
        if (pred(mid)) hi = mid;
        else lo = mid + 1;
    }
    return lo;
}

struct Bounds {
    int64_t xlo, xhi, ylo, yhi;  // half-open
};

// Visits the pixels of the line from (x1, y1) towards (x2, y2), the last pixel left out, that
// lie inside `clip`. Step i of the major axis is at minor offset round(i * minor / major).
template <class Plot>
void VisitLine(int64_t x1, int64_t y1, int64_t x2, int64_t y2, const Bounds& clip, Plot plot) {
    const int64_t dx = x2 - x1, dy = y2 - y1;
    const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    if (adx == 0 && ady == 0) return;
    const bool xMajor = adx >= ady;
    const int64_t n = xMajor ? adx : ady;
    const int64_t am = xMajor ? ady : adx;
    const int64_t sMaj = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int64_t sMin = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const int64_t maj0 = xMajor ? x1 : y1, min0 = xMajor ? y1 : x1;
    const int64_t majLo = xMajor ? clip.xlo : clip.ylo, majHi = xMajor ? clip.xhi : clip.yhi;
    const int64_t minLo = xMajor ? clip.ylo : clip.xlo, minHi = xMajor ? clip.yhi : clip.xhi;

    auto minorAt = [&](int64_t i) { return min0 + sMin * FloorDiv(Wide{2} * i * am + n, Wide{2} * n); };

    int64_t ia = sMaj > 0 ? majLo - maj0 : maj0 - majHi + 1;
    int64_t ib = sMaj > 0 ? majHi - maj0 : maj0 - majLo + 1;
    ia = std::max<int64_t>(ia, 0);
    ib = std::min(ib, n);
    if (ia >= ib) return;

    int64_t first, last;
    if (sMin > 0) {
        first = FirstTrue(ia, ib, [&](int64_t i) { return minorAt(i) >= minLo; });
        last = FirstTrue(first, ib, [&](int64_t i) { return minorAt(i) >= minHi; });
    } else {
        first = FirstTrue(ia, ib, [&](int64_t i) { return minorAt(i) < minHi; });
        last = FirstTrue(first, ib, [&](int64_t i) { return minorAt(i) < minLo; });
    }
    for (int64_t i = first; i < last; ++i) {
        const int64_t maj = maj0 + sMaj * i, mn = minorAt(i);
        if (xMajor) plot(maj, mn);
        else plot(mn, maj);
    }
}

// One axis of a blit: destination positions [dstStart, dstStart + count) and the source position
// each one samples. Nearest-neighbour sampling at pixel centres.
struct AxisRun {
    int dstStart = 0;
    std::vector<int> src;
    bool contiguous = false;  // src[k] == src[0] + k
    int Count() const { return static_cast<int>(src.size()); }
};

inline AxisRun MapAxis(int64_t d0, int64_t d1, int64_t s0, int64_t s1, int dstSize, int srcSize, bool mirror) {
    AxisRun run;
    const int64_t dw = d1 - d0, sw = s1 - s0;
    if (dw <= 0 || sw <= 0 || dstSize <= 0 || srcSize <= 0) return run;
    auto srcAt = [&](int64_t d) {
        const int64_t u = mirror ? dw - 1 - (d - d0) : d - d0;
        return s0 + FloorDiv((Wide{2} * u + 1) * sw, Wide{2} * dw);
    };
    const int64_t lo = std::max<int64_t>(d0, 0), hi = std::min<int64_t>(d1, dstSize);
    if (lo >= hi) return run;
    int64_t first, last;
    if (!mirror) {
        first = FirstTrue(lo, hi, [&](int64_t d) { return srcAt(d) >= 0; });
        last = FirstTrue(first, hi, [&](int64_t d) { return srcAt(d) >= srcSize; });
    } else {
        first = FirstTrue(lo, hi, [&](int64_t d) { return srcAt(d) < srcSize; });
        last = FirstTrue(first, hi, [&](int64_t d) { return srcAt(d) < 0; });
    }
    if (first >= last) return run;
    run.dstStart = static_cast<int>(first);
    run.src.resize(static_cast<size_t>(last - first));
    if (dw == sw) {
        const int64_t start = srcAt(first);
        const int step = mirror ? -1 : 1;
        for (size_t k = 0; k < run.src.size(); ++k) run.src[k] = static_cast<int>(start + step * static_cast<int64_t>(k));
        run.contiguous = !mirror;
    } else {
        for (size_t k = 0; k < run.src.size(); ++k) run.src[k] = static_cast<int>(srcAt(first + static_cast<int64_t>(k)));
    }
    return run;
}

}  // namespace raster
