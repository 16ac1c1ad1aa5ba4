#include "core/report/FolderListing.h"

#include "platform/Host.h"

namespace {

std::string Blanks(int indent) { return std::string(static_cast<size_t>(indent), ' '); }

// A folder that may be entered: a real one, not a link to one.
bool Enterable(const platform::FolderEntry& entry) { return entry.isFolder && !entry.isLink; }

void ListFolder(ReportLines& lines, const std::string& folder, int indent, int depth) {
    if (depth > kMaxListingDepth) return;
    for (const platform::FolderEntry& entry : platform::ListFolder(folder)) {
        if (entry.isFolder) {
            lines.AddText("%sDirectory: '%s'", Blanks(indent).c_str(), entry.name.c_str());
            if (Enterable(entry)) ListFolder(lines, platform::JoinPath(folder, entry.name), indent + 2, depth + 1);
        } else {
            lines.AddText("%sFile: '%s'  Size: '%llu'", Blanks(indent).c_str(), entry.name.c_str(),
                          static_cast<unsigned long long>(entry.size));
        }
    }
}

void ListTempFolder(ReportLines& lines, const std::string& folder, int indent, int depth) {
    if (depth > kMaxListingDepth) return;
    for (const platform::FolderEntry& entry : platform::ListFolder(folder)) {
        if (!entry.isFolder) {
            if (depth > 0) {
                lines.AddText("%sTemp File: '%s'  Size: '%llu'", Blanks(indent).c_str(), entry.name.c_str(),
                              static_cast<unsigned long long>(entry.size));
            }
        } else if (entry.name.find("~rv") != std::string::npos) {
            lines.AddText("%sTemp Directory: '%s'", Blanks(indent).c_str(), entry.name.c_str());
            if (Enterable(entry)) ListTempFolder(lines, platform::JoinPath(folder, entry.name), indent + 2, depth + 1);
        }
    }
}

void Find(const std::string& folder, std::string_view part, const std::function<void(const std::string&)>& found,
          int depth) {
    if (depth > kMaxListingDepth) return;
    for (const platform::FolderEntry& entry : platform::ListFolder(folder)) {
        const std::string path = platform::JoinPath(folder, entry.name);
        if (Enterable(entry)) {
            Find(path, part, found, depth + 1);
        } else if (!entry.isFolder && !entry.isLink && entry.name.find(part) != std::string::npos) {
            found(path);
        }
    }
}

}  // namespace

void AddFolderListing(ReportLines& lines, const std::string& folder, int indent) { ListFolder(lines, folder, indent, 0); }

void AddTempListing(ReportLines& lines, const std::string& tempFolder, int indent) {
    ListTempFolder(lines, tempFolder, indent, 0);
}

void FindFiles(const std::string& folder, std::string_view part, const std::function<void(const std::string&)>& found) {
    Find(folder, part, found, 0);
}
