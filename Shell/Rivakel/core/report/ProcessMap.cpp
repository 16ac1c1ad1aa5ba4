#include "core/report/ProcessMap.h"

#include <algorithm>

#include "core/base/HexText.h"

namespace {

// Hexadecimal digits up to the next character that is not one; false when there are none or
// more than fit in 64 bits.
bool TakeHex(std::string_view& text, uint64_t& value) {
    value = 0;
    size_t digits = 0;
    while (digits < text.size()) {
        const char c = text[digits];
        const int v = HexDigitValue(c);
        if (v < 0) break;
        if (digits == 16) return false;
        value = value << 4 | static_cast<uint64_t>(v);
        ++digits;
    }
    text.remove_prefix(digits);
    return digits > 0;
}

bool Take(std::string_view& text, char c) {
    if (text.empty() || text.front() != c) return false;
    text.remove_prefix(1);
    return true;
}

std::string_view TakeField(std::string_view& text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    const size_t end = std::min(text.find(' '), text.size());
    std::string_view field = text.substr(0, end);
    text.remove_prefix(end);
    return field;
}

bool ParseLine(std::string_view line, MappedRegion& region) {
    if (!TakeHex(line, region.start) || !Take(line, '-') || !TakeHex(line, region.end) || !Take(line, ' '))
        return false;
    if (region.end <= region.start) return false;
    const std::string_view perms = TakeField(line);
    if (perms.size() < 3) return false;
    region.readable = perms[0] == 'r';
    region.writable = perms[1] == 'w';
    region.executable = perms[2] == 'x';
    std::string_view offset = TakeField(line);
    if (!TakeHex(offset, region.offset) || !offset.empty()) return false;
    TakeField(line);  // device
    TakeField(line);  // inode
    while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    region.path = std::string(line);
    return true;
}

}  // namespace

ProcessMap ProcessMap::Parse(std::string_view text) {
    ProcessMap map;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        MappedRegion region;
        if (ParseLine(text.substr(0, end), region)) map.regions_.push_back(std::move(region));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    std::sort(map.regions_.begin(), map.regions_.end(),
              [](const MappedRegion& a, const MappedRegion& b) { return a.start < b.start; });
    // Overlaps come only from a damaged text; the later region gives way.
    std::vector<MappedRegion> kept;
    for (MappedRegion& region : map.regions_) {
        if (kept.empty() || region.start >= kept.back().end) kept.push_back(std::move(region));
    }
    map.regions_ = std::move(kept);
    return map;
}

namespace {

std::vector<MappedRegion>::const_iterator FirstAbove(const std::vector<MappedRegion>& regions, uint64_t address) {
    return std::upper_bound(regions.begin(), regions.end(), address,
                            [](uint64_t a, const MappedRegion& region) { return a < region.start; });
}

}  // namespace

const MappedRegion* ProcessMap::FindAbove(uint64_t address) const& {
    auto after = FirstAbove(regions_, address);
    return after == regions_.end() ? nullptr : &*after;
}

const MappedRegion* ProcessMap::Find(uint64_t address) const& {
    auto after = FirstAbove(regions_, address);
    if (after == regions_.begin()) return nullptr;
    const MappedRegion& region = *(after - 1);
    return address < region.end ? &region : nullptr;
}
