// The real program under a private X server (see RivakelUnderXvfb.sh).
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

TEST(XvfbEndToEnd, TheDevelopmentPortalPlaysEveryBuiltGameFromItsGamesPage) {
    std::string skip;
    const auto code = RunXvfbScript("DevPortalUnderXvfb.sh", {}, skip);
    if (!code) GTEST_SKIP() << skip;
    EXPECT_EQ(code, 0);
}

}  // namespace
