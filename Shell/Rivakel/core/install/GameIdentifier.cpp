#include "core/install/GameIdentifier.h"

#include <algorithm>

namespace {

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '{' || c == '}' ||
           c == '-' || c == '_' || c == '.' || c == ' ';
}

}  // namespace

bool IsValidGameIdentifier(std::string_view identifier) {
    return !identifier.empty() && identifier.size() <= kMaxGameIdentifier && identifier.front() != '.' &&
           std::all_of(identifier.begin(), identifier.end(), IsNameCharacter);
}

bool IsValidLauncherName(std::string_view name) { return IsValidGameIdentifier(name); }
