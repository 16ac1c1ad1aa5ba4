// The lines of an error report, in the order they were added, and their joined text.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/base/Log.h"

inline constexpr size_t kMaxReportLines = 9999;
inline constexpr size_t kMaxReportTextLine = 10240;
// Joining stops before the first line that would follow once the text is longer than this.
inline constexpr size_t kReportJoinLimit = 90000;

class ReportLines {
public:
    // Kept as it is; nothing once kMaxReportLines lines exist.
    void AddLine(std::string line);
    // Formatted like printf, cut to kMaxReportTextLine characters, then added as one line.
    void AddText(const char* format, ...) RIVAKEL_PRINTF(2, 3);

    // Each line followed by CR LF.
    std::string Join() const;
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};
