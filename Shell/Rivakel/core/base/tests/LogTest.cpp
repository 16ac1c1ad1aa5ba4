#include "core/base/Log.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Log, LongLineIsCutAndStillEndsTheLine) {
    const std::string huge(10000, 'x');
    Error("%s", huge.c_str());
    ASSERT_FALSE(ErrorList().empty());
    const std::string& line = ErrorList().back();
    EXPECT_EQ(line.size(), kLogLineSize - 1);
    EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
}

TEST(Log, InfoStaysOutOfTheErrorList) {
    const size_t before = ErrorList().size();
    ::testing::internal::CaptureStderr();
    Info("info %d", 1);
    DebugOutput("debug %d", 2);
    EXPECT_EQ(ErrorList().size(), before);
    Warning("warning %d", 3);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "info 1\r\ndebug 2\r\nwarning 3\r\n");
    if (before < kErrorListLimit) {
        EXPECT_EQ(ErrorList().back(), "warning 3\r\n");
    } else {
        EXPECT_EQ(ErrorList().size(), before);
    }
}

TEST(Log, ErrorListKeepsTheFirstThousandLines) {
    for (size_t i = ErrorList().size(); i < kErrorListLimit; ++i) FatalError("line %zu", i);
    ASSERT_EQ(ErrorList().size(), kErrorListLimit);
    const std::string last = ErrorList().back();
    // The line after the thousandth still reaches the debug output.
    ::testing::internal::CaptureStderr();
    Error("one too many");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "one too many\r\n");
    EXPECT_EQ(ErrorList().size(), kErrorListLimit);
    EXPECT_EQ(ErrorList().back(), last);
}

}  // namespace
