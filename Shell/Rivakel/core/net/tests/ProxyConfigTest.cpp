// Proxy settings and dotted addresses as users, the environment and the server give them.
#include <gtest/gtest.h>

#include "core/net/Ipv4Text.h"
#include "core/net/ProxyConfig.h"
#include "core/store/RdtNode.h"

namespace {

TEST(ProxyConfig, TextsAndAddressesOfTheEnvironment) {
    struct ProxyCase {
        const char* text;
        bool url;
        std::optional<std::pair<std::string, uint16_t>> expected;
    };
    using P = std::pair<std::string, uint16_t>;
    const std::vector<ProxyCase> cases = {
        {"proxy.example:8080", false, P{"proxy.example", 8080}},
        {"proxy.example", false, P{"proxy.example", 80}},
        {"proxy.example:abc", false, P{"proxy.example", 80}},
        {"proxy.example:0", false, P{"proxy.example", 80}},
        {"proxy.example:99999", false, P{"proxy.example", 80}},
        {"", false, std::nullopt},
        {":8080", false, std::nullopt},
        {"bad name:80", false, std::nullopt},
        {"http://127.0.0.1:3128/", true, P{"127.0.0.1", 3128}},
        {"HTTP://cache:3128", true, P{"cache", 3128}},
        {"cache:3128", true, P{"cache", 3128}},
        {"socks5://cache:1080", true, std::nullopt},
        // Credentials are passed over: the proxy is the host after them.
        {"http://user@cache:3128/", true, P{"cache", 3128}},
        {"http://user:pass:word@cache:3128", true, P{"cache", 3128}},
        {"user:p@ss@cache", true, P{"cache", 80}},
        {"http://user:password@", true, std::nullopt},
        {"http://cache:3128/path", true, std::nullopt},
    };
    for (const ProxyCase& c : cases) {
        const std::optional<ProxySetting> got = c.url ? ParseProxyUrl(c.text) : ParseProxyText(c.text);
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.text;
        if (got) {
            EXPECT_EQ(P(got->name, got->port), *c.expected) << c.text;
        }
    }
    EXPECT_FALSE(ParseProxyText(std::string(1500, 'p')));
}

TEST(ProxyConfig, TheStoredSettingOverTheSystemsAndItsRepairs) {
    const ProxySetting system{"sys", 3128};
    {
        // The environment's proxy is used but not kept: once mended, the mended one counts.
        RdtNode shell("Shell");
        EXPECT_EQ(ApplyStoredProxy(&shell, ProxySetting{"user", 80}).name, "user");
        const RdtNode* made = shell.FindChild("DefaultProxyServer");
        ASSERT_NE(made, nullptr);
        EXPECT_EQ(*made->AttrValue("Name"), "");
        EXPECT_EQ(ApplyStoredProxy(&shell, system).name, "sys");
        EXPECT_EQ(ApplyStoredProxy(&shell, system).port, 3128);
        EXPECT_FALSE(ApplyStoredProxy(&shell, std::nullopt).Enabled());
    }
    {
        RdtNode shell("Shell");
        RdtNode* stored = shell.AddChild("DefaultProxyServer");
        stored->SetAttr("Name", "mine");
        stored->SetAttr("Port", "0");
        const ProxySetting got = ApplyStoredProxy(&shell, system);
        EXPECT_EQ(got.name, "mine");
        EXPECT_EQ(got.port, 80);
        EXPECT_EQ(*stored->AttrValue("Port"), "80");
    }
    {
        RdtNode shell("Shell");
        shell.AddChild("DefaultProxyServer");  // no attributes at all
        EXPECT_EQ(ApplyStoredProxy(&shell, system).name, "sys");
        EXPECT_FALSE(ApplyStoredProxy(&shell, std::nullopt).Enabled());
    }
    {
        RdtNode shell("Shell");
        RdtNode* stored = shell.AddChild("DefaultProxyServer");
        stored->SetAttr("Name", "two words");
        stored->SetAttr("Port", "99999");
        EXPECT_EQ(ApplyStoredProxy(&shell, std::nullopt).name, "");
    }
}

TEST(Ipv4Text, OnlyFourNumbersUpTo255) {
    EXPECT_EQ(ParseIpv4("127.0.0.1"), 0x7F000001u);
    EXPECT_EQ(ParseIpv4("255.255.255.255\r\n"), 0xFFFFFFFFu);
    EXPECT_EQ(FormatIpv4(0x0A000102), "10.0.1.2");
    for (const char* bad : {"1.2.3", "256.1.1.1", "a.b.c.d", "1.2.3.4 trailing", "1.2.3.4.5", "", "1..2.3", " 1.2.3.4",
                            "0001.2.3.4", "-1.2.3.4"}) {
        EXPECT_FALSE(ParseIpv4(bad)) << bad;
    }
}

}  // namespace
