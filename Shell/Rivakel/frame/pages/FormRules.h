// The rules the portal's forms share: address checks, the greeting's encoding, and what a reply
// or the outbox's immediate answer means for the text a form shows.
#pragma once

#include <string>
#include <string_view>

namespace forms {

// Message ids of the shell's string table.
inline constexpr int kBadAddress = 20003;
inline constexpr int kSpaceInAddress = 20004;
inline constexpr int kContacting = 20005;
inline constexpr int kNoConnection = 20006;
inline constexpr int kOneSenderOnly = 20007;

// Commas separate addresses for the user and semicolons for the server.
std::string CommasToSemicolons(std::string_view addresses);
// 0, kBadAddress (no '@' or no '.') or kSpaceInAddress.
int CheckAddress(std::string_view address);
// The e-mail-a-game form: both addresses as CheckAddress, then one sender only. The addresses
// have had their commas turned into semicolons.
int CheckMailForm(std::string_view sender, std::string_view recipients);
// '%' "%25", blank "%20", line feed "%0A", '"' preceded by a backslash; CR LF and a lone CR
// become a line feed first.
std::string EncodeGreeting(std::string_view greeting);

enum class Outcome {
    Success,       // the server answered without bit 0x80
    Duplicate,     // 132 to 134: already subscribed
    NoConnection,  // 128 to 131, or a transport outcome that reached the handler
    Nothing,       // any other status with bit 0x80
};
// What a reply's status shows; without `duplicates` 132 to 134 show nothing more.
Outcome ReplyOutcome(int status, bool duplicates);
// The outbox's immediate answer to a form's message: true when the reply comes later (queued
// or sent); anything else is shown as no connection at once and nothing will follow.
bool ReplyFollows(int sendResult);

}  // namespace forms
