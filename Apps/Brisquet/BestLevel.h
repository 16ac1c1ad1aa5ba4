// "BestLevel": how far the player has come, 0 (beginner), 1 (past screen 10) or 2 (past
// screen 20). It decides which bands of ten screens the level select offers.
#pragma once

namespace brisquet {

inline constexpr int kBandCount = 3;

// A stored value the player cannot have reached (damaged or edited) counts as the nearest one.
int ClampBestLevel(int stored);
// After a promotion into `nextScreen` (11 or 21): the best level only rises.
int PromotedBestLevel(int stored, int nextScreen);
// Band 0 is always open; a later band once the best level has reached it.
bool BandOpen(int band, int bestLevel);
int BandFirstScreen(int band);

}  // namespace brisquet
