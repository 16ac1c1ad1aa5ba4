#include "frame/boundary/InterfaceObject.h"

#include "core/base/Log.h"
#include "frame/boundary/GameCall.h"
#include "frame/boundary/GameObjects.h"

namespace {
int g_live = 0;
}

int LiveInterfaceObjects() { return g_live; }

BoundaryObject::BoundaryObject(IShellObject& self) : self_(self) { ++g_live; }

BoundaryObject::~BoundaryObject() {
    if (owner_ != nullptr) owner_->Forget(*this);
    --g_live;
}

void BoundaryObject::Enlist(CRefCounted* inner, bool tookReference) {
    holdsReference_ = tookReference;
    if (GameObjects* game = GameObjects::Adopting()) game->Enlist(*this, inner, tookReference);
}

bool BoundaryObject::RefusesEnd(const char* operation) const {
    if (lentName_ == nullptr || !InsideGameCall()) return false;
    Warning("Warning - the game called %s on the %s it was lent; refused", operation, lentName_);
    return true;
}

void BoundaryObject::ReturnsReference(CRefCounted* inner) {
    if (!holdsReference_) return;
    holdsReference_ = false;
    if (owner_ != nullptr) owner_->ReferenceReturned(inner);
}

void LendToGame(IShellObject* object, const char* name) {
    if (auto* boundary = dynamic_cast<BoundaryObject*>(object)) boundary->Lend(name);
}
