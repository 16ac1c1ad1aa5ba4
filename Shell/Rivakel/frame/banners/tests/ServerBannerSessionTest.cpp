// The banner spot against the local portal server: the banner definitions fetched after the
// handshake join the rotation, an installed shell keeps them, and the display time and clicks
// reach the server through the outbox.
#include <gtest/gtest.h>

#include "Tools/portalserver/PortalServer.h"
#include "frame/banners/AdBanner.h"
#include "frame/banners/tests/BannerFixtures.h"
#include "frame/shell/tests/ShellSession.h"

namespace {

namespace fs = std::filesystem;

// 2030-01-01 00:00:00 UTC.
constexpr int64_t kNow = 1893456000;
constexpr platform::Point kBannerAt{165, 58};
// While the shell talks to the server its clock keeps to real time, so no answer times out
// however slow the machine; in between the clock races through the 30-second turns.
constexpr uint32_t kRealTimeWaitMs = 1000, kQuickWaitMs = 2;
constexpr const char* kServerGuid = "{5E4F5E4F-1111-2222-3333-444455556666}";

// One well-formed definition and one whose picture is no picture's base64.
std::string DefinitionsDocument() {
    const std::string picture = fixtures::Base64Of(fixtures::SolidGif(468, 60, {0x2B5C8A}));
    return fixtures::ServerDocument(fixtures::ServerDefinition(kServerGuid, picture, kNow + 86400) +
                                    fixtures::ServerDefinition("{0BAD0BAD-0000-0000-0000-000000000000}",
                                                               "!!not base64!!", kNow + 86400));
}

class ServerBannerTest : public ShellSession {
protected:
    void SetUp() override {
        ShellSession::SetUp();
        headless_->SetUtc({2030, 1, 1, 0, 0, 0, 0});
        headless_->SetRealWaitMs(kQuickWaitMs);
        portal::ServerOptions options;
        options.bannerDocument = DefinitionsDocument();
        server_ = std::make_unique<portal::PortalServer>(options);
        ASSERT_TRUE(server_->Start());
        test_portal::UseLocalServer(root_ / "data", server_->Port());
    }
    void TearDown() override {
        ShellSession::TearDown();
        if (server_) server_->Stop();
    }

    CAdBanner& Banner() const { return *FindAdBanner(TheShell(), CAdBanner::kBanner); }
    // Pumps until `done` holds, at most `turns` slices of 100 ms of the test clock.
    bool PumpUntil(const std::function<bool()>& done, int turns = 600) {
        for (int i = 0; i < turns && !done(); ++i) Pump(100);
        return done();
    }
    bool PumpInRealTimeUntil(const std::function<bool()>& done) {
        headless_->SetRealWaitMs(kRealTimeWaitMs);
        const bool met = PumpUntil(done, 300);
        headless_->SetRealWaitMs(kQuickWaitMs);
        return met;
    }
    int Received(std::string_view function, std::string_view text) const {
        int found = 0;
        for (const portal::ReceivedMessage& message : server_->Received()) {
            if (message.function == function && message.fault == portal::Fault::None &&
                message.params.find(text) != std::string::npos)
                ++found;
        }
        return found;
    }

    std::unique_ptr<portal::PortalServer> server_;
};

TEST_F(ServerBannerTest, ShownKeptAndTrackedThroughTheOutbox) {
    MakeInstalled();
    Start();
    ASSERT_TRUE(PumpInRealTimeUntil([] { return test_portal::BannerDefinitionsPending(); }))
        << "the banner definitions were never fetched";
    // The first rotation takes the pending document: the valid definition joins the server list.
    ASSERT_TRUE(PumpUntil([this] { return Banner().Current() != nullptr && Banner().Current()->guid == kServerGuid; }));
    EXPECT_EQ(Banner().ListSizes(), (std::array<size_t, 4>{0, 1, 0, 2}));
    // Taken once: a definition that did not read is not read again at every turn.
    EXPECT_FALSE(test_portal::BannerDefinitionsPending());
    ASSERT_TRUE(PumpUntil([this] { return Banner().Ready(); }));
    EXPECT_EQ(Pixel(kBannerAt.x + 200, kBannerAt.y + 30), 0x2B5C8Au);
    const fs::path stored = root_ / "data" / "Rivakel" / "System" / "Banners" / (std::string("pbn-") + kServerGuid + ".rdt");
    EXPECT_TRUE(fs::exists(stored));

    Click(kBannerAt.x + 200, kBannerAt.y + 30);
    EXPECT_EQ(headless_->OpenedUrls(), (std::vector<std::string>{"https://www.rivakel.example/server"}));
    // The lone server banner holds its turn, and its time is tracked at each rotation.
    Pump(30000 + 1500);
    EXPECT_EQ(Banner().Current()->guid, kServerGuid);
    EXPECT_TRUE(PumpInRealTimeUntil([this] {
        return Received("TrackEvent", std::string("AdBannerTime,") + kServerGuid + ",30") > 0 &&
               Received("TrackEvent", std::string("AdBannerClicked,") + kServerGuid + ",") > 0;
    }));
}

}  // namespace
