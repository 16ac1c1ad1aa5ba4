#include "core/base/ShutdownFlag.h"

#include <atomic>

namespace {
std::atomic<bool> g_shutdown{false};
}

bool ShutdownRequested() { return g_shutdown.load(std::memory_order_acquire); }
void SetShutdownRequested(bool requested) { g_shutdown.store(requested, std::memory_order_release); }
