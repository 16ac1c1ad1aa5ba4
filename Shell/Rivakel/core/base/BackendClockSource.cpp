#include "core/base/ClockSource.h"

#include "core/base/CSubsystem_Clock.h"
#include "core/base/Log.h"

namespace {

class BackendClockSource final : public ClockSource {
public:
    explicit BackendClockSource(platform::Backend& backend) : backend_(backend) {}
    uint32_t TickMs() override { return backend_.TickMs(); }
    platform::CalendarTime NowUtc() override { return backend_.NowUtc(); }

private:
    platform::Backend& backend_;
};

}  // namespace

std::unique_ptr<ClockSource> MakeBackendClockSource() {
    platform::Backend* backend = platform::GetBackend();
    if (backend == nullptr) return nullptr;
    return std::make_unique<BackendClockSource>(*backend);
}

CSubsystem_Clock* CreateClock() {
    auto source = MakeBackendClockSource();
    if (source == nullptr) {
        Error("Error - no time source in CreateClock");
        return nullptr;
    }
    return CreateClock(std::move(source));
}
