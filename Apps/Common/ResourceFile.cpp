#include "Apps/Common/ResourceFile.h"

#include "Apps/Common/DecimalText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "frame/api/IFile.h"
#include "frame/api/IShellFactory.h"

CResourceFile::CResourceFile(const char* name) {
    IShellFactory* factory = Globals().factory;
    if (factory == nullptr || name == nullptr) return;
    IFile* file = factory->OpenFile(name, 0);
    if (file == nullptr) return;
    // A name found nowhere opens an empty stream: empty and missing are the same to a reader.
    int more = 1;
    while (text_.size() <= kResourceFileMaxBytes) {
        const char c = file->ReadChar(&more);
        if (more == 0) break;
        text_.push_back(c);
    }
    file->Close();
    file->Release();
    if (text_.size() > kResourceFileMaxBytes) text_.clear();
    loaded_ = !text_.empty();
}

CResourceFile::CResourceFile(std::span<const uint8_t> bytes)
    : text_(bytes.begin(), bytes.end()), loaded_(!bytes.empty()) {}

bool CResourceFile::Next(char& c) {
    if (position_ >= text_.size()) {
        c = '\0';
        return false;
    }
    c = text_[position_++];
    return true;
}

char CResourceFile::NextChar(int* more) {
    if (!loaded_) return 1;
    char c;
    const bool inside = Next(c);
    if (more != nullptr) *more = inside ? 1 : 0;
    return c;
}

int CResourceFile::ReadQuotedString(std::span<char> buffer) {
    if (!loaded_ || buffer.empty()) return 1;
    char c = '\0';
    bool have = Next(c);
    while (have && c != '"') have = Next(c);
    size_t length = 0;
    while (have && length + 1 < buffer.size()) {
        have = Next(c);
        if (!have || c == '"') break;
        buffer[length++] = c;
    }
    buffer[length] = '\0';
    return 0;
}

bool CResourceFile::SkipBlanksAndComments(char& c) {
    c = '\0';
    bool have = Next(c);
    while (have && (c == ' ' || c == '\t' || c == '\r' || c == '\n')) have = Next(c);
    while (have && c == '/') {
        while (have && c != '\n') have = Next(c);
        if (have) have = Next(c);
    }
    return have;
}

int CResourceFile::ReadInt(int* value) {
    if (!loaded_) return 1;
    ReadDigits(value);
    return 0;
}

bool CResourceFile::ReadPresentInt(int* value) {
    int read = 0;
    if (!loaded_ || !ReadDigits(&read)) return false;
    if (value != nullptr) *value = read;
    return true;
}

bool CResourceFile::ReadDigits(int* value) {
    char c = '\0';
    bool have = SkipBlanksAndComments(c);
    DecimalAccumulator number;
    bool negative = false;
    bool seenDigit = false;
    for (; have; have = Next(c)) {
        if (c >= '0' && c <= '9') {
            number.Add(c - '0');
            seenDigit = true;
        } else if (seenDigit) {
            break;
        } else if (c == '-') {
            negative = true;
        }
    }
    if (value != nullptr) *value = number.Value(negative);
    return seenDigit;
}

int CResourceFile::ReadReal(float* value) {
    if (!loaded_) return 1;
    // Fraction digits past this many change nothing a float can hold.
    constexpr int kFractionDigits = 9;
    char c = '\0';
    bool have = SkipBlanksAndComments(c);
    DecimalAccumulator whole;
    double fraction = 0;
    double scale = 0.1;
    int fractionDigits = 0;
    bool negative = false;
    bool seenDigit = false;
    bool inFraction = false;
    for (; have; have = Next(c)) {
        if (c >= '0' && c <= '9') {
            seenDigit = true;
            if (!inFraction) {
                whole.Add(c - '0');
            } else if (fractionDigits++ < kFractionDigits) {
                fraction += (c - '0') * scale;
                scale /= 10;
            }
        } else if (c == '.' && !inFraction && (seenDigit || NextIsDigit())) {
            inFraction = true;
        } else if (seenDigit) {
            break;
        } else if (c == '-') {
            negative = true;
        }
    }
    const double magnitude = static_cast<double>(whole.Value(false)) + fraction;
    if (value != nullptr) *value = static_cast<float>(negative ? -magnitude : magnitude);
    return 0;
}
