#include "core/store/RdtEscape.h"

#include <array>

namespace {

bool IsLeadingSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void AppendNumeric(std::string& out, unsigned char c) {
    std::array<char, 7> buffer{'&', '#', 0, 0, 0, 0, 0};
    size_t n = 2;
    if (c >= 100) buffer[n++] = static_cast<char>('0' + c / 100);
    if (c >= 10) buffer[n++] = static_cast<char>('0' + (c / 10) % 10);
    buffer[n++] = static_cast<char>('0' + c % 10);
    buffer[n++] = ';';
    out.append(buffer.data(), n);
}

void AppendEscapedChar(std::string& out, char ch) {
    const auto c = static_cast<unsigned char>(ch);
    switch (ch) {
        case '&': out += "&amp;"; return;
        case '<': out += "&lt;"; return;
        case '>': out += "&gt;"; return;
        case '"': out += "&quot;"; return;
        case '\t':
        case '\r':
        case '\n': out += ch; return;
        default: break;
    }
    if (c < 32 || c > 126) {
        AppendNumeric(out, c);
    } else {
        out += ch;
    }
}

// Length of the entity at the start of `s` and the byte it stands for; 0 when it is none.
size_t MatchEntity(std::string_view s, char& decoded) {
    static constexpr std::array<std::pair<std::string_view, char>, 4> kNamed{
        {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}}};
    for (const auto& [entity, ch] : kNamed) {
        if (s.substr(0, entity.size()) == entity) {
            decoded = ch;
            return entity.size();
        }
    }
    if (s.size() < 4 || s[1] != '#') return 0;
    unsigned value = 0;
    size_t i = 2;
    while (i < s.size() && i < 5 && s[i] >= '0' && s[i] <= '9') value = value * 10 + static_cast<unsigned>(s[i++] - '0');
    if (i == 2 || i >= s.size() || s[i] != ';' || value > 255) return 0;
    decoded = static_cast<char>(value);
    return i + 1;
}

}  // namespace

bool IsWritableName(std::string_view name) {
    if (name.empty()) return false;
    for (char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (c <= 32 || c > 126 || ch == '/' || ch == '<' || ch == '>' || ch == '"' || ch == '=') return false;
    }
    return true;
}

void AppendEscapedAttr(std::string& out, std::string_view value) {
    for (char ch : value) AppendEscapedChar(out, ch);
}

void AppendEscapedText(std::string& out, std::string_view text, bool childrenFollow) {
    size_t end = text.size();
    if (childrenFollow) {
        while (end > 0 && IsLeadingSpace(text[end - 1])) --end;
    }
    size_t i = 0;
    for (; i < end && IsLeadingSpace(text[i]); ++i) AppendNumeric(out, static_cast<unsigned char>(text[i]));
    for (; i < end; ++i) AppendEscapedChar(out, text[i]);
    for (size_t j = end; j < text.size(); ++j) AppendNumeric(out, static_cast<unsigned char>(text[j]));
}

std::string DecodeEntities(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    size_t i = 0;
    while (i < raw.size()) {
        const size_t amp = raw.find('&', i);
        if (amp == std::string_view::npos) {
            out.append(raw.substr(i));
            break;
        }
        out.append(raw.substr(i, amp - i));
        char decoded = 0;
        const size_t length = MatchEntity(raw.substr(amp), decoded);
        if (length == 0) {
            out += '&';
            i = amp + 1;
        } else {
            out += decoded;
            i = amp + length;
        }
    }
    return out;
}
