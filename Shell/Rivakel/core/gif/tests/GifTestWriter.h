// A small GIF writer for tests: it makes the files giflib's writer will not (deferred clear
// codes, frames outside the screen, odd blocks) as well as ordinary ones.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace giftest {

struct Frame {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<uint8_t> indices;  // width x height in display row order; interlaced on writing
    bool interlaced = false;
    std::vector<uint32_t> localTable;  // empty: none
    bool control = true;               // write a graphic control extension
    int disposal = 0;
    int delay = 0;
    int transparentIndex = -1;
    int codeSize = 0;  // 0: from the table sizes
};

struct File {
    int width = 0, height = 0;
    std::vector<uint32_t> globalTable;
    bool loop = false;
    int loopCount = 0;
    bool deferClear = false;  // keep coding with a full table instead of clearing it
    bool trailer = true;
    std::vector<Frame> frames;
};

namespace detail {

class BitWriter {
public:
    void Put(int code, int width) {
        bits_ |= static_cast<uint32_t>(code) << count_;
        count_ += width;
        while (count_ >= 8) {
            bytes.push_back(static_cast<uint8_t>(bits_));
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    void Flush() {
        if (count_ > 0) bytes.push_back(static_cast<uint8_t>(bits_));
        bits_ = 0;
        count_ = 0;
    }
    std::vector<uint8_t> bytes;

private:
    uint32_t bits_ = 0;
    int count_ = 0;
};

inline void Word(std::vector<uint8_t>& out, int value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

inline int TableBits(size_t entries) {
    int bits = 0;
    while ((size_t{2} << bits) < entries && bits < 7) ++bits;
    return bits;
}

inline void Table(std::vector<uint8_t>& out, const std::vector<uint32_t>& table) {
    const size_t size = size_t{2} << TableBits(table.size());
    for (size_t i = 0; i < size; ++i) {
        const uint32_t c = i < table.size() ? table[i] : 0;
        out.push_back(static_cast<uint8_t>(c >> 16));
        out.push_back(static_cast<uint8_t>(c >> 8));
        out.push_back(static_cast<uint8_t>(c));
    }
}

inline std::vector<uint8_t> Interlace(const Frame& f) {
    std::vector<uint8_t> out;
    out.reserve(f.indices.size());
    static constexpr int kStart[4] = {0, 4, 2, 1};
    static constexpr int kStep[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = kStart[pass]; y < f.height; y += kStep[pass])
            out.insert(out.end(), f.indices.begin() + y * f.width, f.indices.begin() + (y + 1) * f.width);
    return out;
}

}  // namespace detail

inline std::vector<uint8_t> LzwSubBlocks(std::span<const uint8_t> indices, int codeSize, bool deferClear) {
    using detail::BitWriter;
    BitWriter w;
    const int clear = 1 << codeSize;
    int width = codeSize + 1;
    int next = clear + 2;
    std::unordered_map<uint32_t, int> dict;
    w.Put(clear, width);
    if (!indices.empty()) {
        int current = indices[0];
        for (size_t i = 1; i < indices.size(); ++i) {
            const uint32_t key = (static_cast<uint32_t>(current) << 8) | indices[i];
            if (auto found = dict.find(key); found != dict.end()) {
                current = found->second;
                continue;
            }
            w.Put(current, width);
            if (next < 4096) {
                dict[key] = next++;
                if (next > (1 << width) && width < 12) ++width;
            } else if (!deferClear) {
                w.Put(clear, width);
                dict.clear();
                width = codeSize + 1;
                next = clear + 2;
            }
            current = indices[i];
        }
        w.Put(current, width);
    }
    w.Put(clear + 1, width);
    w.Flush();

    std::vector<uint8_t> out;
    for (size_t at = 0; at < w.bytes.size(); at += 255) {
        const size_t n = std::min<size_t>(255, w.bytes.size() - at);
        out.push_back(static_cast<uint8_t>(n));
        out.insert(out.end(), w.bytes.begin() + static_cast<long>(at), w.bytes.begin() + static_cast<long>(at + n));
    }
    out.push_back(0);
    return out;
}

inline std::vector<uint8_t> Write(const File& file) {
    using namespace detail;
    std::vector<uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
    Word(out, file.width);
    Word(out, file.height);
    const bool global = !file.globalTable.empty();
    out.push_back(static_cast<uint8_t>(global ? 0x80 | 0x70 | TableBits(file.globalTable.size()) : 0x70));
    out.push_back(0);
    out.push_back(0);
    if (global) Table(out, file.globalTable);
    if (file.loop) {
        const std::string id = "NETSCAPE2.0";
        out.insert(out.end(), {0x21, 0xFF, 11});
        out.insert(out.end(), id.begin(), id.end());
        out.insert(out.end(), {3, 1});
        Word(out, file.loopCount);
        out.push_back(0);
    }
    for (const Frame& f : file.frames) {
        if (f.control) {
            out.insert(out.end(), {0x21, 0xF9, 4});
            out.push_back(static_cast<uint8_t>((f.disposal << 2) | (f.transparentIndex >= 0 ? 1 : 0)));
            Word(out, f.delay);
            out.push_back(static_cast<uint8_t>(std::max(f.transparentIndex, 0)));
            out.push_back(0);
        }
        out.push_back(0x2C);
        Word(out, f.left);
        Word(out, f.top);
        Word(out, f.width);
        Word(out, f.height);
        const bool local = !f.localTable.empty();
        out.push_back(static_cast<uint8_t>((local ? 0x80 | TableBits(f.localTable.size()) : 0) | (f.interlaced ? 0x40 : 0)));
        if (local) Table(out, f.localTable);
        const size_t entries = local ? f.localTable.size() : file.globalTable.size();
        const int codeSize = f.codeSize > 0 ? f.codeSize : std::max(2, TableBits(entries) + 1);
        out.push_back(static_cast<uint8_t>(codeSize));
        const std::vector<uint8_t> codes = LzwSubBlocks(f.interlaced ? Interlace(f) : f.indices, codeSize, file.deferClear);
        out.insert(out.end(), codes.begin(), codes.end());
    }
    if (file.trailer) out.push_back(0x3B);
    return out;
}

inline std::vector<uint8_t> Pattern(int width, int height, int colours, unsigned seed) {
    std::vector<uint8_t> out(static_cast<size_t>(width) * static_cast<size_t>(height));
    unsigned state = seed * 2654435761u + 1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            state = state * 1103515245u + 12345u;
            const unsigned noise = (state >> 16) % 4 == 0 ? (state >> 20) : 0;
            out[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
                static_cast<uint8_t>(((x / 3 + y / 5) + noise) % static_cast<unsigned>(colours));
        }
    return out;
}

}  // namespace giftest
