#include "core/graphics/CSubsystem_Input.h"

#include "core/base/Thunk.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/EventCodes.h"

CSubsystem_Input::CSubsystem_Input()
    : repeatTimer_(std::make_unique<CTimer>(this, CKeyRepeat::kIntervalMs, Thunk<&CSubsystem_Input::OnRepeatTimer>)) {
    repeatTimer_->SetClock(TimerClock::Wall);
}

CSubsystem_Input::~CSubsystem_Input() = default;

int CSubsystem_Input::ShellKeyOf(int code, int key) {
    switch (key) {
    case platform::VkBack:
        return kShellKeyBackspace;
    case platform::VkTab:
        return kShellKeyTab;
    case platform::VkReturn:
        return kShellKeyEnter;
    case platform::VkShift:
        return kShellKeyShift;
    case platform::VkControl:
        return kShellKeyControl;
    default:
        break;
    }
    if (code == kEventChar) return kShellKeyCharacter;
    if (code != kEventKeyDown && code != kEventKeyUp) return kShellKeyNone;
    switch (key) {
    case platform::VkEnd:
        return kShellKeyEnd;
    case platform::VkHome:
        return kShellKeyHome;
    case platform::VkLeft:
        return kShellKeyLeft;
    case platform::VkUp:
        return kShellKeyUp;
    case platform::VkRight:
        return kShellKeyRight;
    case platform::VkDown:
        return kShellKeyDown;
    case platform::VkDelete:
        return kShellKeyDelete;
    default:
        return kShellKeyNone;
    }
}

int CSubsystem_Input::TranslateKey(int code, int key) {
    key &= 0xFFFF;
    if (code == kEventKeyDown && key == platform::VkReturn) return -1;
    CSubsystem_Event* events = EventService();
    if (!events) return -1;
    return events->FireByCode(code, ShellKeyOf(code, key), key);
}

int CSubsystem_Input::ForwardMouse(int code, int x, int y, intptr_t data) {
    CSubsystem_Event* events = EventService();
    return events ? events->DispatchMouse(code, x, y, data) : 0;
}

int CSubsystem_Input::FocusMainWindow(intptr_t) { return SetFocus(nullptr); }

int16_t CSubsystem_Input::IsKeyDown(int shellKey) const {
    static constexpr int kVirtualKeys[] = {
        platform::VkBack, platform::VkDelete, platform::VkTab,  platform::VkReturn, -1,
        platform::VkControl, platform::VkLeft, platform::VkRight, platform::VkUp,   platform::VkDown,
        platform::VkHome,  platform::VkEnd,   platform::VkShift,
    };
    int virtualKey = shellKey;
    if (shellKey >= 0 && shellKey < static_cast<int>(std::size(kVirtualKeys)) && kVirtualKeys[shellKey] >= 0) {
        virtualKey = kVirtualKeys[shellKey];
    }
    return keys_.GetKeyState(virtualKey);
}

int CSubsystem_Input::SetFocus(IKeyFocus* focus) {
    if (focus == focus_) return 0;
    IKeyFocus* old = focus_;
    focus_ = focus;
    if (old) old->OnFocusChanged(false);
    // The old holder may have moved the focus on while being told.
    if (focus_ == focus && focus) focus->OnFocusChanged(true);
    return 0;
}

void CSubsystem_Input::FocusGone(IKeyFocus* focus) {
    if (focus_ == focus) focus_ = nullptr;
}

uint32_t CSubsystem_Input::Now() {
    platform::Backend* backend = platform::GetBackend();
    return backend ? backend->TickMs() : 0;
}

void CSubsystem_Input::Deliver(int code, int key) {
    if (focus_) {
        if (code == kEventKeyDown) focus_->OnKeyDown(key);
        else if (code == kEventChar) focus_->OnChar(static_cast<uint8_t>(key));
        else focus_->OnKeyUp(key);
        return;
    }
    TranslateKey(code, key);
}

bool CSubsystem_Input::HandlePlatformEvent(const platform::Event& event) {
    switch (event.type) {
    case platform::EventType::KeyDown:
        // The window system's own repeats are dropped: the shell repeats keys itself.
        if (event.repeat) return true;
        keys_.Press(event.key);
        // Alt combinations and F10 belong to the window system.
        if (event.system) return true;
        repeat_.Press(event.key, Now());
        if (repeat_.Holding() && ClockService()) repeatTimer_->Restart();
        Deliver(kEventKeyDown, event.key);
        return true;
    case platform::EventType::KeyUp:
        keys_.Release(event.key);
        repeat_.Release(event.key);
        if (!repeat_.Holding()) repeatTimer_->Stop();
        if (!event.system) Deliver(kEventKeyUp, event.key);
        return true;
    case platform::EventType::Char:
        if (event.repeat) return true;
        repeat_.Typed(event.ch);
        Deliver(kEventChar, event.ch);
        return true;
    case platform::EventType::MouseMove:
        ForwardMouse(kEventMouseMove, event.x, event.y);
        return true;
    case platform::EventType::MouseDown:
    case platform::EventType::MouseDoubleClick:
        ForwardMouse(event.button == 1 ? kEventRightDown : kEventLeftDown, event.x, event.y);
        return true;
    case platform::EventType::MouseUp:
        ForwardMouse(event.button == 1 ? kEventRightUp : kEventLeftUp, event.x, event.y);
        return true;
    case platform::EventType::MouseWheel:
        ForwardMouse(kEventWheel, event.x, event.y, event.wheel);
        return true;
    case platform::EventType::Deactivated:
        keys_.ReleaseAll();
        StopKeyRepeat();
        return false;
    default:
        return false;
    }
}

void CSubsystem_Input::TickRepeat(uint32_t nowMs) {
    const std::optional<CKeyRepeat::Repeat> repeat = repeat_.Poll(nowMs);
    if (!repeat) return;
    Deliver(kEventKeyDown, repeat->virtualKey);
    if (repeat->character) Deliver(kEventChar, *repeat->character);
}

void CSubsystem_Input::StopKeyRepeat() {
    repeat_.Cancel();
    repeatTimer_->Stop();
}

int CSubsystem_Input::OnRepeatTimer() {
    TickRepeat(Now());
    return 0;
}

namespace {

std::unique_ptr<CSubsystem_Input>& InputServiceOwner() {
    static std::unique_ptr<CSubsystem_Input> owner;
    return owner;
}

}  // namespace

CSubsystem_Input* InputService() { return InputServiceOwner().get(); }

CSubsystem_Input* CreateInputService() {
    InputServiceOwner() = std::make_unique<CSubsystem_Input>();
    return InputServiceOwner().get();
}

void DestroyInputService() { InputServiceOwner().reset(); }
