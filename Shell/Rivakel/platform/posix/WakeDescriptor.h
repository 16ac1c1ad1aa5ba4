// A descriptor another thread makes readable to end a wait on descriptors; drained to reuse.
#pragma once

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

#include "platform/posix/FileDescriptor.h"

namespace platform::posix {

class WakeDescriptor {
public:
    WakeDescriptor() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}
    int Get() const { return fd_.Get(); }
    void Notify() const {
        const uint64_t one = 1;
        (void)!::write(fd_.Get(), &one, sizeof one);
    }
    void Drain() const {
        uint64_t count = 0;
        (void)!::read(fd_.Get(), &count, sizeof count);
    }

private:
    FileDescriptor fd_;
};

}  // namespace platform::posix
