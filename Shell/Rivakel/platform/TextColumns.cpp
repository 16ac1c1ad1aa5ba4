#include "platform/TextColumns.h"

#include <algorithm>

namespace platform {
namespace {

void WrapParagraph(std::string_view line, size_t columns, std::string& out) {
    while (line.size() > columns) {
        // A blank right after the line's last character still ends it there.
        const size_t blank = line.find_last_of(' ', columns);
        size_t end = blank == std::string_view::npos ? 0 : blank;
        while (end > 0 && line[end - 1] == ' ') --end;
        if (end == 0) {
            out.append(line.substr(0, columns)).push_back('\n');
            line.remove_prefix(columns);
            continue;
        }
        out.append(line.substr(0, end));
        const size_t next = line.find_first_not_of(' ', blank);
        if (next == std::string_view::npos) return;
        out.push_back('\n');
        line.remove_prefix(next);
    }
    out.append(line);
}

}  // namespace

std::string WrapToColumns(std::string_view text, size_t columns) {
    columns = std::max<size_t>(columns, 1);
    std::string out;
    out.reserve(text.size() + text.size() / columns + 1);
    while (true) {
        const size_t end = text.find('\n');
        WrapParagraph(text.substr(0, end), columns, out);
        if (end == std::string_view::npos) break;
        out.push_back('\n');
        text.remove_prefix(end + 1);
    }
    return out;
}

}  // namespace platform
