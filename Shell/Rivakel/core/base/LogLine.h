// The one place a log line is formatted and written; shared by the logging functions.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <string>

// The formatted line, cut to kLogLineSize - 3 characters, followed by "\r\n".
std::string FormatLogLine(const char* format, va_list args);
// Writes the line to the debug output and, when `keep` is set, to the error list.
void WriteLogLine(bool keep, const char* format, va_list args);
