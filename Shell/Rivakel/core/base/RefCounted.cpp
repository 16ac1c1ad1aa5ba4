#include "core/base/RefCounted.h"

#include <atomic>
#include <cassert>

#include "core/base/Log.h"

namespace {
// Objects may be made on worker threads too.
std::atomic<int> g_live{0};
}  // namespace

CRefCounted::CRefCounted() { g_live.fetch_add(1, std::memory_order_relaxed); }

CRefCounted::~CRefCounted() {
    g_live.fetch_sub(1, std::memory_order_relaxed);
    if (watcher_ != nullptr) watcher_->Ended(*this);
}

int CRefCounted::LiveCount() { return g_live.load(std::memory_order_relaxed); }

int CRefCounted::ReleaseInterfaceRef() {
    const int before = interfaceCount_;
    if (before <= 0 && internalCount_ > 0) {
        Warning("CRefCounted::ReleaseInterfaceRef below zero");
        assert(!"interface reference released twice");
    }
    interfaceCount_ = before > 0 ? before - 1 : 0;
    if (before <= 1 && internalCount_ == 0) {
        delete this;
        return 0;
    }
    return interfaceCount_;
}

int CRefCounted::ReleaseInternalRef() {
    const int before = internalCount_;
    if (before <= 0 && interfaceCount_ > 0) {
        Warning("CRefCounted::ReleaseInternalRef below zero");
        assert(!"internal reference released twice");
    }
    internalCount_ = before > 0 ? before - 1 : 0;
    if (before <= 1 && interfaceCount_ == 0) {
        delete this;
        return 0;
    }
    return internalCount_ + interfaceCount_;
}
