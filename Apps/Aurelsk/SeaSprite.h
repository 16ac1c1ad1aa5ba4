// One thing moving in the sea: the player's submarine, a shark, a pirate submarine or a torpedo.
// Positions are in game-area pixels, speeds in pixels per 33 ms, times in the screen's ms.
#pragma once

#include <optional>

#include "Apps/Aurelsk/SeaSizes.h"

namespace aurelsk {

enum class SeaKind { BigPirate = 0, SmallPirate = 1, Shark = 2, Torpedo = 3, Player = 5 };

struct Box {
    float left, right, top, bottom;
};

class SeaSprite {
public:
    // A torpedo fired by an enemy (`enemy`) shows the recoloured pictures.
    SeaSprite(SeaKind kind, float x, float y, float xSpeed, bool facingRight, bool enemy = false);

    static constexpr int kExplosionMs = 800;

    // Stable while the sprite lives, so a screen can keep a surface for it.
    int Id() const { return id_; }
    void SetId(int id) { id_ = id; }
    SeaKind Kind() const { return kind_; }
    float X() const { return x_; }
    float Y() const { return y_; }
    int Width() const { return size_.width; }
    int Height() const { return size_.height; }
    float XSpeed() const { return xSpeed_; }
    bool FacingRight() const { return facingRight_; }
    bool IsEnemyTorpedo() const { return enemy_; }
    bool IsPirate() const { return kind_ == SeaKind::BigPirate || kind_ == SeaKind::SmallPirate; }
    int Points() const;
    int HitsLeft() const { return hits_; }
    // A big pirate submarine shows its damaged pictures once hit.
    bool IsDamaged() const { return kind_ == SeaKind::BigPirate && hits_ < 2; }

    void MoveBy(float dx, float dy);
    void MoveTo(float x, float y);
    void SetFacing(bool right) { facingRight_ = right; }
    // By speed and the time since the last move; a shark swims on a sine while it explodes.
    void Move(int now);

    Box Bounds() const;
    // What a torpedo must touch: a big pirate submarine's is 7 pixels narrower on each side.
    Box HitBox() const;
    bool Touches(const Box& other) const;
    // Gone past the edge it travels towards.
    bool IsOutside(float left, float right) const;

    void Explode(int now);
    bool IsExploding() const { return exploding_; }
    bool IsExplosionOver(int now) const { return exploding_ && now - explosionStart_ > kExplosionMs; }
    int TakeHit() { return --hits_; }

    // A pirate submarine's torpedo, from (x, y + 10), flying the way the submarine faces.
    std::optional<SeaSprite> Fire() const;

private:
    int id_ = 0;
    SeaKind kind_;
    SpriteSize size_;
    float x_, y_;
    float xSpeed_;
    bool facingRight_;
    bool enemy_;
    int hits_;
    bool exploding_ = false;
    int lastMove_ = 0;
    bool moved_ = false;
    int explosionStart_ = 0;
    int swimPhase_ = 0;
};

}  // namespace aurelsk
