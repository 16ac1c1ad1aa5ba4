#include <gtest/gtest.h>

#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/tests/EventTestHarness.h"

using namespace evt_test;

namespace {

constexpr unsigned kInteractive = CSurface::kFlagInteractive;

// Listens on every mouse code of a surface under the surface's name.
struct SurfaceProbe {
    SurfaceProbe(EventHarness& h, CSurface* surface, const std::string& name, Recorder& rec) {
        for (int code : {kEventLeftDown, kEventLeftUp, kEventMouseMove, kEventEnter, kEventLeave, kEventClick}) {
            probes.push_back(std::make_unique<Probe>(Probe{name + "." + std::to_string(code), &rec}));
            listeners.push_back(h.events->Listen(surface, code, probes.back().get(), RecordCall));
        }
    }
    std::vector<std::unique_ptr<Probe>> probes;
    std::vector<ListenerPtr> listeners;
};

// A screen that replaces itself when clicked: the old surface goes, a new one takes its place.
struct Screen {
    EventHarness* h;
    CSurface* surface = nullptr;
    ListenerPtr click;
    Recorder* rec;
    int generation = 0;

    void Build() {
        surface = h->Child(h->root, 100, 100, 50, 50, kInteractive);
        click = h->events->Listen(surface, kEventClick, this, OnClick);
        probe = std::make_unique<SurfaceProbe>(*h, surface, "s" + std::to_string(generation), *rec);
    }
    static int OnClick(intptr_t* record) {
        auto* self = reinterpret_cast<Screen*>(record[0]);
        self->probe.reset();
        self->click.reset();
        self->h->root->DetachSurface(self->surface);
        ++self->generation;
        self->Build();
        return 1;
    }
    std::unique_ptr<SurfaceProbe> probe;
};

}  // namespace

TEST(MouseDispatchTest, PressAndReleaseOnOneSurfaceGiveDownUpClick) {
    EventHarness h;
    Recorder rec;
    CSurface* a = h.Child(h.root, 10, 10, 50, 50, kInteractive);
    SurfaceProbe pa(h, a, "A", rec);
    h.events->DispatchMouse(kEventMouseMove, 20, 20);
    h.events->DispatchMouse(kEventLeftDown, 20, 20);
    h.events->DispatchMouse(kEventLeftUp, 21, 22);
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"A.7 10,10", "A.8 10,10", "A.1 10,10", "A.2 11,12", "A.10 11,12"}));
    EXPECT_EQ(h.events->PressedSurface(), nullptr);
    EXPECT_EQ(h.events->HoverSurface(), a);
}

TEST(MouseDispatchTest, PressOnOneReleaseOnAnotherGivesNoClick) {
    EventHarness h;
    Recorder rec;
    CSurface* a = h.Child(h.root, 10, 10, 50, 50, kInteractive);
    CSurface* b = h.Child(h.root, 100, 10, 50, 50, kInteractive);
    SurfaceProbe pa(h, a, "A", rec);
    SurfaceProbe pb(h, b, "B", rec);
    h.events->DispatchMouse(kEventMouseMove, 20, 20);
    h.events->DispatchMouse(kEventLeftDown, 20, 20);
    rec.calls.clear();
    h.events->DispatchMouse(kEventMouseMove, 120, 20);
    // Moves reach A in A's coordinates; B gets neither moves nor an enter while A is held.
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"A.7 110,10", "A.9 110,10"}));
    rec.calls.clear();
    h.events->DispatchMouse(kEventLeftUp, 120, 20);
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"A.2 110,10", "B.8 20,10"}));
    // B is hovered now and gets its leave when the pointer goes.
    rec.calls.clear();
    h.events->DispatchMouse(kEventMouseMove, 400, 400);
    EXPECT_EQ(rec.calls, std::vector<std::string>{"B.9 400,400"});
}

TEST(MouseDispatchTest, CaptureIsHeldFromPressToRelease) {
    std::vector<bool> captures;
    EventHarness h;
    DestroyEventService();
    h.events = CreateEventService({.stopping = {}, .capture = [&](bool c) { captures.push_back(c); }, .paused = {}});
    h.events->SetRoot(h.root);
    h.events->DispatchMouse(kEventLeftDown, 5, 5);
    h.events->DispatchMouse(kEventMouseMove, -50, 900);
    h.events->DispatchMouse(kEventLeftUp, -50, 900);
    EXPECT_EQ(captures, (std::vector<bool>{true, false}));
}

TEST(MouseDispatchTest, NoDispatchWhileTheSessionStops) {
    EventHarness h;
    DestroyEventService();
    h.events = CreateEventService({.stopping = [] { return true; }, .capture = {}, .paused = {}});
    h.events->SetRoot(h.root);
    Recorder rec;
    CSurface* a = h.Child(h.root, 10, 10, 50, 50, kInteractive);
    SurfaceProbe pa(h, a, "A", rec);
    h.events->DispatchMouse(kEventLeftDown, 20, 20);
    EXPECT_TRUE(rec.calls.empty());
}

TEST(MouseDispatchTest, ModalRectangleKeepsInputOutsideFromEveryone) {
    EventHarness h;
    Recorder rec;
    CSurface* a = h.Child(h.root, 10, 10, 50, 50, kInteractive);
    CSurface* dialog = h.Child(h.root, 200, 200, 100, 100, kInteractive);
    SurfaceProbe pa(h, a, "A", rec);
    SurfaceProbe pd(h, dialog, "D", rec);
    int outsidePresses = 0;
    h.events->SetModalRect(200, 200, 300, 300, [&] { ++outsidePresses; });
    h.events->DispatchMouse(kEventMouseMove, 20, 20);
    h.events->DispatchMouse(kEventLeftDown, 20, 20);
    h.events->DispatchMouse(kEventLeftUp, 20, 20);
    EXPECT_TRUE(rec.calls.empty());
    EXPECT_EQ(outsidePresses, 1);
    EXPECT_EQ(h.events->HoverSurface(), nullptr);
    h.events->DispatchMouse(kEventLeftDown, 250, 250);
    EXPECT_EQ(rec.calls, std::vector<std::string>{"D.1 50,50"});
    h.events->ClearModalRect();
    h.events->DispatchMouse(kEventLeftUp, 20, 20);
    h.events->DispatchMouse(kEventMouseMove, 20, 20);
    EXPECT_EQ(h.events->HoverSurface(), a);
}

