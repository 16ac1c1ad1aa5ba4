#include "core/graphics/PushButton.h"

#include "core/base/Thunk.h"
#include "core/graphics/CSubsystem_Event.h"

CPushButton::CPushButton(const ButtonArgs& args)
    : CSurface(MakeButtonAnim(args), kFlagColorKeyed | kFlagInteractive),
      userValue_(args.userValue),
      command_(PlaceButton(*this, args)) {
    CSubsystem_Event* events = EventService();
    if (!events) return;
    const void* self = static_cast<const CSurface*>(this);
    down_ = events->Listen(self, kEventLeftDown, this, Thunk<&CPushButton::OnDown>);
    click_ = events->Listen(self, kEventClick, this, Thunk<&CPushButton::OnClick>);
}

CPushButton::~CPushButton() = default;

int CPushButton::OnDown() {
    ShowButtonFrame(*this, 1);
    return 1;
}

int CPushButton::OnClick() {
    // The normal look comes back before the command runs: the command may replace the page and
    // this button with it.
    ShowButtonFrame(*this, 0);
    EventRecord command{0, 0, userValue_, 0, 0};
    if (command_.event) command_.event->Fire(command);
    return 1;
}
