// The data mailing a game asks the shell to send: the document that carries the game's item to
// the recipient, and the message's parameters.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

class CGameHost;

namespace mailing {

// The identifier a mailing from a game without one carries (recipients rely on it).
inline constexpr std::string_view kDefaultGameId = "{252D6EB8-0915-4321-91E8-EB92CA1BD1D1}";
// Items longer than this are refused: escaping may grow them sevenfold.
inline constexpr size_t kMaxItem = 8192;

// '<' "&lt;", '>' "&gt;", '&' "&amp;", '|' "%7C", and '%' "%25" and '\' "\\" so that the
// recipient's escape decoding gives the item back unchanged.
std::string EscapeItem(std::string_view item);
// '%' "%25", '&' "%26", blank "%20", line feed "%0A", ',' "%2C", '+' "%2B": the server decodes
// %XX, and the parameters are separated by commas.
std::string TransferEncode(std::string_view text);

// What the game host tells of its game through `read` (its id, name or version); empty without
// a host.
std::string HostText(int (CGameHost::*read)(std::span<char>) const);

struct MailingGame {
    std::string shellVersion;
    std::string id;  // empty: kDefaultGameId
    std::string name;
    std::string version;
};

std::string BuildDocument(const MailingGame& game, std::string_view item);
// "id,first,recipient,third,document", every free-text field transfer-encoded; nullopt for an
// item over kMaxItem.
std::optional<std::string> BuildParams(const MailingGame& game, std::string_view firstText,
                                       std::string_view recipient, std::string_view thirdText,
                                       std::string_view item);

}  // namespace mailing
