// The queue's choices (priority, ties, the window of messages read, merging of tracking lines),
// its journal and message identities, without a connection.
#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "core/outbox/OutboxQueue.h"
#include "core/store/OutboxSalvage.h"
#include "core/store/RdtNode.h"
#include "core/store/RdtReader.h"
#include "core/store/RdtWriter.h"
#include "core/store/tests/StoreTestFolder.h"

namespace {

struct Queued {
    std::string function;
    int priority;
    std::string params = "p";
};

// A queue element as the Outbox file holds it, with messages 1, 2, 3... in order.
std::unique_ptr<RdtNode> FileQueue(const std::vector<Queued>& messages) {
    auto user = std::make_unique<RdtNode>("User");
    OutboxQueue writer;
    writer.Bind(user.get());
    uint32_t id = 1;
    for (const Queued& m : messages) {
        writer.Enqueue(m.function == kTrackFunction ? kMsgTrackEvent : kMsgSubscribe, m.function, m.params, false,
                       m.priority, {id, id});
        ++id;
    }
    return user;
}

std::vector<uint32_t> PickAll(OutboxQueue& queue) {
    std::vector<uint32_t> order;
    while (std::optional<PickedMessage> picked = queue.PickNext()) {
        order.push_back(picked->ids.low);
        queue.Remove(picked->ids);
    }
    return order;
}

TEST(OutboxQueue, HighestPriorityFirstTiesInDocumentOrderNegativeNever) {
    auto user = FileQueue({{"A", 10}, {"B", 12}, {"C", 12}, {"D", -1}, {"E", 0}, {"F", INT_MIN}, {"G", INT_MAX}});
    OutboxQueue queue;
    queue.Bind(user.get());
    EXPECT_EQ(PickAll(queue), (std::vector<uint32_t>{7, 2, 3, 1, 5}));
    EXPECT_EQ(queue.Size(), 2u);  // the negative ones stay, and did not stall the rest
    // They still leave when answered, the lowest priority too.
    EXPECT_TRUE(queue.Remove({4, 4}));
    EXPECT_TRUE(queue.Remove({6, 6}));
    EXPECT_EQ(queue.Size(), 0u);
    EXPECT_EQ(queue.Bytes(), 0u);
}

TEST(OutboxQueue, EightAreReadAtFirstAndFiveMoreWhenNoneOfThemCanGo) {
    std::vector<Queued> messages(12, Queued{"F", 1});
    messages[11].priority = 50;  // not read yet: it waits for the eight
    messages[2].priority = -3;
    auto user = FileQueue(messages);
    OutboxQueue queue;
    queue.Bind(user.get());
    EXPECT_EQ(PickAll(queue), (std::vector<uint32_t>{1, 2, 4, 5, 6, 7, 8, 12, 9, 10, 11}));
}

TEST(OutboxQueue, TrackingLinesMergeWithinTheLimitAndAfterTheOthers) {
    const std::string line499(499, 'a');
    struct MergeCase {
        const char* name;
        std::vector<Queued> messages;
        std::vector<std::string> sent;  // params of each pick in order
    };
    const std::vector<MergeCase> cases = {
        {"three lines and a subscription",
         {{"TrackEvent", 0, "l1"}, {"TrackEvent", 0, "l2"}, {"GetUserGUID", 11, "g"}, {"TrackEvent", 0, "l3"}},
         {"g", "l1,l2,l3"}},
        {"a line of 600 goes alone",
         {{"TrackEvent", 0, std::string(600, 'x')}, {"TrackEvent", 0, "b"}},
         {std::string(600, 'x'), "b"}},
        {"a candidate of 501 is not taken",
         {{"TrackEvent", 0, "a"}, {"TrackEvent", 0, std::string(501, 'y')}},
         {"a", std::string(501, 'y')}},
        {"text up to 500 takes one more",
         {{"TrackEvent", 0, line499}, {"TrackEvent", 0, "b"}, {"TrackEvent", 0, "c"}},
         {line499 + ",b", "c"}},
        {"another function ends the merge",
         {{"TrackEvent", 0, "a"}, {"SetUserProfile", 0, "s"}, {"TrackEvent", 0, "c"}},
         {"a", "s", "c"}},
    };
    for (const MergeCase& c : cases) {
        auto user = FileQueue(c.messages);
        OutboxQueue queue;
        queue.Bind(user.get());
        std::vector<std::string> sent;
        while (std::optional<PickedMessage> picked = queue.PickNext()) {
            sent.push_back(picked->params);
            queue.Remove(picked->ids);
        }
        EXPECT_EQ(sent, c.sent) << c.name;
    }
}

TEST(OutboxQueue, AMessageThatWasSentNeverChangesAndParamsSurviveTheFile) {
    const std::string tricky = "<a href=\"x&amp;y\">&</a> &lt; \x80\xff";
    auto user = FileQueue({{"TrackEvent", 0, tricky}, {"TrackEvent", 0, "later"}});
    OutboxQueue queue;
    queue.Bind(user.get());
    queue.MarkSent({1, 1});
    std::optional<PickedMessage> first = queue.PickNext();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->params, tricky);
    EXPECT_FALSE(first->forceConn);
    EXPECT_EQ(queue.Size(), 2u);

