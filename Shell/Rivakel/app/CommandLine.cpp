#include "app/CommandLine.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "core/base/Decimal.h"

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char a, char b) { return Lower(a) == Lower(b); });
}

bool AllDigits(std::string_view text) { return ParseDecimal(text, UINT64_MAX, DecimalOverflow::Saturate).has_value(); }

// A window number: decimal digits only (anything else reads as 0), saturating instead of overflowing.
int64_t ParseWindowNumber(std::string_view digits) {
    constexpr auto kLimit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    return static_cast<int64_t>(ParseDecimal(digits, kLimit, DecimalOverflow::Saturate).value_or(0));
}

// The options among `args`; `used` marks the arguments that belong to them.
StartOptions ScanArguments(std::span<const std::string> args, std::vector<bool>& used) {
    StartOptions options;
    used.assign(args.size(), false);
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "BIGWIN") {
            options.bigWindow = true;
            used[i] = true;
        } else if (arg == "HWND") {
            options.embedded = true;
            used[i] = true;
            if (i + 1 < args.size() && AllDigits(args[i + 1])) {
                options.parentWindow = ParseWindowNumber(args[i + 1]);
                used[++i] = true;
            }
        } else if (arg.starts_with("HWND") && AllDigits(arg.substr(4))) {
            options.embedded = true;
            options.parentWindow = ParseWindowNumber(arg.substr(4));
            used[i] = true;
        }
    }
    return options;
}

}  // namespace

StartOptions ScanStartOptions(std::span<const std::string> args) {
    std::vector<bool> used;
    return ScanArguments(args, used);
}

Arguments WithoutStartOptions(std::span<const std::string> args) {
    std::vector<bool> used;
    ScanArguments(args, used);
    Arguments rest;
    for (size_t i = 0; i < args.size(); ++i) {
        if (!used[i]) rest.push_back(args[i]);
    }
    return rest;
}

std::optional<std::string> RmlFileIn(std::span<const std::string> args) {
    for (const std::string& arg : args) {
        if (EndsWithNoCase(arg, ".rml")) return arg;
    }
    return std::nullopt;
}

InstallerFields ParseInstallerFields(std::span<const std::string> fields) {
    InstallerFields parsed;
    if (fields.empty() || !fields[0].starts_with('/')) {
        parsed.error = CommandLineError::MissingFirstField;
        return parsed;
    }
    parsed.launchPath = fields[0];
    if (fields.size() < 2) {
        parsed.error = CommandLineError::MissingSecondField;
        return parsed;
    }
    parsed.setupFilePath = fields[1];
    if (fields.size() > 2) parsed.gameFile = fields[2];
    return parsed;
}

std::string_view BadStartText(CommandLineError error) {
    switch (error) {
    case CommandLineError::MissingFirstField:
        return "You've tried to start Rivakel in an unexpected manner.  To start the application, simply double "
               "click on it - that will install it into the Rivakel player.  From then on, you can just double "
               "click on the Rivakel icon on your desktop to get to all of your installed Rivakel games.  Please "
               "click 'ok' and then try again.";
    case CommandLineError::MissingSecondField:
        return "You do not need to drag this Rivakel application onto the Rivakel icon to run it.  To start the "
               "application, simply double click on it - that will install it into the Rivakel player.  From then "
               "on, you can just double click on the Rivakel icon to get to that game (and all other installed "
               "Rivakel games).  Please click 'ok' and then try again.";
    case CommandLineError::None:
        break;
    }
    return {};
}
