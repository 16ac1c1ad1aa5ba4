#include "Apps/Glimtide/FireworksRenderer.h"

#include <algorithm>
#include <cmath>

#include "frame/api/IImage.h"

namespace glimtide {

CFireworksRenderer::CFireworksRenderer(const CColourTable& colours, FireworksHooks hooks)
    : hooks_(std::move(hooks)), points_(colours) {}

CFireworksRenderer::~CFireworksRenderer() = default;

void CFireworksRenderer::BeginFrame(IImage* canvas) {
    if (canvas != nullptr) points_.Erase(*canvas);
    points_.Clear();
}

void CFireworksRenderer::Update(int nowMs) {
    nowMs_ = nowMs;
    // Particles born during this walk (bursts, trails) land after `count` and wait for the next.
    const size_t count = particles_.size();
    bool anyExpired = false;
    for (size_t i = count; i-- > 0;) {
        if (particles_[i]->Update(*this, nowMs)) {
            particles_[i].reset();
            anyExpired = true;
        }
    }
    if (anyExpired) std::erase(particles_, nullptr);
}

Vec3 CFireworksRenderer::RandomDirection() {
    for (;;) {
        const Vec3 v{RandomSigned(), RandomSigned(), RandomSigned()};
        const float lengthSquared = Vec3LengthSquared(v);
        // Three zeros have no direction: draw again.
        if (lengthSquared > 0) return Vec3Divide(v, std::sqrt(lengthSquared));
    }
}

Rgb CFireworksRenderer::RandomPaletteColour() {
    if (palette_.empty()) return {255, 255, 255};
    return palette_[static_cast<size_t>(Rand()) % palette_.size()];
}

}  // namespace glimtide
