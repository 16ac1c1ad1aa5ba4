#include "core/base/RefCounted.h"

#include <gtest/gtest.h>

namespace {

struct Tracked : CRefCounted {
    explicit Tracked(bool& deleted) : deleted_(deleted) {}
    ~Tracked() override { deleted_ = true; }
    bool& deleted_;
};

TEST(RefCounted, InterfaceReleaseKeepsObjectWhileContainerHoldsIt) {
    bool deleted = false;
    auto* object = new Tracked(deleted);
    object->AddInterfaceRef();
    object->AddInternalRef();
    EXPECT_EQ(object->ReleaseInterfaceRef(), 0);
    EXPECT_FALSE(deleted);
    EXPECT_EQ(object->ReleaseInternalRef(), 0);
    EXPECT_TRUE(deleted);
}

TEST(RefCounted, LiveCountFollowsMakingAndDeleting) {
    const int before = CRefCounted::LiveCount();
    bool deleted = false;
    auto* object = new Tracked(deleted);
    EXPECT_EQ(CRefCounted::LiveCount(), before + 1);
    object->AddInternalRef();
    object->ReleaseInternalRef();
    EXPECT_EQ(CRefCounted::LiveCount(), before);
}

TEST(RefCounted, InternalReleaseOfUnreferencedObjectDeletesIt) {
    bool deleted = false;
    auto* object = new Tracked(deleted);
    EXPECT_EQ(object->ReleaseInternalRef(), 0);
    EXPECT_TRUE(deleted);
}

TEST(RefCounted, ReleaseResultsCountWhatRemains) {
    bool deleted = false;
    auto* object = new Tracked(deleted);
    object->AddInterfaceRef();
    object->AddInterfaceRef();
    object->AddInternalRef();
    object->AddInternalRef();
    EXPECT_EQ(object->ReleaseInterfaceRef(), 1);
    EXPECT_EQ(object->ReleaseInternalRef(), 2);  // one internal plus one interface
    EXPECT_EQ(object->ReleaseInternalRef(), 1);
    EXPECT_FALSE(deleted);
    EXPECT_EQ(object->ReleaseInterfaceRef(), 0);
    EXPECT_TRUE(deleted);
}

}  // namespace
