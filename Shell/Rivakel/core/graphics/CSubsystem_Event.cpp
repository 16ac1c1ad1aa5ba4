#include "core/graphics/CSubsystem_Event.h"

#include <algorithm>
#include <memory>

#include "core/base/CSubsystem_Clock.h"
#include "core/base/Strings.h"
#include "core/graphics/CSubsystem_Input.h"
#include "core/graphics/Surface.h"
#include "core/text/CSubsystem_Cursor.h"

namespace {

// The mouse and notice codes a surface's events can have.
constexpr int kLastSurfaceCode = kEventAppletNotice2;

const void* SenderOf(const CSurface* surface) { return static_cast<const void*>(surface); }

}  // namespace

CSubsystem_Event::CSubsystem_Event(EventHooks hooks) : hooks_(std::move(hooks)) {}

CSubsystem_Event::~CSubsystem_Event() {
    for (CEvent* event : events_) event->DetachRegistry();
    if (CurrentSurfaceServices().events == this) CurrentSurfaceServices().events = nullptr;
}

void CSubsystem_Event::Append(CEvent* event) {
    events_.push_back(event);
    byKey_[{event->Sender(), event->Code()}].push_back(event);
    live_[event] = event->Serial();
}

bool CSubsystem_Event::IsLive(const Entry& entry) const {
    const auto it = live_.find(entry.event);
    return it != live_.end() && it->second == entry.serial;
}

std::vector<CSubsystem_Event::Entry> CSubsystem_Event::Matching(const void* sender, int code) const {
    std::vector<Entry> out;
    const auto it = byKey_.find({sender, code});
    if (it == byKey_.end()) return out;
    out.reserve(it->second.size());
    for (CEvent* event : it->second) out.push_back({event, event->Serial()});
    return out;
}

CEventListener* CSubsystem_Event::AddListener(const void* sender, int code, void* context,
                                                    EventCallback callback) {
    auto* listener = new CEventListener(context, callback);
    listener->AddInternalRef();
    const auto it = byKey_.find({sender, code});
    if (it != byKey_.end() && !it->second.empty()) {
        it->second.front()->AddListener(listener);
    } else if (code < kFirstRegisteredOnlyCode) {
        auto* event = new CEvent(this, sender, code, true);
        Append(event);
        event->AddListener(listener);
    }
    return listener;
}

CEvent* CSubsystem_Event::RegisterEvent(const void* sender, int code) {
    auto* event = new CEvent(this, sender, code, false);
    event->AddInternalRef();
    Append(event);
    return event;
}

CRefCounted* CSubsystem_Event::RegisterSurfaceEvent(CSurface& surface, int code) {
    return RegisterEvent(SenderOf(&surface), code);
}

int CSubsystem_Event::RemoveEvent(CEvent* event) {
    const auto it = std::find(events_.begin(), events_.end(), event);
    if (it == events_.end()) return 0;
    events_.erase(it);
    const auto key = byKey_.find({event->Sender(), event->Code()});
    if (key != byKey_.end()) {
        std::erase(key->second, event);
        if (key->second.empty()) byKey_.erase(key);
    }
    live_.erase(event);
    event->DetachRegistry();
    return 0;
}

int CSubsystem_Event::RemoveListenerFromOwner(CEventListener* listener) {
    if (listener && listener->Owner()) listener->Owner()->RemoveListener(listener);
    return 0;
}

int CSubsystem_Event::FireAll(const std::vector<Entry>& snapshot, EventRecord& record,
                                    const std::function<bool()>& keepGoing, bool* fired) {
    const EventRecord data = record;
    for (const Entry& entry : snapshot) {
        if (!keepGoing()) break;
        if (!IsLive(entry)) continue;
        if (fired) *fired = true;
        record = data;
        if (entry.event->Fire(record) == 0) return 0;
    }
    return 1;
}

bool CSubsystem_Event::Paused() const {
    if (hooks_.paused) return hooks_.paused();
    const CSubsystem_Clock* clock = ClockService();
    return clock && clock->IsPaused();
}

