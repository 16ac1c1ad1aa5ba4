#include "core/store/RefusedFile.h"

#include "core/base/Log.h"
#include "platform/Host.h"

namespace {

// Enough for every refused copy a user could gather; past it the file stays where it is.
constexpr int kMaxAsideNames = 100;

bool Taken(const std::string& path) { return platform::FileExists(path) || platform::FolderExists(path); }

const char* Reason(FileRefusal why) {
    switch (why) {
    case FileRefusal::TooBig: return "too big to read";
    case FileRefusal::Unreadable: return "unreadable";
    case FileRefusal::Damaged: return "damaged";
    }
    return "";
}

}  // namespace

std::string_view RefusalWord(FileRefusal why) {
    switch (why) {
    case FileRefusal::TooBig: return "too-big";
    case FileRefusal::Unreadable: return "unreadable";
    case FileRefusal::Damaged: return "damaged";
    }
    return {};
}

std::optional<FileRefusal> WhyUnread(const std::string& path, uint64_t maxBytes) {
    if (!Taken(path)) return std::nullopt;
    const std::optional<uint64_t> size = platform::FileSize(path);
    return size && *size > maxBytes ? FileRefusal::TooBig : FileRefusal::Unreadable;
}

std::optional<std::string> KeepAside(const std::string& path, FileRefusal why, const char* owner, AsideMode mode) {
    const std::string base = path + "." + std::string(RefusalWord(why));
    for (int n = 1; n <= kMaxAsideNames; ++n) {
        const std::string aside = n == 1 ? base : base + "." + std::to_string(n);
        if (Taken(aside)) continue;
        const bool kept =
            (mode == AsideMode::Copy && platform::LinkPath(path, aside)) || platform::RenamePath(path, aside);
        if (!kept) break;
        // The new name only: the line keeps to the log's width with the folder said once.
        Warning("%s: %s is %s; kept aside as %s", owner, path.c_str(), Reason(why),
                aside.substr(aside.find_last_of('/') + 1).c_str());
        return aside;
    }
    Error("%s: %s is %s and could not be kept aside", owner, path.c_str(), Reason(why));
    return std::nullopt;
}
