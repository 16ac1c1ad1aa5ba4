#include "frame/pages/EscapeDecoder.h"

std::string DecodeEscapes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    auto has = [&](size_t count) { return text.size() - i >= count; };
    while (i < text.size()) {
        char c = text[i];
        if (c == '%') {
            if (has(3) && text[i + 1] == '0') {
                out += '\n';
                i += 3;
            } else if (has(3) && text[i + 1] == '2' && (text[i + 2] == '0' || text[i + 2] == '2' || text[i + 2] == '5')) {
                out += text[i + 2] == '0' ? ' ' : text[i + 2] == '2' ? '"' : '%';
                i += 3;
            } else if (has(3) && text[i + 1] == '7') {
                out += '|';
                i += 3;
            } else {
                ++i;
            }
        } else if (c == '&') {
            if (has(5) && text[i + 1] == 'a') {
                out += '&';
                i += 5;
            } else if (has(4) && (text[i + 1] == 'g' || text[i + 1] == 'l')) {
                out += text[i + 1] == 'g' ? '>' : '<';
                i += 4;
            } else {
                ++i;
            }
        } else if (c == '\\') {
            if (has(2) && text[i + 1] == '"') {
                out += '"';
                i += 2;
            } else {
                ++i;
            }
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}
