// What every Core tree holds: the root's version attributes, "Users" with the guest "User"
// (e-mail "guest", its registration date), "Rivlets", and "Shell" with its "DefaultUser". A
// fresh store is made of these alone; a loaded one gets whichever it lacks, so that the shell
// always has a user to keep what games store.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/RdtNode.h"

inline constexpr std::string_view kGuestEmail = "guest";

struct CoreDefaults {
    std::string_view formatVersion;
    std::string_view shellVersion;
    std::string regDate;  // decimal seconds: the time stamp of a user made now
};

// Adds to `core` the default children and attributes it lacks, and keeps everything it holds.
// A user element without an e-mail whose localid is "0" or missing (a file cut inside it) becomes
// the guest; otherwise the guest is a new user with the lowest free localid. Returns what was
// added, named as a reader of the log would look for it ("Users", "guest User", ...).
std::vector<std::string> CompleteCore(RdtNode& core, const CoreDefaults& defaults);

std::unique_ptr<RdtNode> MakeDefaultCore(const CoreDefaults& defaults);

// The first "User" child of `users` whose "Email" text is `email`, without regard to case.
RdtNode* FindUserByEmail(const RdtNode& users, std::string_view email);
