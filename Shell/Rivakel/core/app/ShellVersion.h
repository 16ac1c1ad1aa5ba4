// The shell's own version: string 1 of its resources, a stamp "AA.BB.CC.DDDD".
#pragma once

#include <string>

#include "core/base/Version.h"

// Empty when the shell's resources have no string 1.
std::string ShellVersionText();
// Parsed as the shell window reads it: the first 14 characters, four-digit build form.
VersionRecord ShellVersionRecord();
