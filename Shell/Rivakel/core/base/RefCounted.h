// Base of every shell object that an applet or a shell container can hold.
#pragma once

#include <atomic>

// Two counts: references held through applet interface objects and references held by the
// shell's own containers. The object deletes itself when a release leaves both at zero; an
// object whose counts are still zero is owned by its creator, who deletes it directly.
class CRefCounted {
public:
    CRefCounted() { ++live_; }
    CRefCounted(const CRefCounted&) = delete;
    CRefCounted& operator=(const CRefCounted&) = delete;
    virtual ~CRefCounted() { --live_; }

    // Shell objects alive in the process, for the checks that a game left nothing behind.
    static int LiveCount() { return live_.load(); }

    void AddInterfaceRef() { ++interfaceCount_; }
    void AddInternalRef() { ++internalCount_; }
    // Returns 0 when the object deleted itself, else the new interface count.
    int ReleaseInterfaceRef();
    // Returns 0 when the object deleted itself, else the new internal count plus the interface count.
    int ReleaseInternalRef();

    int InterfaceCount() const { return interfaceCount_; }
    int InternalCount() const { return internalCount_; }

private:
    static inline std::atomic<int> live_{0};
    int interfaceCount_ = 0;
    int internalCount_ = 0;
};
