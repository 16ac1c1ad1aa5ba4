#include "frame/boundary/AppletRecordObject.h"

#include <cstdarg>

#include "core/base/Log.h"
#include "core/base/LogLine.h"
#include "frame/boundary/InterfaceObject.h"
#include "frame/boundary/ShellRandom.h"
#include "platform/Host.h"

namespace {

class AppletRecordObject final : public AppletRecord, public BoundaryObject {
public:
    AppletRecordObject() : BoundaryObject(static_cast<IShellObject&>(*this)) { Lend("record"); }
    ~AppletRecordObject() override = default;
    AppletRecordObject(const AppletRecordObject&) = delete;
    AppletRecordObject& operator=(const AppletRecordObject&) = delete;

    IShellObject* Destroy(int /*flags*/) override {
        IShellObject* self = this;
        if (RefusesEnd("Destroy")) return self;
        delete this;
        return self;
    }

    // The record stands for no shell object, and the host still destroys it after the game.
    int Release() override {
        RefusesEnd("Release");
        return 0;
    }

    int Rand() override { return ShellRand(); }

    void DebugBreak() override {
        if (platform::DebugTrap()) return;
        static bool logged = false;
        if (logged) return;
        logged = true;
        Info("IUtility::DebugBreak called without a debugger attached; ignored");
    }

    void SRand(int seed) override { ShellSRand(seed); }

    void DebugOutput(const char* format, ...) override {
        va_list args;
        va_start(args, format);
        WriteLogLine(false, format, args);
        va_end(args);
    }
};

}  // namespace

AppletRecord* MakeAppletRecord() { return new AppletRecordObject(); }
