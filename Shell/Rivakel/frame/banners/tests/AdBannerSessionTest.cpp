// The two advertising spots in the real shell window on the headless backend: what they load
// from the data folders, how they rotate and slide with the clock moved, what a click does, and
// the files they must leave alone.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include "core/base/CSubsystem_Clock.h"
#include "core/files/CSubsystem_File.h"
#include "core/graphics/Image.h"
#include "core/store/MarkupDoc.h"
#include "core/store/OutboxLink.h"
#include "core/store/UserStore.h"
#include "frame/banners/AdBanner.h"
#include "frame/banners/CatalogPage.h"
#include "frame/banners/tests/BannerFixtures.h"
#include "frame/shell/tests/ShellSession.h"

namespace {

namespace fs = std::filesystem;

// 2030-01-01 00:00:00 UTC.
constexpr int64_t kNow = 1893456000;
constexpr platform::Point kBannerAt{165, 58}, kCatalogAt{655, 53};

// What the store tracked, as the outbox would have been given it.
class TrackRecorder final : public IOutboxLink {
public:
    int Send(int, std::string_view, std::string_view params, bool, int) override {
        lines.emplace_back(params);
        return 0;
    }
    void SetRoot(RdtNode*) override {}
    int Count(std::string_view text) const {
        int n = 0;
        for (const std::string& line : lines) n += line.find(text) != std::string::npos ? 1 : 0;
        return n;
    }
    std::vector<std::string> lines;
};

class AdBannerTest : public ShellSession {
protected:
    void SetUp() override {
        ShellSession::SetUp();
        headless_->SetUtc({2030, 1, 1, 0, 0, 0, 0});
    }
    void TearDown() override {
        if (UserStore() != nullptr) UserStore()->SetOutbox(nullptr);
        ShellSession::TearDown();
    }

    void StartTracked(bool game = false) {
        Start(game);
        UserStore()->SetOutbox(&tracked_);
    }
    fs::path Folder(const char* sub) const { return root_ / "data" / "Rivakel" / "System" / sub; }
    void AddBanner(const std::string& name, uint32_t colour, const std::string& url = "https://www.rivakel.example/",
                   int64_t start = kNow - 100, int64_t expires = kNow + 100000) {
        fixtures::Write(Folder("Banners") / (name + ".rdt"),
                        fixtures::BannerText("{" + std::string(8, name.back()) + "-0000-0000-0000-000000000000}",
                                             name + ".gif", url, std::to_string(start), std::to_string(expires)));
        fixtures::Write(Folder("Banners") / (name + ".gif"), fixtures::SolidGif(468, 60, {colour}));
    }
    CAdBanner& Banner() const { return *FindAdBanner(TheShell(), CAdBanner::kBanner); }
    CAdBanner& Catalog() const { return *FindAdBanner(TheShell(), CAdBanner::kCatalog); }
    std::string Shown() const {
        const BannerEntry* entry = Banner().Current();
        return entry == nullptr ? "" : entry->fileName.empty() ? entry->imageName : entry->fileName;
    }
    // The next rotation and its slide, done.
    void Rotate() { Pump(30000 + 1500); }

