#include "frame/factory/GameObjectStops.h"

#include "core/base/Timer.h"
#include "core/graphics/Anim.h"
#include "core/graphics/Event.h"
#include "core/graphics/EventListener.h"
#include "core/graphics/Surface.h"
#include "core/sound/CSubsystem_Sound.h"

void StopGameTimer(CRefCounted& timer, const GameObjects& /*game*/) { static_cast<CTimer&>(timer).Stop(); }

void StopGameListener(CRefCounted& listener, const GameObjects& /*game*/) {
    auto& own = static_cast<CEventListener&>(listener);
    if (CEvent* event = own.Owner()) event->RemoveListener(&own);
}

void StopGameSound(CRefCounted& sound, const GameObjects& /*game*/) {
    if (CSubsystem_Sound* sounds = SoundService()) sounds->ForgetSound(&static_cast<CSound&>(sound));
}

void StopGameAnim(CRefCounted& anim, const GameObjects& /*game*/) { static_cast<CAnim&>(anim).Stop(); }

void StopGameSurface(CRefCounted& surface, const GameObjects& game) {
    auto& own = static_cast<CSurface&>(surface);
    CSurface* parent = own.Parent();
    if (parent != nullptr && !game.Owns(parent)) parent->DetachSurface(&own);
}
