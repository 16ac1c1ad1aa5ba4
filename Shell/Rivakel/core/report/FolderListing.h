// The folder listings of an error report. Symbolic links are listed but never followed, and
// no listing goes deeper than kMaxListingDepth folders, so a link loop or a deep tree ends.
#pragma once

#include <functional>
#include <string>

#include "core/report/ReportLines.h"

inline constexpr int kMaxListingDepth = 16;

// Every entry below `folder`: "Directory: '%s'" (then its own entries two blanks further in) or
// "File: '%s'  Size: '%s'", each after `indent` blanks.
void AddFolderListing(ReportLines& lines, const std::string& folder, int indent);

// Inside the temporary folder: each folder whose name contains "~rv" as "Temp Directory: '%s'"
// and what it holds as "Temp File: '%s'  Size: '%s'"; other entries are left out.
void AddTempListing(ReportLines& lines, const std::string& tempFolder, int indent);

// Calls `found` with the path of every file below `folder` whose name contains `part`.
void FindFiles(const std::string& folder, std::string_view part, const std::function<void(const std::string&)>& found);