    TrackRecorder tracked_;
};

TEST_F(AdBannerTest, TheBigSkinHasBothSpotsInPlaceAndTheSmallSkinNone) {
    Start();
    int x = 0, y = 0, width = 0, height = 0;
    Banner().GetLoc(x, y);
    Banner().GetSize(width, height);
    EXPECT_EQ((platform::Rect{x, y, x + width, y + height}), (platform::Rect{165, 58, 635, 120}));
    Catalog().GetLoc(x, y);
    Catalog().GetSize(width, height);
    EXPECT_EQ((platform::Rect{x, y, x + width, y + height}), (platform::Rect{655, 53, 777, 115}));
    EXPECT_EQ(Banner().ListSizes(), (std::array<size_t, 4>{0, 0, 0, 2}));
    EXPECT_EQ(Catalog().ListSizes(), (std::array<size_t, 4>{0, 0, 0, 1}));
    EXPECT_EQ(Shown(), kGetRivpedPicture);
    EXPECT_EQ(Catalog().Current()->title, "Rivakel Game Store");
    // The pictures are drawn: no frame colour where they lie.
    EXPECT_NE(Pixel(kBannerAt.x + 400, kBannerAt.y + 30), Pixel(kBannerAt.x + 400, kBannerAt.y - 3));
    EXPECT_EQ(Pixel(kCatalogAt.x + 61, kCatalogAt.y + 31), 0xB12222u);  // the icon's red card
    TearDown();
    SetUp();
    headless_->SetScreenSize(799, 600);
    Start();
    EXPECT_EQ(FindAdBanner(TheShell(), CAdBanner::kBanner), nullptr);
    EXPECT_EQ(FindAdBanner(TheShell(), CAdBanner::kCatalog), nullptr);
}

TEST_F(AdBannerTest, EveryThirtySecondsTheNextPictureSlidesInAtFortyFivePixelsASecondAndItsTimeIsTracked) {
    StartTracked();
    EXPECT_EQ(Shown(), kGetRivpedPicture);
    Pump(29800);
    EXPECT_EQ(Banner().IncomingPicture(), nullptr);
    EXPECT_EQ(tracked_.Count("AdBannerTime"), 0);
    for (int i = 0; i < 100 && Banner().IncomingPicture() == nullptr; ++i) Pump(5);
    const uint32_t started = headless_->TickMs();
    ASSERT_NE(Banner().IncomingPicture(), nullptr);
    EXPECT_FALSE(Banner().Ready());
    EXPECT_EQ(Shown(), kRivFriendPicture);
    EXPECT_EQ(tracked_.Count("AdBannerTime,{788F0025-D602-443F-A0EC-9D9CAAAC160C},30"), 1);
    int x = 0, y = 0;
    Pump(1000);
    Banner().IncomingPicture()->GetLoc(x, y);
    // 45 pixels a second from y 60, give or take the 50 ms of a tick.
    const int64_t elapsed = headless_->TickMs() - started;
    EXPECT_NEAR(y, 60 - elapsed * 45 / 1000, 3);
    EXPECT_EQ(x, 1);
    Pump(400);
    EXPECT_EQ(Banner().IncomingPicture(), nullptr);
    ASSERT_NE(Banner().ShownPicture(), nullptr);
    Banner().ShownPicture()->GetLoc(x, y);
    EXPECT_EQ(y, 1);
    EXPECT_TRUE(Banner().Ready());
    EXPECT_EQ(Banner().Children().size(), 1u);  // the one before is gone
    Rotate();
    EXPECT_EQ(Shown(), kGetRivpedPicture);
    EXPECT_EQ(tracked_.Count("AdBannerTime,{490D86F0-A346-4D77-88F9-CCEE271892EB},30"), 1);
    // The lone built-in catalogue stays, and so tracks its time without sliding.
    EXPECT_EQ(Catalog().IncomingPicture(), nullptr);
    EXPECT_EQ(tracked_.Count("AdBannerTime,{D95220E6-5D4B-47B1-9A3E-EF7AD1F83832},30"), 2);
}

TEST_F(AdBannerTest, LocalFilesComeFirstInTheCycleAndOnlyExpiredOnesAreDeleted) {
    MakeInstalled();
    AddBanner("sbn-a", 0x112233);
    AddBanner("sbn-b", 0x223344);
    AddBanner("sbn-c", 0x334455);
    AddBanner("sbn-old", 0x445566, "https://x.example/", kNow - 1000, kNow - 1);
    AddBanner("sbn-soon", 0x556677, "https://x.example/", kNow + 60, kNow + 100000);
    AddBanner("sbn-garbled", 0x667788, "https://x.example/", kNow - 100, kNow + 100000);
    {
        std::string text = fixtures::BannerText("{G}", "sbn-garbled.gif", "https://x.example/", "0", "soon");
        fixtures::Write(Folder("Banners") / "sbn-garbled.rdt", text);
    }
    fixtures::Write(Folder("Banners") / "sbn-escape.rdt",
                    fixtures::BannerText("{E}", "..\\..\\Core.rdt", "https://x.example/", "0", std::to_string(kNow + 1000)));
    AddBanner("pbn-partner", 0x778899);  // partners wait while local files exist
    Start();
    EXPECT_EQ(Banner().ListSizes(), (std::array<size_t, 4>{3, 0, 0, 2}));
    EXPECT_FALSE(fs::exists(Folder("Banners") / "sbn-old.rdt"));
    EXPECT_FALSE(fs::exists(Folder("Banners") / "sbn-old.gif"));
    for (const char* kept : {"sbn-soon.rdt", "sbn-soon.gif", "sbn-garbled.rdt", "sbn-escape.rdt", "pbn-partner.rdt"})
        EXPECT_TRUE(fs::exists(Folder("Banners") / kept)) << kept;
    EXPECT_TRUE(fs::exists(root_ / "data" / "Rivakel" / "System" / "Core.rdt"));

    std::vector<std::string> seen{Shown()};
    for (int i = 0; i < 5; ++i) {
        Rotate();
        seen.push_back(Shown());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"sbn-a.rdt", "sbn-b.rdt", "sbn-c.rdt", kGetRivpedPicture,
                                              kRivFriendPicture, "sbn-a.rdt"}));
    // The file's own picture is what shows.
    EXPECT_EQ(Pixel(kBannerAt.x + 200, kBannerAt.y + 30), 0x112233u);
}

