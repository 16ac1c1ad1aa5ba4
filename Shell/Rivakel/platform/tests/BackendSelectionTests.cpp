#include <gtest/gtest.h>

#include <chrono>

#include "platform/Platform.h"
#include "platform/headless/HeadlessBackend.h"

namespace platform {
namespace {

TEST(BackendSelection, TheEnvironmentChoosesHeadlessAndTestsCanReplaceIt) {
    // ctest runs every test with RIVAKEL_PLATFORM=headless.
    Backend* chosen = GetBackend();
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->Name(), "headless");
    EXPECT_EQ(GetBackend(), chosen) << "chosen once";
    // The portal run headless keeps the real time: a wait takes as long as it says.
    const auto start = std::chrono::steady_clock::now();
    Event event;
    EXPECT_FALSE(chosen->WaitEvent(event, 50));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));

    auto replacement = std::make_unique<headless::HeadlessBackend>();
    Backend* raw = replacement.get();
    std::unique_ptr<Backend> previous = SetBackend(std::move(replacement));
    EXPECT_EQ(previous.get(), chosen);
    EXPECT_EQ(GetBackend(), raw);
    SetBackend(std::move(previous));
    EXPECT_EQ(GetBackend(), chosen);
}

}  // namespace
}  // namespace platform
