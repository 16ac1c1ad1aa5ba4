// What stops each kind of shell object a game made, once the game has stopped.
#pragma once

#include "core/sound/Sound.h"
#include "frame/boundary/GameObjects.h"

// A running timer no longer fires.
void StopGameTimer(CRefCounted& timer, const GameObjects& game);
// The listener leaves its event.
void StopGameListener(CRefCounted& listener, const GameObjects& game);
// Every play of the sound ends now.
void StopGameSound(CRefCounted& sound, const GameObjects& game);
void StopGameAnim(CRefCounted& anim, const GameObjects& game);
// A surface, button or field on a surface of the shell is taken off it (which may end it).
void StopGameSurface(CRefCounted& surface, const GameObjects& game);

// Makes `object` the game's when game code made it; returns it.
template <class Object>
Object* AdoptedByGame(Object* object, GameObjects::StopAction stop = nullptr, uint64_t route = 0) {
    if (GameObjects* game = GameObjects::Adopting()) game->Adopt(object, stop, route);
    return object;
}

// A sound of the game plays on after the game released it, and stops with the game.
inline CSound* AdoptedSound(CSound* sound) {
    if (GameObjects* game = GameObjects::Adopting()) game->Adopt(sound, StopGameSound, 0, true);
    return sound;
}
