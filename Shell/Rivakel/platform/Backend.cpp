// Picks the process's backend once, from RIVAKEL_PLATFORM.
#include <cstdlib>
#include <mutex>
#include <string>

#include "platform/Host.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/posix/CloseSignals.h"
#include "platform/sdl/SdlBackend.h"

namespace platform {
namespace {

struct BackendSlot {
    std::mutex mutex;
    // Held while a wake-up is posted, and with `mutex` to change `backend`: a post that never
    // returns (its display went away under it) stops later wake-ups, not the main thread.
    std::mutex wakeMutex;
    std::unique_ptr<Backend> backend;
    bool chosen = false;
};

BackendSlot& Slot() {
    static BackendSlot slot;
    return slot;
}

std::unique_ptr<Backend> ChooseBackend() {
    const char* variable = std::getenv("RIVAKEL_PLATFORM");
    std::string_view name = (variable != nullptr && *variable != '\0') ? variable : "sdl";
    // A portal run headless keeps the real time; tests that want a quick clock install their own.
    if (name == "headless") return std::make_unique<headless::HeadlessBackend>(headless::HeadlessBackend::Clock::Wall);
    if (name == "sdl") {
        std::string reason;
        auto backend = sdl::MakeSdlBackend(&reason);
        if (backend == nullptr) DebugOutput("Rivakel: no display, the sdl backend cannot start: " + reason + "\n");
        return backend;
    }
    DebugOutput("Rivakel: RIVAKEL_PLATFORM names no backend: " + std::string(name) + "\n");
    return nullptr;
}

bool EqualsNoCase(std::string_view text, std::string_view lower) {
    if (text.size() != lower.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != lower[i]) return false;
    }
    return true;
}

}  // namespace

Backend* GetBackend() {
    BackendSlot& slot = Slot();
    std::lock_guard lock(slot.mutex);
    if (!slot.chosen) {
        slot.chosen = true;
        std::unique_ptr<Backend> chosen = ChooseBackend();
        std::lock_guard wake(slot.wakeMutex);
        slot.backend = std::move(chosen);
    }
    return slot.backend.get();
}

std::unique_ptr<Backend> SetBackend(std::unique_ptr<Backend> backend) {
    BackendSlot& slot = Slot();
    std::lock_guard lock(slot.mutex);
    std::lock_guard wake(slot.wakeMutex);
    slot.chosen = true;
    std::swap(slot.backend, backend);
    return backend;
}

void WakeBackend() {
    BackendSlot& slot = Slot();
    std::lock_guard wake(slot.wakeMutex);
    // A user event no message is known by: it only ends the wait.
    if (slot.backend) slot.backend->PostUserEvent(0, 0, 0);
}

bool IsOpenableUrl(std::string_view url) {
    // Control characters have no place in an address and could split it on the way out.
    for (char c : url) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    }
    for (std::string_view scheme : {"http://", "https://", "mailto:"}) {
        if (url.size() > scheme.size() && EqualsNoCase(url.substr(0, scheme.size()), scheme)) return true;
    }
    return false;
}

}  // namespace platform
