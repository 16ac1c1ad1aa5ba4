#include "core/files/File.h"

#include <algorithm>
#include <cstring>
#include <limits>

void CFile::OpenBorrowed(std::span<const uint8_t> data, std::shared_ptr<const void> owner) {
    Close();
    owner_ = std::move(owner);
    data_ = data;
    open_ = true;
}

void CFile::OpenOwned(std::vector<uint8_t> data) {
    Close();
    owned_ = std::move(data);
    data_ = owned_;
    open_ = true;
}

void CFile::OpenShared(std::shared_ptr<const std::vector<uint8_t>> data) {
    Close();
    if (data == nullptr) return;
    data_ = *data;
    owner_ = std::move(data);
    open_ = true;
}

int CFile::Close() {
    open_ = false;
    data_ = {};
    position_ = 0;
    owned_ = {};
    owner_.reset();
    return 0;
}

char CFile::ReadChar(bool* more) {
    const bool inside = !AtEnd();
    if (more != nullptr) *more = inside;
    return inside ? static_cast<char>(data_[position_++]) : '\0';
}

int CFile::ReadQuotedString(std::span<char> buffer) {
    if (buffer.empty()) return 0;
    buffer[0] = '\0';
    while (!AtEnd() && data_[position_++] != '"') {
    }
    size_t length = 0;
    while (!AtEnd()) {
        const char c = static_cast<char>(data_[position_++]);
        if (c == '"') break;
        if (length + 1 < buffer.size()) buffer[length++] = c;
    }
    buffer[length] = '\0';
    return 0;
}

void CFile::SkipLine() {
    while (!AtEnd()) {
        const uint8_t c = data_[position_++];
        if (c == '\n') return;
        // CR alone or CR LF both end a line.
        if (c == '\r') {
            if (Peek() == '\n') ++position_;
            return;
        }
    }
}

int CFile::ReadInt(int32_t& out) {
    out = 0;
    while (Peek() == ' ' || Peek() == '\t' || Peek() == '\r' || Peek() == '\n') ++position_;
    // Only the first character after a comment line is looked at again, so an indented
    // comment that follows a comment is read as data; stored level files rely on nothing else.
    while (Peek() == '/') SkipLine();

    bool negative = false;
    bool digits = false;
    int64_t value = 0;
    constexpr int64_t kLimit = static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1;
    while (!AtEnd()) {
        const char c = static_cast<char>(data_[position_++]);
        if (c >= '0' && c <= '9') {
            digits = true;
            value = std::min<int64_t>(value * 10 + (c - '0'), kLimit);
        } else if (digits) {
            break;
        } else if (c == '-') {
            negative = true;
        }
    }
    if (negative) value = -value;
    out = static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                   std::numeric_limits<int32_t>::max()));
    return 0;
}

size_t CFile::ReadBytes(std::span<uint8_t> buffer) {
    const size_t count = std::min(buffer.size(), data_.size() - std::min(position_, data_.size()));
    if (count > 0) std::memcpy(buffer.data(), data_.data() + position_, count);
    position_ += count;
    return count;
}

size_t CFile::ReadBytesToNul(std::span<char> buffer) {
    size_t length = 0;
    while (!AtEnd()) {
        const char c = static_cast<char>(data_[position_++]);
        if (c == '\0') break;
        if (length + 1 < buffer.size()) buffer[length++] = c;
    }
    if (!buffer.empty()) buffer[length] = '\0';
    return length;
}

namespace {
template <typename T>
bool ReadLittleEndian(CFile& file, T& out) {
    uint8_t bytes[sizeof(T)] = {};
    if (file.ReadBytes(bytes) < sizeof(T)) {
        out = 0;
        return false;
    }
    std::make_unsigned_t<T> value = 0;
    for (size_t i = sizeof(T); i-- > 0;) value = static_cast<std::make_unsigned_t<T>>(value << 8 | bytes[i]);
    out = static_cast<T>(value);
    return true;
}
}  // namespace

bool CFile::ReadLong(int32_t& out) { return ReadLittleEndian(*this, out); }
bool CFile::ReadShort(int16_t& out) { return ReadLittleEndian(*this, out); }
bool CFile::ReadByte(uint8_t& out) { return ReadLittleEndian(*this, out); }

int32_t CFile::ReadColour(int32_t& out) {
    uint8_t bytes[4] = {};
    ReadBytes(bytes);
    out = bytes[0] | bytes[1] << 8 | bytes[2] << 16;
    return out;
}

int CFile::Skip(int64_t count) {
    const auto size = static_cast<int64_t>(data_.size());
    const int64_t target = static_cast<int64_t>(std::min(position_, data_.size())) + std::clamp(count, -size, size);
    position_ = static_cast<size_t>(std::clamp<int64_t>(target, 0, size));
    return 0;
}
