#include "core/graphics/RolloverButton.h"

#include "core/base/Thunk.h"
#include "core/graphics/CSubsystem_Event.h"

CRolloverButton::CRolloverButton(const ButtonArgs& args)
    : CSurface(MakeButtonAnim(args), kFlagColorKeyed | kFlagInteractive),
      userValue_(args.userValue),
      command_(PlaceButton(*this, args)) {
    if (!command_.user) return;
    command_.user->SetUserValue(userValue_);
    click_ = Own(kEventClick, Thunk<&CRolloverButton::OnClick>);
    enter_ = Own(kEventEnter, Thunk<&CRolloverButton::OnEnter>);
    leave_ = Own(kEventLeave, Thunk<&CRolloverButton::OnLeave>);
}

CRolloverButton::~CRolloverButton() = default;

ListenerPtr CRolloverButton::Own(int code, EventCallback callback) {
    ListenerPtr listener = EventService()->Listen(static_cast<const CSurface*>(this), code, this, callback);
    listener->SetUserValue(userValue_);
    return listener;
}

int CRolloverButton::OnClick() {
    EventRecord command{0, 0, userValue_, 0, 0};
    if (command_.event) command_.event->Fire(command);
    return 1;
}

int CRolloverButton::OnEnter() {
    ShowButtonFrame(*this, 1);
    return 1;
}

int CRolloverButton::OnLeave() {
    ShowButtonFrame(*this, 0);
    return 1;
}
