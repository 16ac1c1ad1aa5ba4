// Splits rich text into its text runs and tag runs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct RmlRun {
    bool tag = false;
    // A tag run holds what lies between '<' and '>'; a text run its characters as written.
    std::string_view text;
};

struct RmlSplit {
    std::vector<RmlRun> runs;
    // The character that makes the text unusable ('&'), or 0 when the text is good.
    char badCharacter = 0;
};

// Every scan stays inside `text`. A '<' without its '>' ends the text there; a text run made only
// of blanks (line ends and tabs count as blanks) is dropped. Outside a tag an '&' may only begin
// one of the entities "&lt;", "&gt;" and "&amp;" (how a name or an address is put into rich text);
// any other makes the whole text bad and yields no runs.
RmlSplit SplitRml(std::string_view text);

// A text run's characters with its entities read as the characters they stand for.
std::string ReadRmlEntities(std::string_view run);

// Whether `c` separates words: the blank, and the line ends and tabs that text files carry. The
// renderer drops the line ends that open a text run and draws the others as blanks.
constexpr bool IsRmlBlank(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }
