// Base of every shell object that an applet or a shell container can hold.
#pragma once

class CRefCounted;

// Hears of the end of the objects it watches (the game host keeps track of a game's objects so).
class RefCountedWatcher {
public:
    // Called from the object's destructor, when only its CRefCounted part is left.
    virtual void Ended(CRefCounted& object) = 0;

protected:
    RefCountedWatcher() = default;
    RefCountedWatcher(const RefCountedWatcher&) = default;
    RefCountedWatcher& operator=(const RefCountedWatcher&) = default;
    ~RefCountedWatcher() = default;
};

// Two counts: references held through applet interface objects and references held by the
// shell's own containers. The object deletes itself when a release leaves both at zero; an
// object whose counts are still zero is owned by its creator, who deletes it directly.
class CRefCounted {
public:
    CRefCounted();
    CRefCounted(const CRefCounted&) = delete;
    CRefCounted& operator=(const CRefCounted&) = delete;
    // Tells the watcher, if any.
    virtual ~CRefCounted();

    void AddInterfaceRef() { ++interfaceCount_; }
    void AddInternalRef() { ++internalCount_; }
    // Returns 0 when the object deleted itself, else the new interface count.
    int ReleaseInterfaceRef();
    // Returns 0 when the object deleted itself, else the new internal count plus the interface count.
    int ReleaseInternalRef();

    int InterfaceCount() const { return interfaceCount_; }
    int InternalCount() const { return internalCount_; }

    // One watcher at a time; null ends the watch.
    void SetWatcher(RefCountedWatcher* watcher) { watcher_ = watcher; }
    RefCountedWatcher* Watcher() const { return watcher_; }
    // Objects alive in the process.
    static int LiveCount();

private:
    RefCountedWatcher* watcher_ = nullptr;
    int interfaceCount_ = 0;
    int internalCount_ = 0;
};
