// The call stack of this very test, captured the way the fault handler captures a crash, must
// walk back through the test's own functions by name.
#include "core/report/StackWalk.h"

#include <gtest/gtest.h>

#include "core/report/tests/LiveCapture.h"

namespace {

using live_capture::CaptureHere;

// Each does something after its call, so none of the calls can become a jump.
[[gnu::noinline]] CrashRecord InnermostFrame() {
    CrashRecord record = CaptureHere();
    record.code += 1;
    return record;
}
[[gnu::noinline]] CrashRecord MiddleFrame() {
    CrashRecord record = InnermostFrame();
    record.code += 1;
    return record;
}
[[gnu::noinline]] CrashRecord OutermostFrame() {
    CrashRecord record = MiddleFrame();
    record.code += 1;
    return record;
}

TEST(StackWalk, ALiveStackWalksBackThroughItsFunctionsByName) {
    const CrashRecord record = OutermostFrame();
    ASSERT_FALSE(record.stack.empty());
    const ProcessMap map = ProcessMap::Parse(record.maps);
    ModuleFiles modules(map);
    const std::vector<StackFrame> frames = WalkStack(record, modules);
    std::vector<std::string> names;
    for (const StackFrame& frame : frames) names.push_back(frame.function ? frame.function->name : "?");
    const std::vector<std::string> expected = {
        "live_capture::CaptureHere()", "(anonymous namespace)::InnermostFrame()",
        "(anonymous namespace)::MiddleFrame()", "(anonymous namespace)::OutermostFrame()"};
    ASSERT_GE(names.size(), expected.size() + 1) << "the walk continues into the test's caller";
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 4), expected);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(FileNameOf(frames[i].module), "rivakel_core_report_tests");
        ASSERT_TRUE(frames[i].place);
        EXPECT_GT(frames[i].place->section, 0u);
        if (i > 0) {
            EXPECT_GT(frames[i].frame, frames[i - 1].frame) << "frames lie ever higher on the stack";
        }
    }
    EXPECT_LE(frames.size(), kMaxStackFrames);
}

TEST(StackWalk, ARecordWithoutRegistersOrStackGivesWhatItCan) {
    CrashRecord record = OutermostFrame();
    const ProcessMap map = ProcessMap::Parse(record.maps);
    ModuleFiles modules(map);
    record.stack.clear();
    const std::vector<StackFrame> frames = WalkStack(record, modules);
    ASSERT_EQ(frames.size(), 1u) << "only the faulting place itself";
    EXPECT_EQ(frames[0].function->name, "live_capture::CaptureHere()");

    record.registers.clear();
    EXPECT_TRUE(WalkStack(record, modules).empty());
}

TEST(StackWalk, AnAddressOutsideEveryModuleIsStillListed) {
    const ProcessMap map = ProcessMap::Parse("1000-2000 r-xp 00000000 00:00 0 /no/such/module\n");
    ModuleFiles modules(map);
    const StackFrame unknown = DescribeAddress(modules, 0x1800, false);
    EXPECT_EQ(unknown.module, "/no/such/module");
    EXPECT_FALSE(unknown.function);
    EXPECT_FALSE(unknown.place);
    EXPECT_EQ(DescribeAddress(modules, 0x5000, true).module, "");
}

}  // namespace
