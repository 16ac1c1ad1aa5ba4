#include "oldest/MoreGamesNotice.h"

#include "core/dialogs/ShellDialogs.h"

int ShowMoreGamesNotice() { return ShowMessageBox(kMoreGamesCaption, kMoreGamesText, 0); }
