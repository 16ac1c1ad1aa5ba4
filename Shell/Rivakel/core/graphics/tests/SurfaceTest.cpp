#include "core/graphics/Surface.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "core/graphics/Anim.h"
#include "core/graphics/ImageSeq.h"
#include "core/graphics/tests/SurfaceTestServices.h"

namespace {

// An event service that records what surfaces ask of it and can run code when one goes.
class RecordingEvents final : public ISurfaceEvents {
public:
    CRefCounted* RegisterSurfaceEvent(CSurface& /*surface*/, int code) override {
        codes.push_back(code);
        auto* event = new CountedEvent(*this);
        event->AddInternalRef();
        ++liveEvents;
        return event;
    }
    void SurfaceGone(CSurface& surface) override {
        gone.push_back(&surface);
        if (onGone) onGone(surface);
    }

    std::vector<int> codes;
    std::vector<CSurface*> gone;
    std::function<void(CSurface&)> onGone;
    int liveEvents = 0;

private:
    class CountedEvent final : public CRefCounted {
    public:
        explicit CountedEvent(RecordingEvents& owner) : owner_(owner) {}
        ~CountedEvent() override { --owner_.liveEvents; }

    private:
        RecordingEvents& owner_;
    };
};

class SurfaceTest : public ::testing::Test {
protected:
    SurfaceTest() { CurrentSurfaceServices().events = &events_; }

    static CSurface* Box(int width, int height, int x = 0, int y = 0) {
        auto* surface = new CSurface(width, height, 0);
        surface->SetLoc(x, y);
        return surface;
    }

    static CSurface* Hit(CSurface& root, int x, int y) {
        CSurface* out = nullptr;
        root.HitTest(x, y, out);
        return out;
    }

