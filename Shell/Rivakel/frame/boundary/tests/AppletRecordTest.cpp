#include "frame/boundary/AppletRecordObject.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/base/CSubsystem_Clock.h"
#include "core/base/Log.h"
#include "core/base/tests/FakeClockSource.h"
#include "frame/boundary/InterfaceObject.h"
#include "frame/boundary/ShellRandom.h"

namespace {

struct RecordDeleter {
    void operator()(AppletRecord* record) const { record->Destroy(1); }
};
using RecordPtr = std::unique_ptr<AppletRecord, RecordDeleter>;

RecordPtr NewRecord() { return RecordPtr(MakeAppletRecord()); }

std::vector<int> Draw(IUtility& utility, int count) {
    std::vector<int> numbers;
    for (int i = 0; i < count; ++i) numbers.push_back(utility.Rand());
    return numbers;
}

TEST(AppletRecord, StartsEmptyAndReleaseAnswersZeroWithoutEndingIt) {
    const int before = LiveInterfaceObjects();
    AppletRecord* record = MakeAppletRecord();
    EXPECT_EQ(LiveInterfaceObjects(), before + 1);
    EXPECT_EQ(record->reserved, 0);
    EXPECT_EQ(record->gameArea, nullptr);
    EXPECT_EQ(record->pageArea, nullptr);
    EXPECT_EQ(record->factory, nullptr);
    EXPECT_EQ(record->services, nullptr);
    EXPECT_EQ(record->settings, nullptr);
    EXPECT_EQ(Unwrap<CRefCounted>(record), nullptr);

    EXPECT_EQ(record->Release(), 0);
    record->SRand(1);
    EXPECT_EQ(record->Rand(), 41);
    EXPECT_EQ(record->Destroy(1), record);
    EXPECT_EQ(LiveInterfaceObjects(), before);
}

TEST(AppletRecord, RandFollowsTheSeedAndOneSeedServesEveryRecord) {
    RecordPtr first = NewRecord();
    first->SRand(1);
    EXPECT_EQ(Draw(*first, 3), (std::vector<int>{41, 18467, 6334}));

    first->SRand(1);
    EXPECT_EQ(first->Rand(), 41);
    RecordPtr second = NewRecord();
    EXPECT_EQ(second->Rand(), 18467);
    first.reset();
    RecordPtr third = NewRecord();
    EXPECT_EQ(third->Rand(), 6334);
    EXPECT_EQ(ShellRand(), 26500);

    ShellSRand(0x7FFFFFFF);
    for (int i = 0; i < 1000; ++i) {
        const int value = third->Rand();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 0x7FFF);
    }
}

TEST(AppletRecord, SeedingFromTheClockDependsOnWhenTheGameStarted) {
    auto time = std::make_shared<FakeTime>();
    time->tick = 5000;
    CreateClock(std::make_unique<FakeClockSource>(time));
    RecordPtr record = NewRecord();

    time->tick += 1234;
    record->SRand(-1);
    const std::vector<int> early = Draw(*record, 4);
    record->SRand(1234);
    EXPECT_EQ(Draw(*record, 4), early);

    time->tick += 60000;
    record->SRand(-1);
    EXPECT_NE(Draw(*record, 4), early);
    DestroyClock();
}

TEST(AppletRecord, DebugOutputWritesOneBoundedLineAndKeepsNoError) {
    RecordPtr record = NewRecord();
    const size_t errors = ErrorList().size();

    testing::internal::CaptureStderr();
    record->DebugOutput("score %d of %s", 12, "Dunmoro");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "score 12 of Dunmoro\r\n");

    const std::string huge(10 * 1024, 'x');
    testing::internal::CaptureStderr();
    record->DebugOutput("<%s>", huge.c_str());
    const std::string line = testing::internal::GetCapturedStderr();
    EXPECT_EQ(line, "<" + std::string(252, 'x') + "\r\n");

    testing::internal::CaptureStderr();
    record->DebugOutput(nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "\r\n");
    EXPECT_EQ(ErrorList().size(), errors);
}

TEST(AppletRecord, DebugBreakWithoutADebuggerReturnsAndSaysSoOnce) {
    RecordPtr record = NewRecord();
    testing::internal::CaptureStderr();
    record->DebugBreak();
    record->DebugBreak();
    const std::string output = testing::internal::GetCapturedStderr();
    EXPECT_EQ(output, "IUtility::DebugBreak called without a debugger attached; ignored\r\n");
}

}  // namespace
