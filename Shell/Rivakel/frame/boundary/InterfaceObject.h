// The one wrapper behind every interface object the shell hands to an applet.
#pragma once

#include <type_traits>

#include "core/base/RefCounted.h"
#include "frame/api/ShellObject.h"

class GameObjects;

class ShellObjectAccess {
public:
    static CRefCounted* Inner(const IShellObject* object) { return object != nullptr ? object->inner_ : nullptr; }
    static void SetInner(IShellObject& object, CRefCounted* inner) { object.inner_ = inner; }
};

// The shell object behind an interface argument; null for a null argument and for an interface
// object of another kind (a game that casts wrongly meets null, not a confused object).
template <class Inner>
Inner* Unwrap(const IShellObject* object) {
    static_assert(std::is_base_of_v<CRefCounted, Inner>);
    CRefCounted* inner = ShellObjectAccess::Inner(object);
    if constexpr (std::is_same_v<Inner, CRefCounted>) {
        return inner;
    } else {
        return dynamic_cast<Inner*>(inner);
    }
}

// Interface objects alive in the process; back to its old value after a game has stopped.
int LiveInterfaceObjects();

// The shell's side of every interface object it makes: counted, known to the game that made it
// (if one did), and possibly lent.
class BoundaryObject {
public:
    BoundaryObject(const BoundaryObject&) = delete;
    BoundaryObject& operator=(const BoundaryObject&) = delete;

    // The record's objects and the factory are lent to a game: it uses them but never ends
    // them. `name` names the object in the log.
    void Lend(const char* name) { lentName_ = name; }

protected:
    explicit BoundaryObject(IShellObject& self);
    virtual ~BoundaryObject();

    // Call once the object holds what it stands for: made inside a call into the game, it
    // becomes the game's.
    void Enlist(CRefCounted* inner, bool tookReference);
    // True, and logged, when game code asks to Release or Destroy a lent object.
    bool RefusesEnd(const char* operation) const;
    // Before the object gives back the interface reference it took.
    void ReturnsReference(CRefCounted* inner);

private:
    friend class GameObjects;
    IShellObject& self_;
    GameObjects* owner_ = nullptr;
    const char* lentName_ = nullptr;
    bool holdsReference_ = false;
};

// Lends an object the shell made (see BoundaryObject::Lend); null is ignored.
void LendToGame(IShellObject* object, const char* name);

// Whether a new interface object takes an interface reference on its shell object.
enum class Reference { Take, Borrow };

template <class Interface, class InnerType>
class InterfaceObject : public Interface, public BoundaryObject {
public:
    explicit InterfaceObject(InnerType* inner, Reference reference = Reference::Take)
        : BoundaryObject(static_cast<IShellObject&>(*this)) {
        static_assert(std::is_base_of_v<IShellObject, Interface>);
        ShellObjectAccess::SetInner(*this, inner);
        const bool took = inner != nullptr && reference == Reference::Take;
        if (took) inner->AddInterfaceRef();
        Enlist(inner, took);
    }
    ~InterfaceObject() override = default;

    // Every interface object lives on the heap, so destroying one without freeing it would
    // only lose its memory: both forms free it.
    IShellObject* Destroy(int /*flags*/) override {
        IShellObject* self = this;
        if (RefusesEnd("Destroy")) return self;
        delete this;
        return self;
    }

    int Release() override {
        if (RefusesEnd("Release")) return 0;
        CRefCounted* inner = ShellObjectAccess::Inner(this);
        if (inner == nullptr) return 0;
        ReturnsReference(inner);
        const int result = inner->ReleaseInterfaceRef();
        delete this;
        return result;
    }

protected:
    InnerType* inner() const { return static_cast<InnerType*>(ShellObjectAccess::Inner(this)); }
};