    SurfaceTestServices services_;
    RecordingEvents events_;
};

TEST_F(SurfaceTest, AttachRefusesNullSelfAndAncestors) {
    Held root(Box(100, 100));
    CSurface* child = Box(10, 10);
    CSurface* grandchild = Box(5, 5);
    ASSERT_EQ(root->AttachSurface(child), 0);
    ASSERT_EQ(child->AttachSurface(grandchild), 0);

    EXPECT_EQ(root->AttachSurface(nullptr), kSurfaceRefused);
    EXPECT_EQ(root->AttachSurface(root.get()), kSurfaceRefused);
    EXPECT_EQ(grandchild->AttachSurface(root.get()), kSurfaceRefused);
    EXPECT_EQ(grandchild->AttachSurface(child), kSurfaceRefused);
    EXPECT_EQ(child->Parent(), root.get());
    EXPECT_EQ(root->Children().size(), 1u);
    EXPECT_EQ(Hit(*root.get(), 5, 5), grandchild);
    EXPECT_EQ(Hit(*root.get(), 8, 8), child);
}

TEST_F(SurfaceTest, AttachingToASecondParentMovesTheChild) {
    Held first(Box(100, 100));
    Held second(Box(100, 100));
    Held child(Box(10, 10));
    first->AttachSurface(child.get());
    EXPECT_EQ(second->AttachSurface(child.get()), 0);
    EXPECT_TRUE(first->Children().empty());
    ASSERT_EQ(second->Children().size(), 1u);
    EXPECT_EQ(child->Parent(), second.get());
    EXPECT_EQ(child->InternalCount(), 2);

    // Attaching it again where it is only puts it on top.
    CSurface* other = Box(10, 10);
    second->AttachSurface(other);
    second->AttachSurface(child.get());
    EXPECT_EQ(second->Children().back(), child.get());
    EXPECT_EQ(second->Children().size(), 2u);
    EXPECT_EQ(child->InternalCount(), 2);
}

TEST_F(SurfaceTest, DetachReleasesTheParentsReferenceAndRefusesStrangers) {
    Held root(Box(100, 100));
    CSurface* child = Box(10, 10);
    root->AttachSurface(child);
    Held stranger(Box(10, 10));
    EXPECT_EQ(root->DetachSurface(stranger.get()), kSurfaceUnknownChild);
    EXPECT_EQ(root->DetachSurface(nullptr), kSurfaceUnknownChild);
    EXPECT_EQ(root->BringToFront(stranger.get()), kSurfaceUnknownChild);
    EXPECT_EQ(root->SendToBack(stranger.get()), kSurfaceUnknownChild);
    EXPECT_EQ(stranger->Parent(), nullptr);

    EXPECT_EQ(root->DetachSurface(child), 0);
    EXPECT_EQ(events_.gone.size(), 1u);
    EXPECT_EQ(events_.gone[0], child);
    EXPECT_TRUE(root->Children().empty());
}

TEST_F(SurfaceTest, DestroyingASurfaceThatIsGoneDuringDetachAllIsSafe) {
    Held root(Box(100, 100));
    Held parent(Box(50, 50));
    root->AttachSurface(parent.get());
    CSurface* a = Box(10, 10);
    CSurface* b = Box(10, 10);
    CSurface* c = Box(10, 10);
    parent->AttachSurface(a);
    parent->AttachSurface(b);
    parent->AttachSurface(c);
    // When the first child goes, a listener detaches the last one and drops the parent itself.
    bool once = true;
    events_.onGone = [&](CSurface& gone) {
        if (&gone != a || !once) return;
        once = false;
        parent->DetachSurface(c);
        root->DetachSurface(parent.get());
        parent.Release();
    };
    CSurface* observed = nullptr;
    parent->GetParent(observed);
    EXPECT_EQ(observed, root.get());
    CSurface* dying = parent.get();
    dying->DetachAll();
    EXPECT_TRUE(root->Children().empty());
    EXPECT_EQ(events_.gone.size(), 4u);
}

TEST_F(SurfaceTest, WrongKeysChangeNothing) {
    Held surface(Box(10, 10, 3, 4));
    int key = 0, other = 0;
    ASSERT_EQ(surface->Protect(nullptr, &key), 0);
    EXPECT_EQ(surface->SetLoc(50, 60, nullptr), kSurfaceWrongKey);
    EXPECT_EQ(surface->SetLoc(50, 60, &other), kSurfaceWrongKey);
    EXPECT_EQ(surface->SetVisible(false, &other), kSurfaceWrongKey);
    EXPECT_EQ(surface->Protect(&other, nullptr), kSurfaceWrongKey);
    int x = 0, y = 0;
    surface->GetLoc(x, y);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 4);
    EXPECT_TRUE(surface->IsVisible());

    EXPECT_EQ(surface->SetLoc(50, 60, &key), 0);
    EXPECT_EQ(surface->SetVisible(false, &key), 0);
    EXPECT_EQ(surface->Protect(&key, nullptr), 0);
    EXPECT_EQ(surface->SetLoc(1, 1), 0);
}

TEST_F(SurfaceTest, ChildrenAreHitOnePixelRightAndBelowTheirPicture) {
    Held root(Box(100, 100));
    CSurface* child = Box(10, 10);
    root->AttachSurface(child);
    EXPECT_EQ(Hit(*root.get(), 1, 5), child);
    EXPECT_EQ(Hit(*root.get(), 10, 10), child);
    EXPECT_EQ(Hit(*root.get(), 11, 5), root.get());
    EXPECT_EQ(Hit(*root.get(), 5, 11), root.get());
    // The root itself needs the point strictly inside its rectangle.
    EXPECT_EQ(Hit(*root.get(), 0, 5), nullptr);
    EXPECT_EQ(Hit(*root.get(), 100, 50), nullptr);
}

