#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/store/RdtWriter.h"
#include "core/store/tests/UserStoreTestFixture.h"

namespace {

struct SentMessage {
    int type;
    std::string function;
    std::string params;
    bool forceConn;
    int priority;
};

class FakeOutbox : public IOutboxLink {
public:
    int Send(int type, std::string_view function, std::string_view params, bool forceConn, int priority) override {
        sent.push_back({type, std::string(function), std::string(params), forceConn, priority});
        return 28;
    }
    void SetRoot(RdtNode* user) override { root = user; }

    std::vector<SentMessage> sent;
    RdtNode* root = nullptr;
};

TEST_F(UserStoreTest, FreshStoreHasTheDefaultTrees) {
    CSubsystem_UserStore store(Config());
    const RdtNode* core = store.CoreRoot();
    EXPECT_EQ(*core->AttrValue("ver"), "00.01.00.00");
    EXPECT_EQ(*core->AttrValue("shellver"), "01.02.03.0004-");
    const RdtNode* user = store.FindUserByEmail("GUEST");
    ASSERT_TRUE(user);
    EXPECT_EQ(*user->AttrValue("localid"), "0");
    EXPECT_EQ(user->FindChild("RegDate")->Text(), "777");
    EXPECT_EQ(store.GetCoreElement("Rivlets")->ChildCount(), 0u);
    EXPECT_EQ(*store.GetShellElement()->FindChild("DefaultUser")->AttrValue("localid"), "0");
    EXPECT_EQ(store.OutboxRoot()->FindChild("Users")->ChildCount(), 0u);
    EXPECT_EQ(store.ShellGuid(), "");
}

TEST_F(UserStoreTest, PropertiesAreCaseInsensitiveScopedAndBounded) {
    CSubsystem_UserStore store(Config());
    std::string value;
    EXPECT_EQ(store.GetUserProp("Score1Name", value), kStoreNoKey);
    EXPECT_EQ(value, "");
    store.SetUserProp("Score1Name", "Ann");
    store.SetUserProp("SCORE1NAME", "Bob");
    EXPECT_EQ(store.GetUserProp("score1name", value), kStoreOk);
    EXPECT_EQ(value, "Bob");
    EXPECT_EQ(store.GetUserGameElement()->ChildCount(), 1u);
    EXPECT_EQ(store.GetGameProp("Score1Name", value), kStoreNoKey);
    store.SetGameProp("Score1Name", "Game-wide");
    EXPECT_EQ(store.GetGameProp("Score1Name", value), kStoreOk);
    EXPECT_EQ(value, "Game-wide");
    EXPECT_EQ(store.GetUserProp("Score1Name", value), kStoreOk);
    EXPECT_EQ(value, "Bob");

    char buffer[3] = {'x', 'x', 'x'};
    EXPECT_EQ(store.GetUserProp("score1name", buffer), kStoreOk);
    EXPECT_STREQ(buffer, "Bo");
    EXPECT_EQ(store.GetUserProp("missing", buffer), kStoreNoKey);
    EXPECT_STREQ(buffer, "");

    // Nothing to keep a value under: the set says so, and stores nothing anywhere.
    email = "nobody@example.com";
    EXPECT_EQ(store.GetUserProp("Score1Name", value), kStoreNoKey);
    EXPECT_EQ(store.SetUserProp("Score1Name", "lost"), kStoreNoService);
    EXPECT_EQ(store.GetUserProp("Score1Name", value), kStoreNoKey);
    EXPECT_EQ(store.FindUserByEmail("nobody@example.com"), nullptr);
    email = "guest";
    EXPECT_EQ(store.GetUserProp("Score1Name", value), kStoreOk);
    EXPECT_EQ(value, "Bob");
    game.clear();
    EXPECT_EQ(store.SetUserProp("Score1Name", "lost"), kStoreNoService);
    EXPECT_EQ(store.SetGameProp("Score1Name", "lost"), kStoreNoService);
    EXPECT_EQ(WriteRdt(*store.CoreRoot()).find("lost"), std::string::npos);
}

TEST_F(UserStoreTest, DamagedPropertyRecordsAreSkipped) {
    CSubsystem_UserStore store(Config());
    RdtNode* scope = store.GetUserGameElement();
    scope->AddChild("RLSProp")->AddAttr("name", "K");
    store.SetUserProp("K", "v");
    std::string value;
    EXPECT_EQ(store.GetUserProp("K", value), kStoreOk);
    EXPECT_EQ(value, "v");
    EXPECT_EQ(scope->ChildCount(), 2u);
}

TEST_F(UserStoreTest, EveryByteInKeysAndValuesSurvivesSaveAndLoad) {
    std::string all = "  lead";
    for (int c = 1; c <= 255; ++c) all += static_cast<char>(c);
    {
        CSubsystem_UserStore store(Config());
        store.SetUserProp(all, all);
        store.SetGameProp("Ann <ann@x> \"q\"", all);
        store.GetShellElement()->GetOrAddChild("DefaultProxyServer")->SetText(all);
        ASSERT_EQ(store.SaveCore(), kStoreOk);
    }
    CSubsystem_UserStore store(Config());
    std::string value;
    EXPECT_EQ(store.GetUserProp(all, value), kStoreOk);
    EXPECT_EQ(value, all);
    EXPECT_EQ(store.GetGameProp("Ann <ann@x> \"q\"", value), kStoreOk);
    EXPECT_EQ(value, all);
    EXPECT_EQ(store.GetShellElement()->FindChild("DefaultProxyServer")->Text(), all);
}

TEST_F(UserStoreTest, PlainFileWithoutElementsIsNotTakenAsRead) {
    CSubsystem_UserStore store(Config(false));
    const std::string path = folder.Path() + "/plain.rdt";
    std::unique_ptr<RdtNode> root;
    EXPECT_EQ(store.LoadPlainFile(path, root), kStoreNoFile);
    for (const char* text : {"", "no markup at all", "</RDT>"}) {
        std::ofstream(path, std::ios::binary) << text;
        EXPECT_EQ(store.LoadPlainFile(path, root), kStoreNoFile) << text;
        EXPECT_EQ(root, nullptr);
    }
    std::ofstream(path, std::ios::binary) << "<Banners><B id=\"\xE9\"/></Banners>";
    ASSERT_EQ(store.LoadPlainFile(path, root), kStoreOk);
    // No character check on plain files: the byte comes through as it stands.
    EXPECT_EQ(*root->FindChild("B")->AttrValue("id"), "\xE9");
}

TEST_F(UserStoreTest, NothingIsWrittenWhileNotInstalled) {
    {
        CSubsystem_UserStore store(Config(false));
        store.SetUserProp("K", "v");
        EXPECT_EQ(store.SaveIfInstalled(), kStoreNotSaved);
        EXPECT_EQ(store.SaveCore(), kStoreOk);
    }
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "/Rivakel"));
}

