#include <gtest/gtest.h>

#include <string>

#include "platform/Host.h"
#include "platform/tests/HostTestFolder.h"

namespace {

class HostPathsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform::CreateFolders(folder_ / "Rivakel/System"));
        ASSERT_TRUE(platform::WriteFileAtomic(folder_ / "Rivakel/System/Core.rdt", Bytes("x")));
    }
    static std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

    HostTestFolder folder_;
};

TEST_F(HostPathsTest, ComponentsMatchExistingEntriesWithoutRegardToCase) {
    EXPECT_EQ(platform::ResolvePath(folder_.Path(), "rivakel\\SYSTEM\\core.RDT"), folder_ / "Rivakel/System/Core.rdt");
    EXPECT_EQ(platform::ResolvePath(folder_.Path(), "\\Rivakel\\System"), folder_ / "Rivakel/System");
    EXPECT_EQ(platform::ResolvePath(folder_.Path(), "RIVAKEL/./system//"), folder_ / "Rivakel/System");
}

TEST_F(HostPathsTest, MissingComponentsAreKeptAsWritten) {
    EXPECT_EQ(platform::ResolvePath(folder_.Path(), "rivakel\\Users\\New.RDT"), folder_ / "Rivakel/Users/New.RDT");
    EXPECT_EQ(platform::ResolvePath(folder_.Path(), "rivakel\\system\\Outbox.rdt"),
              folder_ / "Rivakel/System/Outbox.rdt");
    // Below a file nothing can be looked up; the rest stays as written.
    EXPECT_EQ(platform::ResolvePath(folder_.Path(), "rivakel\\system\\core.rdt\\Inner"),
              folder_ / "Rivakel/System/Core.rdt/Inner");
}

TEST_F(HostPathsTest, AmbiguousCaseMatchesPickTheExactNameElseTheSmallest) {
    ASSERT_TRUE(platform::CreateFolders(folder_ / "b/DATA"));
    ASSERT_TRUE(platform::CreateFolders(folder_ / "b/data"));
    EXPECT_EQ(platform::ResolvePath(folder_.Path(), "b\\data"), folder_ / "b/data");
    EXPECT_EQ(platform::ResolvePath(folder_.Path(), "b\\Data"), folder_ / "b/DATA");
}

TEST_F(HostPathsTest, PathsThatCouldLeaveTheRootAreRefused) {
    for (const std::string_view bad : {"..", "..\\x", "Rivakel\\..\\..\\etc\\passwd", "Rivakel/../System", "C:\\x",
                                       "c:x", "Rivakel\\file.txt:stream", "\\\\server\\share", "//server/share"}) {
        EXPECT_FALSE(platform::ResolvePath(folder_.Path(), bad).has_value()) << bad;
    }
    const std::string withNul("Rivakel\0/x", 10);
    EXPECT_FALSE(platform::ResolvePath(folder_.Path(), withNul).has_value());
    EXPECT_FALSE(platform::ResolvePath(std::string("/tmp\0x", 6), "a").has_value());
}

TEST_F(HostPathsTest, NamesWithDotsThatAreNotParentsAreKept) {
    EXPECT_EQ(platform::ResolvePath(folder_.Path(), "...\\..a\\a.."), folder_ / ".../..a/a..");
    EXPECT_EQ(platform::ResolvePath(folder_.Path(), ""), folder_.Path());
}

TEST(HostJoinPath, JoinsWithExactlyOneSlash) {
    EXPECT_EQ(platform::JoinPath("/a/", "/b"), "/a/b");
    EXPECT_EQ(platform::JoinPath("/", "b"), "/b");
    EXPECT_EQ(platform::JoinPath("a", "b/c"), "a/b/c");
}

}  // namespace
