#include "art/Quantiser.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "art/Paint.h"

namespace art {

namespace {

constexpr size_t kVisibleEntries = 255;

struct Box {
    std::vector<std::pair<uint32_t, uint32_t>> colours;  // colour, count

    int Channel(uint32_t c, int ch) const { return static_cast<int>((c >> (16 - 8 * ch)) & 0xFF); }
    // The channel with the widest range and that range.
    std::pair<int, int> Widest() const {
        std::array<int, 3> low{255, 255, 255}, high{0, 0, 0};
        for (const auto& [c, n] : colours)
            for (int ch = 0; ch < 3; ++ch) low[ch] = std::min(low[ch], Channel(c, ch)), high[ch] = std::max(high[ch], Channel(c, ch));
        int best = 0;
        for (int ch = 1; ch < 3; ++ch)
            if (high[ch] - low[ch] > high[best] - low[best]) best = ch;
        return {best, high[best] - low[best]};
    }
    uint32_t Average() const {
        uint64_t sum[3] = {0, 0, 0}, total = 0;
        for (const auto& [c, n] : colours) {
            for (int ch = 0; ch < 3; ++ch) sum[ch] += static_cast<uint64_t>(Channel(c, ch)) * n;
            total += n;
        }
        uint32_t out = 0;
        for (int ch = 0; ch < 3; ++ch) out |= static_cast<uint32_t>((sum[ch] + total / 2) / total) << (16 - 8 * ch);
        return out;
    }
};

}  // namespace

Quantised Quantise(std::span<const Canvas> frames) {
    std::unordered_map<uint32_t, uint32_t> counts;
    for (const Canvas& frame : frames)
        for (const uint32_t c : frame.Pixels())
            if (c != kKey) ++counts[c];

    Quantised out;
    out.palette.push_back(kKey);
    if (counts.size() <= kVisibleEntries) {
        for (const auto& [c, n] : counts) out.palette.push_back(c);
        std::sort(out.palette.begin() + 1, out.palette.end());
    } else {
        // Median cut: split the box with the widest channel range at its median until 255 boxes.
        std::vector<Box> boxes(1);
        boxes[0].colours.assign(counts.begin(), counts.end());
        while (boxes.size() < kVisibleEntries) {
            size_t pick = boxes.size();
            int widest = 0;
            for (size_t i = 0; i < boxes.size(); ++i) {
                if (boxes[i].colours.size() < 2) continue;
                const int range = boxes[i].Widest().second;
                if (pick == boxes.size() || range > widest) pick = i, widest = range;
            }
            if (pick == boxes.size()) break;
            const int ch = boxes[pick].Widest().first;
            auto& colours = boxes[pick].colours;
            std::sort(colours.begin(), colours.end(), [&](const auto& a, const auto& b) {
                return boxes[pick].Channel(a.first, ch) < boxes[pick].Channel(b.first, ch);
            });
            Box upper;
            upper.colours.assign(colours.begin() + static_cast<std::ptrdiff_t>(colours.size() / 2), colours.end());
            colours.resize(colours.size() / 2);
            boxes.push_back(std::move(upper));
        }
        for (const Box& box : boxes) {
            uint32_t average = box.Average();
            if (average == kKey) average = 0xFE00FE;
            out.palette.push_back(average);
        }
    }

    std::unordered_map<uint32_t, uint8_t> lookup;
    for (const Canvas& frame : frames) {
        std::vector<uint8_t> indices;
        indices.reserve(frame.Pixels().size());
        for (const uint32_t c : frame.Pixels()) {
            if (c == kKey) {
                indices.push_back(0);
                continue;
            }
            auto found = lookup.find(c);
            if (found == lookup.end()) {
                size_t best = 1;
                for (size_t i = 2; i < out.palette.size(); ++i)
                    if (ColourDistance(c, out.palette[i]) < ColourDistance(c, out.palette[best])) best = i;
                found = lookup.emplace(c, static_cast<uint8_t>(best)).first;
            }
            indices.push_back(found->second);
        }
        out.indices.push_back(std::move(indices));
    }
    return out;
}

}  // namespace art