TEST_F(UserStoreTest, NotInstalledShellReadsFromItsOwnFolder) {
    RdtNode core("RDT");
    core.AddChild("Shell")->AddChild("ShellGUID")->SetText("{1-2}");
    std::ofstream(folder.Path() + "/CORE.RDT", std::ios::binary) << WriteRdt(core);
    CSubsystem_UserStore store(Config(false));
    EXPECT_EQ(store.ShellGuid(), "{1-2}");
}

TEST_F(UserStoreTest, DestructionSavesBothFilesAndAFailedSaveIsReported) {
    std::string seenShellFolder;
    {
        CSubsystem_UserStore store(Config());
        store.GetOutboxUser("0")->AddChild("Message")->AddAttr("ForceConn", "true");
    }
    EXPECT_NE(ReadFile("Core.rdt").find("<Email>guest</Email>"), std::string::npos);
    EXPECT_NE(ReadFile("Outbox.rdt").find("ForceConn=\"true\""), std::string::npos);

    UserStoreConfig config = Config();
    config.setShellFolder = [&](const std::string& f) { seenShellFolder = f; };
    CSubsystem_UserStore store(config);
    EXPECT_EQ(seenShellFolder, folder.Path() + "/Rivakel");
    // Messages read back never force a connection prompt.
    EXPECT_EQ(*store.GetOutboxUser("0")->ChildAt(0)->AttrValue("ForceConn"), "false");

    // A folder where the file should be: the write fails and says so.
    std::filesystem::remove(folder.System() / "Core.rdt");
    std::filesystem::create_directories(folder.System() / "Core.rdt" / "blocker");
    EXPECT_EQ(store.SaveCore(), kStoreWriteFailed);
    EXPECT_EQ(store.SaveIfInstalled(), kStoreWriteFailed);
    std::filesystem::remove_all(folder.System() / "Core.rdt");
}

