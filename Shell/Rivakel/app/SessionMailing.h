// The data mailing a session opens as it starts: the RML file named on the command line, or the
// one kept from an earlier start that sent the user off to get the mailing's game.
#pragma once

#include <string_view>

struct VersionRecord;

// Before the shell window is made: a kept mailing waits for the start that brings the game it
// names, and any other e-mailed start goes on to its own game.
void SettleKeptMailing();

// The last step of the session's start: the pending file, when there is one, is read and opened.
void ProcessPendingRml();

// A mailing for an installed game at the mailed version or later starts that game with the
// mailed message and drops the kept mailing. For a game that is missing or older the user is
// offered to get it: on "Get it Now" the mailing is kept for the next start, the game's page is
// opened in the browser and the session stops. A text that is no mailing shows "Cannot Open".
void OpenDataMailing(std::string_view text);

// The first installed game of the shell window's table whose identifier equals `identifier`
// without regard to case: its row, with its version (two-digit-build form) in `out`; -1 when
// there is none.
int FindGameByGuid(std::string_view identifier, VersionRecord& out);

inline constexpr std::string_view kCannotOpenCaption = "Cannot Open";
inline constexpr std::string_view kCannotOpenText =
    "The personalized message you clicked on cannot be opened because it\ndoes not match the expected format.  "
    "Click 'OK' to continue without this message.";
