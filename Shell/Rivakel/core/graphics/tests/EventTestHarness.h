// Shared set-up for the event tests: the headless backend, the session's event and input
// services, a root surface and a recorder of listener calls.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/CSubsystem_Input.h"
#include "core/graphics/Surface.h"
#include "platform/headless/HeadlessBackend.h"

namespace evt_test {

struct Recorder {
    std::vector<std::string> calls;
};

// A listener's context: its name, where it writes, and what it returns.
struct Probe {
    std::string name;
    Recorder* recorder = nullptr;
    int result = 1;
};

// Writes "name w2,w3" with the record's data words.
inline int RecordCall(intptr_t* record) {
    auto* probe = reinterpret_cast<Probe*>(record[0]);
    probe->recorder->calls.push_back(probe->name + " " + std::to_string(record[2]) + "," + std::to_string(record[3]));
    return probe->result;
}

class EventHarness {
public:
    EventHarness() {
        auto owned = std::make_unique<platform::headless::HeadlessBackend>();
        headless = owned.get();
        previous_ = platform::SetBackend(std::move(owned));
        events = CreateEventService();
        input = CreateInputService();
        root = new CSurface(800, 600, 0);
        root->AddInternalRef();
        events->SetRoot(root);
    }
    ~EventHarness() {
        root->ReleaseInternalRef();
        DestroyInputService();
        DestroyEventService();
        platform::SetBackend(std::move(previous_));
    }
    EventHarness(const EventHarness&) = delete;
    EventHarness& operator=(const EventHarness&) = delete;

    // A child of `parent` at (x, y); the parent holds it.
    CSurface* Child(CSurface* parent, int x, int y, int width, int height, unsigned flags = 0) {
        auto* surface = new CSurface(width, height, flags);
        surface->SetLoc(x, y);
        parent->AttachSurface(surface);
        return surface;
    }

    platform::headless::HeadlessBackend* headless = nullptr;
    CSubsystem_Event* events = nullptr;
    CSubsystem_Input* input = nullptr;
    CSurface* root = nullptr;

private:
    std::unique_ptr<platform::Backend> previous_;
};

}  // namespace evt_test
