// The oldest build of the shell: the newest build's frame with the big menu buttons in its
// in-game menu bar and the more-games notice where the newer builds ask about a missing game.
#pragma once

#include <string_view>

struct ShellConfig;

// What starts the shell as its oldest build.
inline constexpr std::string_view kOldestBuildSwitch = "--oldest";

void UseOldestBuild(ShellConfig& config);
