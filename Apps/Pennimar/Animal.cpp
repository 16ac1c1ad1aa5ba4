#include "Apps/Pennimar/Animal.h"

namespace pennimar {

namespace {

int Draw(const std::function<int()>& generator, int modulo) {
    const int value = generator() % modulo;
    return value < 0 ? value + modulo : value;
}

struct Box {
    int left, top, right, bottom;
};

Box BoxAt(const Animal& a, float x, float y) {
    const int left = static_cast<int>(x), top = static_cast<int>(y);
    return {left + 2, top + 2, left + a.width - 2, top + a.height - 2};
}

bool Meets(const FenceSegment& s, const Box& b) { return SegmentMeetsBox(s, b.left, b.top, b.right, b.bottom); }

// Fences the box would run into; one already through the box where it stands is let go, so that
// an animal a capture left straddling a fence can walk clear of it.
bool RunsIntoFence(const FenceList& ring, const Box& next, const Box& now) {
    for (const FenceSegment& s : ring.Segments())
        if (Meets(s, next) && !Meets(s, now)) return true;
    return false;
}

}  // namespace

Animal Animal::Make(const LevelSettings& level, const RandomDraws& draws, long long now, int width, int height) {
    Animal a;
    a.kind = Draw(draws.shell, level.kinds > 0 ? level.kinds : 1);
    a.wakeTime = Draw(draws.runtime, 5000) + now + 3000;
    const float scale = level.animalSpeed * static_cast<float>(a.kind + 1) * 0.8f;
    a.vx = scale * (1.0f - static_cast<float>(Draw(draws.shell, 100)) * 0.02f);
    a.vy = scale * (1.0f - static_cast<float>(Draw(draws.shell, 100)) * 0.02f);
    a.facingRight = a.vx >= 0;
    a.width = width;
    a.height = height;
    a.x = static_cast<float>(Draw(draws.shell, 400) + 50);
    a.y = static_cast<float>(Draw(draws.runtime, 270) + 100);
    return a;
}

AnimalStep Animal::Step(const FenceField& field) {
    if (!awake) return AnimalStep::Asleep;
    const float nx = x + vx, ny = y + vy;
    const Box next = BoxAt(*this, nx, ny);
    if (field.IsLaying()) {
        for (const FenceSegment& t : field.Trail())
            if (Meets(t, next)) return AnimalStep::HitTrail;
        if (Meets(FenceSegment::Make(field.TurnPoint(), field.Player(), 0), next)) return AnimalStep::HitTrail;
    }
    const Box now = BoxAt(*this, x, y);
    const FenceList& ring = field.Ring();
    if (!RunsIntoFence(ring, next, now)) {
        x = nx, y = ny;
        return AnimalStep::Moved;
    }
    // The fence across the way it walks turns that component back.
    bool turnX = RunsIntoFence(ring, BoxAt(*this, nx, y), now);
    bool turnY = RunsIntoFence(ring, BoxAt(*this, x, ny), now);
    if (!turnX && !turnY) turnX = turnY = true;  // head-on into a corner
    if (turnX) vx = -vx, facingRight = vx >= 0;
    if (turnY) vy = -vy;
    return AnimalStep::Bounced;
}

bool Animal::IsFencedIn(const OpenField& open) const {
    const int left = static_cast<int>(x) + 5, top = static_cast<int>(y) + 5;
    const int right = static_cast<int>(x) + width - 5, bottom = static_cast<int>(y) + height - 5;
    return !open.Contains(left, top) || !open.Contains(right, top) || !open.Contains(left, bottom) ||
           !open.Contains(right, bottom);
}

}  // namespace pennimar
