#include "oldest/MoreGamesNotice.h"

#include "frame/dialogs/ShellDialogs.h"

int ShowMoreGamesNotice() { return ShowMessageBox(kMoreGamesCaption, kMoreGamesText, 0); }
