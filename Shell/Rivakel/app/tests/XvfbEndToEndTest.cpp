// The real program under a private X server (see the scripts each test names).
#include "app/tests/XvfbScript.h"

namespace {

TEST(XvfbEndToEnd, SplashMainWindowSecondStartAndClose) {
    std::string skip;
    const auto code = RunXvfbScript("RivakelUnderXvfb.sh", {}, skip);
    if (!code) GTEST_SKIP() << skip;
    EXPECT_EQ(code, 0);
}

TEST(XvfbEndToEnd, SigtermEndsTheSessionIdleInAGameAndUnderABox) {
    std::string skip;
    const auto code = RunXvfbScript("SessionEndUnderXvfb.sh", {"testgames/TestGame.gam"}, skip);
    if (!code) GTEST_SKIP() << skip;
    EXPECT_EQ(code, 0);
}

TEST(XvfbEndToEnd, TheConnectionBoxIsTheWindowsOwnAndOneReturnSendsOnce) {
    std::string skip;
    const auto code = RunXvfbScript(
        "ConnectionBoxUnderXvfb.sh",
        {"testgames/ShellTestGame.gam", "../../Tools/portalserver/rivakel_portalserver"}, skip);
    if (!code) GTEST_SKIP() << skip;
    EXPECT_EQ(code, 0);
}

TEST(XvfbEndToEnd, TheDevelopmentPortalPlaysEveryBuiltGameFromItsGamesPage) {
    std::string skip;
    const auto code = RunXvfbScript("DevPortalUnderXvfb.sh", {}, skip);
    if (!code) GTEST_SKIP() << skip;
    EXPECT_EQ(code, 0);
}

}  // namespace