TEST_F(AdBannerTest, AClickTracksItselfAndOpensOnlyWebAddresses) {
    MakeInstalled();
    AddBanner("sbn-a", 0x112233, "https://www.rivakel.example/a");
    AddBanner("sbn-b", 0x223344, "file:///etc/passwd");
    StartTracked();
    Click(kBannerAt.x + 100, kBannerAt.y + 30);
    EXPECT_EQ(headless_->OpenedUrls(), (std::vector<std::string>{"https://www.rivakel.example/a"}));
    EXPECT_EQ(tracked_.Count("AdBannerClicked,{aaaaaaaa-0000-0000-0000-000000000000},0"), 1);
    Rotate();
    Click(kBannerAt.x + 100, kBannerAt.y + 30);
    EXPECT_EQ(headless_->OpenedUrls().size(), 1u);
    EXPECT_EQ(tracked_.Count("AdBannerClicked"), 2);
}

TEST_F(AdBannerTest, AClickPausesARunningGameButNeverResumesAPausedOne) {
    MakeInstalled();
    AddBanner("sbn-a", 0x112233, "https://www.rivakel.example/a");
    Start(true);
    ASSERT_TRUE(TheShell().GameRunning());
    EXPECT_FALSE(ClockService()->IsPaused());
    Click(kBannerAt.x + 100, kBannerAt.y + 30);
    EXPECT_TRUE(ClockService()->IsPaused());
    Click(kBannerAt.x + 100, kBannerAt.y + 30);
    EXPECT_TRUE(ClockService()->IsPaused());
    EXPECT_EQ(headless_->OpenedUrls().size(), 2u);
}

