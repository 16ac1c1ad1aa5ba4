// The question for a swamp by its number, asked again after a number that is not one of the
// swamps until one is given or the question is cancelled.
#pragma once

#include <optional>

class IShellServices;

namespace grumbolt {

std::optional<int> AskSwampNumber(IShellServices& services, const char* caption, const char* prompt);

}  // namespace grumbolt
