#include "core/store/OutboxSalvage.h"

#include <array>
#include <utility>

#include "core/store/RdtEscape.h"

namespace {

// The quoted value of the first "Params=" after `from`; false when there is none or its
// closing quote is missing (a value cut short is not sent as if whole).
bool NextParams(std::string_view text, size_t from, bool backslashEscapes, std::string& value, size_t& next) {
    const size_t params = text.find("Params=", from);
    if (params == std::string_view::npos) return false;
    const size_t open = text.find('"', params);
    if (open == std::string_view::npos) return false;
    size_t close = open + 1;
    for (;; ++close) {
        close = text.find('"', close);
        if (close == std::string_view::npos) return false;
        if (!backslashEscapes || text[close - 1] != '\\') break;
    }
    value = UnescapeParams(DecodeEntities(text.substr(open + 1, close - open - 1)));
    next = close + 1;
    return true;
}

void Collect(std::string_view text, std::string_view function, bool backslashEscapes,
             std::vector<std::string>& slots) {
    size_t at = 0;
    while (slots.size() < kMaxSalvagedRequests) {
        const size_t found = text.find(function, at);
        if (found == std::string_view::npos) return;
        std::string value;
        size_t next = 0;
        if (!NextParams(text, found + function.size(), backslashEscapes, value, next)) return;
        slots.push_back(std::move(value));
        at = next;
    }
}

}  // namespace

SalvagedRequests SalvageOutbox(std::string_view text) {
    SalvagedRequests result;
    Collect(text, "GetUserGUID", false, result.getUserGuid);
    Collect(text, "RivRivlet", true, result.rivRivlet);
    return result;
}

std::string UnescapeParams(std::string_view params) {
    static constexpr std::array<std::pair<std::string_view, char>, 4> kEntities{
        {{"&amp;", '&'}, {"&gt;", '>'}, {"&lt;", '<'}, {"&quot;", '"'}}};
    std::string out;
    out.reserve(params.size());
    size_t i = 0;
    while (i < params.size()) {
        if (params[i] != '&') {
            out += params[i++];
            continue;
        }
        bool matched = false;
        for (const auto& [entity, ch] : kEntities) {
            if (params.substr(i, entity.size()) == entity) {
                out += ch;
                i += entity.size();
                matched = true;
                break;
            }
        }
        if (!matched) {
            ++i;
            if (i < params.size()) out += params[i++];
        }
    }
    return out;
}
