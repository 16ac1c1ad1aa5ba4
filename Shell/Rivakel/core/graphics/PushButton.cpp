#include "core/graphics/PushButton.h"

#include "core/graphics/Anim.h"
#include "core/graphics/CSubsystem_Event_Win32.h"

CPushButton::CPushButton(const ButtonArgs& args)
    : CSurface(MakeButtonAnim(args), kFlagColorKeyed | kFlagInteractive), userValue_(args.userValue) {
    SetLoc(args.x, args.y);
    if (args.owner) args.owner->AttachSurface(this);
    CSubsystem_Event_Win32* events = EventService();
    if (!events) return;
    const void* self = static_cast<const CSurface*>(this);
    command_ = events->Register(self, kEventCommand);
    user_ = events->Listen(self, kEventCommand, args.context, args.callback);
    down_ = events->Listen(self, kEventLeftDown, this, OnDown);
    click_ = events->Listen(self, kEventClick, this, OnClick);
}

CPushButton::~CPushButton() = default;

void CPushButton::ShowFrame(int frame) {
    CAnim* anim = nullptr;
    GetAnim(anim);
    if (anim) anim->SetFrame(frame);
}

int CPushButton::OnDown(intptr_t* record) {
    reinterpret_cast<CPushButton*>(record[0])->ShowFrame(1);
    return 1;
}

int CPushButton::OnClick(intptr_t* record) {
    auto* self = reinterpret_cast<CPushButton*>(record[0]);
    // The normal look comes back before the command runs: the command may replace the page and
    // this button with it.
    self->ShowFrame(0);
    EventRecord command{0, 0, self->userValue_, 0, 0};
    if (self->command_) self->command_->Fire(command);
    return 1;
}
