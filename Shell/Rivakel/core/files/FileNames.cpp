#include "core/files/FileNames.h"


#include "core/base/Strings.h"

namespace {
bool IsSeparator(char c) { return c == '\\' || c == '/'; }
}  // namespace

bool IsSafeRelativeName(std::string_view name) {
    if (name.empty() || IsSeparator(name.front()) || name.find('\0') != std::string_view::npos) return false;
    if (name.find(':') != std::string_view::npos) return false;
    size_t begin = 0;
    while (begin <= name.size()) {
        size_t end = begin;
        while (end < name.size() && !IsSeparator(name[end])) ++end;
        if (name.substr(begin, end - begin) == "..") return false;
        begin = end + 1;
    }
    return true;
}

bool IsPlainFileName(std::string_view name) {
    return IsSafeRelativeName(name) && name.find_first_of("\\/") == std::string_view::npos;
}

std::string_view LastComponent(std::string_view name) {
    const size_t cut = name.find_last_of("\\/");
    return cut == std::string_view::npos ? name : name.substr(cut + 1);
}

bool MatchesPattern(std::string_view name, std::string_view pattern) {
    // Greedy match with one backtrack point per '*': linear in practice, never exponential.
    size_t n = 0, p = 0;
    size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || LowerCp1252(pattern[p]) == LowerCp1252(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}
