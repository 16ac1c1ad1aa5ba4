#include "core/gif/GifLzw.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int kMaxCodes = 4096;
constexpr int kMaxWidth = 12;

// Collects one frame row of colour indices and writes finished rows to the screen in the
// order the rows arrive (interlaced frames arrive in four passes).
class RowWriter {
public:
    explicit RowWriter(const GifFrameTarget& target) : t_(target), row_(static_cast<size_t>(target.width)) {
        visibleWidth_ = target.left < target.screenWidth ? std::min(target.width, target.screenWidth - target.left) : 0;
    }

    bool Done() const { return rowsWritten_ >= t_.height; }
    int Free() const { return t_.width - pos_; }
    uint8_t* At() { return row_.data() + pos_; }

    // After `count` indices were stored at At(); never more than Free().
    void Advance(int count) {
        pos_ += count;
        if (pos_ == t_.width) FlushRow();
    }

    // Stores a run of indices, splitting it over rows as needed.
    void Put(const uint8_t* indices, int count) {
        while (count > 0 && !Done()) {
            const int n = std::min(count, Free());
            std::memcpy(At(), indices, static_cast<size_t>(n));
            indices += n;
            count -= n;
            Advance(n);
        }
    }

    // Writes the indices of an unfinished row, when the stream stops inside it.
    void FinishPartialRow() {
        if (pos_ > 0 && !Done()) WriteRow(std::min(pos_, visibleWidth_));
    }

private:
    void FlushRow() {
        WriteRow(visibleWidth_);
        pos_ = 0;
        ++rowsWritten_;
        NextRow();
    }

    void WriteRow(int count) {
        const int screenY = t_.top + y_;
        if (screenY < t_.screenHeight && count > 0) {
            uint32_t* out = t_.screen + static_cast<std::ptrdiff_t>(screenY) * t_.screenWidth + t_.left;
            const uint32_t* palette = t_.palette->data();
            const uint8_t* in = row_.data();
            if (t_.transparentIndex < 0) {
                for (int x = 0; x < count; ++x) out[x] = palette[in[x]];
            } else {
                const auto key = static_cast<uint8_t>(t_.transparentIndex);
                for (int x = 0; x < count; ++x)
                    if (in[x] != key) out[x] = palette[in[x]];
            }
        }
    }

    void NextRow() {
        if (!t_.interlaced) {
            ++y_;
            return;
        }
        static constexpr int kStart[4] = {0, 4, 2, 1};
        static constexpr int kStep[4] = {8, 8, 4, 2};
        y_ += kStep[pass_];
        while (y_ >= t_.height && pass_ < 3) {
            ++pass_;
            y_ = kStart[pass_];
        }
    }

    const GifFrameTarget& t_;
    std::vector<uint8_t> row_;
    int visibleWidth_ = 0;
    int pos_ = 0;
    int y_ = 0;
    int pass_ = 0;
    int rowsWritten_ = 0;
};

// Codes least significant bit first over the joined sub-block data.
class CodeReader {
public:
    explicit CodeReader(std::span<const uint8_t> data) : p_(data.data()), end_(data.data() + data.size()) {}

    bool Read(int width, int& code) {
        while (count_ < width) {
            if (p_ == end_) return false;
            bits_ |= static_cast<uint32_t>(*p_++) << count_;
            count_ += 8;
        }
        code = static_cast<int>(bits_ & ((1u << width) - 1));
        bits_ >>= width;
        count_ -= width;
        return true;
    }

private:
    const uint8_t* p_;
    const uint8_t* end_;
    uint32_t bits_ = 0;
    int count_ = 0;
};

struct LzwTables {
    uint16_t prefix[kMaxCodes];
    uint16_t length[kMaxCodes];
    uint8_t suffix[kMaxCodes];
    uint8_t first[kMaxCodes];
    uint8_t stack[kMaxCodes];
};

// Writes the string of `code`. Every entry's prefix is a smaller code, so the chain ends at a
// root within `length[code]` (at most kMaxCodes) steps.
void Emit(LzwTables& t, RowWriter& rows, int code) {
    const int len = t.length[code];
    if (len <= rows.Free()) {
        uint8_t* out = rows.At();
        for (int i = len - 1; i > 0; --i) {
            out[i] = t.suffix[code];
            code = t.prefix[code];
        }
        out[0] = t.suffix[code];
        rows.Advance(len);
        return;
    }
    for (int i = len - 1; i > 0; --i) {
        t.stack[i] = t.suffix[code];
        code = t.prefix[code];
    }
    t.stack[0] = t.suffix[code];
    rows.Put(t.stack, len);
}

GifLzwStatus Stop(RowWriter& rows, GifLzwStatus status) {
    rows.FinishPartialRow();
    return status;
}

}  // namespace

GifLzwStatus DecodeGifLzw(const GifFrameTarget& target, int minCodeSize, std::span<const uint8_t> codes) {
    if (target.width <= 0 || target.height <= 0) return GifLzwStatus::Complete;
    if (minCodeSize < 1 || minCodeSize > 8) return GifLzwStatus::Corrupt;

    auto tables = std::make_unique_for_overwrite<LzwTables>();
    LzwTables& t = *tables;
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    for (int i = 0; i < clear; ++i) {
        t.prefix[i] = 0;
        t.length[i] = 1;
        t.suffix[i] = static_cast<uint8_t>(i);
        t.first[i] = static_cast<uint8_t>(i);
    }

    RowWriter rows(target);
    CodeReader reader(codes);
    int width = minCodeSize + 1;
    int nextFree = clear + 2;
    int prev = -1;
    int code = 0;
    while (!rows.Done()) {
        if (!reader.Read(width, code)) return Stop(rows, GifLzwStatus::Short);
        if (code == clear) {
            width = minCodeSize + 1;
            nextFree = clear + 2;
            prev = -1;
            continue;
        }
        if (code == end) return Stop(rows, GifLzwStatus::Short);
        if (prev < 0) {
            if (code > clear) return Stop(rows, GifLzwStatus::Corrupt);
            Emit(t, rows, code);
            prev = code;
            // With one-bit code sizes the table already fills the width before the first entry.
            if (nextFree >= (1 << width)) ++width;
            continue;
        }
        if (code > nextFree || (code == nextFree && nextFree >= kMaxCodes)) return Stop(rows, GifLzwStatus::Corrupt);
        if (nextFree < kMaxCodes) {
            // A code equal to next free is the previous string plus its own first character.
            const uint8_t firstChar = code < nextFree ? t.first[code] : t.first[prev];
            t.prefix[nextFree] = static_cast<uint16_t>(prev);
            t.suffix[nextFree] = firstChar;
            t.length[nextFree] = static_cast<uint16_t>(t.length[prev] + 1);
            t.first[nextFree] = t.first[prev];
            ++nextFree;
            if (nextFree >= (1 << width) && width < kMaxWidth) ++width;
        }
        Emit(t, rows, code);
        prev = code;
    }
    return GifLzwStatus::Complete;
}
