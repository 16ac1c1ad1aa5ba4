#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Host.h"
#include "platform/tests/HostTestFolder.h"

namespace {

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

constexpr uint64_t kAnySize = uint64_t{1} << 20;

std::string Read(const std::string& path) {
    const auto data = platform::ReadWholeFile(path, kAnySize);
    return data ? std::string(data->begin(), data->end()) : std::string("<missing>");
}

TEST(HostWriteFileAtomic, ReplacesTheWholeFileAndLeavesNoTemporaryFile) {
    HostTestFolder folder;
    const std::string path = folder / "Core.rdt";
    ASSERT_TRUE(platform::WriteFileAtomic(path, Bytes(std::string(10000, 'a'))));
    ASSERT_TRUE(platform::WriteFileAtomic(path, Bytes("short")));
    EXPECT_EQ(Read(path), "short");
    ASSERT_TRUE(platform::WriteFileAtomic(path, {}));
    EXPECT_EQ(platform::FileSize(path), 0u);
    const auto entries = platform::ListFolder(folder.Path());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "Core.rdt");
}

TEST(HostWriteFileAtomic, FailureInAReadOnlyFolderLeavesTheOldFile) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    HostTestFolder folder;
    const std::string path = folder / "Core.rdt";
    ASSERT_TRUE(platform::WriteFileAtomic(path, Bytes("old")));
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0500), 0);
    EXPECT_FALSE(platform::WriteFileAtomic(path, Bytes("new")));
    ::chmod(folder.Path().c_str(), 0700);
    EXPECT_EQ(Read(path), "old");
    EXPECT_EQ(platform::ListFolder(folder.Path()).size(), 1u);
}

TEST(HostWriteFileAtomic, AFullDiskLeavesTheOldFileAndRemovesTheTemporaryOne) {
    HostTestFolder folder;
    const std::string path = folder / "Outbox.rdt";
    ASSERT_TRUE(platform::WriteFileAtomic(path, Bytes("old")));
    // A file-size limit fails the write as a full disk would.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = platform::WriteFileAtomic(path, Bytes(std::string(5000, 'n')));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(Read(path), "old");
    EXPECT_EQ(platform::ListFolder(folder.Path()).size(), 1u);
}

TEST(HostWriteFileAtomic, RefusesPathsWithoutAFileName) {
    HostTestFolder folder;
    EXPECT_FALSE(platform::WriteFileAtomic(folder.Path() + "/", Bytes("x")));
    EXPECT_FALSE(platform::WriteFileAtomic(folder / "missing/inner.txt", Bytes("x")));
    EXPECT_FALSE(platform::WriteFileAtomic("", Bytes("x")));
    // A folder in the way cannot be replaced, even by root; nothing is left behind.
    ASSERT_TRUE(platform::CreateFolders(folder / "taken/inner"));
    EXPECT_FALSE(platform::WriteFileAtomic(folder / "taken", Bytes("x")));
    EXPECT_EQ(platform::ListFolder(folder.Path()).size(), 1u);
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 0777) : 0;
}

TEST(HostReadWholeFile, HoldsEveryFileToItsCap) {
    HostTestFolder folder;
    ASSERT_TRUE(platform::WriteFileAtomic(folder / "ten", Bytes("0123456789")));
    EXPECT_EQ(platform::ReadWholeFile(folder / "ten", 10), Bytes("0123456789"));
    EXPECT_FALSE(platform::ReadWholeFile(folder / "ten", 9).has_value());
    EXPECT_FALSE(platform::ReadWholeFile(folder / "ten", 0).has_value());
    // A sparse file claiming a terabyte is refused before anything is set aside for it.
    const std::string sparse = folder / "sparse";
    ASSERT_TRUE(platform::WriteFileAtomic(sparse, {}));
    ASSERT_EQ(::truncate(sparse.c_str(), off_t{1} << 40), 0);
    EXPECT_FALSE(platform::ReadWholeFile(sparse, uint64_t{1} << 20).has_value());
    // Files that report no size are held to the cap while they are read.
    EXPECT_TRUE(platform::ReadWholeFile("/proc/self/status", 1 << 20).has_value());
    EXPECT_FALSE(platform::ReadWholeFile("/proc/self/status", 16).has_value());
}

