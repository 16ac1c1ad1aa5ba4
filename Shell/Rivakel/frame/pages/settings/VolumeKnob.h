// The Settings page's volume knob: lit while the pointer is on it, dragged along the scale in
// steps, and the volume set where it is let go.
#pragma once

#include <functional>

#include "core/graphics/EventListener.h"
#include "core/graphics/Surface.h"

class CVolumeKnob final : public CSurface {
public:
    // Frame 0 is `unlit`, frame 1 `lit`; `release` gets the volume when a drag ends.
    CVolumeKnob(CSurface& parent, int volume, std::function<void(int volume)> release);
    ~CVolumeKnob() override;
    CVolumeKnob(const CVolumeKnob&) = delete;
    CVolumeKnob& operator=(const CVolumeKnob&) = delete;

    int Width() const { return width_; }
    bool Dragging() const { return dragging_; }

private:
    int OnEnter();
    int OnLeave();
    int OnDown(intptr_t* record);
    int OnMove(intptr_t* record);
    int OnUp();

    std::function<void(int)> release_;
    int width_ = 0;
    bool dragging_ = false;
    int grabX_ = 0;
    ListenerPtr enter_, leave_, down_, move_, up_;
};
