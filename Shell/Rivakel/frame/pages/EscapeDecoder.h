// The escapes of a mailed personalised message.
#pragma once

#include <string>
#include <string_view>

// "%0x" newline, "%20" blank, "%22" quote, "%25" percent, "%7x" bar, and a backslash keeps the
// character after it as it stands (so "\"" is a quote and "\\" a backslash); any other '%' is
// dropped and the character after it kept, as is an escape cut off by the end of the text.
// '&' is no escape here: the markup reader has already turned "&amp;", "&lt;" and "&gt;" back
// into their characters, and reading them a second time would lose a mailed '&'. The result is
// never longer than the text.
std::string DecodeEscapes(std::string_view text);
