#include "core/net/NetMachine.h"

#include "platform/Platform.h"

namespace {

class PlatformNetMachine final : public INetMachine {
public:
    bool Start() override { return true; }
    bool NetworkAvailable() override { return platform::NetworkAvailable(); }
    std::optional<std::string> SystemProxy() override { return platform::SystemHttpProxy(); }
    std::unique_ptr<platform::StreamSocket> OpenSocket() override { return platform::OpenStreamSocket(); }
    std::unique_ptr<platform::HostLookup> StartLookup(const std::string& name) override {
        return platform::StartHostLookup(name);
    }
    uint32_t TickMs() override {
        platform::Backend* backend = platform::GetBackend();
        return backend != nullptr ? backend->TickMs() : 0;
    }
};

}  // namespace

std::unique_ptr<INetMachine> MakePlatformNetMachine() { return std::make_unique<PlatformNetMachine>(); }