int CSubsystem_Event::FireByCode(int code, int shellKey, int key) {
    std::vector<Entry> snapshot;
    for (CEvent* event : events_) {
        if (event->Code() == code) snapshot.push_back({event, event->Serial()});
    }
    const void* shell = shellSender_ ? shellSender_ : SenderOf(root_);
    for (const Entry& entry : snapshot) {
        if (!IsLive(entry)) continue;
        if (shell && entry.event->Sender() == shell && Paused()) continue;
        EventRecord record{0, 0, key, code, shellKey};
        if (entry.event->Fire(record) == 0) return 0;
    }
    return 1;
}

void CSubsystem_Event::SetModalRect(int left, int top, int right, int bottom,
                                          std::function<void()> onOutsidePress) {
    modal_ = {true, left, top, right, bottom, std::move(onOutsidePress)};
}

void CSubsystem_Event::ClearModalRect() { modal_ = {}; }

void CSubsystem_Event::SelectCursorOf(CSurface* surface) {
    CSubsystem_Cursor* cursors = CurrentSurfaceServices().cursors;
    CCursor* cursor = nullptr;
    surface->GetCursor(cursor);
    if (cursors && cursor) cursors->SelectCursor(cursor);
}

void CSubsystem_Event::SelectPointer() {
    if (CSubsystem_Cursor* cursors = CurrentSurfaceServices().cursors) {
        cursors->SelectCursor(cursors->GetStockCursor(kCursorPointer));
    }
}

int CSubsystem_Event::DispatchMouse(int code, int x, int y, intptr_t data) {
    if (hooks_.stopping && hooks_.stopping()) return 0;
    Dispatch(code, x, y, data);
    if (frames_.empty()) RunQueuedMoves();
    return 0;
}

void CSubsystem_Event::Dispatch(int code, int x, int y, intptr_t data) {
    CSurface* hit = nullptr;
    if (root_) root_->HitTest(x, y, hit);

    if (modal_.active && (x < modal_.left || x > modal_.right || y < modal_.top || y > modal_.bottom)) {
        if (code == kEventLeftDown && modal_.onOutsidePress) {
            const std::function<void()> onOutsidePress = modal_.onOutsidePress;
            onOutsidePress();
        }
        return;
    }

    last_ = {x, y};
    EventRecord record{0, 0, x, y, data};
    if (hit) {
        const platform::Point abs = hit->AbsoluteLoc();
        record[2] = x - abs.x;
        record[3] = y - abs.y;
    }
    const EventRecord local = record;

    if (code == kEventLeftDown) {
        if (hooks_.capture) hooks_.capture(true);
        if (CSubsystem_Input* input = InputService(); gameArea_ && input) {
            const platform::Point abs = gameArea_->AbsoluteLoc();
            int width = 0, height = 0;
            gameArea_->GetSize(width, height);
            if (PointInRect({abs.x, abs.y, abs.x + width, abs.y + height}, x, y)) input->FocusMainWindow(0);
        }
    } else if (code == kEventLeftUp) {
        if (hooks_.capture) hooks_.capture(false);
    }

    Frame frame{hit, false};
    Frame* current = &frame;
    frames_.push_back(current);
    const std::function<bool()> targetAlive = [current] { return !current->targetRemoved; };

    int result = 1;
    if (hit && (!pressed_ || pressed_ == hit)) result = FireAll(Matching(SenderOf(hit), code), record, targetAlive);

    // The pressed surface follows the pointer while the button is held; when it is the hit
    // surface the main walk has already told it.
    CSurface* pressed = pressed_;
    if (result != 0 && pressed && pressed != hit) {
        const platform::Point abs = pressed->AbsoluteLoc();
        record = local;
        record[2] = x - abs.x;
        record[3] = y - abs.y;
        const uint64_t generation = pressedGeneration_;
        FireAll(Matching(SenderOf(pressed), code), record,
                [this, generation] { return pressedGeneration_ == generation; });
    }
    const EventRecord last{0, 0, record[2], record[3], 0};

    if (code == kEventLeftDown) {
        if (!current->targetRemoved) {
            pressed_ = hit;
            ++pressedGeneration_;
        }
    } else if (code == kEventMouseMove) {
        EventRecord hoverRecord = last;
        UpdateHover(current->targetRemoved ? nullptr : hit, *current, hoverRecord);
    } else if (code == kEventLeftUp) {
        if (hit && !current->targetRemoved) {
            EventRecord upRecord = local;
            if (hit == pressed_) {
                FireAll(Matching(SenderOf(hit), kEventClick), upRecord, targetAlive);
            } else if (FireEnter(hit, *current, upRecord) && !current->targetRemoved) {
                // Released over a surface it was not allowed to enter while the button was held:
                // it is the hover surface now, so that it gets its leave later.
                hover_ = hit;
                ++hoverGeneration_;
            }
        }
        pressed_ = nullptr;
        ++pressedGeneration_;
    }
    frames_.pop_back();
}

