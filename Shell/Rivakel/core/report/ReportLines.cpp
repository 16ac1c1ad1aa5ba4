#include "core/report/ReportLines.h"

#include <cstdarg>
#include <cstdio>

void ReportLines::AddLine(std::string line) {
    if (lines_.size() < kMaxReportLines) lines_.push_back(std::move(line));
}

void ReportLines::AddText(const char* format, ...) {
    char text[kMaxReportTextLine + 1];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    AddLine(std::string(text, length < 0 ? 0 : std::min<size_t>(static_cast<size_t>(length), kMaxReportTextLine)));
}

std::string ReportLines::Join() const {
    std::string text;
    for (const std::string& line : lines_) {
        if (text.size() > kReportJoinLimit) break;
        text += line;
        text += "\r\n";
    }
    return text;
}
