#include "core/graphics/Event.h"

#include <gtest/gtest.h>

#include "core/base/Log.h"
#include "core/graphics/tests/EventTestHarness.h"

using namespace evt_test;

namespace {

const void* const kSender = reinterpret_cast<const void*>(0x1000);

struct SelfRemover {
    CEventListener* listener = nullptr;
    Recorder* recorder = nullptr;
    int calls = 0;
};

int RemoveSelf(intptr_t* record) {
    auto* self = reinterpret_cast<SelfRemover*>(record[0]);
    ++self->calls;
    ListenerRelease()(self->listener);
    self->listener = nullptr;
    return 1;
}

struct Adder {
    CSubsystem_Event* events;
    Probe* late;
    std::vector<ListenerPtr>* keep;
};

int AddAnother(intptr_t* record) {
    auto* adder = reinterpret_cast<Adder*>(record[0]);
    adder->keep->push_back(adder->events->Listen(kSender, kEventKeyDown, adder->late, RecordCall));
    return 1;
}

}  // namespace

TEST(EventTest, ListenersRunInOrderUntilOneReturnsZero) {
    EventHarness h;
    Recorder rec;
    Probe a{"a", &rec}, b{"b", &rec, 0}, c{"c", &rec};
    ListenerPtr la = h.events->Listen(kSender, kEventKeyDown, &a, RecordCall);
    ListenerPtr lb = h.events->Listen(kSender, kEventKeyDown, &b, RecordCall);
    ListenerPtr lc = h.events->Listen(kSender, kEventKeyDown, &c, RecordCall);
    EXPECT_EQ(h.events->EventCount(), 1u);
    EXPECT_EQ(h.events->FireByCode(kEventKeyDown, kShellKeyLeft, 37), 0);
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"a 37,11", "b 37,11"}));

    lb->Reorder(0);
    rec.calls.clear();
    EXPECT_EQ(h.events->FireByCode(kEventKeyDown, kShellKeyLeft, 37), 0);
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"a 37,11", "c 37,11", "b 37,11"}));
}

TEST(EventTest, RecordCarriesContextAndUserValue) {
    EventHarness h;
    static intptr_t seen[5];
    ListenerPtr listener = h.events->Listen(kSender, kEventChar, reinterpret_cast<void*>(0x55), [](intptr_t* r) {
        std::copy_n(r, 5, seen);
        return 1;
    });
    listener->SetUserValue(77);
    h.events->FireByCode(kEventChar, kShellKeyCharacter, 'q');
    EXPECT_EQ(seen[0], 0x55);
    EXPECT_EQ(seen[1], 77);
    EXPECT_EQ(seen[2], 'q');
    EXPECT_EQ(seen[3], kEventChar);
    EXPECT_EQ(seen[4], kShellKeyCharacter);
}

TEST(EventTest, AutoDeleteEventGoesWithItsLastListener) {
    EventHarness h;
    Recorder rec;
    Probe a{"a", &rec};
    ListenerPtr la = h.events->Listen(kSender, kEventKeyUp, &a, RecordCall);
    ASSERT_NE(la->Owner(), nullptr);
    EXPECT_TRUE(la->Owner()->IsAutoDelete());
    EXPECT_EQ(h.events->EventCount(), 1u);
    la.reset();
    EXPECT_EQ(h.events->EventCount(), 0u);
}

TEST(EventTest, CodesFromFourteenNeedARegisteredEvent) {
    EventHarness h;
    Recorder rec;
    Probe a{"a", &rec};
    ListenerPtr orphan = h.events->Listen(kSender, kEventCommand, &a, RecordCall);
    EXPECT_EQ(orphan->Owner(), nullptr);
    EXPECT_EQ(h.events->EventCount(), 0u);

    EventPtr command = h.events->Register(kSender, kEventCommand);
    ListenerPtr user = h.events->Listen(kSender, kEventCommand, &a, RecordCall);
    EXPECT_EQ(user->Owner(), command.get());
    EventRecord record{0, 0, 9, 0, 0};
    EXPECT_EQ(command->Fire(record), 1);
    EXPECT_EQ(rec.calls, std::vector<std::string>{"a 9,0"});
    // A registered event outlives its listeners.
    user.reset();
    EXPECT_EQ(h.events->EventCount(), 1u);
}