TEST_F(UserStoreTest, DamagedCoreIsRepairedAndEmptyCoreGivesTheDefault) {
    WriteFile("Core.rdt", "<RDT>\r\n<Users><User localid=\"3\"><Email>a\xE9</Email></User>ser>\r\n</Users></RDT>");
    {
        CSubsystem_UserStore store(Config());
        ASSERT_TRUE(store.FindUserByEmail("a "));
        // The file's user stays; the guest the shell plays as is added beside it.
        ASSERT_TRUE(store.FindUserByEmail("guest"));
        EXPECT_EQ(*store.FindUserByEmail("guest")->AttrValue("localid"), "0");
    }
    WriteFile("Core.rdt", "");
    CSubsystem_UserStore store(Config());
    EXPECT_TRUE(store.FindUserByEmail("guest"));
}

TEST_F(UserStoreTest, DamagedOutboxIsSalvagedAndFlushedOnce) {
    std::string outbox = "<RDT>\x02";
    for (int i = 0; i < 22; ++i) outbox += "<Message Function=\"GetUserGUID\" Params=\"u" + std::to_string(i) + "\"/>";
    outbox += "<Message Function=\"RivRivlet\" Params=\"r&amp;amp;1\"/>";
    WriteFile("Outbox.rdt", outbox);
    CSubsystem_UserStore store(Config());
    FakeOutbox sink;
    store.SetOutbox(&sink);
    EXPECT_TRUE(store.ShellGuidPending());
    EXPECT_EQ(store.OutboxRoot()->FindChild("Users")->ChildCount(), 0u);
    EXPECT_EQ(store.FlushPending(), 1);
    ASSERT_EQ(sink.sent.size(), 1u + 1u + 20u + 1u);
    EXPECT_EQ(sink.sent[0].params, "777,DiagCode,01,Outbox.rdt");
    EXPECT_EQ(sink.sent[1].function, "GetShellGUID");
    EXPECT_EQ(sink.sent[1].priority, 12);
    EXPECT_EQ(sink.sent[1].params, "01.02.03.0004-");
    EXPECT_EQ(sink.sent[2].params, "u0");
    EXPECT_EQ(sink.sent[2].priority, 11);
    EXPECT_EQ(sink.sent[21].params, "u19");
    EXPECT_EQ(sink.sent[22].function, "RivRivlet");
    EXPECT_EQ(sink.sent[22].params, "r&1");
    EXPECT_EQ(sink.sent[22].type, 4);
    EXPECT_FALSE(sink.sent[22].forceConn);
    sink.sent.clear();
    EXPECT_EQ(store.FlushPending(), 0);
    EXPECT_TRUE(sink.sent.empty());
}

TEST_F(UserStoreTest, TrackLinesSkipNullArgumentsAndNeedOutboxAndClock) {
    CSubsystem_UserStore store(Config());
    EXPECT_EQ(store.Track("SessionStarted"), kStoreNoService);
    FakeOutbox sink;
    store.SetOutbox(&sink);
    EXPECT_EQ(store.Track("E", {nullptr, "b"}), kStoreOk);
    EXPECT_EQ(store.Track2("E", {"a", nullptr, "c"}), kStoreOk);
    EXPECT_EQ(store.Track("E", {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr}), kStoreOk);
    ASSERT_EQ(sink.sent.size(), 3u);
    EXPECT_EQ(sink.sent[0].params, "777,E,b");
    EXPECT_EQ(sink.sent[0].function, "TrackEvent");
    EXPECT_EQ(sink.sent[0].type, 1);
    EXPECT_EQ(sink.sent[0].priority, 0);
    EXPECT_EQ(sink.sent[1].params, "777,E,2,a,c");
    EXPECT_EQ(sink.sent[1].function, "TrackEvent2");
    EXPECT_EQ(sink.sent[2].params, "777,E");

    UserStoreConfig noClock = Config();
    noClock.timeStamp = nullptr;
    CSubsystem_UserStore clockless(noClock);
    clockless.SetOutbox(&sink);
    EXPECT_EQ(clockless.Track2("E"), kStoreNoService);
}

