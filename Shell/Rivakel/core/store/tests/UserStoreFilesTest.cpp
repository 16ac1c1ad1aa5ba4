// The store's files at their limits: what the reader refuses is kept aside whole before the
// store writes again, and big valid files are read whole and kept whole. (A game filling the
// store through the real boundary: SessionStoreTest.)
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <algorithm>
#include <functional>

#include "core/store/RdtWriter.h"
#include "core/store/tests/UserStoreTestFixture.h"

namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t kTerabyte = std::uintmax_t{1} << 40;

class UserStoreFilesTest : public UserStoreTest {
protected:
    void WriteSparse(std::string_view name) {
        WriteFile(name, "");
        fs::resize_file(folder.System() / name, kTerabyte);
    }
    // Every file of the System folder whose name begins with `prefix`.
    std::vector<std::string> Named(std::string_view prefix) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.System())) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with(prefix)) names.push_back(name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(UserStoreFilesTest, FilesItCannotReadAreKeptAsideWholeBeforeAnythingIsWritten) {
    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::vector<std::string> core, outbox;  // the System folder's files of each name afterwards
        std::function<void()> check;
    };
    const std::string garbage = "no element in here at all";
    const std::string damaged = "<RDT><Users><User localid=\"0\"><Message Params=\"\x01\"/></User></Users></RDT>";
    const Case cases[] = {
        {"both too big",
         [&] {
             WriteSparse("Core.rdt");
             WriteSparse("Outbox.rdt");
         },
         {"Core.rdt", "Core.rdt.too-big"}, {"Outbox.rdt", "Outbox.rdt.too-big"},
         [&] {
             EXPECT_EQ(fs::file_size(folder.System() / "Core.rdt.too-big"), kTerabyte);
             EXPECT_EQ(fs::file_size(folder.System() / "Outbox.rdt.too-big"), kTerabyte);
             CSubsystem_UserStore reader(Config(false));
             std::unique_ptr<RdtNode> root;
             EXPECT_EQ(reader.LoadPlainFile((folder.System() / "Core.rdt.too-big").string(), root), kStoreNoFile);
         }},
        {"a folder in the way", [&] { fs::create_directories(folder.System() / "Core.rdt" / "kept"); },
         {"Core.rdt", "Core.rdt.unreadable"}, {"Outbox.rdt"},
         [&] { EXPECT_TRUE(fs::is_directory(folder.System() / "Core.rdt.unreadable" / "kept")); }},
        {"no element", [&] { WriteFile("Core.rdt", garbage); }, {"Core.rdt", "Core.rdt.damaged"}, {"Outbox.rdt"},
         [&] { EXPECT_EQ(ReadFile("Core.rdt.damaged"), garbage); }},
        {"a root the writer leaves out", [&] { WriteFile("Core.rdt", "<RLS ownerid=\"\"><Users/></RLS>"); },
         {"Core.rdt", "Core.rdt.damaged"}, {"Outbox.rdt"}, [] {}},
        {"a damaged Outbox", [&] { WriteFile("Outbox.rdt", damaged); }, {"Core.rdt"}, {"Outbox.rdt", "Outbox.rdt.damaged"},
         [&] { EXPECT_EQ(ReadFile("Outbox.rdt.damaged"), damaged); }},
        {"an empty Core: nothing to keep", [&] { WriteFile("Core.rdt", ""); }, {"Core.rdt"}, {"Outbox.rdt"}, [] {}},
        // Taken names are left alone: the next free one is used.
        {"a second refusal",
         [&] {
             WriteFile("Core.rdt", garbage);
             WriteFile("Core.rdt.damaged", "older");
         },
         {"Core.rdt", "Core.rdt.damaged", "Core.rdt.damaged.2"}, {"Outbox.rdt"},
         [&] {
             EXPECT_EQ(ReadFile("Core.rdt.damaged"), "older");
             EXPECT_EQ(ReadFile("Core.rdt.damaged.2"), garbage);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder.System());
        c.prepare();
        {
            CSubsystem_UserStore store(Config());
            EXPECT_TRUE(store.FindUserByEmail("guest"));
            EXPECT_EQ(store.OutboxRoot()->FindChild("Users")->ChildCount(), 0u);
        }
        EXPECT_EQ(Named("Core.rdt"), c.core);
        EXPECT_EQ(Named("Outbox.rdt"), c.outbox);
        c.check();
        // What the store wrote in their place reads back.
        CSubsystem_UserStore store(Config());
        EXPECT_EQ(*store.FindUserByEmail("guest")->FindChild("RegDate")->Text(), "777");
    }
}

TEST_F(UserStoreFilesTest, AShellNotInstalledMovesNothing) {
    std::ofstream(folder.Path() + "/Core.rdt") << "no element";
    { CSubsystem_UserStore store(Config(false)); }
    EXPECT_TRUE(fs::exists(folder.Path() + "/Core.rdt"));
    EXPECT_FALSE(fs::exists(folder.System()));
}

TEST_F(UserStoreFilesTest, AFileThatCannotBeKeptAsideIsNeverWrittenOver) {
    WriteSparse("Core.rdt");
    WriteFile("Core.rdt.too-big", "");
    for (int n = 2; n <= 100; ++n) WriteFile("Core.rdt.too-big." + std::to_string(n), "");
    {
        CSubsystem_UserStore store(Config());
        EXPECT_EQ(store.SetUserProp("K", "v"), kStoreOk);
        EXPECT_EQ(store.SaveCore(), kStoreWriteFailed);
    }
    EXPECT_EQ(fs::file_size(folder.System() / "Core.rdt"), kTerabyte);
    EXPECT_EQ(Named("Core.rdt").size(), 101u);
    // The Outbox is not held back by the Core.
    EXPECT_TRUE(fs::exists(folder.System() / "Outbox.rdt"));
}

TEST_F(UserStoreFilesTest, TemporariesOfKilledSavesGoAtTheStartButNotOneAWriterHolds) {
    WriteFile(".rvk-a1B2c3", std::string(100000, 'x'));
    WriteFile(".rvk-d4E5f6", "being written");
    WriteFile(".rvk-removed-game", "not a temporary file");
    WriteFile("Core.rdt.damaged", "kept aside");
    fs::create_directories(folder.System() / "Banners");
    std::ofstream(folder.System() / "Banners" / ".rvk-g7H8i9") << "a banner";
    // A writer holds its temporary file locked until it has taken its place.
    const int writer = open((folder.System() / ".rvk-d4E5f6").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(flock(writer, LOCK_EX), 0);
    { CSubsystem_UserStore store(Config()); }
    close(writer);
    EXPECT_EQ(Named(".rvk-"), (std::vector<std::string>{".rvk-d4E5f6", ".rvk-removed-game"}));
    EXPECT_FALSE(fs::exists(folder.System() / "Banners" / ".rvk-g7H8i9"));
    EXPECT_EQ(ReadFile("Core.rdt.damaged"), "kept aside");
}

TEST_F(UserStoreFilesTest, SeventeenMegabyteFilesAreReadWholeAndKeptWhole) {
    constexpr int kRecords = 17 * 1024;
    const std::string value(1000, 'v');
    std::string core = "<RDT ver=\"00.01.00.00\">\r\n<Users>\r\n<User localid=\"0\">\r\n<Email>guest</Email>\r\n"
                       "<RLS ownerid=\"{GAME-1}\">\r\n";
    std::string outbox = "<RDT ver=\"00.01.00.00\">\r\n<Users>\r\n<User localid=\"0\">\r\n";
    for (int i = 0; i < kRecords; ++i) {
        core += "<RLSProp name=\"K" + std::to_string(i) + "\" value=\"" + value + "\"/>\r\n";
        outbox += "<Message MsgIDH=\"1\" MsgIDL=\"" + std::to_string(i + 1) +
                  "\" MsgType=\"TrackEvent\" Function=\"TrackEvent\" Params=\"" + value +
                  "\" ForceConn=\"false\" Priority=\"0\"/>\r\n";
    }
    core += "</RLS>\r\n</User>\r\n</Users>\r\n<Rivlets/>\r\n"
            "<Shell><DefaultUser localid=\"0\"/><ShellGUID>{KEPT}</ShellGUID></Shell>\r\n</RDT>\r\n";
    outbox += "</User>\r\n</Users>\r\n</RDT>\r\n";
    ASSERT_GT(core.size(), 17u << 20);
    ASSERT_GT(outbox.size(), 17u << 20);
    WriteFile("Core.rdt", core);
    WriteFile("Outbox.rdt", outbox);
    auto expectWhole = [&](CSubsystem_UserStore& store, const std::string& first) {
        std::string read;
        EXPECT_EQ(store.GetUserProp("K0", read), kStoreOk);
        EXPECT_EQ(read, first);
        EXPECT_EQ(store.GetUserProp("K" + std::to_string(kRecords - 1), read), kStoreOk);
        EXPECT_EQ(read, value);
        EXPECT_EQ(store.ShellGuid(), "{KEPT}");
        EXPECT_EQ(store.GetOutboxUser("0")->ChildCount(), static_cast<size_t>(kRecords));
    };
    {
        CSubsystem_UserStore store(Config());
        expectWhole(store, value);
        // Past what games may fill: nothing grows it further, a smaller value still goes in.
        EXPECT_EQ(store.SetUserProp("New", "x"), kStoreFull);
        EXPECT_EQ(store.SetUserProp("K0", "short"), kStoreOk);
    }
    EXPECT_TRUE(Named("Core.rdt.").empty());
    CSubsystem_UserStore store(Config());
    expectWhole(store, "short");
}

}  // namespace