TEST(EventTest, RemovingAnUnknownListenerIsReportedWithResultFour) {
    EventHarness h;
    EventPtr event = h.events->Register(kSender, kEventCommand);
    CEventListener stray(nullptr, nullptr);
    const size_t before = ErrorList().size();
    EXPECT_EQ(event->RemoveListener(&stray), kEventUnknownListener);
    ASSERT_GT(ErrorList().size(), before);
    EXPECT_NE(ErrorList().back().find("CEvent::           RemoveListener"), std::string::npos);
}

TEST(EventTest, ListenerRemovingItselfEndsNothingElseAndFreesSafely) {
    EventHarness h;
    Recorder rec;
    SelfRemover self;
    Probe after{"after", &rec};
    self.listener = h.events->AddListener(kSender, kEventKeyDown, &self, RemoveSelf);
    ListenerPtr next = h.events->Listen(kSender, kEventKeyDown, &after, RecordCall);
    h.events->FireByCode(kEventKeyDown, kShellKeyNone, 65);
    EXPECT_EQ(self.calls, 1);
    EXPECT_EQ(rec.calls, std::vector<std::string>{"after 65,11"});
    rec.calls.clear();
    h.events->FireByCode(kEventKeyDown, kShellKeyNone, 65);
    EXPECT_EQ(self.calls, 1);
    EXPECT_EQ(rec.calls.size(), 1u);
}

TEST(EventTest, LastListenerLeavingDuringFireDeletesEventAfterwards) {
    EventHarness h;
    SelfRemover self;
    self.listener = h.events->AddListener(kSender, kEventKeyDown, &self, RemoveSelf);
    EXPECT_EQ(h.events->FireByCode(kEventKeyDown, kShellKeyNone, 1), 1);
    EXPECT_EQ(self.calls, 1);
    EXPECT_EQ(h.events->EventCount(), 0u);
}

TEST(EventTest, ListenersAddedDuringAWalkWaitForTheNextOne) {
    EventHarness h;
    Recorder rec;
    Probe late{"late", &rec};
    std::vector<ListenerPtr> keep;
    Adder adder{h.events, &late, &keep};
    ListenerPtr first = h.events->Listen(kSender, kEventKeyDown, &adder, AddAnother);
    h.events->FireByCode(kEventKeyDown, kShellKeyNone, 1);
    EXPECT_TRUE(rec.calls.empty());
    h.events->FireByCode(kEventKeyDown, kShellKeyNone, 2);
    EXPECT_EQ(rec.calls, std::vector<std::string>{"late 2,11"});
}

TEST(EventTest, ShellKeyEventsStandStillWhileThePauseHolds) {
    bool paused = false;
    EventHarness h;
    DestroyEventService();
    h.events = CreateEventService({.stopping = {}, .capture = {}, .paused = [&paused] { return paused; }});
    h.events->SetRoot(h.root);
    Recorder rec;
    Probe shell{"shell", &rec}, other{"other", &rec};
    ListenerPtr ls = h.events->Listen(h.root, kEventKeyDown, &shell, RecordCall);
    ListenerPtr lo = h.events->Listen(kSender, kEventKeyDown, &other, RecordCall);
    paused = true;
    h.events->FireByCode(kEventKeyDown, kShellKeyNone, 32);
    EXPECT_EQ(rec.calls, std::vector<std::string>{"other 32,11"});
    paused = false;
    rec.calls.clear();
    h.events->FireByCode(kEventKeyDown, kShellKeyNone, 32);
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"shell 32,11", "other 32,11"}));
}

TEST(EventTest, RegistryGoingFirstLeavesEventsUsable) {
    auto registry = std::make_unique<CSubsystem_Event>();
    EventPtr event = registry->Register(kSender, kEventCommand);
    registry.reset();
    EventRecord record{};
    EXPECT_EQ(event->Fire(record), 1);
}