    // Through the file and back, the text is the same.
    std::unique_ptr<RdtNode> reread;
    ASSERT_TRUE(ParseRdt(WriteRdt(*user), reread));
    OutboxQueue again;
    again.Bind(reread.get());
    EXPECT_EQ(again.PickNext()->params, tricky + ",later");
    EXPECT_FALSE(again.Remove({9, 9}).has_value());
}

TEST(OutboxJournal, ReplayOverAnyLaterSnapshotGivesTheSameQueue) {
    StoreTestFolder folder;
    const std::string path = folder.Path() + "/Outbox.jnl";
    auto user = std::make_unique<RdtNode>("User");
    OutboxJournal journal(path);
    OutboxQueue queue;
    queue.Bind(user.get());
    std::vector<std::string> snapshots;
    queue.SetJournal(&journal);
    for (uint32_t i = 1; i <= 6; ++i) {
        queue.Enqueue(kMsgTrackEvent, kTrackFunction, "line\t" + std::to_string(i) + "\n", false, 0, {i, i});
        snapshots.push_back(WriteRdt(*user));
    }
    queue.PickNext();  // merges 2..6 into 1
    queue.MarkSent({1, 1});
    snapshots.push_back(WriteRdt(*user));
    const std::string final = WriteRdt(*user);
    // Each snapshot the store may have written, with the whole journal over it, ends the same.
    for (const std::string& snapshot : snapshots) {
        std::unique_ptr<RdtNode> restored;
        ASSERT_TRUE(ParseRdt(snapshot, restored));
        OutboxQueue replayed;
        replayed.Bind(restored.get());
        journal.Replay([&](const JournalRecord& record) { replayed.Apply(record); });
        EXPECT_EQ(WriteRdt(*restored), final);
        EXPECT_EQ(replayed.SentRecords().size(), 1u);
    }
    // A record cut short by a kill is not replayed; damaged lines are passed over.
    EXPECT_FALSE(ParseJournalRecord("A\t1\t1\tTrackEvent"));
    EXPECT_FALSE(ParseJournalRecord("R\t1\tx"));
    EXPECT_FALSE(ParseJournalRecord("P\t1\t1\tbad\\q"));
    EXPECT_FALSE(ParseJournalRecord("R\t1\t99999999999"));
}

TEST(MessageIdSource, NoIdentityComesTwiceEvenWithinOneMillisecond) {
    MessageIdSource source;
    std::set<MessageIds> seen;
    for (int i = 0; i < 5000; ++i) EXPECT_TRUE(seen.insert(source.Next(100, 7)).second) << i;
    for (uint32_t ms = 8; ms < 20; ++ms) EXPECT_TRUE(seen.insert(source.Next(100, ms)).second) << ms;
    for (const MessageIds& ids : seen) EXPECT_LT(ids.low, 0x80000000u);
}

}  // namespace
