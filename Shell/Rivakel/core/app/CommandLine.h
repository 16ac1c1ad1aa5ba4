// The program's command line: the text it is started with and what it asks for.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Joins the program's arguments (without the program name) into one command-line text.
// Arguments holding a blank or a path separator are put between double quotes, as a file
// manager or the installer hands paths over; bare words such as "BIGWIN" stay as they are.
// Double quotes inside an argument are dropped, so each argument stays one field.
std::string JoinArguments(std::span<const char* const> args);

// What the start-up reads from the text before the session exists.
struct StartOptions {
    // "HWND <number>": asked to run inside another program's window. Reparenting into a foreign
    // window is not done here: embedded only means the small window and no quoted fields.
    bool embedded = false;
    int64_t parentWindow = 0;
    bool bigWindow = false;  // "BIGWIN"
};
// Keywords count only as words of their own outside quotes, never as parts of a path.
StartOptions ScanStartOptions(std::string_view commandLine);

// The text without the option words, blanks at both ends trimmed: what is left for the
// quoted fields.
std::string WithoutStartOptions(std::string_view commandLine);

// True when the text names an RML file: ".rml" in any case ends one of its words.
bool NamesRmlFile(std::string_view commandLine);
// The RML path as given: without the surrounding double quotes, case kept.
std::string RmlPathFrom(std::string_view commandLine);

// The installer's quoted fields: launch path, setup file and game file (which may also come as a
// bare word, as a plain file name does from the program's arguments).
enum class CommandLineError { None, MissingFirstQuote, MissingSecondQuote };
struct QuotedFields {
    CommandLineError error = CommandLineError::None;
    std::string launchPath;
    std::string setupFilePath;
    std::string gameFile;
};
QuotedFields ParseQuotedFields(std::string_view commandLine);

inline constexpr std::string_view kBadStartCaption = "Incorrect attempt to run Rivakel";
// The box text for each error.
std::string_view BadStartText(CommandLineError error);
