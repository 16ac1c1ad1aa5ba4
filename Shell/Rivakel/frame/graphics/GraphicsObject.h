// The wrapper behind every graphics interface object, and the helpers its slots share.
#pragma once

#include <vector>

#include "core/graphics/RenderTarget.h"
#include "frame/api/AppletResults.h"
#include "frame/boundary/AppletArguments.h"
#include "frame/boundary/InterfaceObject.h"

// An object that holds no reference must not give one back when released: its shell object
// may be owned outright by the shell and would be deleted under it.
template <class Interface, class InnerType>
class GraphicsObject : public InterfaceObject<Interface, InnerType> {
public:
    explicit GraphicsObject(InnerType* inner, Reference reference = Reference::Take)
        : InterfaceObject<Interface, InnerType>(inner, reference), borrowed_(reference == Reference::Borrow) {}

    // A borrowed object gives nothing back and never looks at its shell object, which its owner
    // may already have deleted.
    int Release() override {
        if (!borrowed_) return InterfaceObject<Interface, InnerType>::Release();
        if (this->RefusesEnd("Release")) return 0;
        delete this;
        return 0;
    }

private:
    bool borrowed_;
};

// A getter hands out an object it found in the tree; one that nothing counts yet belongs to its
// creator, and the new interface object only borrows it.
inline Reference ReferenceForFound(const CRefCounted& object) {
    return object.InterfaceCount() == 0 && object.InternalCount() == 0 ? Reference::Borrow : Reference::Take;
}

// Stores a new interface object over `inner` (null for null) through `out`, which may be null.
template <class Object, class Interface, class InnerType>
void StoreFound(Interface** out, InnerType* inner) {
    if (out == nullptr) return;
    *out = inner != nullptr ? new Object(inner, ReferenceForFound(*inner)) : nullptr;
}

// {from, to} pairs of 0xRRGGBB values; null or a count <= 0 is an empty list.
std::vector<ColorPair> ColorPairsFrom(int count, const int* pairs);

// ReplaceColors of every picture object: an empty list replaces nothing (0), an overlong one
// is refused unread.
template <class Target>
int ReplaceColoursIn(Target& target, int count, const int* pairs, const char* operation) {
    if (pairs != nullptr && count > 0 && !CountAccepted(count, kMaxColourPairs, operation))
        return applet::kUnknownObject;
    const std::vector<ColorPair> list = ColorPairsFrom(count, pairs);
    return list.empty() ? 0 : target.ReplaceColors(list);
}

// An out-pointer an applet may have left null.
inline void StoreInt(int* out, int value) {
    if (out != nullptr) *out = value;
}
