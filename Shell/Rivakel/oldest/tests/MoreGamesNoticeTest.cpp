#include "oldest/MoreGamesNotice.h"

#include <gtest/gtest.h>

#include "platform/headless/HeadlessBackend.h"

TEST(MoreGamesNotice, AnOkBoxWithTheTextAsGiven) {
    auto owned = std::make_unique<platform::headless::HeadlessBackend>();
    platform::headless::HeadlessBackend* headless = owned.get();
    auto previous = platform::SetBackend(std::move(owned));
    EXPECT_EQ(ShowMoreGamesNotice(), 1);
    ASSERT_EQ(headless->MessageBoxes().size(), 1u);
    const auto& box = headless->MessageBoxes()[0];
    EXPECT_EQ(box.caption, "More Games are on the Way!");
    EXPECT_EQ(box.text,
              "More Rivakel games are on the way in the weeks ahead! Subscribe now (in the box to the left) and we'll "
              "send them to your e-mail, free!");
    EXPECT_EQ(box.flags & 0xF, platform::MbOk);
    platform::SetBackend(std::move(previous));
}
