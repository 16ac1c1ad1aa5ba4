#include "app/TestServerMarker.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseTestServerAddress, AcceptsHostAndPortOnTheFirstLine) {
    EXPECT_EQ(ParseTestServerAddress("127.0.0.1:8780\nignored"), "127.0.0.1:8780");
    EXPECT_EQ(ParseTestServerAddress("  localhost:80 \r\n"), "localhost:80");
    EXPECT_EQ(ParseTestServerAddress("[::1]:9000"), "[::1]:9000");
}

TEST(ParseTestServerAddress, RefusesAnythingElse) {
    for (const char* text : {"", "\n127.0.0.1:1", "host", "host:", ":80", "host:123456", "host:8x", "a b:1",
                             "http://host:80", "host:80;rm"}) {
        EXPECT_FALSE(ParseTestServerAddress(text)) << text;
    }
    EXPECT_FALSE(ParseTestServerAddress(std::string(300, 'a') + ":1"));
}

}  // namespace
