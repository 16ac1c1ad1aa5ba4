// The command line in its joined form and as an argument list split at NUL bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    ScanStartOptions(line);
    if (NamesRmlFile(line)) RmlPathFrom(line);
    QuotedFields fields = ParseQuotedFields(line);
    if (fields.launchPath.size() + fields.setupFilePath.size() + fields.gameFile.size() > size) __builtin_trap();

    std::vector<std::string> parts;
    std::string current;
    for (char c : line) {
        if (c == '\0') {
            parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    parts.push_back(current);
    std::vector<const char*> args;
    for (const std::string& part : parts) args.push_back(part.c_str());
    const std::string joined = JoinArguments(args);
    ScanStartOptions(joined);
    ParseQuotedFields(joined);
    return 0;
}
