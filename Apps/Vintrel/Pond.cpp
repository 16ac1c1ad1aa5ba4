#include "Apps/Vintrel/Pond.h"

#include <cmath>

namespace vintrel {

bool MoveWithinPond(float& x, float& y, int width, int height, float dx, float dy) {
    const float halfW = static_cast<float>(width / 2);
    const float halfH = static_cast<float>(height / 2);
    const float cx = x + halfW + dx - kPondCentreX;
    const float cy = y + halfH + dy - kPondCentreY;
    const float allowed = kPondRadius - halfW;
    const float distance = std::hypot(cx, cy);
    if (distance <= allowed) {
        x += dx;
        y += dy;
        return false;
    }
    const float scale = allowed / distance;
    x = kPondCentreX + cx * scale - halfW;
    y = kPondCentreY + cy * scale - halfH;
    return true;
}

BlobBox CentredBox(float x, float y, int width, int height, int inset) {
    const float cx = x + static_cast<float>(width / 2);
    const float cy = y + static_cast<float>(height / 2);
    const float halfW = static_cast<float>(width / 2);
    const float halfH = static_cast<float>(height / 2);
    return {cx - halfW + static_cast<float>(inset), cy - halfH + static_cast<float>(inset), cx + halfW, cy + halfH};
}

}  // namespace vintrel
