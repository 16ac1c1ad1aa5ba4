#include "core/report/DwarfCursor.h"

#include <cstring>

uint64_t DwarfCursor::Fixed(size_t size) {
    if (Left() < size) {
        failed_ = true;
        position_ = data_.size();
        return 0;
    }
    uint64_t value = 0;
    for (size_t i = 0; i < size; ++i) value |= uint64_t{data_[position_ + i]} << (8 * i);
    position_ += size;
    return value;
}

uint64_t DwarfCursor::Leb(bool isSigned) {
    uint64_t value = 0;
    for (unsigned shift = 0;; shift += 7) {
        if (AtEnd()) {
            failed_ = true;
            return 0;
        }
        const uint8_t byte = data_[position_++];
        if (shift < 64) value |= uint64_t{byte & 0x7Fu} << shift;
        if ((byte & 0x80) == 0) {
            if (isSigned && shift + 7 < 64 && (byte & 0x40) != 0) value |= ~uint64_t{0} << (shift + 7);
            return value;
        }
    }
}

std::optional<uint64_t> DwarfCursor::Pointer(uint8_t encoding) {
    if (encoding == kPointerOmit) return std::nullopt;
    const uint64_t at = address_ + position_;
    uint64_t value = 0;
    switch (encoding & 0x0F) {
    case 0x00: value = U64(); break;
    case 0x01: value = Uleb(); break;
    case 0x02: value = U16(); break;
    case 0x03: value = U32(); break;
    case 0x04: value = U64(); break;
    case 0x09: value = static_cast<uint64_t>(Sleb()); break;
    case 0x0A: value = static_cast<uint64_t>(static_cast<int64_t>(static_cast<int16_t>(U16()))); break;
    case 0x0B: value = static_cast<uint64_t>(static_cast<int64_t>(static_cast<int32_t>(U32()))); break;
    case 0x0C: value = U64(); break;
    default:
        failed_ = true;
        return std::nullopt;
    }
    if ((encoding & 0x80) != 0) return std::nullopt;
    switch (encoding & 0x70) {
    case 0x00: return value;
    case kPointerPcRelative: return value + at;
    default: return std::nullopt;
    }
}

std::span<const uint8_t> DwarfCursor::Bytes(uint64_t count) {
    if (count > Left()) {
        failed_ = true;
        position_ = data_.size();
        return {};
    }
    std::span<const uint8_t> bytes = data_.subspan(position_, static_cast<size_t>(count));
    position_ += static_cast<size_t>(count);
    return bytes;
}

std::span<const uint8_t> DwarfCursor::Text() {
    const void* nul = AtEnd() ? nullptr : std::memchr(data_.data() + position_, 0, Left());
    if (nul == nullptr) {
        failed_ = true;
        position_ = data_.size();
        return {};
    }
    const size_t length = static_cast<size_t>(static_cast<const uint8_t*>(nul) - (data_.data() + position_));
    std::span<const uint8_t> text = data_.subspan(position_, length);
    position_ += length + 1;
    return text;
}
