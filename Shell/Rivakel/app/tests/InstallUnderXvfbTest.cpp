// The real program installing itself and its games in a fresh home (see InstallUnderXvfb.sh and
// FailedInstallUnderXvfb.sh).
#include "app/tests/XvfbScript.h"

namespace {

TEST(InstallUnderXvfb, EmailedGamesInstallTheShellTheShortcutStartsItAndTilesStartGames) {
    std::string skip;
    const auto code = RunXvfbScript("InstallUnderXvfb.sh", {"testgames"}, skip);
    if (!code) RIVAKEL_REAL_WINDOW_MISSING(skip);
    EXPECT_EQ(code, 0);
}

TEST(InstallUnderXvfb, AFailedCopyWithAGameRunningStopsItInOrderAndExitsWithMinusOne) {
    std::string skip;
    const auto code = RunXvfbScript("FailedInstallUnderXvfb.sh", {"testgames"}, skip);
    if (!code) RIVAKEL_REAL_WINDOW_MISSING(skip);
    EXPECT_EQ(code, 0);
}

}  // namespace
