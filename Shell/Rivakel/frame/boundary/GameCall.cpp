#include "frame/boundary/GameCall.h"

#include <utility>

#include "core/base/Log.h"

namespace {

int g_depth = 0;
std::function<void()> g_waiting;

}  // namespace

GameCallScope::GameCallScope() { ++g_depth; }

GameCallScope::~GameCallScope() {
    if (--g_depth > 0 || !g_waiting) return;
    // Taken first: the action may call into the game again.
    std::function<void()> action = std::exchange(g_waiting, nullptr);
    action();
}

bool InsideGameCall() { return g_depth > 0; }

void RunOutsideGameCalls(std::function<void()> action) {
    if (g_depth > 0) {
        g_waiting = std::move(action);
        return;
    }
    action();
}

bool ActionWaitsForGameCalls() { return static_cast<bool>(g_waiting); }

void LogGameException(const char* what) { Error("Error - %s let an exception out; it was stopped there", what); }