TEST(HostFiles, WhatTheShellKeepsIsTheUsersAlone) {
    HostTestFolder folder;
    ASSERT_TRUE(platform::CreateFolders(folder / "Rivakel/System"));
    EXPECT_EQ(ModeOf(folder / "Rivakel") & 0077, 0u);
    EXPECT_EQ(ModeOf(folder / "Rivakel/System") & 0077, 0u);

    const std::string store = folder / "Rivakel/System/Core.rdt";
    ASSERT_TRUE(platform::WriteFileAtomic(store, Bytes("old")));
    ASSERT_EQ(::chmod(store.c_str(), 0644), 0);
    ASSERT_TRUE(platform::WriteFileAtomic(store, Bytes("new"), platform::FileAccess::Private));
    EXPECT_EQ(ModeOf(store), 0600u);
    ASSERT_TRUE(platform::WriteFileAtomic(folder / "fresh.rdt", Bytes("x"), platform::FileAccess::Private));
    EXPECT_EQ(ModeOf(folder / "fresh.rdt"), 0600u);
    // Other files keep what they had.
    ASSERT_EQ(::chmod(store.c_str(), 0640), 0);
    ASSERT_TRUE(platform::WriteFileAtomic(store, Bytes("again")));
    EXPECT_EQ(ModeOf(store), 0640u);
}

TEST(HostFiles, FoldersListSortedWithKindsAndSizes) {
    HostTestFolder folder;
    ASSERT_TRUE(platform::CreateFolders(folder / "b/c/d"));
    ASSERT_TRUE(platform::CreateFolders(folder / "b/c/d"));
    ASSERT_TRUE(platform::WriteFileAtomic(folder / "a.txt", Bytes("12345")));
    ASSERT_TRUE(platform::WriteFileAtomic(folder / "C.txt", Bytes("1")));
    const auto entries = platform::ListFolder(folder.Path());
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, "C.txt");
    EXPECT_EQ(entries[1].name, "a.txt");
    EXPECT_EQ(entries[1].size, 5u);
    EXPECT_FALSE(entries[1].isFolder);
    EXPECT_EQ(entries[2].name, "b");
    EXPECT_TRUE(entries[2].isFolder);
    EXPECT_TRUE(platform::ListFolder(folder / "nothing").empty());
}

TEST(HostFiles, CopyDeleteAndExistence) {
    HostTestFolder folder;
    ASSERT_TRUE(platform::WriteFileAtomic(folder / "from", Bytes("content")));
    EXPECT_TRUE(platform::CopyFile(folder / "from", folder / "to"));
    EXPECT_EQ(Read(folder / "to"), "content");
    std::string large(200'001, 'x');
    large.back() = 'y';
    ASSERT_TRUE(platform::WriteFileAtomic(folder / "large", Bytes(large)));
    EXPECT_TRUE(platform::CopyFile(folder / "large", folder / "large-copy"));
    EXPECT_EQ(Read(folder / "large-copy"), large);
    EXPECT_FALSE(platform::CopyFile(folder / "large", folder / "no-folder/x"));
    EXPECT_FALSE(platform::FileExists(folder / "no-folder/x"));
    EXPECT_FALSE(platform::CopyFile(folder / "absent", folder / "to"));
    EXPECT_EQ(Read(folder / "to"), "content");

    EXPECT_TRUE(platform::FileExists(folder / "to"));
    EXPECT_FALSE(platform::FolderExists(folder / "to"));
    EXPECT_TRUE(platform::DeleteFile(folder / "to"));
    EXPECT_FALSE(platform::FileExists(folder / "to"));
    EXPECT_FALSE(platform::DeleteFile(folder / "to"));

    ASSERT_TRUE(platform::CreateFolders(folder / "sub"));
    EXPECT_FALSE(platform::DeleteFile(folder / "sub"));
    EXPECT_FALSE(platform::ReadWholeFile(folder / "sub", kAnySize).has_value());
    // Neither a pipe nor an endless device is read as a file.
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(platform::ReadWholeFile(folder / "pipe", kAnySize).has_value());
    EXPECT_FALSE(platform::ReadWholeFile("/dev/zero", kAnySize).has_value());
    EXPECT_TRUE(platform::RemoveEmptyFolder(folder / "sub"));
    EXPECT_FALSE(platform::FolderExists(folder / "sub"));
}

TEST(HostProcess, IdentifiersAndSystemInformation) {
    const std::string guid = platform::NewGuidText();
    ASSERT_EQ(guid.size(), 36u);
    for (size_t i = 0; i < guid.size(); ++i) {
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            EXPECT_EQ(guid[i], '-');
        } else {
            EXPECT_TRUE((guid[i] >= '0' && guid[i] <= '9') || (guid[i] >= 'A' && guid[i] <= 'F')) << guid;
        }
    }
    EXPECT_NE(guid, platform::NewGuidText());
    const platform::SystemInfo info = platform::GetSystemInfo();
    EXPECT_EQ(info.system, "Linux");
    EXPECT_GT(info.major, 0);
    EXPECT_FALSE(platform::ExecutablePath().empty());
}

