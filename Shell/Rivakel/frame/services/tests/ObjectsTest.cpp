#include <cstring>
#include <string>
#include <vector>

#include "core/base/Timer.h"
#include "core/files/File.h"
#include "core/sound/Sound.h"
#include "core/store/MarkupNode.h"
#include "frame/api/AppletResults.h"
#include "frame/services/tests/ServicesTestSession.h"

namespace {

using ObjectsTest = ServicesTest;

std::vector<intptr_t> g_timerArgs;
int g_timerFirings = 0;
int RecordTimer(intptr_t* args) {
    g_timerArgs = {args[0], args[1], args[2]};
    ++g_timerFirings;
    return 0;
}

struct Heard {
    int calls = 0;
    intptr_t value = 0;
    intptr_t data = 0;
    int result = 1;
};
int Hear(intptr_t* args) {
    auto* heard = reinterpret_cast<Heard*>(args[0]);
    ++heard->calls;
    heard->value = args[1];
    heard->data = args[2];
    return heard->result;
}

IFile* OpenText(const std::string& text) {
    auto* file = new CFile();
    file->OpenOwned(std::vector<uint8_t>(text.begin(), text.end()));
    return MakeFileObject(file);
}

TEST_F(ObjectsTest, TimerFiresWithContextAndElapsedTwice) {
    int context = 0;
    ITimer* timer = MakeTimerObject(new CTimer(&context, 100, RecordTimer));
    timer->Start();
    session_.Advance(250);
    EXPECT_EQ(g_timerArgs, (std::vector<intptr_t>{reinterpret_cast<intptr_t>(&context), 200, 200}));
    EXPECT_FALSE(timer->GetClock());
    timer->SetClock(kTimerWallClock);
    EXPECT_TRUE(timer->GetClock());
    // Restart moves the phase: the next firing is an interval after it.
    timer->Restart();
    g_timerArgs.clear();
    session_.Advance(90);
    EXPECT_TRUE(g_timerArgs.empty());
    // Clamped to 0, not wrapped to an interval of weeks: it fires at every round of the clock,
    // even when no time has passed.
    timer->SetInterval(-5);
    g_timerFirings = 0;
    for (int round = 0; round < 3; ++round) ClockService()->TickAll();
    EXPECT_EQ(g_timerFirings, 3);
    EXPECT_EQ(timer->Release(), 0);
    EXPECT_EQ(ClockService()->TimerCount(), 0u);
}

TEST_F(ObjectsTest, ListenerIsUnsubscribedByItsLastRelease) {
    IEvent* event = factory_.CreateEvent(nullptr, applet::kButtonCommand);
    Heard heard;
    IEventListener* first = factory_.AddListener(nullptr, applet::kButtonCommand, &heard, Hear);
    IEventListener* second = MakeListenerObject(Unwrap<CEventListener>(first));
    first->SetValue(9);
    const intptr_t args[5] = {0, 0, 77, 0, 0};
    EXPECT_EQ(event->Fire(args), 1);
    EXPECT_EQ(heard.calls, 1);
    EXPECT_EQ(heard.value, 9);
    EXPECT_EQ(heard.data, 77);

    first->Release();
    event->Fire(nullptr);
    EXPECT_EQ(heard.calls, 2);  // the other object still holds it
    second->Release();
    event->Fire(nullptr);
    EXPECT_EQ(heard.calls, 2);
    event->Release();
}

TEST_F(ObjectsTest, FireStopsAtAListenerAnsweringZeroAndReorderChangesWhoIsFirst) {
    IEvent* event = factory_.CreateEvent(nullptr, applet::kButtonCommand);
    Heard a, b;
    a.result = 0;
    IEventListener* la = factory_.AddListener(nullptr, applet::kButtonCommand, &a, Hear);
    IEventListener* lb = factory_.AddListener(nullptr, applet::kButtonCommand, &b, Hear);
    EXPECT_EQ(event->Fire(nullptr), 0);
    EXPECT_EQ(b.calls, 0);
    lb->Reorder(1);
    event->Fire(nullptr);
    EXPECT_EQ(b.calls, 1);
    la->Release();
    lb->Release();
    event->Release();
}

TEST_F(ObjectsTest, FileReadsStayInsideTheDataAndTheCallersBuffers) {
    IFile* file = OpenText("x \"quoted text\" / comment\n -42 AB");
    char small[5];
    std::memset(small, '#', sizeof small);
    file->ReadQuoted(small, 3);
    EXPECT_STREQ(small, "quo");
    EXPECT_EQ(small[4], '#');
    int value = 0;
    file->ReadInt(&value);
    EXPECT_EQ(value, -42);
    char two[3] = "zz";
    file->ReadString(two, 8, 2);  // more asked than fits: the rest is passed over
    EXPECT_EQ(std::string(two, 2), "AB");
    int more = 1;
    EXPECT_EQ(file->ReadChar(&more), 0);
    EXPECT_EQ(more, 0);
    short s = 5;
    file->ReadShort(&s);
    EXPECT_EQ(s, 0);
    file->Release();

    file = OpenText(std::string("name\0rest", 9));
    char name[3];
    file->ReadString(name, -1, sizeof name);
    EXPECT_STREQ(name, "na");
    char rest[8];
    file->ReadString(rest, -1, sizeof rest);
    EXPECT_STREQ(rest, "rest");
    file->Skip(-1000);
    char byte = 0;
    EXPECT_EQ(file->ReadByte(&byte), 'n');
    int colour = 0;
    file->Skip(-1);
    EXPECT_EQ(file->ReadColour(&colour), 'n' + 'a' * 256 + 'm' * 65536);
    file->Release();
}

TEST_F(ObjectsTest, EmptySoundAnswers8) {
    ISound* empty = MakeSoundObject(nullptr);
    EXPECT_EQ(empty->Play(1), applet::kEmpty);
    EXPECT_EQ(empty->Stop(), applet::kEmpty);
    EXPECT_EQ(empty->Release(), 0);
    ISound* notLoaded = MakeSoundObject(new CSound(nullptr, 0));
    EXPECT_EQ(notLoaded->Play(0), applet::kEmpty);
    notLoaded->Release();
}

TEST_F(ObjectsTest, MarkupGettersHandOutNewObjectsOrNull) {
    IMarkupNode* root = MakeMarkupNodeObject(new CMarkupNode("Root"));
    IMarkupNode* child = nullptr;
    root->FindOrAdd(&child, "Item", "id", "1");
    ASSERT_NE(child, nullptr);
    IMarkupNode* again = nullptr;
    root->FindFirst(&again, "ITEM", "ID", nullptr);
    ASSERT_NE(again, nullptr);
    EXPECT_NE(again, child);
    EXPECT_EQ(Unwrap<CMarkupNode>(again), Unwrap<CMarkupNode>(child));
    IMarkupNode* none = child;
    root->FindNext(&none, false);
    EXPECT_EQ(none, nullptr);
    root->FindFirst(&none, "Other", nullptr, nullptr);
    EXPECT_EQ(none, nullptr);

    IMarkupAttr* attr = nullptr;
    child->FindAttr(&attr, "id", nullptr);
    ASSERT_NE(attr, nullptr);
    attr->SetValue("a long value");
    char value[5];
    attr->GetValue(value, sizeof value);
    EXPECT_STREQ(value, "a lo");
    IMarkupAttr* missing = attr;
    child->FindAttr(&missing, "id", "other");
    EXPECT_EQ(missing, nullptr);

    int count = 0;
    root->RemoveChild(again);
    root->GetChildCount(&count);
    EXPECT_EQ(count, 0);
    child->SetValue(nullptr);
    EXPECT_EQ(Unwrap<CMarkupNode>(child)->Value()->GetData(), "");
    for (IShellObject* object : {static_cast<IShellObject*>(attr), static_cast<IShellObject*>(again),
                                 static_cast<IShellObject*>(child), static_cast<IShellObject*>(root)}) {
        object->Release();
    }
}

}  // namespace
