// The one wrapper behind every interface object the shell hands to an applet.
#pragma once

#include <type_traits>

#include "core/base/RefCounted.h"
#include "frame/api/ShellObject.h"

class ShellObjectAccess {
public:
    static CRefCounted* Inner(const IShellObject* object) { return object != nullptr ? object->inner_ : nullptr; }
    static void SetInner(IShellObject& object, CRefCounted* inner) { object.inner_ = inner; }
};

// The shell object behind an interface argument; null for a null argument.
template <class Inner>
Inner* Unwrap(const IShellObject* object) {
    static_assert(std::is_base_of_v<CRefCounted, Inner>);
    return static_cast<Inner*>(ShellObjectAccess::Inner(object));
}

// Interface objects alive in the process; back to its old value after a game has stopped.
int LiveInterfaceObjects();

namespace interface_detail {
void CountMade();
void CountGone();
}  // namespace interface_detail

// Whether a new interface object takes an interface reference on its shell object.
enum class Reference { Take, Borrow };

template <class Interface, class InnerType>
class InterfaceObject : public Interface {
public:
    explicit InterfaceObject(InnerType* inner, Reference reference = Reference::Take) {
        static_assert(std::is_base_of_v<IShellObject, Interface>);
        ShellObjectAccess::SetInner(*this, inner);
        if (inner != nullptr && reference == Reference::Take) inner->AddInterfaceRef();
        interface_detail::CountMade();
    }
    ~InterfaceObject() override { interface_detail::CountGone(); }

    // Every interface object lives on the heap, so destroying one without freeing it would
    // only lose its memory: both forms free it.
    IShellObject* Destroy(int /*flags*/) override {
        IShellObject* self = this;
        delete this;
        return self;
    }

    int Release() override {
        CRefCounted* inner = ShellObjectAccess::Inner(this);
        if (inner == nullptr) return 0;
        const int result = inner->ReleaseInterfaceRef();
        delete this;
        return result;
    }

protected:
    InnerType* inner() const { return static_cast<InnerType*>(ShellObjectAccess::Inner(this)); }
};
