// The program's arguments (without the program name): what it is started with and what it asks for.
// Each argument is taken as it arrives, never joined into one text and split again.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

using Arguments = std::vector<std::string>;

// What the start-up reads from the arguments before the session exists.
struct StartOptions {
    // "HWND <number>": asked to run inside another program's window. Reparenting into a foreign
    // window is not done here: embedded only means the small window and no installer fields.
    bool embedded = false;
    int64_t parentWindow = 0;
    bool bigWindow = false;  // "BIGWIN"
};
// Keywords count only as whole arguments, never as parts of a path. The window number is the
// argument after "HWND", or the digits joined to it ("HWND12").
StartOptions ScanStartOptions(std::span<const std::string> args);

// The arguments that are not start options, in order: the installer's fields or an RML file.
Arguments WithoutStartOptions(std::span<const std::string> args);

// The first argument that names an RML file (".rml" in any case ends it), as given.
std::optional<std::string> RmlFileIn(std::span<const std::string> args);

// The installer's fields are arguments 1 to 3: launch path, setup file and game file.
enum class CommandLineError { None, MissingFirstField, MissingSecondField };
struct InstallerFields {
    CommandLineError error = CommandLineError::None;
    std::string launchPath;
    std::string setupFilePath;
    std::string gameFile;  // empty when there is no third argument
};
// The launch path becomes the shell's folder, so it must be a whole (absolute) path: anything
// else did not come from the installer. Arguments after the third are not read.
InstallerFields ParseInstallerFields(std::span<const std::string> fields);

inline constexpr std::string_view kBadStartCaption = "Incorrect attempt to run Rivakel";
// The box text for each error.
std::string_view BadStartText(CommandLineError error);
