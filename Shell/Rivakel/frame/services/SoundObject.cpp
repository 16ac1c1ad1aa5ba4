#include <algorithm>

#include "core/sound/Sound.h"
#include "frame/api/AppletResults.h"
#include "frame/boundary/InterfaceObject.h"
#include "frame/services/ServiceObjects.h"

namespace {

class SoundObject final : public InterfaceObject<ISound, CSound> {
public:
    using InterfaceObject::InterfaceObject;

    int Play(int loops) override { return inner() != nullptr ? inner()->Play(std::max(loops, 1)) : applet::kEmpty; }
    int Stop() override { return inner() != nullptr ? inner()->Stop() : applet::kEmpty; }

    // An empty sound was still created for the applet, so its release frees it.
    int Release() override {
        if (inner() != nullptr) return InterfaceObject::Release();
        delete this;
        return 0;
    }
};

}  // namespace

// A sound that did not load still gives the applet an object to call.
ISound* MakeSoundObject(CSound* sound) { return new SoundObject(sound); }
