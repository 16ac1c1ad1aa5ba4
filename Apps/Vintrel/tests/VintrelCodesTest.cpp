// The title's typed codes in the harness's shell window: ignored while the pond fills in, and the
// invincibility of one visit to the title gone at the next.
#include <gtest/gtest.h>

#include "Apps/Vintrel/tests/VintrelBot.h"

namespace vintrel::test {
namespace {

TEST(VintrelCodes, IgnoredDuringTheStartAndInvincibilityEndsAtTheNextTitle) {
    VintrelSession session;
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(session.OnTitle());
    session.ClickStart();
    session.Wait(500);
    session.TypeCode("plumtag");
    session.Wait(kStartMs);
    EXPECT_TRUE(session.OnPlay());
    session.Stop();

    ASSERT_TRUE(session.Start());
    session.TypeCode("QUARTZOVEN");
    session.TypeCode("plumtag");
    session.Wait(200);
    ASSERT_TRUE(session.OnStaff());
    session.ClickDone();
    session.Wait(200);
    ASSERT_TRUE(session.OnTitle());
    session.ClickStart();
    session.Wait(kStartMs);
    ASSERT_TRUE(session.OnPlay());
    VintrelBot bot(session);
    EXPECT_GE(bot.Play(0, 1500).deaths, 1) << "bigger blobs still pass through";
    session.Stop();
}

}  // namespace
}  // namespace vintrel::test
