#include "core/graphics/RolloverButton.h"

#include "core/graphics/Anim.h"
#include "core/graphics/CSubsystem_Event_Win32.h"

CRolloverButton::CRolloverButton(const ButtonArgs& args)
    : CSurface(MakeButtonAnim(args), kFlagColorKeyed | kFlagInteractive), userValue_(args.userValue) {
    SetLoc(args.x, args.y);
    if (args.owner) args.owner->AttachSurface(this);
    CSubsystem_Event_Win32* events = EventService();
    if (!events) return;
    const void* self = static_cast<const CSurface*>(this);
    command_ = events->Register(self, kEventCommand);
    user_ = events->Listen(self, kEventCommand, args.context, args.callback);
    user_->SetUserValue(userValue_);
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

void CRolloverButton::ShowFrame(int frame) {
    CAnim* anim = nullptr;
    GetAnim(anim);
    if (anim) anim->SetFrame(frame);
}

int CRolloverButton::OnClick(intptr_t* record) {
    auto* self = reinterpret_cast<CRolloverButton*>(record[0]);
    EventRecord command{0, 0, self->userValue_, 0, 0};
    if (self->command_) self->command_->Fire(command);
    return 1;
}

int CRolloverButton::OnEnter(intptr_t* record) {
    reinterpret_cast<CRolloverButton*>(record[0])->ShowFrame(1);
    return 1;
}

int CRolloverButton::OnLeave(intptr_t* record) {
    reinterpret_cast<CRolloverButton*>(record[0])->ShowFrame(0);
    return 1;
}
