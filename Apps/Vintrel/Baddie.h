// Another blob in the pond: it splashes in after a delay, then drifts and bounces off the edge.
#pragma once

#include <cstdint>

#include "Apps/Vintrel/GrowthTable.h"
#include "Apps/Vintrel/Pond.h"

namespace vintrel {

enum class BaddieNews { Nothing, SplashShown, CameOut };

class CBaddie {
public:
    // Placed at random in the pond more than 80 pixels from (avoidX, avoidY), hidden until its
    // splash has run.
    static CBaddie InPond(int size, const RandomSource& rand, float avoidX, float avoidY, int64_t now);
    // Out at once, somewhere in the middle of the screen.
    static CBaddie OnStaffScreen(const RandomSource& rand);

    // One tick; in staff mode blobs also turn back from the middle of the screen.
    BaddieNews Step(int64_t now, const RandomSource& rand, bool staffMode);
    BlobBox GetRect() const;

    int Size() const { return size_; }
    int Width() const { return SpritePixels(size_); }
    float X() const { return x_; }
    float Y() const { return y_; }
    bool FacingLeft() const { return vx_ < 0; }
    // Only blobs that are out collide.
    bool IsOut() const { return out_; }
    bool SplashShown() const { return splashShown_; }
    float SplashX() const { return x_ - 10; }
    float SplashY() const { return y_ - 10; }

private:
    explicit CBaddie(int size) : size_(size) {}
    void NewDirection(const RandomSource& rand);
    void Drift(int64_t now, bool staffMode);

    int size_;
    float x_ = 0;
    float y_ = 0;
    float vx_ = 0;
    float vy_ = 0;
    int64_t spawnTime_ = 0;
    int spawnDelay_ = 0;
    bool splashShown_ = false;
    bool out_ = false;
    bool moved_ = false;
    int64_t lastMove_ = 0;
};

}  // namespace vintrel
