// The round pond every blob lives in, and the boxes blobs collide by.
#pragma once

namespace vintrel {

inline constexpr float kPondCentreX = 245.0f;
inline constexpr float kPondCentreY = 209.0f;
inline constexpr float kPondRadius = 205.0f;

struct BlobBox {
    float left;
    float top;
    float right;
    float bottom;

    // Edges that touch count as a hit.
    bool Touches(const BlobBox& other) const {
        return left <= other.right && other.left <= right && top <= other.bottom && other.top <= bottom;
    }
};

// Moves the sprite at top-left (x, y) by (dx, dy). When its centre would leave the pond the centre is
// put on the pond's allowed circle along the same ray instead, and the result is true.
bool MoveWithinPond(float& x, float& y, int width, int height, float dx, float dy);

// A blob's box centred on its sprite, `inset` pixels in from the top and left.
BlobBox CentredBox(float x, float y, int width, int height, int inset);

}  // namespace vintrel