TEST_F(SurfaceTest, LaterChildrenAreOnTopUntilReordered) {
    Held root(Box(100, 100));
    CSurface* first = Box(20, 20, 10, 10);
    CSurface* second = Box(20, 20, 15, 15);
    root->AttachSurface(first);
    root->AttachSurface(second);
    EXPECT_EQ(Hit(*root.get(), 20, 20), second);
    EXPECT_EQ(root->BringToFront(first), 0);
    EXPECT_EQ(Hit(*root.get(), 20, 20), first);
    EXPECT_EQ(root->SendToBack(first), 0);
    EXPECT_EQ(Hit(*root.get(), 20, 20), second);
    EXPECT_EQ(root->Children().front(), first);
}

TEST_F(SurfaceTest, HiddenAndNoHitSurfacesAreSkippedWithTheirChildren) {
    Held root(Box(100, 100));
    CSurface* under = Box(40, 40);
    CSurface* over = Box(40, 40);
    CSurface* inner = Box(10, 10, 5, 5);
    root->AttachSurface(under);
    root->AttachSurface(over);
    over->AttachSurface(inner);
    EXPECT_EQ(Hit(*root.get(), 8, 8), inner);
    over->SetNoHit(true);
    EXPECT_EQ(Hit(*root.get(), 8, 8), under);
    over->SetNoHit(false);
    over->SetVisible(false);
    EXPECT_EQ(Hit(*root.get(), 8, 8), under);
    under->SetVisible(false);
    EXPECT_EQ(Hit(*root.get(), 8, 8), root.get());
}

TEST_F(SurfaceTest, InteractiveSurfaceWithoutPictureCleansUpEverything) {
    {
        Held broken(new CSurface("img-missing-10x10.gif", CSurface::kFlagInteractive));
        EXPECT_FALSE(broken->IsValid());
        EXPECT_TRUE(broken->IsInteractive());
        EXPECT_EQ(events_.codes, (std::vector<int>{kSurfaceEnterEvent, kSurfaceLeaveEvent}));
        EXPECT_EQ(events_.liveEvents, 2);
        int width = -1, height = -1;
        broken->GetSize(width, height);
        EXPECT_EQ(width, 0);
        EXPECT_EQ(broken->StartAnim(), kSurfaceRefused);
        Held root(Box(50, 50));
        root->AttachSurface(broken.get());
        EXPECT_EQ(Hit(*root.get(), 1, 1), root.get());
        root->DetachSurface(broken.get());
    }
    EXPECT_EQ(events_.liveEvents, 0);
    EXPECT_EQ(events_.gone.size(), 2u);
}

TEST_F(SurfaceTest, SelectAnimOutsideTheListChangesNothing) {
    Held surface(Box(10, 10));
    auto* big = new CAnim(new CImageSeq(new CImage(nullptr, 30, 20, 0)));
    EXPECT_EQ(surface->AddAnim(big), 0);
    EXPECT_EQ(surface->AnimCount(), 2u);
    EXPECT_EQ(surface->SelectAnim(2), kSurfaceUnknownChild);
    EXPECT_EQ(surface->SelectAnim(-1), kSurfaceUnknownChild);
    int width = 0, height = 0;
    surface->GetSize(width, height);
    EXPECT_EQ(width, 10);
    EXPECT_EQ(surface->SelectAnim(1), 0);
    surface->GetSize(width, height);
    EXPECT_EQ(width, 30);
    EXPECT_EQ(height, 20);
}

TEST_F(SurfaceTest, DetachingMarksWhereTheChildWasInsideAMovedParent) {
    Held root(Box(400, 400));
    CSurface* parent = Box(100, 100, 200, 150);
    CSurface* child = Box(10, 10, 5, 5);
    root->AttachSurface(parent);
    parent->AttachSurface(child);
    services_.Video().ClearDirty();
    parent->DetachSurface(child);
    EXPECT_TRUE(services_.Video().IsAreaDirty({206, 156, 214, 164}));
}

