// Reads the numbers of DWARF call-frame data from a span, bounds-checked: a read past the end
// yields 0 and marks the cursor failed, so a parser checks once at the end of a step.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

// Pointer encodings of the call-frame data.
inline constexpr uint8_t kPointerOmit = 0xFF;
inline constexpr uint8_t kPointerPcRelative = 0x10;

class DwarfCursor {
public:
    // `address` is where data[0] lies in the module, for pc-relative pointers.
    DwarfCursor(std::span<const uint8_t> data, uint64_t address = 0) : data_(data), address_(address) {}

    uint8_t U8() { return static_cast<uint8_t>(Fixed(1)); }
    uint16_t U16() { return static_cast<uint16_t>(Fixed(2)); }
    uint32_t U32() { return static_cast<uint32_t>(Fixed(4)); }
    uint64_t U64() { return Fixed(8); }
    uint64_t Uleb() { return Leb(false); }
    int64_t Sleb() { return static_cast<int64_t>(Leb(true)); }
    // A pointer in `encoding`; nullopt for encodings that need what a file alone cannot give
    // (indirect, data-, text- or function-relative), after skipping its bytes.
    std::optional<uint64_t> Pointer(uint8_t encoding);
    std::span<const uint8_t> Bytes(uint64_t count);
    // The text up to its NUL, which is passed.
    std::span<const uint8_t> Text();

    void Skip(uint64_t count) { Bytes(count); }
    size_t Position() const { return position_; }
    size_t Left() const { return data_.size() - position_; }
    bool AtEnd() const { return position_ >= data_.size(); }
    bool Failed() const { return failed_; }

private:
    uint64_t Fixed(size_t size);
    uint64_t Leb(bool isSigned);

    std::span<const uint8_t> data_;
    uint64_t address_;
    size_t position_ = 0;
    bool failed_ = false;
};
