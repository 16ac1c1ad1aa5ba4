// The particles of the fireworks: sparks that fly, fade and fall, sparks that crackle, and
// rockets that burst into sparks (or into smaller rockets) when their life runs out.
#pragma once

#include "Apps/Common/Vector3.h"
#include "Apps/Glimtide/Camera.h"
#include "Apps/Glimtide/ColourTable.h"

namespace glimtide {

class CFireworksRenderer;

struct SparkStart {
    Vec3 position;
    Vec3 velocity;
    Rgb colour;
    float life = 0;  // in ticks
    int size = 2;    // 1: one pixel, 2: a 2x2 block
    uint8_t fade = 5;  // taken off each channel per tick
};

class Spark {
public:
    static constexpr Vec3 kGravity{0, -0.1f, 0};
    static constexpr float kDrag = 0.94f;

    explicit Spark(const SparkStart& start);
    virtual ~Spark() = default;
    Spark(const Spark&) = delete;
    Spark& operator=(const Spark&) = delete;

    // Once, when the life has run out.
    virtual void OnExpire(CFireworksRenderer&) {}
    // One tick; true when the particle has expired and goes.
    virtual bool Update(CFireworksRenderer& sky, int nowMs);
    // Adds the particle's points to the frame: its block, and a half-bright block where it was.
    void Draw(CFireworksRenderer& sky);

    Vec3 Position() const { return position_; }
    Vec3 Velocity() const { return velocity_; }
    Rgb Colour() const { return colour_; }
    float Life() const { return life_; }
    uint8_t Fade() const { return fade_; }
    int Size() const { return size_; }

protected:
    bool BaseUpdate(CFireworksRenderer& sky);

private:
    Vec3 position_;
    Vec3 velocity_;
    Rgb colour_;
    float life_;
    int size_;
    uint8_t fade_;
    bool drawnBefore_ = false;
    ScreenPoint last_;
};

// Throws off a small spark every tick that comes more than 50 ms after the last one.
class CracklingSpark : public Spark {
public:
    static constexpr uint8_t kRingFade = 3;

    CracklingSpark(const SparkStart& start, int nowMs) : Spark(start), lastEmission_(nowMs) {}
    bool Update(CFireworksRenderer& sky, int nowMs) override;

private:
    int lastEmission_;
};

enum class RocketKind { Ordinary = 0, SubRockets = 1 };

struct RocketBurst {
    RocketKind kind = RocketKind::Ordinary;
    bool hasColour = false;
    Rgb colour;
    bool subRocket = false;  // made by another rocket's burst
};

class Rocket : public Spark {
public:
    Rocket(const SparkStart& start, const RocketBurst& burst) : Spark(start), burst_(burst) {}
    void OnExpire(CFireworksRenderer& sky) override;
    const RocketBurst& Burst() const { return burst_; }

private:
    RocketBurst burst_;
};

// A rocket that leaves a trail of sparks in its own colour.
class TrailRocket : public Rocket {
public:
    TrailRocket(const SparkStart& start, const RocketBurst& burst, int nowMs)
        : Rocket(start, burst), lastEmission_(nowMs) {}
    bool Update(CFireworksRenderer& sky, int nowMs) override;

private:
    int lastEmission_;
};

}  // namespace glimtide
