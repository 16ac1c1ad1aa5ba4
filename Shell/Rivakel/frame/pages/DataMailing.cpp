#include "frame/pages/DataMailing.h"

#include <array>

#include "core/store/RdtEscape.h"
#include "frame/host/GameHost.h"

namespace mailing {

namespace {

std::string GameId(const MailingGame& game) { return game.id.empty() ? std::string(kDefaultGameId) : game.id; }

std::string Attr(std::string_view value) {
    std::string out;
    AppendEscapedAttr(out, value);
    return out;
}

}  // namespace

std::string HostText(int (CGameHost::*read)(std::span<char>) const) {
    std::array<char, 256> text{};
    if (const CGameHost* host = GameHost()) (host->*read)(text);
    return text.data();
}

std::string EscapeItem(std::string_view item) {
    std::string out;
    out.reserve(item.size() + item.size() / 4);
    for (const char c : item) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '|': out += "%7C"; break;
        case '%': out += "%25"; break;
        case '\\': out += "\\\\"; break;
        default: out += c; break;
        }
    }
    return out;
}

std::string TransferEncode(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (const char c : text) {
        switch (c) {
        case '%': out += "%25"; break;
        case '&': out += "%26"; break;
        case ' ': out += "%20"; break;
        case '\n': out += "%0A"; break;
        case ',': out += "%2C"; break;
        case '+': out += "%2B"; break;
        default: out += c; break;
        }
    }
    return out;
}

std::string BuildDocument(const MailingGame& game, std::string_view item) {
    // The CREATOR element stays open, as recipients expect.
    return "<RML ShellVer=\"" + Attr(game.shellVersion) + "\"><DATAMAILING><DATAMAIL><CREATOR GUID=\"" +
           Attr(GameId(game)) + "\" FILENAME=\"" + Attr(game.name) + "\" VER=\"" + Attr(game.version) +
           "\"><ITEM>" + EscapeItem(item) + "</ITEM></DATAMAIL></DATAMAILING></RML>";
}

std::optional<std::string> BuildParams(const MailingGame& game, std::string_view firstText,
                                       std::string_view recipient, std::string_view thirdText,
                                       std::string_view item) {
    if (item.size() > kMaxItem) return std::nullopt;
    return GameId(game) + "," + TransferEncode(firstText) + "," + TransferEncode(recipient) + "," +
           TransferEncode(thirdText) + "," + TransferEncode(BuildDocument(game, item));
}

}  // namespace mailing
