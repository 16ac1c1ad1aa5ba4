// The Settings page's values: the volume scale's arithmetic and the proxy fields' checks.
#include <gtest/gtest.h>

#include <climits>

#include "frame/pages/settings/ProxyEntry.h"
#include "frame/pages/settings/VolumeScale.h"

namespace {

constexpr int kKnob = 18;

TEST(VolumeScale, KnobAndVolumeAgreeOnEveryStep) {
    EXPECT_EQ(KnobXForVolume(50, kKnob), 291);
    EXPECT_EQ(KnobXForVolume(0, kKnob), 191);
    EXPECT_EQ(KnobXForVolume(100, kKnob), 391);
    EXPECT_EQ(KnobXForVolume(500, kKnob), 391);
    for (int volume = 0; volume <= 100; volume += 10) {
        EXPECT_EQ(VolumeForKnobX(KnobXForVolume(volume, kKnob), kKnob), volume);
        EXPECT_EQ(SnapKnobX(KnobXForVolume(volume, kKnob), kKnob), KnobXForVolume(volume, kKnob)) << volume;
    }
}

// Every place a drag can reach ends on a step of ten, and left of the first mark that step is
// 0, not the -10 that rounding down would give.
TEST(VolumeScale, DragsSnapToStepsOfTenAndStopAtTheTrackEndsHoweverFarPast) {
    for (int x = 164; x < 182; ++x) {
        EXPECT_EQ(SnapKnobX(x, kKnob), 191) << x;
    }
    for (int x = 164; x < 400; ++x) {
        const int volume = VolumeForKnobX(SnapKnobX(x, kKnob), kKnob);
        EXPECT_EQ(volume % 10, 0) << x;
        EXPECT_GE(volume, 0) << x;
        EXPECT_LE(volume, 100) << x;
    }
    EXPECT_EQ(SnapKnobX(399, kKnob), 391);
    // A quick drag reports one move far past an end: the knob stops at that end's mark.
    for (const int x : {163, 100, -100000, INT_MIN}) EXPECT_EQ(SnapKnobX(x, kKnob), 191) << x;
    for (const int x : {400, 420, 100000, INT_MAX}) EXPECT_EQ(SnapKnobX(x, kKnob), 391) << x;
}

TEST(ProxyEntry, UsableEntriesAreStoredTrimmedWithPortEightyWhenEmpty) {
    struct Case {
        const char *name, *port, *storedName, *storedPort;
    };
    const Case cases[] = {
        {"proxy.example", "", "proxy.example", "80"}, {" proxy.example ", " 8080 ", "proxy.example", "8080"},
        {"10.0.0.1", "3128", "10.0.0.1", "3128"},     {"", "", "", "80"},
        {"", "8080", "", "8080"},                     {"cache-1", "00080", "cache-1", "80"},
        {"p", "65535", "p", "65535"},
    };
    for (const Case& c : cases) {
        const ProxyEntry entry = CheckProxyEntry(c.name, c.port);
        EXPECT_TRUE(entry.Ok()) << c.name << ":" << c.port << " " << entry.problem;
        EXPECT_EQ(entry.name, c.storedName);
        EXPECT_EQ(entry.port, c.storedPort);
    }
}

TEST(ProxyEntry, GarbageIsRefusedWithAReason) {
    const std::string longName(10000, 'a');
    const std::pair<std::string, std::string> cases[] = {
        {"proxy", "0"},        {"proxy", "65536"},       {"proxy", "-1"},     {"proxy", "abc"},
        {"proxy", "80 80"},    {"proxy", "99999999999"}, {"<b>proxy</b>", ""}, {"proxy/path", ""},
        {"pr oxy", ""},        {"caf\xe9.example", ""},  {longName, ""},      {".proxy", ""},
        {"-proxy", ""},        {"proxy:8080", ""},       {"proxy\x01", ""},   {"proxy", "+80"},
    };
    for (const auto& [name, port] : cases) {
        const ProxyEntry entry = CheckProxyEntry(name, port);
        EXPECT_FALSE(entry.Ok()) << name.substr(0, 20) << ":" << port;
        EXPECT_FALSE(entry.problem.empty());
    }
}

}  // namespace
