// The shell window's start: the cardback table filled from the cardback folder, and the file
// service's "CardBack.gif" made to follow the user's choice in every game.
#pragma once

void LoadCardbacks(bool installed);