TEST_F(UserStoreTest, OutboxUserIsRelabelledAndKeepsItsMessages) {
    CSubsystem_UserStore store(Config());
    RdtNode* first = store.GetOutboxUser("0");
    first->AddChild("Message");
    EXPECT_EQ(store.GetOutboxUser("0"), first);
    EXPECT_EQ(store.GetOutboxUser("5"), first);
    EXPECT_EQ(*first->AttrValue("localid"), "5");
    EXPECT_EQ(first->ChildCount(), 1u);
    RdtNode* second = store.OutboxRoot()->FindChild("Users")->AddChild("User");
    second->AddAttr("localid", "9");
    EXPECT_EQ(store.GetOutboxUser("9"), second);
    EXPECT_EQ(store.GetOutboxUser(std::nullopt), first);
}

TEST_F(UserStoreTest, SelectUserTellsTheOutbox) {
    CSubsystem_UserStore store(Config());
    FakeOutbox sink;
    store.SetOutbox(&sink);
    store.SelectUser();
    EXPECT_EQ(store.GetCurrentUser(), store.FindUserByEmail("guest"));
    EXPECT_EQ(sink.root, store.GetCurrentUser());
    email = "other";
    store.SelectUser();
    EXPECT_EQ(sink.root, nullptr);
}

TEST_F(UserStoreTest, RemoveGameDataDropsTheRecordAndSaves) {
    CSubsystem_UserStore store(Config());
    store.SetUserProp("K", "v");
    EXPECT_TRUE(store.RemoveGameData("{game-1}"));
    EXPECT_TRUE(store.RemoveGameData("{never-played}"));
    std::string value;
    EXPECT_EQ(store.GetUserProp("K", value), kStoreNoKey);
    // The lookup above added an empty record again; an RLS with an owner is written.
    EXPECT_NE(ReadFile("Core.rdt").find("<Email>guest</Email>"), std::string::npos);
    email = "nobody";
    EXPECT_FALSE(store.RemoveGameData("{GAME-1}"));

    // A folder where the file should be: the data is gone from memory but not from the disk.
    email = "guest";
    std::filesystem::remove(folder.System() / "Core.rdt");
    std::filesystem::create_directories(folder.System() / "Core.rdt" / "blocker");
    EXPECT_FALSE(store.RemoveGameData("{GAME-1}"));
    std::filesystem::remove_all(folder.System() / "Core.rdt");
}

TEST_F(UserStoreTest, SavedFilesAndTheirFoldersAreTheUsersAlone) {
    { CSubsystem_UserStore store(Config()); }
    using std::filesystem::perms;
    const perms others = perms::group_all | perms::others_all;
    for (const auto& path : {folder.System().parent_path(), folder.System()}) {
        EXPECT_EQ(std::filesystem::status(path).permissions() & others, perms::none) << path;
    }
    for (const char* name : {"Core.rdt", "Outbox.rdt"}) {
        EXPECT_EQ(std::filesystem::status(folder.System() / name).permissions(), perms::owner_read | perms::owner_write)
            << name;
    }
}

TEST_F(UserStoreTest, GlobalStoreIsCreatedAndDestroyed) {
    CSubsystem_UserStore* store = CreateUserStore(Config(false));
    EXPECT_EQ(UserStore(), store);
    DestroyUserStore();
    EXPECT_EQ(UserStore(), nullptr);
}

}  // namespace
