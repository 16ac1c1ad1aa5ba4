// The outbox against the local portal server: what reaches the server, in which order, and
// what survives each way a server can fail.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>

#include "core/net/NetResults.h"
#include "core/outbox/tests/OutboxTestSession.h"

namespace {

TEST(OutboxDelivery, QueuedMessagesGoByPriorityWithTrackingLinesMergedAfterTheHandshake) {
    OutboxSession session;
    ASSERT_TRUE(session.ServerStarted());
    COutbox& outbox = session.Start();
    CSubsystem_UserStore& store = *session.Store();
    // Queued before the handshake ends: nothing can go yet.
    EXPECT_EQ(store.Track("First", {"a"}), kStoreOk);
    EXPECT_EQ(store.Track("Second", {"b"}), kStoreOk);
    EXPECT_EQ(outbox.Send(kMsgSetUserProfile, "SetUserProfile", "p<&>\"q", false, 5), kNetNotConnected);
    EXPECT_EQ(outbox.Send(kMsgSubscribe, "GetUserGUID", "ann@example.com", false, 11), kNetNotConnected);
    EXPECT_EQ(store.Track("Third", {"c"}), kStoreOk);
    ASSERT_TRUE(session.Drain());

    std::vector<std::string> order;
    for (const auto& message : session.Server().Received()) order.push_back(message.function);
    const std::vector<std::string> expected = {"Hello", "GetUserGUID", "SetUserProfile", "TrackEvent"};
    EXPECT_EQ(order, expected);
    const auto tracks = session.Posts("TrackEvent");
    ASSERT_EQ(tracks.size(), 1u);
    // The connection's own line, tracked at its first socket event, joins them.
    EXPECT_EQ(tracks[0].params, "1000,First,a,1000,Second,b,1000,Third,c,1000,StartupInfo,1,01.00.00.0001");
    EXPECT_EQ(session.Posts("SetUserProfile")[0].params, "p<&>\"q");
    EXPECT_EQ(tracks[0].sessionId, "{11111111-2222-3333-4444-555555555555}");
    // The banner definitions came after the handshake.
    ASSERT_TRUE(session.Pump([&] { return session.BannerResult().has_value(); }, 5000));
    EXPECT_EQ(*session.BannerResult(), 0);
    EXPECT_EQ(session.BannerReply().substr(0, 12), "RIVSRV_DEF00");
}

TEST(OutboxDelivery, OnlyAConnectionEndedBeforeAnyByteKeepsTheMessageQueued) {
    struct FaultCase {
        portal::Fault fault;
        size_t posts;  // 2: kept and sent again; 1: the fault was the answer
    };
    const std::vector<FaultCase> cases = {
        {portal::Fault::Drop, 2},    {portal::Fault::Reset, 2},       {portal::Fault::Stall, 2},
        {portal::Fault::Garbage, 1}, {portal::Fault::ServerError, 1}, {portal::Fault::Endless, 1},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(portal::FaultName(c.fault));
        OutboxSession session;
        ASSERT_TRUE(session.ServerStarted());
        // Only the stall waits for the deadline; an endless reply must end well before its own.
        COutbox& outbox = session.Start([&](NetConfig& config) {
            if (c.fault == portal::Fault::Stall) config.replyTimeoutMs = 500;
        });
        ASSERT_TRUE(session.Pump([] { return NetService()->ServerReached(); }));
        session.Server().QueueFault(c.fault);
        std::vector<int> heard;
        ReplyWait wait;
        outbox.SendAndWait(kMsgSubscribe, "GetUserGUID", "amy@example.com", true, 11,
                           [&](const ServerReply& reply) { heard.push_back(reply.status); }, wait);
        ASSERT_TRUE(session.Drain(10000));
        EXPECT_EQ(heard, std::vector<int>{kNoConnectionStatus});
        const auto posts = session.Posts("GetUserGUID");
        ASSERT_EQ(posts.size(), c.posts);
        for (const auto& post : posts) {
            EXPECT_EQ(post.high, posts[0].high);
            EXPECT_EQ(post.low, posts[0].low);
            EXPECT_EQ(post.params, "amy@example.com");
        }
    }
}

TEST(OutboxDelivery, ATrickledReplyIsReadWholeAndAnsweredOnce) {
    OutboxSession session;
    ASSERT_TRUE(session.ServerStarted());
    COutbox& outbox = session.Start();
    ASSERT_TRUE(session.Pump([] { return NetService()->ServerReached(); }));
    session.Server().QueueFault(portal::Fault::Trickle);
    ReplyWait wait;
    std::optional<ServerReply> heard;
    outbox.SendAndWait(kMsgSubscribe, "GetUserGUID", "bea@example.com", true, 11,
                       [&](const ServerReply& reply) { heard = reply; }, wait);
    ASSERT_TRUE(session.Drain());
    ASSERT_TRUE(heard.has_value());
    EXPECT_EQ(heard->status, 0);
    EXPECT_EQ(heard->text.size(), 38u);
    EXPECT_EQ(session.Posts("GetUserGUID").size(), 1u);
}

TEST(OutboxDelivery, AWaitingFormHearsNoConnectionOnceAndAGoneFormHearsNothing) {
    OutboxSession session;
    ASSERT_TRUE(session.ServerStarted());
    COutbox& outbox = session.Start();
    ASSERT_TRUE(session.Pump([] { return NetService()->ServerReached(); }));
    session.Server().QueueFault(portal::Fault::Drop, 2);
    std::vector<int> heard;
    ReplyWait kept;
    outbox.SendAndWait(kMsgSubscribe, "GetUserGUID", "cy@example.com", true, 11,
                       [&](const ServerReply& reply) { heard.push_back(reply.status); }, kept);
    auto gone = std::make_unique<ReplyWait>();
    auto goneHeard = std::make_unique<int>(0);
    outbox.SendAndWait(kMsgRivMe, "RivRivlet", "{G},dee@example.com,dee@example.com", true, 10,
                       [counter = goneHeard.get()](const ServerReply&) { ++*counter; }, *gone);
    // The page goes away before any reply: nothing may reach it afterwards.
    gone.reset();
    goneHeard.reset();
    ASSERT_TRUE(session.Drain());
    EXPECT_EQ(heard, std::vector<int>{kNoConnectionStatus});
    EXPECT_EQ(session.Posts("GetUserGUID").back().fault, portal::Fault::None);
    EXPECT_EQ(session.Posts("RivRivlet").size(), 1u);
}

TEST(OutboxDelivery, AnInstallationIdentifierIsStoredOnlyWhenItIsAGuid) {
    OutboxSession session;
    ASSERT_TRUE(session.ServerStarted());
    COutbox& outbox = session.Start();
    outbox.Send(kMsgGetShellGuid, "GetShellGUID", "01.00.00.0001", false, kGetShellGuidPriority);
    ASSERT_TRUE(session.Drain());
    const RdtNode* guid = session.Store()->GetShellElement()->FindChild("ShellGUID");
    ASSERT_NE(guid, nullptr);
    ASSERT_TRUE(guid->Text().has_value());
    EXPECT_EQ(*guid->Text(), session.sessionId);
    EXPECT_EQ(session.sessionId.size(), 38u);
    // The old identifier went to the server with the new one in use.
    ASSERT_TRUE(session.Pump([&] { return !session.Posts("ReplaceSessionGUID").empty(); }));
    const auto replaced = session.Posts("ReplaceSessionGUID");
    EXPECT_EQ(replaced[0].params, "{11111111-2222-3333-4444-555555555555}");
}

TEST(OutboxDelivery, AHandshakeRedirectedOrAnsweredOddlyIsAskedAgainAndTheQueueStillGoes) {
    struct HelloCase {
        portal::HelloAnswer first;
        const char* storedIp;  // "" when nothing may be stored
    };
    const std::vector<HelloCase> cases = {
        // The server names the address already in use: the canonical one, kept for good with 02.
        {{"02", "127.0.0.1"}, "127.0.0.1"},
        {{"01", "127.0.0.1"}, ""},
        // Nothing usable named, or a status without a meaning: asked again at the next request.
        {{"02", "256.1.1.1"}, ""},
        {{"01", "1.2.3"}, ""},
        {{"05", ""}, ""},
    };
    for (const HelloCase& c : cases) {
        SCOPED_TRACE(c.first.status + " " + c.first.text);
        portal::ServerOptions options;
        options.helloAnswers = {c.first, {"00", ""}};
        OutboxSession session(options);
        ASSERT_TRUE(session.ServerStarted());
        COutbox& outbox = session.Start();
        outbox.Send(kMsgSetUserProfile, "SetUserProfile", "profile", false, 5);
        ASSERT_TRUE(session.Drain());
        EXPECT_TRUE(NetService()->ServerReached());
        EXPECT_EQ(session.Posts("Hello").size(), 2u);
        EXPECT_EQ(session.Posts("SetUserProfile").size(), 1u);
        ASSERT_EQ(session.Store()->SaveCore(), kStoreOk);
        std::ifstream file(session.Folder().System() / "Core.rdt", std::ios::binary);
        const std::string core{std::istreambuf_iterator<char>(file), {}};
        if (*c.storedIp == '\0') {
            EXPECT_EQ(core.find("DefaultIP"), std::string::npos) << core;
        } else {
            EXPECT_NE(core.find("<DefaultIP IP=\"" + std::string(c.storedIp) + "\""), std::string::npos) << core;
        }
    }
}

TEST(OutboxDelivery, ARedirectChainIsFollowedAFewTimesThenOfflineUntilTheNextSetUp) {
    // The same address again and again, and an address where nobody listens (each time back to
    // the looked-up one, which redirects again). Six redirects, then the server would say 00.
    for (const char* address : {"127.0.0.1", "127.0.0.2"}) {
        SCOPED_TRACE(address);
        portal::ServerOptions options;
        options.helloAnswers.assign(6, {"01", address});
        options.helloAnswers.push_back({"00", ""});
        OutboxSession session(options);
        ASSERT_TRUE(session.ServerStarted());
        COutbox& outbox = session.Start();
        outbox.Send(kMsgSetUserProfile, "SetUserProfile", "profile", false, 5);
        ASSERT_TRUE(session.Pump([&] { return session.Posts("Hello").size() >= 6; }, 5000));
        // The outbox keeps trying each second; nothing reconnects any more.
        session.Pump([] { return false; }, 2500);
        EXPECT_EQ(session.Posts("Hello").size(), 6u);
        EXPECT_FALSE(NetService()->ServerReached());
        EXPECT_TRUE(session.Posts("SetUserProfile").empty());
        EXPECT_EQ(outbox.Queue().Size(), 2u);  // the message and the connection's tracking line
        EXPECT_EQ(session.Store()->GetShellElement()->FindChild("DefaultIP"), nullptr);
        // As the Settings page's Apply does.
        NetService()->Reset();
        ASSERT_TRUE(session.Drain());
        EXPECT_EQ(session.Posts("Hello").size(), 7u);
        EXPECT_EQ(session.Posts("SetUserProfile").size(), 1u);
    }
}

TEST(OutboxDelivery, DecliningTheConnectionPromptTellsTheWaitingFormAndKeepsTheMessage) {
    OutboxSession session;
    std::vector<int> answers = {platform::IdCancel, platform::IdOk, platform::IdCancel};
    std::vector<std::string> prompts;
    COutbox& outbox = session.Start([&](NetConfig& config) {
        config.testServer = "127.0.0.1:1";  // nobody listens there
        config.askConnection = [&](std::string_view caption, std::string_view text) {
            prompts.push_back(std::string(caption) + "|" + std::string(text));
            const int answer = answers.empty() ? platform::IdCancel : answers.front();
            if (!answers.empty()) answers.erase(answers.begin());
            return answer;
        };
    });
    ASSERT_TRUE(session.Pump([] { return NetService()->IsOffline() && !NetService()->ReadyToSend(); }, 2000));
    session.Pump([] { return false; }, 300);
    std::vector<int> heard;
    ReplyWait wait;
    // Declined at once: the form shows "no connection" itself; the message stays queued.
    EXPECT_EQ(outbox.SendAndWait(kMsgSubscribe, "GetUserGUID", "eve@example.com", true, 11,
                                 [&](const ServerReply& reply) { heard.push_back(reply.status); }, wait),
              kNetRefused);
    EXPECT_FALSE(wait.Waiting());
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0], std::string(kConnectionPromptCaption) + "|" + std::string(kConnectionPromptText));
    // Accepted, the connection fails again, declined: the waiting form hears it once.
    EXPECT_EQ(outbox.SendAndWait(kMsgSubscribe, "GetUserGUID", "fay@example.com", true, 11,
                                 [&](const ServerReply& reply) { heard.push_back(reply.status); }, wait),
              kNetNotConnected);
    ASSERT_TRUE(session.Pump([&] { return !heard.empty(); }, 3000));
    EXPECT_EQ(heard, std::vector<int>{kNoConnectionStatus});
    EXPECT_EQ(prompts.size(), 3u);
    EXPECT_EQ(outbox.Queue().Size(), 3u);  // both requests and the connection's tracking line
}

}  // namespace
