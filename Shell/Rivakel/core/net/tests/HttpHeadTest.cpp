// Response heads and redirect targets, read only within the bytes given.
#include <gtest/gtest.h>

#include "core/net/HttpHead.h"

namespace {

TEST(HttpHead, StatusLengthAndFieldsOfHeadsInBothLineEnds) {
    const auto crlf = ParseHttpHead("HTTP/1.1 302 Moved\r\nLocation: http://a/b\r\nContent-Length: 3\r\n\r\nabc");
    ASSERT_TRUE(crlf);
    EXPECT_EQ(crlf->status, 302);
    EXPECT_EQ(crlf->length, 63u);
    EXPECT_EQ(crlf->location, "http://a/b");
    EXPECT_EQ(crlf->contentLength, 3u);
    const auto lf = ParseHttpHead("HTTP/1.0 404 Not Found\ntransfer-encoding: chunked\n\nbody");
    ASSERT_TRUE(lf);
    EXPECT_EQ(lf->status, 404);
    EXPECT_TRUE(lf->chunked);
    EXPECT_EQ(lf->length, 51u);

    for (const char* unfinished : {"HTTP/1.0 200 OK\r\nContent-Length: 1\r\n", "HTTP/1.0 200", "", "GET / HTTP/1.0\r\n\r\n"}) {
        EXPECT_FALSE(ParseHttpHead(unfinished)) << unfinished;
    }
    EXPECT_EQ(ParseHttpHead("HTTP/1.0 2x0 OK\r\n\r\n")->status, 0);
    EXPECT_EQ(ParseHttpHead("HTTP/1.0 2000 OK\r\n\r\n")->status, 0);
    // A field name in the body is not a field.
    EXPECT_FALSE(ParseHttpHead("HTTP/1.0 200 OK\r\n\r\nContent-Length: 5\r\n")->contentLength);
}

TEST(HttpHead, RedirectTargets) {
    struct LocationCase {
        const char* location;
        std::optional<RedirectTarget> expected;
    };
    const std::vector<LocationCase> cases = {
        {"http://other:8080/x/y.asp", RedirectTarget{"other", 8080, "/x/y.asp"}},
        {"HTTP://Other/x", RedirectTarget{"Other", 80, "/x"}},
        {"http://other", RedirectTarget{"other", 80, "/"}},
        {"http://10.0.0.1:65535/", RedirectTarget{"10.0.0.1", 65535, "/"}},
        {"http://other:0/x", std::nullopt},
        {"http://other:65536/x", std::nullopt},
        {"http://other:x/y", std::nullopt},
        {"http://other:/y", std::nullopt},
        {"http:///path", std::nullopt},
        {"https://other/x", std::nullopt},
        {"/relative/path", std::nullopt},
        {"http://oth er/x", std::nullopt},
        {"http://other/x\r\nSet-Cookie: a", std::nullopt},
        {"http://us@er/x", std::nullopt},
        {"", std::nullopt},
    };
    for (const LocationCase& c : cases) {
        const std::optional<RedirectTarget> got = ParseRedirectLocation(c.location);
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.location;
        if (!got) continue;
        EXPECT_EQ(got->host, c.expected->host) << c.location;
        EXPECT_EQ(got->port, c.expected->port) << c.location;
        EXPECT_EQ(got->path, c.expected->path) << c.location;
    }
    EXPECT_FALSE(ParseRedirectLocation("http://" + std::string(300, 'h') + "/x"));
}

}  // namespace
