#include "core/base/RefCounted.h"

#include <cassert>

#include "core/base/Log.h"

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
