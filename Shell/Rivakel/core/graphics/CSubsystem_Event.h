// The event service: the registry of events keyed by (sender, code) and the mouse dispatch
// through the tree of visible surfaces (hit test, the pressed surface while the left button is
// held, hover with enter and leave, clicks, the modal rectangle).
//
// Listeners may add and remove listeners and events and destroy surfaces, their own included,
// while an event fires: every walk fires only what was registered when it began and is still
// registered, a destroyed surface ends the walks aimed at it, and the move that a vanished hover
// or pressed surface calls for runs after the outermost dispatch.
#pragma once

#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

#include "core/graphics/Event.h"
#include "core/graphics/EventCodes.h"
#include "core/graphics/EventListener.h"
#include "core/graphics/SurfaceServices.h"
#include "platform/Platform.h"

// What the event service asks of the rest of the shell. Empty functions are skipped.
struct EventHooks {
    std::function<bool()> stopping;                // the session is stopping: no mouse dispatch
    std::function<void(bool captured)> capture;    // hold the mouse for the main window
    std::function<bool()> paused;                  // the game clock is paused (default: the clock service)
};

class CSubsystem_Event final : public ISurfaceEvents {
public:
    // The modal rectangle with its outside-press callback, as boxes opened over one another save
    // and restore it.
    struct ModalState {
        bool active = false;
        int left = 0, top = 0, right = 0, bottom = 0;
        std::function<void()> onOutsidePress;
    };

    explicit CSubsystem_Event(EventHooks hooks = {});
    // Events still alive outlive the registry and are only detached from it.
    ~CSubsystem_Event() override;
    CSubsystem_Event(const CSubsystem_Event&) = delete;
    CSubsystem_Event& operator=(const CSubsystem_Event&) = delete;

    // Mouse input in main-window coordinates, codes 1 to 7 and the wheel; `data` goes in word 4.
    int DispatchMouse(int code, int x, int y, intptr_t data = 0);
    // Fires every registered event of that code with {-, -, key, code, shell key}: 0 when a
    // listener ended the walk, else 1.
    int FireByCode(int code, int shellKey, int key);
    // A new listener with one internal reference for the caller (see ListenerPtr); attached to
    // the first event of (sender, code), or to a new auto-delete event for codes below 14.
    CEventListener* AddListener(const void* sender, int code, void* context, EventCallback callback);
    // A new event appended to the registry, with one internal reference for the caller.
    CEvent* RegisterEvent(const void* sender, int code);
    // Takes the event out of the registry without deleting it. 0.
    int RemoveEvent(CEvent* event);
    int RemoveListenerFromOwner(CEventListener* listener);
    int SetCaptureTarget(const void* value) {
        storedB_ = value;
        return 0;
    }
    int ClearCaptureTarget() {
        storedB_ = nullptr;
        return 0;
    }

    // ISurfaceEvents
    CRefCounted* RegisterSurfaceEvent(CSurface& surface, int code) override;
    void SurfaceGone(CSurface& surface) override;

    ListenerPtr Listen(const void* sender, int code, void* context, EventCallback callback) {
        return ListenerPtr(AddListener(sender, code, context, callback));
    }
    EventPtr Register(const void* sender, int code) { return EventPtr(RegisterEvent(sender, code)); }

    // The root of the tree that mouse input is dispatched through (the shell window).
    void SetRoot(CSurface* root) { root_ = root; }
    CSurface* Root() const { return root_; }
    // The sender whose key events stand still while the clock is paused; the root by default.
    void SetShellSender(const void* sender) { shellSender_ = sender; }
    // A left press inside it gives the keyboard back to the main window.
    void SetGameArea(CSurface* area) { gameArea_ = area; }

    // The modal rectangle, inclusive on all sides: mouse input outside it reaches nobody, and a
    // left press outside it calls `onOutsidePress`.
    void SetModalRect(int left, int top, int right, int bottom, std::function<void()> onOutsidePress);
    void ClearModalRect();
    bool HasModalRect() const { return modal_.active; }
    const ModalState& GetModalState() const { return modal_; }
    void SetModalState(ModalState state) { modal_ = std::move(state); }

    CSurface* HoverSurface() const { return hover_; }
    CSurface* PressedSurface() const { return pressed_; }
    platform::Point LastPosition() const { return last_; }
    size_t EventCount() const { return events_.size(); }
    const void* StoredValueB() const { return storedB_; }

private:
    struct Key {
        const void* sender;
        int code;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        size_t operator()(const Key& key) const {
            return std::hash<const void*>()(key.sender) * 31u + static_cast<size_t>(key.code);
        }
    };
    struct Entry {
        CEvent* event;
        uint64_t serial;
    };
    // One dispatch in progress; nested dispatches stack.
    struct Frame {
        CSurface* target;
        bool targetRemoved;
    };

    void Append(CEvent* event);
    bool IsLive(const Entry& entry) const;
    std::vector<Entry> Matching(const void* sender, int code) const;
    // Fires the live events of `snapshot` in order while `keepGoing` holds: 0 when one ended
    // the walk, 1 otherwise; `fired` tells whether any event fired.
    int FireAll(const std::vector<Entry>& snapshot, EventRecord& record, const std::function<bool()>& keepGoing,
                bool* fired = nullptr);
    void Dispatch(int code, int x, int y, intptr_t data);
    void UpdateHover(CSurface* hit, Frame& frame, EventRecord& record);
    int FireEnter(CSurface* hit, Frame& frame, EventRecord& record);
    void SelectCursorOf(CSurface* surface);
    void SelectPointer();
    void RunQueuedMoves();
    bool Paused() const;

    EventHooks hooks_;
    std::vector<CEvent*> events_;  // registration order
    std::unordered_map<Key, std::vector<CEvent*>, KeyHash> byKey_;
    std::unordered_map<const CEvent*, uint64_t> live_;
    std::vector<Frame*> frames_;
    CSurface* root_ = nullptr;
    CSurface* gameArea_ = nullptr;
    const void* shellSender_ = nullptr;
    CSurface* hover_ = nullptr;
    CSurface* pressed_ = nullptr;
    uint64_t pressedGeneration_ = 0;
    uint64_t hoverGeneration_ = 0;
    platform::Point last_{};
    int queuedMoves_ = 0;
    bool hoverVanished_ = false;
    ModalState modal_;
    const void* storedB_ = nullptr;
};

// The session's event service; null outside the session.
CSubsystem_Event* EventService();
// Creates it (replacing an earlier one) and makes it the surfaces' event service.
CSubsystem_Event* CreateEventService(EventHooks hooks = {});
void DestroyEventService();
