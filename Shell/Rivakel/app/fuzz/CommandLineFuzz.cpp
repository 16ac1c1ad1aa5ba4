// The program's arguments, split at NUL bytes: whatever they hold, each field is one argument as
// given and every argument is an option, an RML file or a field, never lost or merged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Arguments args(1);
    for (char c : bytes) {
        if (c == '\0') args.emplace_back();
        else args.back() += c;
    }
    const StartOptions options = ScanStartOptions(args);
    const Arguments rest = WithoutStartOptions(args);
    if (rest.size() > args.size() || (rest.size() == args.size() && (options.bigWindow || options.embedded)))
        __builtin_trap();
    if (std::optional<std::string> rml = RmlFileIn(rest); rml && bytes.find(*rml) == std::string_view::npos)
        __builtin_trap();
    const InstallerFields fields = ParseInstallerFields(rest);
    if (fields.error == CommandLineError::None &&
        (fields.launchPath != rest[0] || fields.setupFilePath != rest[1] ||
         fields.gameFile != (rest.size() > 2 ? rest[2] : std::string())))
        __builtin_trap();
    return 0;
}
