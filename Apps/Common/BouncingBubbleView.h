// Bouncing bubbles on the game area: each one's surface follows the bubble's place.
#pragma once

#include <span>

#include "Apps/Common/BouncingBubble.h"
#include "Apps/Common/ShellRef.h"
#include "frame/api/ISurface.h"

// Puts each bubble's surface (a missing one is skipped) at the bubble's place.
inline void PlaceBubbleSurfaces(std::span<const BouncingBubble> bubbles, std::span<const AttachedSurface> surfaces) {
    for (size_t i = 0; i < bubbles.size() && i < surfaces.size(); ++i)
        if (ISurface* surface = surfaces[i].Get()) surface->SetLoc(bubbles[i].x, bubbles[i].y, nullptr);
}
