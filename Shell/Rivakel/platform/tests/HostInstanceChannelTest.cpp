#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/Host.h"
#include "platform/tests/HostTestFolder.h"

namespace {

sockaddr_un AddressOf(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, std::min(path.size(), sizeof address.sun_path - 1));
    return address;
}

// Serves the primary on a thread while the secondary asks, as two processes would.
std::optional<int> AskWhileServing(platform::InstanceChannel& primary, platform::InstanceChannel& secondary,
                                   int message) {
    std::atomic<bool> done{false};
    std::thread server([&] {
        while (!done) {
            primary.Serve([](int question) { return question == 2029 ? 0 : question + 1; });
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    // Answered long before the timeout; it only bounds a broken channel on a loaded machine.
    const std::optional<int> answer = secondary.Ask(message, 60'000);
    done = true;
    server.join();
    return answer;
}

TEST(HostInstanceChannel, TheSecondAsksTheFirstAndTakesOverWhenItIsGone) {
    HostTestFolder folder;
    auto primary = platform::OpenInstanceChannel("Rivakel", folder.Path());
    auto secondary = platform::OpenInstanceChannel("Rivakel", folder.Path());
    ASSERT_TRUE(primary->IsPrimary());
    EXPECT_GE(primary->WaitHandle(), 0);
    ASSERT_FALSE(secondary->IsPrimary());
    EXPECT_TRUE(secondary->PrimaryAlive());
    EXPECT_FALSE(secondary->TryBecomePrimary());

    EXPECT_EQ(AskWhileServing(*primary, *secondary, 2029), 0);
    EXPECT_EQ(AskWhileServing(*primary, *secondary, 2028), 2029);
    EXPECT_EQ(AskWhileServing(*primary, *secondary, platform::kActivateRequest), 2);

    primary.reset();
    EXPECT_FALSE(secondary->PrimaryAlive());
    EXPECT_FALSE(secondary->Ask(2029, 100).has_value());
    ASSERT_TRUE(secondary->TryBecomePrimary());
    EXPECT_TRUE(secondary->IsPrimary());

    auto third = platform::OpenInstanceChannel("Rivakel", folder.Path());
    EXPECT_FALSE(third->IsPrimary());
    EXPECT_EQ(AskWhileServing(*secondary, *third, 2029), 0);
}

TEST(HostInstanceChannel, AskTimesOutWhenThePrimaryDoesNotServe) {
    HostTestFolder folder;
    auto primary = platform::OpenInstanceChannel("Rivakel", folder.Path());
    auto secondary = platform::OpenInstanceChannel("Rivakel", folder.Path());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(secondary->Ask(2029, 150).has_value());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
    // Serving with nobody asking returns at once, and the connection given up above is dropped.
    primary->Serve([](int) { return 7; });
}

TEST(HostInstanceChannel, AQuestionDroppedUnansweredIsAskedAgain) {
    HostTestFolder folder;
    auto primary = platform::OpenInstanceChannel("Rivakel", folder.Path());
    auto secondary = platform::OpenInstanceChannel("Rivakel", folder.Path());
    ASSERT_TRUE(primary->IsPrimary());
    std::atomic<bool> done{false};
    std::thread server([&] {
        // The first connection is closed unread, as a busy primary drops a question slow to come.
        int first = -1;
        while (first < 0 && !done) {
            first = ::accept(primary->WaitHandle(), nullptr, nullptr);
            if (first < 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        if (first >= 0) ::close(first);
        while (!done) {
            primary->Serve([](int question) { return question + 1; });
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    EXPECT_EQ(secondary->Ask(2028, 60'000), 2029);
    done = true;
    server.join();
}

TEST(HostInstanceChannel, AStaleSocketFileIsReplaced) {
    HostTestFolder folder;
    ASSERT_TRUE(platform::WriteFileAtomic(folder / "Rivakel.sock", std::vector<uint8_t>{'x'}));
    auto primary = platform::OpenInstanceChannel("Rivakel", folder.Path());
    auto secondary = platform::OpenInstanceChannel("Rivakel", folder.Path());
    ASSERT_TRUE(primary->IsPrimary());
    EXPECT_EQ(AskWhileServing(*primary, *secondary, 2029), 0);
}

TEST(HostInstanceChannel, AClientThatSaysNothingDoesNotBlockServing) {
    HostTestFolder folder;
    auto primary = platform::OpenInstanceChannel("Rivakel", folder.Path());
    const int silent = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = AddressOf(folder / "Rivakel.sock");
    ASSERT_EQ(::connect(silent, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    int calls = 0;
    primary->Serve([&](int) { return ++calls; });
    EXPECT_EQ(calls, 0);
    ::close(silent);
}

TEST(HostInstanceChannel, AskKeepsItsTimeoutWhenThePrimarysBacklogIsFull) {
    HostTestFolder folder;
    auto primary = platform::OpenInstanceChannel("Rivakel", folder.Path());
    auto secondary = platform::OpenInstanceChannel("Rivakel", folder.Path());
    ASSERT_TRUE(primary->IsPrimary());
    // A primary stuck in tearing down accepts nobody; fill its queue of waiting connections.
    const sockaddr_un address = AddressOf(folder / "Rivakel.sock");
    std::vector<int> waiting;
    for (int i = 0; i < 64; ++i) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            ::close(fd);
            break;
        }
        waiting.push_back(fd);
    }
    ASSERT_LT(waiting.size(), 64u);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(secondary->Ask(2029, 200).has_value());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
    for (int fd : waiting) ::close(fd);
}

TEST(HostInstanceChannel, AnotherUsersClientIsNotAnswered) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to run a client as another user";
    HostTestFolder folder;
    auto primary = platform::OpenInstanceChannel("Rivakel", folder.Path());
    ASSERT_TRUE(primary->IsPrimary());
    // Open the folder and the socket to everyone, as a shared runtime folder would be.
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0777), 0);
    ASSERT_EQ(::chmod((folder / "Rivakel.sock").c_str(), 0777), 0);
    const sockaddr_un address = AddressOf(folder / "Rivakel.sock");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) ::_exit(4);
        // The primary may refuse and close before the question is even sent: that is the
        // outcome wanted, as much as a question read and left unanswered.
        const int32_t question = 2027;
        int32_t reply = 0;
        const bool answered = ::send(fd, &question, sizeof question, MSG_NOSIGNAL) == sizeof question &&
                              ::recv(fd, &reply, sizeof reply, MSG_WAITALL) == sizeof reply;
        ::_exit(answered ? 1 : 0);
    }
    int calls = 0;
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        primary->Serve([&](int) { return ++calls; });
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(calls, 0);
}

}  // namespace
