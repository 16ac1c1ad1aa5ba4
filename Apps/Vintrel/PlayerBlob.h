// The player's blob: held arrows push it, nothing slows it, the pond's edge stops it.
#pragma once

#include <cstdint>

#include "Apps/Vintrel/Pond.h"

namespace vintrel {

enum class Arrow { Left, Right, Up, Down };

class CPlayerBlob {
public:
    CPlayerBlob();

    // A new game's blob: size 1, nothing eaten, in the middle, still.
    void Reset(int64_t now);
    // Back to the middle with no speed, keeping size and growth.
    void Recentre(int64_t now);
    // One push; a push with a key of the other axis held is smaller and capped lower.
    void Accelerate(Arrow arrow, bool otherAxisHeld);
    void Move(int64_t now);
    // Counts the meal; true when the player has now eaten enough to grow.
    bool Eat(int baddieSize);
    // Next size, or below the largest a higher threshold; true when the size changed.
    bool Grow();

    BlobBox GetRect() const;
    float CentreX() const { return x_ + static_cast<float>(Width() / 2); }
    float CentreY() const { return y_ + static_cast<float>(Width() / 2); }

    int Size() const { return size_; }
    int Eaten() const { return eaten_; }
    int Threshold() const { return threshold_; }
    int Growths() const { return growths_; }
    int Width() const;
    float X() const { return x_; }
    float Y() const { return y_; }
    float Vx() const { return vx_; }
    float Vy() const { return vy_; }
    bool FacingLeft() const { return facingLeft_; }

private:
    int size_ = 1;
    int eaten_ = 0;
    int threshold_ = 0;
    int growths_ = 0;
    float x_ = 0;
    float y_ = 0;
    float vx_ = 0;
    float vy_ = 0;
    bool facingLeft_ = true;
    int64_t lastMove_ = 0;
};

}  // namespace vintrel
