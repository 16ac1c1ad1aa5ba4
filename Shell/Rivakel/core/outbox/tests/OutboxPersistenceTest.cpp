// The queue on disk when the disk refuses: a journal that cannot grow loses nothing the outbox
// holds, and goes on once it can; a queue grows no further than the next start reads back.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include "core/net/NetResults.h"
#include "core/outbox/COutbox.h"
#include "core/store/UserStore.h"
#include "core/store/tests/StoreTestFolder.h"

namespace {

OutboxConfig Offline(CSubsystem_UserStore& store) {
    OutboxConfig config;
    config.store = &store;
    return config;
}

UserStoreConfig InstalledStore(const StoreTestFolder& folder) {
    UserStoreConfig config;
    config.installed = true;
    config.dataFolder = folder.Path();
    config.shellVersion = "01.00.00.0001";
    return config;
}

TEST(OutboxPersistence, AFullDiskStopsTheJournalButNotTheQueue) {
    StoreTestFolder folder;
    {
        CSubsystem_UserStore store(InstalledStore(folder));
        COutbox outbox(Offline(store));
        for (int i = 0; i < 3; ++i) EXPECT_EQ(outbox.Send(kMsgSetUserProfile, "SetUserProfile", "before", false, 5), kNetNotConnected);
        const auto journal = folder.System() / std::string(kJournalFileName);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        signal(SIGXFSZ, SIG_IGN);
        rlimit tight = old;
        tight.rlim_cur = std::filesystem::file_size(journal);
        setrlimit(RLIMIT_FSIZE, &tight);
        for (int i = 0; i < 2; ++i) EXPECT_EQ(outbox.Send(kMsgSetUserProfile, "SetUserProfile", "full", false, 5), kNetNotConnected);
        setrlimit(RLIMIT_FSIZE, &old);
        EXPECT_EQ(outbox.Send(kMsgSetUserProfile, "SetUserProfile", "after", false, 5), kNetNotConnected);
        EXPECT_EQ(outbox.Queue().Size(), 6u);
    }
    // The outbox and the store wrote the whole queue at their end.
    CSubsystem_UserStore store(InstalledStore(folder));
    COutbox outbox(Offline(store));
    EXPECT_EQ(outbox.Queue().Size(), 6u);
}

TEST(OutboxPersistence, AShellInstalledDuringTheSessionJournalsWhatItQueuesFromThenOn) {
    StoreTestFolder folder;
    UserStoreConfig config = InstalledStore(folder);
    config.installed = false;
    CSubsystem_UserStore store(std::move(config));
    COutbox outbox(Offline(store));
    outbox.Send(kMsgSetUserProfile, "SetUserProfile", "before", false, 5);
    std::filesystem::create_directories(folder.System());
    store.SetInstalled(true);
    const auto journal = folder.System() / std::string(kJournalFileName);
    const auto userOnly = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
    ASSERT_TRUE(std::filesystem::exists(journal));
    EXPECT_EQ(std::filesystem::status(journal).permissions() & std::filesystem::perms::all, userOnly);
    outbox.Send(kMsgSetUserProfile, "SetUserProfile", "after", false, 5);
    // What a process killed now leaves: both messages, readable by the user alone.
    EXPECT_EQ(std::filesystem::status(journal).permissions() & std::filesystem::perms::all, userOnly);
    CSubsystem_UserStore next(InstalledStore(folder));
    OutboxQueue queue;
    RdtNode* user = next.GetOutboxUser(std::string_view("0"));
    queue.Bind(user);
    OutboxJournal(journal.string()).Replay([&](const JournalRecord& record) { queue.Apply(record); });
    ASSERT_EQ(queue.Size(), 2u);
    std::vector<std::string> params;
    while (std::optional<PickedMessage> picked = queue.PickNext()) {
        params.push_back(picked->params);
        queue.Remove(picked->ids);
    }
    EXPECT_EQ(params, (std::vector<std::string>{"before", "after"}));
}

TEST(OutboxPersistence, AQueueStopsGrowingWhereTheNextStartStillReadsItWhole) {
    StoreTestFolder folder;
    const std::string big(1 << 20, 'p');
    size_t queued = 0;
    {
        CSubsystem_UserStore store(InstalledStore(folder));
        COutbox outbox(Offline(store));
        int result = kNetNotConnected;
        while ((result = outbox.Send(kMsgSetUserProfile, "SetUserProfile", big, false, 5)) == kNetNotConnected) ++queued;
        EXPECT_EQ(result, kNetBadArgument);
        // Refused by its size: a small one still fits.
        EXPECT_EQ(outbox.Send(kMsgSetUserProfile, "SetUserProfile", "small", false, 5), kNetNotConnected);
        EXPECT_EQ(outbox.Queue().Size(), queued + 1);
        EXPECT_LE(outbox.Queue().Bytes(), kMaxQueuedBytes);
    }
    EXPECT_GE(queued, 15u);
    EXPECT_LT(std::filesystem::file_size(folder.System() / "Outbox.rdt"), kMaxStoreFileBytes);
    // A journal too big to replay is kept, not overwritten by the next one.
    const auto journal = folder.System() / std::string(kJournalFileName);
    std::filesystem::resize_file(journal, std::uintmax_t{1} << 40);
    CSubsystem_UserStore store(InstalledStore(folder));
    COutbox outbox(Offline(store));
    EXPECT_EQ(outbox.Queue().Size(), queued + 1);
    EXPECT_EQ(std::filesystem::file_size(folder.System() / (std::string(kJournalFileName) + ".too-big")),
              std::uintmax_t{1} << 40);
}

}  // namespace
