// A store file that is there but that the reader does not take (too big, unreadable, damaged
// beyond reading) is moved aside under a name that says why, before anything writes a new file
// in its place: what a user kept is never overwritten unread.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class FileRefusal { TooBig, Unreadable, Damaged };

// "too-big", "unreadable", "damaged": the ending of the name a refused file is kept under.
std::string_view RefusalWord(FileRefusal why);

// Why the entry at `path` could not be read whole within `maxBytes`; nullopt when nothing is
// there (a missing file is no refusal).
std::optional<FileRefusal> WhyUnread(const std::string& path, uint64_t maxBytes);

// Move: the file leaves `path`. Copy: it stays there too (a second name of the same file), for
// a caller that writes a new file over it at once, so that at no moment is there none; a
// folder, or a file system without such names, is moved all the same.
enum class AsideMode { Move, Copy };

// Renames `path` to "<path>.<word>", or "<path>.<word>.2" and on when that is taken, and logs
// which file went where and why, naming `owner` (the class and operation). The new path;
// nullopt, with an error logged, when it could not be kept aside.
std::optional<std::string> KeepAside(const std::string& path, FileRefusal why, const char* owner,
                                     AsideMode mode = AsideMode::Move);
