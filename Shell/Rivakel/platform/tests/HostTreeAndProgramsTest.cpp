#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Host.h"
#include "platform/tests/HostTestFolder.h"

namespace {

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

TEST(HostRemoveTree, RemovesNestedFoldersButNeverWhatALinkPointsTo) {
    HostTestFolder folder;
    ASSERT_TRUE(platform::CreateFolders(folder / "outside"));
    ASSERT_TRUE(platform::WriteFileAtomic(folder / "outside/keep.txt", Bytes("keep")));
    ASSERT_TRUE(platform::CreateFolders(folder / "game/a/b/c"));
    ASSERT_TRUE(platform::WriteFileAtomic(folder / "game/game.gam", Bytes("g")));
    ASSERT_TRUE(platform::WriteFileAtomic(folder / "game/a/b/c/deep.txt", Bytes("d")));
    ASSERT_EQ(::symlink((folder / "outside").c_str(), (folder / "game/a/folder-link").c_str()), 0);
    ASSERT_EQ(::symlink((folder / "outside/keep.txt").c_str(), (folder / "game/file-link").c_str()), 0);

    EXPECT_TRUE(platform::RemoveTree(folder / "game"));
    EXPECT_FALSE(platform::FolderExists(folder / "game"));
    EXPECT_TRUE(platform::FileExists(folder / "outside/keep.txt"));
    EXPECT_TRUE(platform::RemoveTree(folder / "game")) << "nothing there is already removed";
}

TEST(HostRemoveTree, ALinkToAFolderIsRemovedItselfAndAFileIsDeleted) {
    HostTestFolder folder;
    ASSERT_TRUE(platform::CreateFolders(folder / "target"));
    ASSERT_TRUE(platform::WriteFileAtomic(folder / "target/keep.txt", Bytes("keep")));
    ASSERT_EQ(::symlink((folder / "target").c_str(), (folder / "link").c_str()), 0);
    EXPECT_FALSE(platform::IsRealFolder(folder / "link"));
    EXPECT_TRUE(platform::IsRealFolder(folder / "target"));
    EXPECT_TRUE(platform::RemoveTree(folder / "link"));
    EXPECT_TRUE(platform::FileExists(folder / "target/keep.txt"));
    EXPECT_TRUE(platform::RemoveTree(folder / "target/keep.txt"));
    EXPECT_FALSE(platform::FileExists(folder / "target/keep.txt"));
}

TEST(HostRemoveTree, AFolderThatCannotBeEmptiedReportsFailure) {
    if (::geteuid() == 0) GTEST_SKIP() << "root removes from read-only folders";
    HostTestFolder folder;
    ASSERT_TRUE(platform::CreateFolders(folder / "game/locked"));
    ASSERT_TRUE(platform::WriteFileAtomic(folder / "game/locked/file", Bytes("x")));
    ASSERT_EQ(::chmod((folder / "game/locked").c_str(), 0500), 0);
    EXPECT_FALSE(platform::RemoveTree(folder / "game"));
    ::chmod((folder / "game/locked").c_str(), 0700);
    EXPECT_TRUE(platform::FileExists(folder / "game/locked/file"));
}

TEST(HostFiles, CopyKeepsTheSourcesPermissionsAndRenameReplaces) {
    HostTestFolder folder;
    ASSERT_TRUE(platform::WriteFileAtomic(folder / "program", Bytes("#!")));
    ASSERT_TRUE(platform::SetFileMode(folder / "program", 0755));
    ASSERT_TRUE(platform::CopyFile(folder / "program", folder / "copy"));
    struct stat info {};
    ASSERT_EQ(::stat((folder / "copy").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0755u);

    ASSERT_TRUE(platform::WriteFileAtomic(folder / "other", Bytes("other")));
    EXPECT_TRUE(platform::RenamePath(folder / "other", folder / "copy"));
    EXPECT_FALSE(platform::FileExists(folder / "other"));
    EXPECT_EQ(platform::FileSize(folder / "copy"), 5u);
    EXPECT_FALSE(platform::RenamePath(folder / "absent", folder / "copy"));
}

TEST(HostPrograms, RunsWithoutAShellAndReportsTheExitStatus) {
    const std::vector<std::string> exitThree{"-c", "exit 3"};
    EXPECT_EQ(platform::RunProgram("sh", exitThree, 10000), 3);
    // The arguments reach the program as they are: no shell splits or expands them.
    HostTestFolder folder;
    const std::string odd = folder / "a b;$(touch x)";
    const std::vector<std::string> touch{odd};
    EXPECT_EQ(platform::RunProgram("touch", touch, 10000), 0);
    EXPECT_TRUE(platform::FileExists(odd));
    EXPECT_FALSE(platform::FileExists(folder / "x"));

    EXPECT_EQ(platform::RunProgram("rivakel-no-such-program", {}, 1000), std::nullopt);
    EXPECT_TRUE(platform::FindProgram("sh"));
    EXPECT_FALSE(platform::FindProgram("rivakel-no-such-program"));
    EXPECT_FALSE(platform::FindProgram(""));
}

TEST(HostPrograms, AProgramThatRunsTooLongIsKilled) {
    const std::vector<std::string> forever{"30"};
    EXPECT_EQ(platform::RunProgram("sleep", forever, 100), std::nullopt);
}

}  // namespace
