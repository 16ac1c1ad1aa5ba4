// The Support page's topics: the strings each shows and where Previous and Next lead.
#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "core/base/Version.h"
#include "frame/pages/info/AboutPage.h"
#include "frame/pages/info/SupportTopics.h"

namespace {

TEST(SupportTopics, NavigationCrossesSectionsAndStopsAtBothEnds) {
    struct Case {
        int topic, title, question, previous, next;
    };
    const Case cases[] = {
        {120, 302, 320, 0, 121},    {122, 302, 322, 121, 130}, {130, 303, 330, 122, 131},
        {134, 303, 334, 133, 140},  {140, 304, 340, 134, 141}, {155, 305, 355, 154, 160},
        {160, 306, 360, 155, 161},  {162, 306, 362, 161, 170}, {170, 307, 370, 162, 171},
        {173, 307, 373, 172, 0},
    };
    for (const Case& c : cases) {
        const SupportTopic shown = ResolveSupportTopic(c.topic);
        EXPECT_EQ(shown.topic, c.topic);
        EXPECT_TRUE(shown.IsQuestion()) << c.topic;
        EXPECT_EQ(shown.titleId, c.title) << c.topic;
        EXPECT_EQ(shown.questionId, c.question) << c.topic;
        EXPECT_EQ(shown.bodyId, c.topic) << c.topic;
        EXPECT_EQ(shown.previous, c.previous) << c.topic;
        EXPECT_EQ(shown.next, c.next) << c.topic;
    }
}

TEST(SupportTopics, OverviewsHaveNoNavigationAndEverythingElseIsTheMainOverview) {
    for (int topic = 101; topic <= 107; ++topic) {
        const SupportTopic shown = ResolveSupportTopic(topic);
        EXPECT_EQ(shown.topic, topic);
        EXPECT_EQ(shown.titleId, topic + 200);
        EXPECT_EQ(shown.bodyId, topic);
        EXPECT_FALSE(shown.IsQuestion());
        EXPECT_EQ(shown.previous, 0);
        EXPECT_EQ(shown.next, 0);
    }
    // Link ids, the gaps between sections, section 8 and the far ends of the number range.
    for (const int topic : {INT_MIN, -1, 0, 100, 108, 119, 123, 129, 135, 156, 163, 174, 180, 1001, 10003, 99999, INT_MAX}) {
        const SupportTopic shown = ResolveSupportTopic(topic);
        EXPECT_EQ(shown.topic, 101) << topic;
        EXPECT_EQ(shown.titleId, 301) << topic;
        EXPECT_EQ(shown.bodyId, 101) << topic;
    }
}

// Walking Next from the first question visits every question once, in order, and Previous
// walks the same way back.
TEST(SupportTopics, NextAndPreviousWalkEveryQuestionBothWays) {
    std::vector<int> forward;
    for (int topic = 120; topic != 0; topic = ResolveSupportTopic(topic).next) forward.push_back(topic);
    EXPECT_EQ(forward.size(), 3u + 5 + 5 + 6 + 3 + 4);
    EXPECT_EQ(std::set<int>(forward.begin(), forward.end()).size(), forward.size());
    std::vector<int> backward;
    for (int topic = 173; topic != 0; topic = ResolveSupportTopic(topic).previous) backward.insert(backward.begin(), topic);
    EXPECT_EQ(backward, forward);
    for (const int topic : forward) EXPECT_TRUE(IsSupportTopic(topic)) << topic;
}

TEST(AboutVersion, ShowsTheMinorAndRevisionNumbers) {
    VersionRecord version;
    ASSERT_TRUE(ParseVersionStamp("01.02.00.0058", version));
    EXPECT_EQ(AboutVersionLabel(version), "<S3><Cffcc99>v2.0");
    ASSERT_TRUE(ParseVersionStamp("03.12.07.0100", version));
    EXPECT_EQ(AboutVersionLabel(version), "<S3><Cffcc99>v12.7");
}

}  // namespace
