#include "Apps/Common/TypedCodeMatcher.h"

namespace {
int UpperOf(char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : static_cast<unsigned char>(c); }
int LowerOf(char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : static_cast<unsigned char>(c); }

// Shift, Control, Alt, Caps Lock, the system keys and their left and right forms: pressed on the
// way to a letter (a capital typed with Shift), they are no key of the code.
bool IsModifier(int key) {
    return (key >= 0x10 && key <= 0x12) || key == 0x14 || key == 0x5B || key == 0x5C || (key >= 0xA0 && key <= 0xA5);
}
}  // namespace

CTypedCodeMatcher::CTypedCodeMatcher(std::string_view code, bool eitherCase) : code_(code), eitherCase_(eitherCase) {}

bool CTypedCodeMatcher::Feed(int key) {
    if (code_.empty() || IsModifier(key)) return false;
    const char expected = code_[static_cast<size_t>(matched_)];
    const bool matches = eitherCase_ ? key == UpperOf(expected) || key == LowerOf(expected)
                                     : key == static_cast<unsigned char>(expected);
    matched_ = matches ? matched_ + 1 : 0;
    if (matched_ < static_cast<int>(code_.size())) return false;
    matched_ = 0;
    return true;
}