int CSubsystem_Event::FireEnter(CSurface* hit, Frame& frame, EventRecord& record) {
    bool fired = false;
    FireAll(Matching(SenderOf(hit), kEventEnter), record, [&frame] { return !frame.targetRemoved; }, &fired);
    if (fired && !frame.targetRemoved) SelectCursorOf(hit);
    return fired ? 1 : 0;
}

void CSubsystem_Event::UpdateHover(CSurface* hit, Frame& frame, EventRecord& record) {
    if (hit == hover_) return;
    CSurface* old = hover_;
    const uint64_t generation = hoverGeneration_;
    bool leaveFired = false;
    if (old) {
        const EventRecord data = record;
        for (const Entry& entry : Matching(SenderOf(old), kEventLeave)) {
            if (hoverGeneration_ != generation) break;
            if (!IsLive(entry)) continue;
            leaveFired = true;
            record = data;
            const int result = entry.event->Fire(record);
            if (hoverGeneration_ == generation) {
                CCursor* cursor = nullptr;
                old->GetCursor(cursor);
                if (cursor) SelectPointer();
            }
            if (result == 0) break;
        }
        record = data;
    }
    bool enterFired = false;
    if (hit && !frame.targetRemoved && (!pressed_ || pressed_ == hit)) enterFired = FireEnter(hit, frame, record) != 0;

    if (enterFired && !frame.targetRemoved) {
        hover_ = hit;
        ++hoverGeneration_;
    } else if (leaveFired && hoverGeneration_ == generation) {
        hover_ = nullptr;
        ++hoverGeneration_;
    }
}

void CSubsystem_Event::SurfaceGone(CSurface& surface) {
    // Its events can never be hit again; a later surface at the same address starts afresh.
    for (int code = 1; code <= kLastSurfaceCode; ++code) {
        const auto it = byKey_.find({SenderOf(&surface), code});
        if (it == byKey_.end()) continue;
        const std::vector<CEvent*> events = it->second;
        for (CEvent* event : events) RemoveEvent(event);
    }
    for (Frame* frame : frames_) {
        if (frame->target == &surface) frame->targetRemoved = true;
    }
    if (root_ == &surface) root_ = nullptr;
    if (gameArea_ == &surface) gameArea_ = nullptr;
    bool move = false;
    if (hover_ == &surface) {
        hover_ = nullptr;
        ++hoverGeneration_;
        hoverVanished_ = true;
        move = true;
    }
    if (pressed_ == &surface) {
        pressed_ = nullptr;
        ++pressedGeneration_;
        move = true;
    }
    if (!move) return;
    ++queuedMoves_;
    if (frames_.empty()) RunQueuedMoves();
}

void CSubsystem_Event::RunQueuedMoves() {
    while (queuedMoves_ > 0 && frames_.empty()) {
        queuedMoves_ = 0;
        const bool hoverVanished = hoverVanished_;
        hoverVanished_ = false;
        if (hooks_.stopping && hooks_.stopping()) return;
        Dispatch(kEventMouseMove, last_.x, last_.y, 0);
        if (!hoverVanished) continue;
        if (hover_) {
            CCursor* cursor = nullptr;
            hover_->GetCursor(cursor);
            if (cursor) {
                SelectCursorOf(hover_);
                continue;
            }
        }
        SelectPointer();
    }
}

namespace {

std::unique_ptr<CSubsystem_Event>& EventServiceOwner() {
    static std::unique_ptr<CSubsystem_Event> owner;
    return owner;
}

}  // namespace

CSubsystem_Event* EventService() { return EventServiceOwner().get(); }

CSubsystem_Event* CreateEventService(EventHooks hooks) {
    DestroyEventService();
    EventServiceOwner() = std::make_unique<CSubsystem_Event>(std::move(hooks));
    CurrentSurfaceServices().events = EventServiceOwner().get();
    return EventServiceOwner().get();
}

void DestroyEventService() { EventServiceOwner().reset(); }
