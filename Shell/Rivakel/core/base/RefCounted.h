// Base of every shell object that an applet or a shell container can hold.
#pragma once

// Two counts: references held through applet interface objects and references held by the
// shell's own containers. The object deletes itself when a release leaves both at zero; an
// object whose counts are still zero is owned by its creator, who deletes it directly.
class CRefCounted {
public:
    CRefCounted() = default;
    CRefCounted(const CRefCounted&) = delete;
    CRefCounted& operator=(const CRefCounted&) = delete;
    virtual ~CRefCounted() = default;

    void AddInterfaceRef() { ++interfaceCount_; }
    void AddInternalRef() { ++internalCount_; }
    // Returns 0 when the object deleted itself, else the new interface count.
    int ReleaseInterfaceRef();
    // Returns 0 when the object deleted itself, else the new internal count plus the interface count.
    int ReleaseInternalRef();

    int InterfaceCount() const { return interfaceCount_; }
    int InternalCount() const { return internalCount_; }

private:
    int interfaceCount_ = 0;
    int internalCount_ = 0;
};