TEST_F(AdBannerTest, TheBuiltInPicturesOpenTheJoinAndEmailPagesAndTheFriendOfferNamesTheGame) {
    Start();
    Click(kBannerAt.x + 100, kBannerAt.y + 30);
    EXPECT_EQ(TheShell().CurrentPage(), "Join");
    Pump(30100);
    ASSERT_NE(Banner().IncomingPicture(), nullptr);
    // Its third frame carries the offer in the red band.
    const CImage* offer = Banner().IncomingPicture()->GetFrameImage(2);
    ASSERT_NE(offer, nullptr);
    EXPECT_EQ(offer->GetRenderTarget().Pixel(107, 1), 0xCC0000u);
    int white = 0;
    for (int x = 126; x < 400; ++x) white += offer->GetRenderTarget().Pixel(x, 22) == 0xFFFFFF ? 1 : 0;
    EXPECT_GT(white, 0);
    Pump(1500);
    Click(kBannerAt.x + 100, kBannerAt.y + 30);
    EXPECT_EQ(TheShell().CurrentPage(), "Email_This");
    EXPECT_TRUE(headless_->OpenedUrls().empty());
}

TEST_F(AdBannerTest, TheFriendOfferNeverReadsAGameNameAsMarkup) {
    EXPECT_EQ(FriendOfferMarkup(""), "<cffff66><s1>Mail <Cffffff>a Rivakel game<cffff66> to a friend");
    EXPECT_EQ(FriendOfferMarkup("dunmoro"), "<cffff66><s1>Mail <Cffffff>Dun Moro Challenge<cffff66> to a friend");
    EXPECT_EQ(FriendOfferMarkup("UltraHexavon"), "<cffff66><s1>Mail <Cffffff>Ultra Hexa Von<cffff66> to a friend");
    EXPECT_EQ(FriendOfferMarkup("<b>&%Pellawick<c00ff00>"),
              "<cffff66><s1>Mail <Cffffff>&lt;b&gt;&amp;%Pellawick&lt;c00ff00&gt;<cffff66> to a friend");
    EXPECT_EQ(FriendOfferMarkup("<>&%"), "<cffff66><s1>Mail <Cffffff>&lt;&gt;&amp;%<cffff66> to a friend");
}

TEST_F(AdBannerTest, TheCatalogueOpensItsPageWhoseMapOutlinesAndOpensItsAreas) {
    StartTracked();
    Click(kCatalogAt.x + 60, kCatalogAt.y + 30);
    ASSERT_EQ(TheShell().CurrentPage(), kCatalogPageName);
    EXPECT_EQ(tracked_.Count("AdBannerClicked,{D95220E6-5D4B-47B1-9A3E-EF7AD1F83832}"), 1);
    const platform::Point page{189, 129};
    // The first tile is (20, 84)-(160, 234): under the pointer its outline lies one pixel inside.
    headless_->PushMouseMove(page.x + 90, page.y + 150);
    Pump(60);
    EXPECT_EQ(Pixel(page.x + 21, page.y + 150), 0xFF9900u);
    EXPECT_EQ(Pixel(page.x + 90, page.y + 85), 0xFF9900u);
    headless_->PushMouseMove(page.x + 10, page.y + 400);
    Pump(60);
    EXPECT_NE(Pixel(page.x + 21, page.y + 150), 0xFF9900u);
    Click(page.x + 90, page.y + 150);
    Click(page.x + 440, page.y + 30);  // the round badge
    Click(page.x + 10, page.y + 400);  // nowhere: the default area
    EXPECT_EQ(headless_->OpenedUrls(),
              (std::vector<std::string>{"https://www.rivakel.example/games/dunmoro", "https://www.rivakel.example/games/new",
                                        "https://www.rivakel.example/games"}));
    Click(205, 24);  // the navigation leaves it like any page
    EXPECT_EQ(TheShell().CurrentPage(), "Home");
}

