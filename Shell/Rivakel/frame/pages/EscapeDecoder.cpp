#include "frame/pages/EscapeDecoder.h"

namespace {

// What "%" and the two characters after it stand for; 0 when they are no escape.
char PercentEscape(char first, char second) {
    if (first == '0') return '\n';
    if (first == '7') return '|';
    if (first != '2') return 0;
    switch (second) {
    case '0': return ' ';
    case '2': return '"';
    case '5': return '%';
    default: return 0;
    }
}

}  // namespace

std::string DecodeEscapes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '%' && text.size() - i >= 3) {
            if (const char decoded = PercentEscape(text[i + 1], text[i + 2]); decoded != 0) {
                out += decoded;
                i += 3;
                continue;
            }
        }
        if (c == '%' || c == '\\') {
            // The mark goes; the character after it, if any, stays as it is.
            if (i + 1 < text.size()) out += text[i + 1];
            i += 2;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}
