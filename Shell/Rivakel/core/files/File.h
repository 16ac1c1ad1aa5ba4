// A read-only character stream over the data of one named file (a resource, a registered
// memory block or a disk file read whole). Every read stops at the end of the data and every
// copy into a caller's buffer is bounded by the buffer's size.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/base/RefCounted.h"

// Result of a name that was found nowhere (or refused).
inline constexpr int kFileMissing = 26;

class CFile : public CRefCounted {
public:
    CFile() = default;

    // Data owned elsewhere. `owner`, when given, keeps it alive until the file is closed (a
    // running applet's module may be unloaded while one of its files is still open); without
    // one the data must outlive the file.
    void OpenBorrowed(std::span<const uint8_t> data, std::shared_ptr<const void> owner = nullptr);
    void OpenOwned(std::vector<uint8_t> data);
    void OpenShared(std::shared_ptr<const std::vector<uint8_t>> data);

    // Lets go of the data; the file is then not open. 0.
    int Close();
    bool IsOpen() const { return open_; }
    // 0 when open, kFileMissing when no source was found.
    int OpenResult() const { return open_ ? 0 : kFileMissing; }

    // The next byte; `more` becomes false (and the result 0) once the end was passed.
    char ReadChar(bool* more = nullptr);
    // Skips past the next double quote and copies what follows up to the closing quote or
    // the end, cut to fit `buffer` and terminated; the rest of a long string is passed over.
    // Without a quote the buffer is "". 0.
    int ReadQuotedString(std::span<char> buffer);
    // Skips blanks, tabs, CR and LF, then lines that begin with '/'; then a '-' anywhere
    // before the first digit makes the number negative, other characters before it are
    // passed over, and the first non-digit after a digit ends it. No digits: 0. Values
    // beyond the int range saturate. 0.
    int ReadInt(int32_t& out);
    // Up to buffer.size() bytes; returns how many were read.
    size_t ReadBytes(std::span<uint8_t> buffer);
    // Bytes up to a NUL (which is passed over) or the end, cut to fit and terminated.
    // Returns the length stored.
    size_t ReadBytesToNul(std::span<char> buffer);
    // Little-endian. False, with `out` 0 and the position at the end, when too few bytes remain.
    bool ReadLong(int32_t& out);
    bool ReadShort(int16_t& out);
    bool ReadByte(uint8_t& out);
    // Four bytes b0 b1 b2 b3 make b0 + b1 x 256 + b2 x 65536; also the result.
    int32_t ReadColour(int32_t& out);
    // Moves the position by `count`, kept within the data. 0.
    int Skip(int64_t count);

    // The data from the current position on; it stays valid while the file is open.
    std::span<const uint8_t> GetData() const { return data_.subspan(position_); }
    size_t GetSize() const { return data_.size(); }
    size_t Position() const { return position_; }
    bool AtEnd() const { return position_ >= data_.size(); }

private:
    int Peek() const { return AtEnd() ? -1 : data_[position_]; }
    void SkipLine();

    bool open_ = false;
    std::span<const uint8_t> data_;
    size_t position_ = 0;
    std::vector<uint8_t> owned_;
    std::shared_ptr<const void> owner_;
};