TEST(MouseDispatchTest, LeaveListenerReturningZeroStopsOnlyTheLeaves) {
    EventHarness h;
    Recorder rec;
    CSurface* a = h.Child(h.root, 10, 10, 50, 50, kInteractive);
    CSurface* b = h.Child(h.root, 100, 10, 50, 50, kInteractive);
    Probe stop{"A.leave1", &rec, 0}, more{"A.leave2", &rec}, enter{"B.enter", &rec};
    ListenerPtr l1 = h.events->Listen(a, kEventLeave, &stop, RecordCall);
    ListenerPtr l2 = h.events->Listen(a, kEventLeave, &more, RecordCall);
    ListenerPtr l3 = h.events->Listen(b, kEventEnter, &enter, RecordCall);
    h.events->DispatchMouse(kEventMouseMove, 20, 20);
    h.events->DispatchMouse(kEventMouseMove, 120, 20);
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"A.leave1 20,10", "B.enter 20,10"}));
    EXPECT_EQ(h.events->HoverSurface(), b);
}

TEST(MouseDispatchTest, TopmostChildIsHitAndCoordinatesAreLocal) {
    EventHarness h;
    Recorder rec;
    CSurface* parent = h.Child(h.root, 100, 100, 200, 200);
    CSurface* under = h.Child(parent, 10, 10, 50, 50);
    CSurface* over = h.Child(parent, 30, 30, 50, 50);
    Probe pu{"under", &rec}, po{"over", &rec};
    ListenerPtr lu = h.events->Listen(under, kEventLeftDown, &pu, RecordCall);
    ListenerPtr lo = h.events->Listen(over, kEventLeftDown, &po, RecordCall);
    h.events->DispatchMouse(kEventLeftDown, 145, 145);
    h.events->DispatchMouse(kEventLeftUp, 145, 145);
    h.events->DispatchMouse(kEventLeftDown, 115, 115);
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"over 15,15", "under 5,5"}));
}

TEST(MouseDispatchTest, ScreenReplacingItselfOnClickKeepsTheOldClick) {
    EventHarness h;
    Recorder rec;
    Screen screen{&h, nullptr, {}, &rec, 0, {}};
    screen.Build();
    for (int round = 0; round < 3; ++round) {
        rec.calls.clear();
        h.events->DispatchMouse(kEventMouseMove, 120, 120);
        h.events->DispatchMouse(kEventLeftDown, 120, 120);
        h.events->DispatchMouse(kEventLeftUp, 120, 120);
        const std::string old = "s" + std::to_string(round);
        const std::string fresh = "s" + std::to_string(round + 1);
        for (const std::string& call : rec.calls) {
            // The new screen sees only the move that follows its arrival, never the old press.
            if (call.rfind(fresh, 0) == 0) {
                EXPECT_TRUE(call.rfind(fresh + ".7", 0) == 0 || call.rfind(fresh + ".8", 0) == 0) << call;
            }
        }
        EXPECT_EQ(screen.generation, round + 1);
        EXPECT_EQ(h.events->PressedSurface(), nullptr);
        EXPECT_EQ(h.events->HoverSurface(), screen.surface);
    }
}

TEST(MouseDispatchTest, HoverSurfaceDestroyedElsewhereIsForgotten) {
    EventHarness h;
    Recorder rec;
    CSurface* a = h.Child(h.root, 10, 10, 50, 50, kInteractive);
    h.events->DispatchMouse(kEventMouseMove, 20, 20);
    h.events->DispatchMouse(kEventLeftDown, 20, 20);
    ASSERT_EQ(h.events->HoverSurface(), a);
    ASSERT_EQ(h.events->PressedSurface(), a);
    h.root->DetachSurface(a);
    EXPECT_EQ(h.events->HoverSurface(), nullptr);
    EXPECT_EQ(h.events->PressedSurface(), nullptr);
    // A new surface at the same place starts clean: no click from the old press.
    CSurface* b = h.Child(h.root, 10, 10, 50, 50, kInteractive);
    SurfaceProbe pb(h, b, "B", rec);
    h.events->DispatchMouse(kEventLeftUp, 20, 20);
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"B.2 10,10", "B.8 10,10"}));
}

TEST(MouseDispatchTest, PressInsideGameAreaGivesKeyboardToTheWindow) {
    struct Focus : IKeyFocus {
        void OnKeyDown(int) override {}
        void OnChar(uint8_t) override {}
        void OnKeyUp(int) override {}
        void OnFocusChanged(bool f) override { focused = f; }
        bool focused = false;
    } focus;
    EventHarness h;
    CSurface* area = h.Child(h.root, 50, 50, 500, 420);
    h.events->SetGameArea(area);
    h.input->SetFocus(&focus);
    h.events->DispatchMouse(kEventLeftDown, 700, 100);
    EXPECT_TRUE(focus.focused);
    h.events->DispatchMouse(kEventLeftUp, 700, 100);
    h.events->DispatchMouse(kEventLeftDown, 549, 469);
    EXPECT_FALSE(focus.focused);
    EXPECT_EQ(h.input->Focus(), nullptr);
}
