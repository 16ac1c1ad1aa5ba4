// The fuzz input read one byte at a time; past its end every byte reads as 0.
#pragma once

#include <cstddef>
#include <cstdint>

class FuzzBytes {
public:
    FuzzBytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Done() const { return pos_ >= size_; }
    uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};
