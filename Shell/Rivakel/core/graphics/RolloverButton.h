// A button of two frames that shows its hover look while the pointer is over it and fires its
// command event (code 14) with its user value when clicked. Its listeners, the caller's too,
// carry the user value as their own.
#pragma once

#include "core/graphics/ButtonArgs.h"
#include "core/graphics/Event.h"
#include "core/graphics/EventListener.h"
#include "core/graphics/Surface.h"

class CRolloverButton : public CSurface {
public:
    explicit CRolloverButton(const ButtonArgs& args);
    ~CRolloverButton() override;

    intptr_t UserValue() const { return userValue_; }

private:
    int OnClick();
    int OnEnter();
    int OnLeave();
    ListenerPtr Own(int code, EventCallback callback);

    intptr_t userValue_;
    ButtonCommand command_;
    ListenerPtr click_;
    ListenerPtr enter_;
    ListenerPtr leave_;
};
