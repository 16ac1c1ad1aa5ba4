// The queue on disk when the disk refuses: a journal that cannot grow loses nothing the outbox
// holds, and goes on once it can.
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

}  // namespace
