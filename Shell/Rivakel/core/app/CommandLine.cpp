#include "core/app/CommandLine.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char a, char b) { return Lower(a) == Lower(b); });
}

struct Word {
    std::string_view text;
    bool quoted = false;
    size_t begin = 0, end = 0;  // the word's span in the line, quotes included
};

// Words separated by blanks; a double quote opens a word that runs to the next one (or the end).
std::vector<Word> SplitWords(std::string_view line) {
    std::vector<Word> words;
    size_t i = 0;
    while (i < line.size()) {
        if (IsBlank(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == '"') {
            size_t close = line.find('"', i + 1);
            size_t end = close == std::string_view::npos ? line.size() : close;
            size_t next = close == std::string_view::npos ? line.size() : close + 1;
            words.push_back({line.substr(i + 1, end - i - 1), true, i, next});
            i = next;
            continue;
        }
        size_t end = i;
        while (end < line.size() && !IsBlank(line[end]) && line[end] != '"') ++end;
        words.push_back({line.substr(i, end - i), false, i, end});
        i = end;
    }
    return words;
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A window number: decimal digits only (anything else reads as 0), saturating instead of overflowing.
int64_t ParseWindowNumber(std::string_view digits) {
    if (!AllDigits(digits)) return 0;
    int64_t value = 0;
    for (char c : digits) {
        if (value > (std::numeric_limits<int64_t>::max() - 9) / 10) return std::numeric_limits<int64_t>::max();
        value = value * 10 + (c - '0');
    }
    return value;
}

bool NeedsQuotes(std::string_view arg) {
    return arg.empty() || arg.find_first_of(" \t/\\") != std::string_view::npos;
}

}  // namespace

std::string JoinArguments(std::span<const char* const> args) {
    std::string line;
    for (const char* arg : args) {
        // A double quote inside an argument would end its field early and let the rest pose
        // as further fields; fields cannot carry one, so it is left out.
        std::string text = arg ? std::string(arg) : std::string();
        std::erase(text, '"');
        if (!line.empty()) line += ' ';
        if (NeedsQuotes(text)) {
            line += '"';
            line += text;
            line += '"';
        } else {
            line += text;
        }
    }
    return line;
}

namespace {

// The options among `words`; `used` marks the words that belong to them.
StartOptions ScanWords(const std::vector<Word>& words, std::vector<bool>& used) {
    StartOptions options;
    used.assign(words.size(), false);
    for (size_t i = 0; i < words.size(); ++i) {
        if (words[i].quoted) continue;
        std::string_view word = words[i].text;
        if (word == "BIGWIN") {
            options.bigWindow = true;
            used[i] = true;
        } else if (word.starts_with("HWND")) {
            std::string_view rest = word.substr(4);
            if (rest.empty()) {
                options.embedded = true;
                used[i] = true;
                if (i + 1 < words.size() && !words[i + 1].quoted && AllDigits(words[i + 1].text)) {
                    options.parentWindow = ParseWindowNumber(words[i + 1].text);
                    used[++i] = true;
                }
            } else if (AllDigits(rest)) {
                options.embedded = true;
                options.parentWindow = ParseWindowNumber(rest);
                used[i] = true;
            }
        }
    }
    return options;
}

}  // namespace

StartOptions ScanStartOptions(std::string_view commandLine) {
    std::vector<bool> used;
    return ScanWords(SplitWords(commandLine), used);
}

std::string WithoutStartOptions(std::string_view commandLine) {
    std::vector<Word> words = SplitWords(commandLine);
    std::vector<bool> used;
    ScanWords(words, used);
    std::string rest;
    size_t from = 0;
    for (size_t i = 0; i < words.size(); ++i) {
        if (!used[i]) continue;
        rest += commandLine.substr(from, words[i].begin - from);
        from = words[i].end;
    }
    rest += commandLine.substr(from);
    size_t first = rest.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    size_t last = rest.find_last_not_of(" \t");
    return rest.substr(first, last - first + 1);
}

bool NamesRmlFile(std::string_view commandLine) {
    std::vector<Word> words = SplitWords(commandLine);
    return std::any_of(words.begin(), words.end(), [](const Word& w) { return EndsWithNoCase(w.text, ".rml"); });
}

std::string RmlPathFrom(std::string_view commandLine) {
    for (const Word& word : SplitWords(commandLine)) {
        if (EndsWithNoCase(word.text, ".rml")) return std::string(word.text);
    }
    return {};
}

QuotedFields ParseQuotedFields(std::string_view commandLine) {
    QuotedFields fields;
    if (commandLine.empty() || commandLine.front() != '"') {
        fields.error = CommandLineError::MissingFirstQuote;
        return fields;
    }
    size_t close = commandLine.find('"', 1);
    if (close == std::string_view::npos) {
        fields.error = CommandLineError::MissingFirstQuote;
        return fields;
    }
    fields.launchPath = std::string(commandLine.substr(1, close - 1));

    // A field whose closing quote is missing runs to the end of the text.
    auto nextField = [&](size_t from, std::string& out) {
        size_t open = commandLine.find('"', from);
        if (open == std::string_view::npos) return std::string_view::npos;
        size_t end = commandLine.find('"', open + 1);
        size_t stop = end == std::string_view::npos ? commandLine.size() : end;
        out = std::string(commandLine.substr(open + 1, stop - open - 1));
        return end == std::string_view::npos ? commandLine.size() : end + 1;
    };
    size_t after = nextField(close + 1, fields.setupFilePath);
    if (after == std::string_view::npos) {
        fields.error = CommandLineError::MissingSecondQuote;
        return fields;
    }
    // The game file is a bare name that the program's arguments bring without quotes.
    std::string_view rest = commandLine.substr(after);
    while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
    while (!rest.empty() && IsBlank(rest.back())) rest.remove_suffix(1);
    if (!rest.empty() && rest.front() != '"')
        fields.gameFile = std::string(rest);
    else
        nextField(after, fields.gameFile);
    return fields;
}

std::string_view BadStartText(CommandLineError error) {
    switch (error) {
    case CommandLineError::MissingFirstQuote:
        return "You've tried to start Rivakel in an unexpected manner.  To start the application, simply double "
               "click on it - that will install it into the Rivakel player.  From then on, you can just double "
               "click on the Rivakel icon on your desktop to get to all of your installed Rivakel games.  Please "
               "click 'ok' and then try again.";
    case CommandLineError::MissingSecondQuote:
        return "You do not need to drag this Rivakel application onto the Rivakel icon to run it.  To start the "
               "application, simply double click on it - that will install it into the Rivakel player.  From then "
               "on, you can just double click on the Rivakel icon to get to that game (and all other installed "
               "Rivakel games).  Please click 'ok' and then try again.";
    case CommandLineError::None:
        break;
    }
    return {};
}
