#include "core/graphics/RolloverButton.h"

#include "core/graphics/CSubsystem_Event.h"

CRolloverButton::CRolloverButton(const ButtonArgs& args)
    : CSurface(MakeButtonAnim(args), kFlagColorKeyed | kFlagInteractive),
      userValue_(args.userValue),
      command_(PlaceButton(*this, args)) {
    if (!command_.user) return;
    command_.user->SetUserValue(userValue_);
    click_ = Own(kEventClick, OnClick);
    enter_ = Own(kEventEnter, OnEnter);
    leave_ = Own(kEventLeave, OnLeave);
}

CRolloverButton::~CRolloverButton() = default;

ListenerPtr CRolloverButton::Own(int code, EventCallback callback) {
    ListenerPtr listener = EventService()->Listen(static_cast<const CSurface*>(this), code, this, callback);
    listener->SetUserValue(userValue_);
    return listener;
}

int CRolloverButton::OnClick(intptr_t* record) {
    auto* self = reinterpret_cast<CRolloverButton*>(record[0]);
    EventRecord command{0, 0, self->userValue_, 0, 0};
    if (self->command_.event) self->command_.event->Fire(command);
    return 1;
}

int CRolloverButton::OnEnter(intptr_t* record) {
    ShowButtonFrame(*reinterpret_cast<CRolloverButton*>(record[0]), 1);
    return 1;
}

int CRolloverButton::OnLeave(intptr_t* record) {
    ShowButtonFrame(*reinterpret_cast<CRolloverButton*>(record[0]), 0);
    return 1;
}
