// The help page the game draws itself on the page area: orange, the text line by line.
#pragma once

#include "Apps/Common/HelpPages.h"

namespace tallimo {

HelpPageStyle TallimoHelpStyle();

}  // namespace tallimo
