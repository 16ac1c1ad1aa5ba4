// A data mailing as its recipient reads it: the game the document was made for and the
// personalised message it carries for that game.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/base/Version.h"

namespace mailing {

// An attribute value longer than this is no mailing's: identifiers, names and stamps are short.
inline constexpr size_t kMaxAttribute = 127;
// What the decoded item carries around the message: cut off before and after it.
inline constexpr size_t kItemHead = 6;
inline constexpr size_t kItemTail = 9;

struct ReceivedMailing {
    std::string gameId;     // the creator's "GUID"
    VersionRecord version;  // the creator's "VER", two-digit-build form
    // The item's text with its escapes decoded and its head and tail cut off; empty when the
    // item is no longer than those.
    std::string message;
};

// nullopt when the text lacks the element path RML / DataMailing / DataMail / Creator / Item
// (the first child of each name, in any case), the RML element's "SHELLVER" or the creator's
// "GUID", "VER" or "FILENAME"; when one of those four is longer than kMaxAttribute; or when
// "VER" is no version stamp. "SHELLVER" and "FILENAME" take no part in what is done: a name
// from a mail never names a file here.
std::optional<ReceivedMailing> ReadMailing(std::string_view text);

}  // namespace mailing
