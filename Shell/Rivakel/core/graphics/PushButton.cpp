#include "core/graphics/PushButton.h"

#include "core/graphics/CSubsystem_Event.h"

CPushButton::CPushButton(const ButtonArgs& args)
    : CSurface(MakeButtonAnim(args), kFlagColorKeyed | kFlagInteractive),
      userValue_(args.userValue),
      command_(PlaceButton(*this, args)) {
    CSubsystem_Event* events = EventService();
    if (!events) return;
    const void* self = static_cast<const CSurface*>(this);
    down_ = events->Listen(self, kEventLeftDown, this, OnDown);
    click_ = events->Listen(self, kEventClick, this, OnClick);
}

CPushButton::~CPushButton() = default;

int CPushButton::OnDown(intptr_t* record) {
    ShowButtonFrame(*reinterpret_cast<CPushButton*>(record[0]), 1);
    return 1;
}

int CPushButton::OnClick(intptr_t* record) {
    auto* self = reinterpret_cast<CPushButton*>(record[0]);
    // The normal look comes back before the command runs: the command may replace the page and
    // this button with it.
    ShowButtonFrame(*self, 0);
    EventRecord command{0, 0, self->userValue_, 0, 0};
    if (self->command_.event) self->command_.event->Fire(command);
    return 1;
}
