// The ring of 34 bubbles around the title and promotion screens, turning by one place a tick.
#pragma once

#include <vector>

#include "Apps/Common/ShellRef.h"
#include "frame/api/IEvent.h"
#include "frame/api/ShellObject.h"

class ISurface;

namespace brisquet {

class CBrisquetApplet;

class CBubbleRing {
public:
    // The ring's left column stands at x `left`; a press on any of its bubbles calls `onPress`.
    CBubbleRing(CBrisquetApplet& game, ISurface& gameArea, int left, void* context, AppletCallback onPress);
    CBubbleRing(const CBubbleRing&) = delete;
    CBubbleRing& operator=(const CBubbleRing&) = delete;

    // Each bubble takes the place of the next one along the ring.
    void Turn();

private:
    struct Place {
        int x, y;
    };
    std::vector<Place> places_;
    std::vector<AttachedSurface> bubbles_;
    // After the bubbles, so that they are released before the bubbles they listen on.
    std::vector<ShellRef<IEventListener>> listeners_;
    int turned_ = 0;
};

}  // namespace brisquet