TEST(HostFolders, UserDirsNameDocumentsAndDesktop) {
    HostTestFolder home;
    ASSERT_TRUE(platform::CreateFolders(home / ".config"));
    ASSERT_TRUE(platform::WriteFileAtomic(home / ".config/user-dirs.dirs",
                                          Bytes("# comment\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
                                                "XDG_DOCUMENTS_DIR=\"/srv/docs/\"\nXDG_MUSIC_DIR=\"$HOME/M\"\n")));
    const char* savedHome = std::getenv("HOME");
    const std::string previous = savedHome != nullptr ? savedHome : "";
    const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string previousConfig = savedConfig != nullptr ? savedConfig : "";
    ::setenv("HOME", home.Path().c_str(), 1);
    ::unsetenv("XDG_CONFIG_HOME");
    const std::string desktop = platform::DesktopFolder();
    const std::string documents = platform::DocumentsFolder();
    ASSERT_TRUE(platform::DeleteFile(home / ".config/user-dirs.dirs"));
    const std::string fallback = platform::DocumentsFolder();
    ::setenv("HOME", previous.c_str(), 1);
    if (savedConfig != nullptr) ::setenv("XDG_CONFIG_HOME", previousConfig.c_str(), 1);
    EXPECT_EQ(desktop, home / "Schreibtisch");
    EXPECT_EQ(documents, "/srv/docs");
    EXPECT_EQ(fallback, home / "Documents");
}

// Sets environment variables for one test and puts the old values back afterwards.
class ScopedEnvironment {
public:
    void Set(const char* name, const std::string& value) {
        if (saved_.emplace_back(name, std::nullopt); const char* old = std::getenv(name)) saved_.back().second = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second) ::setenv(it->first.c_str(), it->second->c_str(), 1);
            else ::unsetenv(it->first.c_str());
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST(HostFolders, TheRuntimeFolderIsNeverOneOthersCanWriteInto) {
    HostTestFolder root;
    ASSERT_TRUE(platform::CreateFolders(root / "open"));
    ASSERT_EQ(::chmod((root / "open").c_str(), 0777), 0);
    ScopedEnvironment environment;
    environment.Set("XDG_RUNTIME_DIR", root / "open");
    environment.Set("TMPDIR", root.Path());
    environment.Set("XDG_CACHE_HOME", root / "cache");
    const std::string own = root / ("rivakel-" + std::to_string(::getuid()));

    // An open runtime folder is passed over for a private one of ours under the temp folder.
    EXPECT_EQ(platform::RuntimeFolder(), own);
    struct stat info {};
    ASSERT_EQ(::stat(own.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    // When that name was taken and left open, the cache folder holds ours instead.
    ASSERT_EQ(::chmod(own.c_str(), 0777), 0);
    EXPECT_EQ(platform::RuntimeFolder(), root / ("cache/rivakel-" + std::to_string(::getuid())));

    // A private runtime folder is used as it is.
    ASSERT_EQ(::chmod((root / "open").c_str(), 0700), 0);
    EXPECT_EQ(platform::RuntimeFolder(), root / "open");
}

}  // namespace
