// Random surface trees with buttons and linked edit fields under random mouse and key input, with
// listeners and button commands that return 0, remove themselves, add listeners or destroy
// surfaces (their own included) while they run. The hover
// and pressed surfaces must always be alive, and nothing freed may be touched.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/CSubsystem_Input.h"
#include "core/graphics/EditField.h"
#include "core/graphics/PushButton.h"
#include "core/graphics/Surface.h"
#include "core/graphics/fuzz/FuzzBytes.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

struct Fuzz;

struct Action {
    Fuzz* fuzz;
    uint8_t kind;
    uint8_t target;
    size_t slot;
};

struct Fuzz {
    CSubsystem_Event* events = nullptr;
    CSurface* root = nullptr;
    std::vector<CSurface*> surfaces;  // one reference each, the root first
    std::deque<Action> actions;
    std::vector<ListenerPtr> listeners;
    CEditField* lastField = nullptr;

    void Destroy(size_t index) {
        if (index == 0 || index >= surfaces.size()) return;
        CSurface* surface = surfaces[index];
        surfaces.erase(surfaces.begin() + static_cast<std::ptrdiff_t>(index));
        if (surface == lastField) lastField = nullptr;
        if (CSurface* parent = surface->Parent()) parent->DetachSurface(surface);
        surface->ReleaseInternalRef();
    }
    // Kinds: a plain or an interactive surface, a push button whose command runs an action, or
    // an edit field linked after the last one made.
    void Add(uint8_t parentIndex, uint8_t x, uint8_t y, uint8_t size, uint8_t kind) {
        if (surfaces.size() >= 24) return;
        CSurface* parent = surfaces[parentIndex % surfaces.size()];
        const int width = size % 64 + 1, height = size / 4 + 1;
        CSurface* surface = nullptr;
        switch (kind % 4) {
        case 0:
        case 1:
            surface = new CSurface(width, height, kind % 4 == 1 ? CSurface::kFlagInteractive : 0);
            surface->SetLoc(x, y);
            parent->AttachSurface(surface);
            break;
        case 2: {
            actions.push_back({this, static_cast<uint8_t>(kind >> 2), size, listeners.size()});
            listeners.emplace_back();
            ButtonArgs args{parent, &actions.back(), x, y, width, height, nullptr, 0, size, OnEvent};
            surface = new CPushButton(args);
            break;
        }
        default: {
            auto* field = new CEditField(parent, nullptr, x, y, width, height, "ab", nullptr, kind >> 2);
            if (lastField) lastField->LinkNext(field);
            lastField = field;
            surface = field;
            break;
        }
        }
        surface->AddInternalRef();
        surfaces.push_back(surface);
    }
    void Listen(uint8_t surfaceIndex, uint8_t code, uint8_t kind, uint8_t target) {
        if (listeners.size() >= 64) return;
        actions.push_back({this, kind, target, listeners.size()});
        CSurface* surface = surfaces[surfaceIndex % surfaces.size()];
        listeners.push_back(events->Listen(surface, code % 13 + 1, &actions.back(), OnEvent));
    }
    bool Alive(const CSurface* surface) const {
        if (!surface) return true;
        for (const CSurface* s : surfaces) {
            if (s == surface) return true;
        }
        return false;
    }

    static int OnEvent(intptr_t* record) {
        auto* action = reinterpret_cast<Action*>(record[0]);
        Fuzz* fuzz = action->fuzz;
        switch (action->kind % 6) {
        case 0:
            return 0;
        case 1:
            fuzz->listeners[action->slot].reset();
            return 1;
        case 2:
            fuzz->Destroy(action->target % fuzz->surfaces.size());
            return 1;
        case 3:
            fuzz->Listen(action->target, action->target >> 2, action->target >> 1, action->target + 1);
            return 1;
        case 4:
            fuzz->Add(action->target, action->target, action->target, action->target, action->target);
            return 1;
        default:
            return 1;
        }
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto previous = platform::SetBackend(std::make_unique<platform::headless::HeadlessBackend>());
    Fuzz fuzz;
    fuzz.events = CreateEventService();
    CSubsystem_Input* input = CreateInputService();
    fuzz.root = new CSurface(256, 256, 0);
    fuzz.root->AddInternalRef();
    fuzz.surfaces.push_back(fuzz.root);
    fuzz.events->SetRoot(fuzz.root);

    FuzzBytes in(data, size);
    static constexpr int kMouseCodes[] = {kEventLeftDown, kEventLeftUp, kEventRightDown, kEventRightUp, kEventMouseMove};
    while (!in.Done()) {
        switch (in.Byte() % 6) {
        case 0:
            fuzz.Add(in.Byte(), in.Byte(), in.Byte(), in.Byte(), in.Byte());
            break;
        case 1:
            fuzz.Destroy(in.Byte() % fuzz.surfaces.size());
            break;
        case 2:
        case 3:
            fuzz.events->DispatchMouse(kMouseCodes[in.Byte() % 5], in.Byte(), in.Byte());
            break;
        case 4:
            fuzz.Listen(in.Byte(), in.Byte(), in.Byte(), in.Byte());
            break;
        default: {
            platform::Event event;
            const uint8_t kind = in.Byte();
            event.type = kind % 3 == 0 ? platform::EventType::KeyDown
                         : kind % 3 == 1 ? platform::EventType::KeyUp
                                         : platform::EventType::Char;
            event.key = in.Byte();
            event.ch = static_cast<uint8_t>(event.key);
            input->HandlePlatformEvent(event);
            break;
        }
        }
        if (!fuzz.Alive(fuzz.events->HoverSurface()) || !fuzz.Alive(fuzz.events->PressedSurface())) __builtin_trap();
    }

    fuzz.listeners.clear();
    while (fuzz.surfaces.size() > 1) fuzz.Destroy(fuzz.surfaces.size() - 1);
    fuzz.root->ReleaseInternalRef();
    DestroyInputService();
    DestroyEventService();
    platform::SetBackend(std::move(previous));
    return 0;
}
