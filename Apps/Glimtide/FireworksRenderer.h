// The sky of one screen: the particles it owns, the camera that projects them and the frame of
// points they draw. Each 50 ms tick the last frame is erased from the canvas, every particle is
// updated from the newest to the oldest, and the new frame is drawn in one call.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "Apps/Glimtide/Camera.h"
#include "Apps/Glimtide/ColourTable.h"
#include "Apps/Glimtide/Particles.h"
#include "Apps/Glimtide/PointBuffer.h"

class IImage;

namespace glimtide {

// What the fireworks need from the game: random numbers and the sound of a burst.
struct FireworksHooks {
    std::function<int()> rand;             // 0 to 32767
    std::function<void(int)> explosion;    // kSmallExplosion or kBigExplosion
};

inline constexpr int kSmallExplosion = 1;  // sub-rockets and their shells
inline constexpr int kBigExplosion = 2;    // a top-level rocket's shell

class CFireworksRenderer {
public:
    CFireworksRenderer(const CColourTable& colours, FireworksHooks hooks);
    ~CFireworksRenderer();
    CFireworksRenderer(const CFireworksRenderer&) = delete;
    CFireworksRenderer& operator=(const CFireworksRenderer&) = delete;

    CCamera& Camera() { return camera_; }
    // The colours a rocket without its own bursts in.
    void SetPalette(std::span<const Rgb> palette) { palette_.assign(palette.begin(), palette.end()); }
    std::span<const Rgb> Palette() const { return palette_; }

    // A new particle, put before every other and drawn at once.
    template <class Particle, class... Args>
    Particle& Add(Args&&... args) {
        auto particle = std::make_unique<Particle>(std::forward<Args>(args)...);
        Particle& added = *particle;
        particles_.push_back(std::move(particle));
        added.Draw(*this);
        return added;
    }
    void DeleteAll() { particles_.clear(); }
    int ParticleCount() const { return static_cast<int>(particles_.size()); }

    // Erases the last frame from the canvas and starts an empty one.
    void BeginFrame(IImage* canvas);
    // Updates every particle that was there before this call, newest first; the expired go.
    void Update(int nowMs);
    // Draws the frame on the canvas.
    void EndFrame(IImage* canvas) { if (canvas != nullptr) points_.Draw(*canvas); }
    CPointBuffer& Points() { return points_; }
    int Now() const { return nowMs_; }

    // Where a point of the sky shows on the canvas; false when it does not.
    bool Project(Vec3 position, ScreenPoint& out) const { return camera_.ProjectPoint(position, out); }

    int Rand() { return hooks_.rand(); }
    // In (-1, 1].
    float RandomSigned() { return 1.0f - static_cast<float>(Rand() % 1000) * 0.002f; }
    // A direction of length 1 from three RandomSigned values.
    Vec3 RandomDirection();
    Rgb RandomPaletteColour();
    void Explode(int which) {
        if (hooks_.explosion) hooks_.explosion(which);
    }

private:
    FireworksHooks hooks_;
    CCamera camera_;
    std::vector<Rgb> palette_;
    // Oldest first: the newest particle is the last.
    std::vector<std::unique_ptr<Spark>> particles_;
    CPointBuffer points_;
    int nowMs_ = 0;
};

}  // namespace glimtide
