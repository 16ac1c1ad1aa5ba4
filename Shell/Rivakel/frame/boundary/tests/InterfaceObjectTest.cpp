#include "frame/boundary/InterfaceObject.h"

#include <gtest/gtest.h>

namespace {

class IProbe : public IShellObject {
public:
    virtual int Value() = 0;

protected:
    IProbe() = default;
    ~IProbe() override = default;
};

class Probe : public CRefCounted {
public:
    explicit Probe(bool* gone) : gone_(gone) {}
    ~Probe() override { *gone_ = true; }

private:
    bool* gone_;
};

class ProbeObject final : public InterfaceObject<IProbe, Probe> {
public:
    using InterfaceObject::InterfaceObject;
    int Value() override { return inner() != nullptr ? 7 : 0; }
};

TEST(InterfaceObject, EachObjectHoldsOneReferenceAndTheLastReleaseDeletesTheShellObject) {
    const int before = LiveInterfaceObjects();
    bool gone = false;
    auto* probe = new Probe(&gone);
    IProbe* first = new ProbeObject(probe);
    IProbe* second = new ProbeObject(probe);
    EXPECT_EQ(LiveInterfaceObjects(), before + 2);
    EXPECT_EQ(probe->InterfaceCount(), 2);
    EXPECT_EQ(Unwrap<Probe>(first), probe);
    EXPECT_EQ(first->Release(), 1);
    EXPECT_FALSE(gone);
    EXPECT_EQ(second->Value(), 7);
    EXPECT_EQ(second->Release(), 0);
    EXPECT_TRUE(gone);
    EXPECT_EQ(LiveInterfaceObjects(), before);
}

TEST(InterfaceObject, DestroyKeepsTheReferenceAndAnObjectOverNothingReleasesNothing) {
    bool gone = false;
    auto* probe = new Probe(&gone);
    IProbe* object = new ProbeObject(probe);
    object->Destroy(1);
    EXPECT_EQ(probe->InterfaceCount(), 1);
    IProbe* borrowed = new ProbeObject(probe, Reference::Borrow);
    EXPECT_EQ(probe->InterfaceCount(), 1);
    borrowed->Destroy(1);
    IProbe* empty = new ProbeObject(nullptr);
    EXPECT_EQ(empty->Release(), 0);
    empty->Destroy(1);
    EXPECT_EQ(probe->ReleaseInterfaceRef(), 0);
    EXPECT_TRUE(gone);
    EXPECT_EQ(Unwrap<Probe>(nullptr), nullptr);
}

}  // namespace
