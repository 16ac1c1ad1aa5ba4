// Checks and pieces of the file names the shell and the applets pass around, written with
// '\' or '/' separators and matched without regard to case.
#pragma once

#include <string_view>

// A name that stays below whatever folder it is looked up in: not empty, no NUL, no leading
// separator, no drive part, no ".." component.
bool IsSafeRelativeName(std::string_view name);
// A safe name without any separator: one file in the folder it is looked up in.
bool IsPlainFileName(std::string_view name);
// The part after the last '\' or '/'.
std::string_view LastComponent(std::string_view name);
// '*' matches any run of characters, '?' any one; letters match without regard to case.
bool MatchesPattern(std::string_view name, std::string_view pattern);
