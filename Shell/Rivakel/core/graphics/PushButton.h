// A button of two frames that shows its pressed look from the left press and fires its command
// event (code 14) with its user value when clicked.
#pragma once

#include "core/graphics/ButtonArgs.h"
#include "core/graphics/Event.h"
#include "core/graphics/EventListener.h"
#include "core/graphics/Surface.h"

class CPushButton : public CSurface {
public:
    explicit CPushButton(const ButtonArgs& args);
    ~CPushButton() override;

    intptr_t UserValue() const { return userValue_; }
    CEvent* CommandEvent() const { return command_.event.get(); }

private:
    int OnDown();
    int OnClick();

    intptr_t userValue_;
    ButtonCommand command_;
    ListenerPtr down_;
    ListenerPtr click_;
};
