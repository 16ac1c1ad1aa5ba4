// Server replies: the marker and status, and every way a reply can be short, long or wrong.
#include <gtest/gtest.h>

#include <string>

#include "core/net/HttpResponseReader.h"
#include "core/net/NetResults.h"
#include "core/net/ServerReply.h"

namespace {

struct ReplyCase {
    const char* name;
    std::string received;
    int status;
    std::string text;
};

TEST(ServerReply, StatusAndTextFromTheFirstMarker) {
    const std::vector<ReplyCase> cases = {
        {"status 1 and its text", "RIVSRV_abc01:abc", 1, "abc"},
        {"marker inside a head", "HTTP/1.0 200 OK\r\n\r\nxxRIVSRV_REP00:{A}", 0, "{A}"},
        {"status read as d10 x 16 + d11", "RIVSRV_REP80:", 128, ""},
        {"ninety", "RIVSRV_REP90:", 144, ""},
        {"two markers: the first counts", "RIVSRV_REP02:1.2.3.4 RIVSRV_REP00:x", 2, "1.2.3.4 RIVSRV_REP00:x"},
        {"text ends at a NUL", std::string("RIVSRV_REP00:ab\0cd", 18), 0, "ab"},
        {"a NUL before the marker", std::string("\0\0RIVSRV_REP00:ok", 17), 0, "ok"},
        {"exactly the status, no separator", "RIVSRV_REP00", 0, ""},
        {"separator and no text", "RIVSRV_REP00:", 0, ""},
        {"no marker", "HTTP/1.0 200 OK\r\n\r\n<html>", kNetUnrecognised, "old"},
        {"empty", "", kNetUnrecognised, "old"},
        {"marker at the very end", "xxRIVSRV_", kNetUnrecognised, "old"},
        {"one status digit", "RIVSRV_REP0", kNetUnrecognised, "old"},
        {"letters for digits", "RIVSRV_REPab:x", kNetUnrecognised, "old"},
        {"a minus sign", "RIVSRV_REP-1:x", kNetUnrecognised, "old"},
    };
    for (const ReplyCase& c : cases) {
        ServerReply reply;
        reply.text = "old";
        EXPECT_EQ(ParseServerReply(c.received, reply), c.status) << c.name;
        EXPECT_EQ(reply.text, c.text) << c.name;
    }
}

TEST(ServerReply, EveryTruncationOfAGoodReplyGivesItsStatusOrUnrecognised) {
    const std::string full = "HTTP/1.0 200 OK\r\nContent-Length: 24\r\n\r\nRIVSRV_REP84:duplicate!!";
    for (size_t cut = 0; cut <= full.size(); ++cut) {
        ServerReply reply;
        const int status = ParseServerReply(full.substr(0, cut), reply);
        if (status == kNetUnrecognised) continue;
        EXPECT_EQ(status, 0x84) << cut;
        EXPECT_EQ(full.substr(full.find("duplicate")).substr(0, reply.text.size()), reply.text) << cut;
    }
}

TEST(ServerReply, ATextOverTheRecordsSizeIsCut) {
    ServerReply reply;
    EXPECT_EQ(ParseServerReply("RIVSRV_REP00:" + std::string(6000, 'a'), reply), 0);
    EXPECT_EQ(reply.text.size(), kMaxReplyText);
}

// The reply of one post read in pieces: whole, at most 4999 bytes kept, done by length or close.
TEST(ReplyReader, ReadsWholeOverAnySplitAndKeepsOnlyTheStart) {
    const std::string reply = "HTTP/1.0 200 OK\r\nContent-Length: 15\r\n\r\nRIVSRV_REP00:ok";
    for (size_t split = 0; split <= reply.size(); ++split) {
        HttpResponseReader reader(kMaxReplyText, false);
        reader.Add(std::string_view(reply).substr(0, split));
        EXPECT_EQ(reader.Add(std::string_view(reply).substr(split)), HttpResponseReader::State::Complete) << split;
        EXPECT_EQ(reader.Kept(), reply);
    }
    HttpResponseReader huge(kMaxReplyText, false);
    const std::string piece(1 << 20, 'z');
    for (int i = 0; i < 100; ++i) huge.Add(piece);  // 100 MB pass through
    EXPECT_EQ(huge.End(), HttpResponseReader::State::Complete);
    EXPECT_EQ(huge.Kept().size(), kMaxReplyText);
    EXPECT_EQ(huge.Total(), 100u << 20);
}

TEST(ReplyReader, LyingLengthsEndAtTheCloseAndSayWhenTheyWereCutShort) {
    struct LengthCase {
        const char* name;
        std::string head;
        bool completeBeforeClose;
        bool truncated;
    };
    const std::string body = "RIVSRV_REP00:ok";
    const std::vector<LengthCase> cases = {
        {"exact", "Content-Length: 15", true, false},
        {"zero: complete right after the head", "Content-Length: 0", true, false},
        {"longer than the body", "Content-Length: 999", false, true},
        {"negative", "Content-Length: -5", false, false},
        {"not a number", "Content-Length: ten", false, false},
        {"2^40", "Content-Length: 1099511627776", false, true},
        {"beyond 2^53", "Content-Length: 99999999999999999999", false, false},
        {"two that disagree", "Content-Length: 15\r\nContent-Length: 16", false, false},
        {"missing", "Server: x", false, false},
    };
    for (const LengthCase& c : cases) {
        HttpResponseReader reader(kMaxReplyText, false);
        const auto state = reader.Add("HTTP/1.0 200 OK\r\n" + c.head + "\r\n\r\n" + body);
        EXPECT_EQ(state == HttpResponseReader::State::Complete, c.completeBeforeClose) << c.name;
        reader.End();
        EXPECT_EQ(reader.Truncated(), c.truncated) << c.name;
    }
}

}  // namespace
