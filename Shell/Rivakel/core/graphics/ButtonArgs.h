// What the shell's buttons are made from, in the order callers fill it, and the parts both
// button kinds share.
#pragma once

#include <cstdint>

#include "core/graphics/Event.h"
#include "core/graphics/EventCodes.h"
#include "core/graphics/EventListener.h"

class CAnim;
class CImage;
class CSurface;

struct ButtonArgs {
    CSurface* owner = nullptr;  // the button attaches itself to it
    void* context = nullptr;    // word 0 for the callback
    int x = 0, y = 0, width = 0, height = 0;
    CImage* strip = nullptr;  // frames side by side, each width x height
    int firstFrame = 0;       // the normal look; the frame after it is the pressed or hover look
    intptr_t userValue = 0;   // word 2 of the command event
    EventCallback callback = nullptr;
};

// The button's animation: the two frames of the strip (a blank keyed picture without a strip).
CAnim* MakeButtonAnim(const ButtonArgs& args);

// A button's command event (code 14) with the caller's listener on it.
struct ButtonCommand {
    EventPtr event;
    ListenerPtr user;
};

// Places the button at (x, y) on its owner and registers its command event with the caller's
// listener; without an event service the command stays empty.
ButtonCommand PlaceButton(CSurface& button, const ButtonArgs& args);

// Shows frame 0 (normal) or 1 (pressed or hover) of the button's animation.
void ShowButtonFrame(CSurface& button, int frame);
