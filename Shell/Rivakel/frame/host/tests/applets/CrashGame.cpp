// A game module that crashes on purpose, for the error report's tests. Which crash it makes is
// chosen when it is built:
//   CRASH_GAME_NULL_WRITE  writes through a null pointer while starting
//   CRASH_GAME_ABORT       aborts while starting
//   CRASH_GAME_OVERFLOW    recurses without end while starting
//   CRASH_GAME_ON_TICK     starts cleanly and writes through a null pointer in its first timer tick
// The crashing functions are left alone by the sanitizers, so that the fault really happens.
#include <cstdlib>

#include "frame/api/AppletRecord.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ITimer.h"

#define CRASH_GAME_EXPORT extern "C" __attribute__((visibility("default")))
#define CRASH_FUNCTION [[maybe_unused]] __attribute__((noinline, no_sanitize("address", "undefined")))

namespace {

ITimer* g_timer = nullptr;
// Read at run time, so the compiler can neither see the null pointer nor the endless recursion.
int* volatile g_nowhere = nullptr;
volatile int g_depthLimit = 1 << 30;

CRASH_FUNCTION void WriteThroughNullPointer() { *g_nowhere = 1; }

CRASH_FUNCTION void AbortOnPurpose() { std::abort(); }

CRASH_FUNCTION int RecurseWithoutEnd(int depth) {
    volatile char frame[256];
    frame[0] = static_cast<char>(depth);
    return depth < g_depthLimit ? RecurseWithoutEnd(depth + 1) + frame[0] : 0;
}

CRASH_FUNCTION int CrashOnTick(intptr_t*) {
    *g_nowhere = 2;
    return 1;
}

}  // namespace

CRASH_GAME_EXPORT int Shell_StartApplet(AppletRecord* record) {
#if defined(CRASH_GAME_NULL_WRITE)
    WriteThroughNullPointer();
#elif defined(CRASH_GAME_ABORT)
    AbortOnPurpose();
#elif defined(CRASH_GAME_OVERFLOW)
    RecurseWithoutEnd(0);
#elif defined(CRASH_GAME_ON_TICK)
    g_timer = record->factory->CreateTimer(nullptr, 20, CrashOnTick);
    g_timer->Start();
#endif
    (void)record;
    return 0;
}

CRASH_GAME_EXPORT int Shell_StopApplet(AppletRecord*) {
    if (g_timer != nullptr) g_timer->Release();
    g_timer = nullptr;
    return 0;
}