TEST_F(AdBannerTest, ServerBannersShowFromMemoryAndAreKeptOnlyUnderWellFormedNames) {
    MakeInstalled();
    Start();
    const std::string picture = fixtures::Base64Of(fixtures::SolidGif(468, 60, {0x0A0B0C}));
    const auto definition = [&](const std::string& guid) { return fixtures::ServerDefinition(guid, picture, kNow + 1000); };
    CMarkupDoc document;
    document.Parse(fixtures::ServerDocument(definition("{5E5E5E5E-0000-0000-0000-000000000000}") +
                                            definition("..\\..\\Core") + definition("a/../../b")),
                   true);
    EXPECT_EQ(Banner().LoadServerBanners(document), 3u);
    EXPECT_EQ(Banner().ListSizes(), (std::array<size_t, 4>{0, 3, 0, 2}));
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root_ / "data")) {
        // The store's own files come and go with the outbox.
        if (!entry.path().filename().string().starts_with("Outbox.")) files.push_back(entry.path().filename());
    }
    std::sort(files.begin(), files.end());
    // Beside the installation's own folders (Skins\Cardbacks), only the well-formed banner.
    EXPECT_EQ(files, (std::vector<std::string>{"Banners", "Cardbacks", "Core.rdt", "Rivakel", "Skins", "System",
                                               "pbn-{5E5E5E5E-0000-0000-0000-000000000000}.rdt"}));
    // The second default, then the server's.
    Rotate();
    Rotate();
    ASSERT_NE(Banner().Current(), nullptr);
    const std::string memoryName = Banner().Current()->imageName;
    EXPECT_TRUE(memoryName.starts_with("MEM:"));
    EXPECT_EQ(Pixel(kBannerAt.x + 200, kBannerAt.y + 30), 0x0A0B0Cu);
    ASSERT_NE(FileService()->MemoryBlocks().Find(memoryName), nullptr);
    // A new skin makes new spots; the old ones' pictures are no longer reachable by name.
    TheShell().SetSkin("Default.skn", "");
    EXPECT_EQ(FileService()->MemoryBlocks().Find(memoryName), nullptr);
}

TEST_F(AdBannerTest, AServerBannerThatCannotBeKeptStillShowsAndTheFileKeptBeforeSurvives) {
    MakeInstalled();
    const std::string full = "{5E5E5E5E-0000-0000-0000-000000000000}", blocked = "{B10CB10C-0000-0000-0000-000000000000}";
    const fs::path kept = Folder("Banners") / ("pbn-" + full + ".rdt");
    fixtures::Write(kept, std::string("<RDT>older</RDT>"));
    fs::create_directories(Folder("Banners") / ("pbn-" + blocked + ".rdt"));
    Start();
    const std::string picture = fixtures::Base64Of(fixtures::SolidGif(468, 60, {0x0A0B0C}));
    CMarkupDoc document;
    document.Parse(fixtures::ServerDocument(fixtures::ServerDefinition(full, picture, kNow + 1000) +
                                            fixtures::ServerDefinition(blocked, picture, kNow + 1000)),
                   true);
    // The disk takes no more than a few bytes per file while the definitions are stored.
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const rlimit small{64, before.rlim_max};
    const sighandler_t oldHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const size_t loaded = Banner().LoadServerBanners(document);
    setrlimit(RLIMIT_FSIZE, &before);
    signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(loaded, 2u);
    EXPECT_EQ(fixtures::Read(kept), "<RDT>older</RDT>");
    EXPECT_TRUE(fs::is_directory(Folder("Banners") / ("pbn-" + blocked + ".rdt")));
    Rotate();
    Rotate();
    ASSERT_NE(Banner().Current(), nullptr);
    EXPECT_EQ(Banner().Current()->guid, full);
    EXPECT_EQ(Pixel(kBannerAt.x + 200, kBannerAt.y + 30), 0x0A0B0Cu);
}

TEST_F(AdBannerTest, ASpotWithNothingToShowStartsAndStaysEmpty) {
    headless_->SetUtc({2066, 1, 1, 0, 0, 0, 0});  // past the built-in catalogue's end
    Start();
    EXPECT_EQ(Catalog().Current(), nullptr);
    EXPECT_EQ(Catalog().ShownPicture(), nullptr);
    Rotate();
    Click(kCatalogAt.x + 60, kCatalogAt.y + 30);
    EXPECT_EQ(TheShell().CurrentPage(), "Home");
    EXPECT_NE(Banner().Current(), nullptr);
}

}  // namespace
