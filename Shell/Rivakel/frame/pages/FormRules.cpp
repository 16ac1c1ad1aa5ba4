#include "frame/pages/FormRules.h"

#include <algorithm>

#include "core/net/NetResults.h"

namespace forms {

std::string CommasToSemicolons(std::string_view addresses) {
    std::string out(addresses);
    std::replace(out.begin(), out.end(), ',', ';');
    return out;
}

int CheckAddress(std::string_view address) {
    if (address.find('@') == std::string_view::npos || address.find('.') == std::string_view::npos) return kBadAddress;
    if (address.find(' ') != std::string_view::npos) return kSpaceInAddress;
    return 0;
}

int CheckMailForm(std::string_view sender, std::string_view recipients) {
    for (const int wanted : {kBadAddress, kSpaceInAddress}) {
        if (CheckAddress(sender) == wanted || CheckAddress(recipients) == wanted) return wanted;
    }
    return sender.find(';') != std::string_view::npos ? kOneSenderOnly : 0;
}

std::string EncodeGreeting(std::string_view greeting) {
    std::string out;
    out.reserve(greeting.size() + greeting.size() / 2);
    for (size_t i = 0; i < greeting.size(); ++i) {
        const char c = greeting[i];
        switch (c) {
        case '%': out += "%25"; break;
        case ' ': out += "%20"; break;
        case '\n': out += "%0A"; break;
        case '\r':
            out += "%0A";
            if (i + 1 < greeting.size() && greeting[i + 1] == '\n') ++i;
            break;
        case '"': out += "\\\""; break;
        default: out += c; break;
        }
    }
    return out;
}

Outcome ReplyOutcome(int status, bool duplicates) {
    // Transport outcomes never carry a server's answer.
    if (status >= kNetSocketError && status <= kNetUnrecognised) return Outcome::NoConnection;
    if ((status & 0x80) == 0) return Outcome::Success;
    if (status >= 128 && status <= 131) return Outcome::NoConnection;
    if (duplicates && status >= 132 && status <= 134) return Outcome::Duplicate;
    return Outcome::Nothing;
}

bool ReplyFollows(int sendResult) { return sendResult == kNetNotConnected || sendResult == kNetPending; }

}  // namespace forms
