#include "Apps/Glimtide/Particles.h"

#include <algorithm>

#include "Apps/Glimtide/FireworksRenderer.h"

namespace glimtide {

namespace {

constexpr int kEmissionMs = 50;

uint8_t Faded(uint8_t channel, uint8_t fade) { return channel > fade ? static_cast<uint8_t>(channel - fade) : 0; }

Rgb Half(Rgb c) { return {static_cast<uint8_t>(c.r / 2), static_cast<uint8_t>(c.g / 2), static_cast<uint8_t>(c.b / 2)}; }

void PlotBlock(CPointBuffer& points, ScreenPoint at, Rgb colour) {
    points.PlotPoint(at.x, at.y, colour);
    points.PlotPoint(at.x + 1, at.y, colour);
    points.PlotPoint(at.x, at.y + 1, colour);
    points.PlotPoint(at.x + 1, at.y + 1, colour);
}

}  // namespace

Spark::Spark(const SparkStart& start)
    : position_(start.position),
      velocity_(start.velocity),
      colour_(start.colour),
      life_(start.life),
      size_(start.size),
      fade_(start.fade) {}

bool Spark::Update(CFireworksRenderer& sky, int) { return BaseUpdate(sky); }

bool Spark::BaseUpdate(CFireworksRenderer& sky) {
    if (life_ <= 0) {
        OnExpire(sky);
        return true;
    }
    position_ = position_ + velocity_;
    velocity_ = (velocity_ + kGravity) * kDrag;
    colour_ = {Faded(colour_.r, fade_), Faded(colour_.g, fade_), Faded(colour_.b, fade_)};
    life_ -= 1;
    Draw(sky);
    // A spark gone dark lingers two ticks at most.
    if (colour_ == Rgb{} && life_ > 10) life_ = 2;
    return false;
}

void Spark::Draw(CFireworksRenderer& sky) {
    ScreenPoint at;
    if (!sky.Project(position_, at)) return;
    CPointBuffer& points = sky.Points();
    if (size_ == 1) {
        points.PlotPoint(at.x, at.y, colour_);
    } else {
        if (drawnBefore_) PlotBlock(points, last_, Half(colour_));
        PlotBlock(points, at, colour_);
    }
    last_ = at;
    drawnBefore_ = true;
}

bool CracklingSpark::Update(CFireworksRenderer& sky, int nowMs) {
    if (nowMs - lastEmission_ > kEmissionMs) {
        lastEmission_ = nowMs;
        if (Fade() == kRingFade) {
            sky.Add<Spark>(SparkStart{Position(), {}, Colour(), 30, 1, 6});
        } else {
            const Vec3 velocity{sky.RandomSigned(), sky.RandomSigned(), sky.RandomSigned()};
            sky.Add<Spark>(SparkStart{Position(), velocity, {192, 192, 192}, 15, 1, 20});
        }
    }
    return BaseUpdate(sky);
}

bool TrailRocket::Update(CFireworksRenderer& sky, int nowMs) {
    if (nowMs - lastEmission_ > kEmissionMs) {
        lastEmission_ = nowMs;
        const Vec3 velocity{sky.RandomSigned(), sky.RandomSigned(), sky.RandomSigned()};
        sky.Add<Spark>(SparkStart{Position(), velocity, Colour(), 30, 1, 3});
    }
    return BaseUpdate(sky);
}

namespace {

struct Shell {
    int count;
    float speed;
    int minimumLife;
    bool crackling;
    bool ring;
};

void Fire(CFireworksRenderer& sky, Vec3 at, Rgb colour, const Shell& shell, bool crackleAtRandom) {
    for (int i = 0; i < shell.count; ++i) {
        const Vec3 velocity = sky.RandomDirection() * shell.speed;
        const float life = static_cast<float>(sky.Rand() % 20 + shell.minimumLife);
        const bool crackling = shell.crackling && (!crackleAtRandom || sky.Rand() % 3 != 0);
        if (crackling) {
            const uint8_t fade = shell.ring ? CracklingSpark::kRingFade : uint8_t{5};
            sky.Add<CracklingSpark>(SparkStart{at, velocity, colour, life, 2, fade}, sky.Now());
        } else {
            sky.Add<Spark>(SparkStart{at, velocity, colour, life, 2, 5});
        }
    }
}

}  // namespace

void Rocket::OnExpire(CFireworksRenderer& sky) {
    const Vec3 at = Position();
    const Rgb colour = burst_.hasColour ? burst_.colour : sky.RandomPaletteColour();
    const float speed = static_cast<float>(sky.Rand() % 5 + 4);

    if (burst_.kind == RocketKind::SubRockets) {
        sky.Explode(kSmallExplosion);
        const int count = sky.Rand() % 5 + 5;
        const RocketBurst sub{RocketKind::Ordinary, true, colour, true};
        for (int i = 0; i < count; ++i) {
            const Vec3 velocity = sky.RandomDirection() * 5;
            const SparkStart start{at, velocity, colour, static_cast<float>(sky.Rand() % 20 + 10), 2, 5};
            if (count > 7)
                sky.Add<Rocket>(start, sub);
            else
                sky.Add<TrailRocket>(start, sub, sky.Now());
        }
        return;
    }

    bool ring = sky.Rand() % 3 == 0;
    Shell shell{};
    if (burst_.subRocket) {
        sky.Explode(kSmallExplosion);
        ring = false;
        shell = {20, 3, 10, true, false};
    } else {
        sky.Explode(kBigExplosion);
        shell = ring ? Shell{150, speed, 150, true, true} : Shell{100, speed, 40, true, false};
    }
    // A top-level shell always crackles; a sub-rocket's sparks crackle two times in three.
    Fire(sky, at, colour, shell, burst_.subRocket);

    if (!ring && sky.Rand() % 3 != 0) {
        shell.speed /= 3;
        // The slower shell: plain sparks from a sub-rocket, crackling ones from a top-level rocket.
        shell.crackling = !burst_.subRocket;
        Fire(sky, at, colour, shell, false);
    }
}

}  // namespace glimtide