TEST_F(SurfaceTest, ReplaceColorsRecoloursEveryAnimationAndMarksTheShownArea) {
    Held surface(Box(4, 4, 20, 30));
    auto* other = new CAnim(new CImageSeq(new CImage(nullptr, 6, 6, 0)));
    surface->AddAnim(other);
    surface->GetCurImage()->ClearToColor(10, 20, 30);
    other->CurrentImage()->ClearToColor(10, 20, 30);
    services_.Video().ClearDirty();

    const ColorPair pair{0x0A141E, 0x00FF00};
    EXPECT_EQ(surface->ReplaceColors({&pair, 1}), 0);
    EXPECT_EQ(surface->GetCurImage()->GetRenderTarget().Pixel(1, 1), 0x00FF00u);
    EXPECT_EQ(other->CurrentImage()->GetRenderTarget().Pixel(5, 5), 0x00FF00u);
    EXPECT_TRUE(services_.Video().IsAreaDirty({21, 31, 22, 32}));
}

TEST_F(SurfaceTest, DestroyingReleasesOwnedObjectsAndLeavesItsAnimations) {
    struct Owned : CRefCounted {
        explicit Owned(int& gone) : gone_(gone) {}
        ~Owned() override { ++gone_; }
        int& gone_;
    };
    int gone = 0;
    auto* anim = new CAnim(new CImageSeq(new CImage(nullptr, 3, 3, 0)));
    Held kept(anim);
    {
        Held surface(new CSurface(anim, 0));
        for (int i = 0; i < 2; ++i) {
            auto* object = new Owned(gone);
            object->AddInternalRef();
            surface->AddOwnedObject(object);
        }
        EXPECT_EQ(anim->OwnerCount(), 1u);
    }
    EXPECT_EQ(gone, 2);
    EXPECT_EQ(anim->OwnerCount(), 0u);
    EXPECT_EQ(anim->InternalCount(), 1);
}

// Random tree edits, reparenting and cycles included: every surface sits in at most one child
// list, agrees with its parent, and the tree has no cycle.
TEST_F(SurfaceTest, RandomTreeEditsKeepTheTreeConsistent) {
    std::mt19937 random(11);
    std::vector<CSurface*> pool;
    for (int i = 0; i < 12; ++i) {
        pool.push_back(Box(10 + i, 10, i * 3, i * 2));
        pool.back()->AddInternalRef();
    }
    const auto pick = [&] { return pool[random() % pool.size()]; };
    for (int round = 0; round < 3000; ++round) {
        CSurface* a = pick();
        CSurface* b = pick();
        switch (random() % 5) {
            case 0: a->AttachSurface(b); break;
            case 1: a->DetachSurface(a->Children().empty() || random() % 4 == 0 ? b : a->Children()[0]); break;
            case 2: a->BringToFront(b); break;
            case 3: a->SendToBack(b); break;
            default: a->DetachAll(); break;
        }
        for (CSurface* s : pool) {
            int listed = 0;
            for (CSurface* p : pool)
                for (CSurface* c : p->Children()) listed += c == s ? 1 : 0;
            ASSERT_EQ(listed, s->Parent() != nullptr ? 1 : 0) << "round " << round;
            if (s->Parent() != nullptr) {
                const auto siblings = s->Parent()->Children();
                ASSERT_NE(std::find(siblings.begin(), siblings.end(), s), siblings.end());
            }
            int depth = 0;
            for (CSurface* at = s; at != nullptr; at = at->Parent()) ASSERT_LT(++depth, 20);
            ASSERT_EQ(s->InternalCount(), s->Parent() != nullptr ? 2 : 1);
        }
        CSurface* out = nullptr;
        a->HitTest(static_cast<int>(random() % 40), static_cast<int>(random() % 40), out);
    }
    for (CSurface* s : pool) s->DetachAll();
    for (CSurface* s : pool) {
        CSurface* parent = s->Parent();
        if (parent != nullptr) parent->DetachSurface(s);
    }
    for (CSurface* s : pool) EXPECT_EQ(s->ReleaseInternalRef(), 0);
}

}  // namespace
