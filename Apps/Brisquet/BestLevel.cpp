#include "Apps/Brisquet/BestLevel.h"

#include <algorithm>

#include "Apps/Brisquet/LevelFile.h"

namespace brisquet {

namespace {
constexpr int kScreensPerBand = kScreenCount / kBandCount;
}

int ClampBestLevel(int stored) { return std::clamp(stored, 0, kBandCount - 1); }

int PromotedBestLevel(int stored, int nextScreen) {
    return std::max(ClampBestLevel(stored), ClampBestLevel((nextScreen - 1) / kScreensPerBand));
}

bool BandOpen(int band, int bestLevel) { return band >= 0 && band < kBandCount && band <= ClampBestLevel(bestLevel); }

int BandFirstScreen(int band) { return band * kScreensPerBand + 1; }

}  // namespace brisquet
