// The escapes of a mailed personalised message.
#pragma once

#include <string>
#include <string_view>

// "%0x" newline, "%20" blank, "%22" quote, "%25" percent, "%7x" bar, "&a..." ampersand,
// "&g.." greater, "&l.." less, backslash-quote quote; any other '%', '&' or backslash is
// dropped and the character after it kept. An escape cut off by the end of the text counts
// as "any other". The result is never longer than the text.
std::string DecodeEscapes(std::string_view text);
