// Game identifiers and launcher names become folder and file names: only plain names pass.
#pragma once

#include <string_view>

inline constexpr size_t kMaxGameIdentifier = 63;

// Not empty, at most 63 characters of letters, digits, '{', '}', '-', '_', '.' and blanks, not
// beginning with '.' (so never "." or "..", never a hidden name) and without separators.
// Delivered games use GUID texts.
bool IsValidGameIdentifier(std::string_view identifier);
// A launcher's base name: the same rule.
bool IsValidLauncherName(std::string_view name);
