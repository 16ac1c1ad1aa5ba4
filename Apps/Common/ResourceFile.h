// A read-only character source over one named text of the applet: its own resource when it
// has one, else the file of that name in the game's folder (the shell's file service looks in
// that order). The whole text is read at construction; reads never go past its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Texts longer than this are refused as damaged: no applet ships anything near it.
inline constexpr size_t kResourceFileMaxBytes = 4u << 20;

class CResourceFile {
public:
    // Found nowhere, empty or too long: not loaded.
    explicit CResourceFile(const char* name);
    // Over bytes the caller already has (copied); empty: not loaded.
    explicit CResourceFile(std::span<const uint8_t> bytes);

    // Nothing to do: the text goes with the object. 0.
    int Close() { return 0; }
    bool IsLoaded() const { return loaded_; }
    // Every byte has been read (or there were none).
    bool AtEnd() const { return position_ >= text_.size(); }

    // The next byte; *more (when given) is 1 while the byte was inside the text. Past the end:
    // 0 with *more = 0, every time. Not loaded: 1, *more untouched.
    char NextChar(int* more);
    // Skips to the next '"', then copies up to buffer.size() - 1 bytes until the closing quote
    // (consumed) or the end, and terminates. A longer string is cut and its rest stays unread.
    // 0; 1 when not loaded or the buffer is empty (nothing read or written).
    int ReadQuotedString(std::span<char> buffer);
    // Skips blanks, tabs and line ends, then lines that begin with '/'; a '-' anywhere before
    // the first digit makes the number negative, other bytes before it are skipped, and the
    // first byte after the digits ends it and is consumed. No digits: 0. Beyond the int range
    // the value saturates. 0; 1 when not loaded (*value untouched).
    int ReadInt(int* value);
    // As ReadInt, but a number the text ends before is missing rather than 0: false then, or
    // when not loaded (*value untouched either way).
    bool ReadPresentInt(int* value);
    // A decimal number read where and as ReadInt reads one, with a fraction of any number of
    // digits after a '.' ("2.25", "-1.5", ".5", "1."); the sign applies to the whole number.
    // 0; 1 when not loaded (*value untouched).
    int ReadReal(float* value);

protected:
    // The older edition keeps no loaded flag: a text found nowhere reads as an empty one.
    void ReadAsLoaded() { loaded_ = true; }

private:
    // The next byte into `c`; false at the end.
    bool Next(char& c);
    // Skips what comes before a number; `c` is the first byte after it (false: at the end).
    bool SkipBlanksAndComments(char& c);
    // ReadInt on a loaded text; whether a digit was found.
    bool ReadDigits(int* value);
    bool NextIsDigit() const {
        return position_ < text_.size() && text_[position_] >= '0' && text_[position_] <= '9';
    }

    std::vector<char> text_;
    size_t position_ = 0;
    bool loaded_ = false;
};

// The older edition of the reader: no loaded flag. A text found nowhere (or empty) reads as an
// empty text: NextChar reports no more, ReadQuotedString gives "" and ReadInt and ReadReal 0.
class CResourceFileOld : public CResourceFile {
public:
    explicit CResourceFileOld(const char* name) : CResourceFile(name) { ReadAsLoaded(); }
    explicit CResourceFileOld(std::span<const uint8_t> bytes) : CResourceFile(bytes) { ReadAsLoaded(); }

private:
    using CResourceFile::IsLoaded;
};
