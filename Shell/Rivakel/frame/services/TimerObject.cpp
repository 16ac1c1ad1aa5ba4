#include "core/base/Timer.h"
#include "frame/api/ITimer.h"
#include "frame/boundary/AppletArguments.h"
#include "frame/boundary/InterfaceObject.h"
#include "frame/services/ServiceObjects.h"

namespace {

class TimerObject final : public InterfaceObject<ITimer, CTimer> {
public:
    using InterfaceObject::InterfaceObject;

    int Start() override { return inner()->Start(); }
    int Stop() override { return inner()->Stop(); }
    int Tick() override { return inner()->Tick(); }

    int SetClock(int selector) override {
        inner()->SetClock(selector == kTimerWallClock ? TimerClock::Wall : TimerClock::Game);
        return 0;
    }

    bool GetClock() override { return inner()->GetClock() == TimerClock::Wall; }
    int Restart() override { return inner()->Restart(); }

    int SetInterval(int ms) override {
        inner()->SetInterval(TimerInterval(ms));
        return 0;
    }
};

}  // namespace

ITimer* MakeTimerObject(CTimer* timer) { return timer != nullptr ? new TimerObject(timer) : nullptr; }
