// The oldest build's notice that more games are coming, where the newer builds show a dialog.
#pragma once

inline constexpr const char* kMoreGamesCaption = "More Games are on the Way!";
inline constexpr const char* kMoreGamesText =
    "More Rivakel games are on the way in the weeks ahead! Subscribe now (in the box to the left) and we'll send "
    "them to your e-mail, free!";

// An OK box over the main window; its answer (1 for OK, 0 when it could not be shown).
int ShowMoreGamesNotice();
