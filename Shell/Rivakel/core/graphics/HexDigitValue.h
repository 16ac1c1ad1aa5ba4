// The one hexadecimal-digit reader of the shell and the applets' markup drawers. Self-contained so
// that applet code can include it without the rest of the shell.
#pragma once

// '0'-'9' give 0-9, 'a'-'f' and 'A'-'F' give 10-15; any other character gives 0, which is what a
// missing or bad colour digit counts as.
constexpr int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}
