#include "Apps/Tallimo/TruckNameEntry.h"

namespace tallimo {
namespace {

constexpr char kBackspace = '\b';
constexpr char kReturn = '\r';
constexpr char kLineFeed = '\n';

bool IsCapital(char c) { return c >= 'A' && c <= 'Z'; }

}  // namespace

NameKey TruckNameEntry::Type(char key) {
    if (key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
    if (IsCapital(key)) {
        AddLetter(key);
        return NameKey::Letter;
    }
    if (key == kBackspace) {
        Delete();
        return NameKey::Delete;
    }
    if (key == kReturn || key == kLineFeed) {
        ended_ = true;
        return NameKey::End;
    }
    return NameKey::Ignored;
}

void TruckNameEntry::AddLetter(char capital) {
    if (IsCapital(capital) && name_.size() < kNameLetters) name_ += capital;
}

void TruckNameEntry::Delete() {
    if (!name_.empty()) name_.pop_back();
}

bool CursorLit(int64_t ms) { return (ms / kCursorBlinkMs) % 2 == 0; }

}  // namespace tallimo
