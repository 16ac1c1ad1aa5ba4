// The real program under a private X server (see the scripts each test names).
#include "app/tests/XvfbScript.h"

namespace {

TEST(XvfbEndToEnd, SplashMainWindowSecondStartAndClose) {
    std::string skip;
    const auto code = RunXvfbScript("RivakelUnderXvfb.sh", {}, skip);
    if (!code) RIVAKEL_REAL_WINDOW_MISSING(skip);
    EXPECT_EQ(code, 0);
}

TEST(XvfbEndToEnd, SigtermEndsTheSessionIdleInAGameAndUnderABox) {
    std::string skip;
    const auto code = RunXvfbScript("SessionEndUnderXvfb.sh", {"testgames/TestGame.gam"}, skip);
    if (!code) RIVAKEL_REAL_WINDOW_MISSING(skip);
    EXPECT_EQ(code, 0);
}

TEST(XvfbEndToEnd, SignalsBeforeTheWindowEndTheProgramWithItsBox) {
    std::string skip;
    const auto code = RunXvfbScript("SignalsBeforeWindowUnderXvfb.sh", {}, skip);
    if (!code) RIVAKEL_REAL_WINDOW_MISSING(skip);
    EXPECT_EQ(code, 0);
}

TEST(XvfbEndToEnd, TheConnectionBoxIsTheWindowsOwnAndOneReturnSendsOnce) {
    std::string skip;
    const auto code = RunXvfbScript(
        "ConnectionBoxUnderXvfb.sh",
        {"testgames/ShellTestGame.gam", "../../Tools/portalserver/rivakel_portalserver"}, skip);
    if (!code) RIVAKEL_REAL_WINDOW_MISSING(skip);
    EXPECT_EQ(code, 0);
}

TEST(XvfbEndToEnd, TheDevelopmentPortalPlaysEveryBuiltGameFromItsGamesPage) {
    std::string skip;
    const auto code = RunXvfbScript("DevPortalUnderXvfb.sh", {}, skip);
    if (!code) RIVAKEL_REAL_WINDOW_MISSING(skip);
    EXPECT_EQ(code, 0);
}

TEST(XvfbEndToEnd, AFolderWhereTheStoreBelongsIsToldAndThePortalStaysInstalled) {
    std::string skip;
    const auto code = RunXvfbScript("StoreInTheWayUnderXvfb.sh", {"testgames/ShellTestGame.gam"}, skip);
    if (!code) RIVAKEL_REAL_WINDOW_MISSING(skip);
    EXPECT_EQ(code, 0);
}

// Torvimble's module as the build lays it out, beside the program's folder.
constexpr const char* kTorvimble =
    "../../Games/{6934F453-91A5-4910-A527-41732408C021}/{6934F453-91A5-4910-A527-41732408C021}.gam";

TEST(XvfbEndToEnd, ALostDisplayOnTheHomePageUnderABoxOrInAGameKeepsTheSessionsStore) {
    std::string skip;
    const auto code = RunXvfbScript("DisplayLossUnderXvfb.sh", {kTorvimble}, skip);
    if (!code) RIVAKEL_REAL_WINDOW_MISSING(skip);
    EXPECT_EQ(code, 0);
}

class KeptNames : public ::testing::TestWithParam<const char*> {};

TEST_P(KeptNames, AGamesDefaultsThenAPlayerNamedInItSurviveASigtermAndARestart) {
    std::string skip;
    const auto code = RunXvfbScript("KeptNamesUnderXvfb.sh", {kTorvimble}, skip, {GetParam()});
    if (!code) RIVAKEL_REAL_WINDOW_MISSING(skip);
    EXPECT_EQ(code, 0);
}

// Each way a user starts a portal: the data folder scripts/run.sh uses, an installed portal, an
// empty data folder, a Core cut inside its users.
INSTANTIATE_TEST_SUITE_P(EveryStart, KeptNames, ::testing::Values("run-folder", "installed", "empty", "cut"),
                         [](const auto& way) {
                             std::string name;
                             for (const char* c = way.param; *c != '\0'; ++c) {
                                 if (*c != '-') name += *c;
                             }
                             return name;
                         });

}  // namespace
