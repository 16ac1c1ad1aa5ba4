// The outbox against servers and files that do not play along: a server that answers nothing but
// garbage, messages stored without usable identities. Each message still goes once and leaves
// the queue.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/net/NetResults.h"
#include "core/outbox/tests/OutboxTestSession.h"

namespace {

using IdPair = std::pair<uint32_t, uint32_t>;

// Every post but the handshake, by identity: each may come only once.
std::map<IdPair, std::string> PostsByIdentity(OutboxSession& session, size_t& duplicates) {
    std::map<IdPair, std::string> posts;
    duplicates = 0;
    for (const auto& message : session.Server().Received()) {
        if (message.function == "Hello") continue;
        if (!posts.emplace(IdPair{message.high, message.low}, message.function).second) ++duplicates;
    }
    return posts;
}

TEST(OutboxHostileServer, AMinuteOfGarbageAnswersGetsEachQueuedMessageSentOnce) {
    portal::ServerOptions options;
    options.faultRates = {{portal::Fault::Garbage, 1.0}};
    OutboxSession session(options);
    ASSERT_TRUE(session.ServerStarted());
    COutbox& outbox = session.Start();
    ASSERT_TRUE(session.Pump([] { return NetService()->ServerReached(); }));
    outbox.Send(kMsgSetUserProfile, "SetUserProfile", "profile", false, 5);
    outbox.Send(kMsgSubscribe, "GetUserGUID", "gus@example.com", false, 11);
    outbox.Send(kMsgRivMe, "RivRivlet", "{G},hal@example.com,hal@example.com", false, 10);
    outbox.Send(kMsgUpdateShellVersion, "UpdateShellVersion", "01.00.00.0002", false, 10);
    session.Store()->Track("Played", {"1"});
    // A minute of the outbox's clock, one resend tick at a time, with real waits for the sockets.
    for (int second = 0; second < 60; ++second) {
        session.Backend().AdvanceTime(1000);
        session.Pump([] { return false; }, 25);
    }
    EXPECT_EQ(outbox.Queue().Size(), 0u);
    size_t duplicates = 0;
    const auto posts = PostsByIdentity(session, duplicates);
    EXPECT_EQ(duplicates, 0u);
    std::multiset<std::string> functions;
    for (const auto& [ids, function] : posts) functions.insert(function);
    const std::multiset<std::string> expected = {"GetUserGUID", "RivRivlet", "SetUserProfile", "TrackEvent",
                                                 "UpdateShellVersion"};
    EXPECT_EQ(functions, expected);
}

TEST(OutboxHostileServer, StoredMessagesWithoutUsableIdentitiesAreSentOnceEach) {
    struct StoredIds {
        const char* high;  // null: the attribute is missing
        const char* low;
    };
    const std::vector<StoredIds> stored = {
        {nullptr, nullptr}, {"0", "0"}, {"abc", "x1"}, {"4294967296", "99999999999"}, {"", ""},
    };
    OutboxSession session;
    ASSERT_TRUE(session.ServerStarted());
    CSubsystem_UserStore& store = session.OpenStore();
    RdtNode* queue = store.GetOutboxUser(std::string_view("0"));
    ASSERT_NE(queue, nullptr);
    for (size_t i = 0; i < stored.size(); ++i) {
        RdtNode* message = queue->AddChild("Message");
        if (stored[i].high != nullptr) message->AddAttr("MsgIDH", stored[i].high);
        if (stored[i].low != nullptr) message->AddAttr("MsgIDL", stored[i].low);
        message->AddAttr("MsgType", "SetUserProfile");
        message->AddAttr("Function", "SetUserProfile");
        message->AddAttr("Params", "p" + std::to_string(i));
        message->AddAttr("ForceConn", "false");
        message->AddAttr("Priority", "5");
    }
    COutbox& outbox = session.Start();
    EXPECT_EQ(outbox.Queue().Size(), stored.size());
    ASSERT_TRUE(session.Drain());
    size_t duplicates = 0;
    PostsByIdentity(session, duplicates);
    EXPECT_EQ(duplicates, 0u);
    std::set<std::string> params;
    for (const auto& message : session.Posts("SetUserProfile")) {
        EXPECT_NE(IdPair(message.high, message.low), IdPair(0, 0));
        params.insert(message.params);
    }
    EXPECT_EQ(session.Posts("SetUserProfile").size(), stored.size());
    EXPECT_EQ(params, (std::set<std::string>{"p0", "p1", "p2", "p3", "p4"}));
}

}  // namespace
