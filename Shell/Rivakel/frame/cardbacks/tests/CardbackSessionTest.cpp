// Cardbacks in the real shell window on the headless backend: the table read from the cardback
// folder, the card game drawing the chosen one, the selector and the one-time offer.
#include <gtest/gtest.h>

#include "art/Canvas.h"
#include "art/GifWriter.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/store/UserStore.h"
#include "frame/banners/tests/BannerFixtures.h"
#include "frame/cardbacks/CardbackSelector.h"
#include "frame/cardbacks/CardbackSettings.h"
#include "frame/cardbacks/CardbackSurfaces.h"
#include "frame/cardbacks/CardbackTable.h"
#include "frame/shell/ShellPage.h"
#include "frame/shell/tests/ShellSession.h"

namespace {

namespace fs = std::filesystem;

constexpr platform::Point kPage{189, 129};
constexpr platform::Point kGame{189, 129};
// Where the card game draws its first card.
constexpr platform::Point kFirstCard{kGame.x + 60, kGame.y + 180};
constexpr uint32_t kGameOwnBackGreen = 0x339900;

std::string CardbackText(const std::string& title, int version = 1) {
    return "<RDT>\r\n   <cardback>\r\n      <GUID>{" + title + "}</GUID>\r\n      <ORGANIZATION>Deck Makers</ORGANIZATION>\r\n"
           "      <TITLE>" + title + "</TITLE>\r\n      <TAG>t</TAG>\r\n      <VERSION>" + std::to_string(version) +
           "</VERSION>\r\n   </cardback>\r\n</RDT>\r\n";
}

class CardbackTest : public ShellSession {
protected:
    void TearDown() override {
        unsetenv("RIVAKEL_DEV_DIR");
        ShellSession::TearDown();
    }
    fs::path Folder() const { return root_ / "data" / "Rivakel" / "System" / "Skins" / "Cardbacks"; }
    void AddCardback(const fs::path& folder, const std::string& name, uint32_t colour) {
        fixtures::Write(folder / (name + ".rdt"), CardbackText(name));
        fixtures::Write(folder / (name + ".gif"), fixtures::SolidGif(49, 66, {colour}));
    }
    // Five cardbacks beside the default, in name order a to e.
    void AddFive() {
        const uint32_t colours[] = {0x1144AA, 0x22AA44, 0xAA2244, 0x7744AA, 0x44AAAA};
        for (int i = 0; i < 5; ++i) AddCardback(Folder(), std::string("cbk-") + static_cast<char>('a' + i), colours[i]);
    }
    void StartCardGame() {
        setenv(kDevGameVariable, CARDBACK_TEST_GAME, 1);
        Start();
        ASSERT_TRUE(TheShell().GameRunning());
    }
    // The thumbnails the selector shows, by picture.
    std::vector<std::string> Thumbnails() const {
        std::vector<std::string> shown;
        for (CSurface* child : TheShell().PageSurface()->Children()) {
            for (CSurface* inner : child->Children()) {
                if (const auto* thumb = dynamic_cast<const CCardbackThumb*>(inner)) shown.push_back(thumb->Path());
            }
        }
        return shown;
    }
    bool OfferUp() const { return EventService()->HasModalRect(); }
};

TEST_F(CardbackTest, TheTableHoldsTheDefaultAndEveryWholeValidFile) {
    MakeInstalled();
    AddFive();
    fixtures::Write(Folder() / "cbk-notitle.rdt", "<RDT><cardback><GUID>g</GUID><ORGANIZATION>o</ORGANIZATION>"
                                                  "<TAG>t</TAG><VERSION>1</VERSION></cardback></RDT>");
    const std::string whole = CardbackText("cbk-cut");
    fixtures::Write(Folder() / "cbk-cut.rdt", whole.substr(0, whole.find("</TITLE>")));
    fixtures::Write(Folder() / "notacardback.rdt", CardbackText("other"));
    Start();
    const CardbackTable& table = Cardbacks();
    ASSERT_EQ(table.Count(), 6u);
    EXPECT_EQ(table.Record(0).imageName, "p-img-shell-defaultcardback.gif");
    for (size_t i = 1; i < 6; ++i) EXPECT_EQ(table.Record(i).imageName, std::string("cbk-") + static_cast<char>('a' + i - 1) + ".gif");
    // An installed shell leaves the choice alone while it loads.
    EXPECT_EQ(ChosenCardBack(), "p-img-shell-defaultcardback.gif");
}

TEST_F(CardbackTest, AShellNotInstalledChoosesTheLastFileItReads) {
    const fs::path shellFolder = root_ / "shell";
    AddCardback(shellFolder, "cbk-first", 0x1144AA);
    AddCardback(shellFolder, "cbk-second", 0x22AA44);
    setenv("RIVAKEL_DEV_DIR", shellFolder.c_str(), 1);
    Start();
    EXPECT_EQ(Cardbacks().Count(), 3u);
    EXPECT_EQ(ChosenCardBack(), "cbk-second.gif");
}

TEST_F(CardbackTest, TheCardGameDrawsTheChosenCardback) {
    MakeInstalled();
    AddFive();
    fixtures::Write(root_ / "data" / "Rivakel" / "System" / "Core.rdt",
                    "<RDT><Shell><CardBack>cbk-c.gif</CardBack></Shell></RDT>");
    StartCardGame();
    for (int card = 0; card < 5; ++card) EXPECT_EQ(Pixel(kFirstCard.x + 80 * card + 24, kFirstCard.y + 33), 0xAA2244u) << card;
}

TEST_F(CardbackTest, WithOnlyTheDefaultTheGameKeepsItsOwnCardback) {
    MakeInstalled();
    StartCardGame();
    EXPECT_EQ(Pixel(kFirstCard.x + 10, kFirstCard.y + 33), kGameOwnBackGreen);
}

TEST_F(CardbackTest, TheDefaultChosenAmongOthersIsTheShellsOwnAndAChoiceLeavingItsFolderToo) {
    MakeInstalled();
    AddFive();
    fixtures::Write(root_ / "data" / "Rivakel" / "System" / "Core.rdt",
                    "<RDT><Shell><CardBack>..\\..\\Core.rdt</CardBack></Shell></RDT>");
    StartCardGame();
    // The default card's white border, where the game's own back is green.
    EXPECT_EQ(Pixel(kFirstCard.x + 2, kFirstCard.y + 33), 0xFFFFFFu);
    EXPECT_NE(Pixel(kFirstCard.x + 24, kFirstCard.y + 33), kGameOwnBackGreen);
}

TEST_F(CardbackTest, TheSelectorShowsFourThumbnailsAndItsArrowsPageRoundTheTable) {
    MakeInstalled();
    AddFive();
    Start();
    TheShell().ShowPage(page_name::kSettings);
    ShowCardbackSelector(TheShell());
    Pump(60);
    const auto path = [](char c) { return std::string("System\\Skins\\Cardbacks\\cbk-") + c + ".gif"; };
    const std::string kDefault = "p-img-shell-defaultcardback.gif";
    EXPECT_EQ(Thumbnails(), (std::vector<std::string>{kDefault, path('a'), path('b'), path('c')}));
    const platform::Point right{kPage.x + 450 + 9, kPage.y + 170 + 13}, left{kPage.x + 142 + 9, kPage.y + 170 + 13};
    Click(right.x, right.y);
    Click(right.x, right.y);
    EXPECT_EQ(Thumbnails(), (std::vector<std::string>{path('b'), path('c'), path('d'), path('e')}));
    Click(left.x, left.y);
    Click(left.x, left.y);
    Click(left.x, left.y);
    EXPECT_EQ(Thumbnails(), (std::vector<std::string>{path('e'), kDefault, path('a'), path('b')}));
    // A click on a thumbnail chooses it and shows it as the current one.
    Click(kPage.x + 315 + 24, kPage.y + 150 + 33);
    EXPECT_EQ(GetCardBack(), "cbk-a.gif");
    EXPECT_EQ(Pixel(kPage.x + 30 + 24, kPage.y + 150 + 33), 0x1144AAu);
    // Under the pointer a thumbnail's edge turns orange.
    headless_->PushMouseMove(kPage.x + 385 + 24, kPage.y + 150 + 33);
    Pump(60);
    EXPECT_EQ(Pixel(kPage.x + 385, kPage.y + 150 + 33), 0xFF9900u);
}

TEST_F(CardbackTest, WithOnlyTheDefaultTheSelectorShowsJustTheCurrentCardback) {
    MakeInstalled();
    Start();
    TheShell().ShowPage(page_name::kSettings);
    ShowCardbackSelector(TheShell());
    Pump(60);
    EXPECT_TRUE(Thumbnails().empty());
    EXPECT_EQ(Pixel(kPage.x + 30 + 2, kPage.y + 150 + 33), 0xFFFFFFu);
    EXPECT_EQ(GetCardBack(), "p-img-shell-defaultcardback.gif");
}

TEST_F(CardbackTest, AChosenPictureThatIsGoneFallsBackToTheDefaultAndRepairsTheChoice) {
    MakeInstalled();
    AddFive();
    fixtures::Write(root_ / "data" / "Rivakel" / "System" / "Core.rdt",
                    "<RDT><Shell><CardBack>cbk-gone.gif</CardBack></Shell></RDT>");
    Start();
    TheShell().ShowPage(page_name::kSettings);
    ShowCardbackSelector(TheShell());
    Pump(60);
    EXPECT_EQ(GetCardBack(), "p-img-shell-defaultcardback.gif");
    EXPECT_EQ(Pixel(kPage.x + 30 + 2, kPage.y + 150 + 33), 0xFFFFFFu);
}

TEST_F(CardbackTest, TheOfferTakesTheNewCardbackOrKeepsTheOldAndOnceCheckedNeverAsksAgain) {
    MakeInstalled();
    AddFive();
    Start();
    const platform::Point box{282, 176};
    const platform::Point keep{box.x + 30 + 20, box.y + 150 + 8}, useNew{box.x + 180 + 20, box.y + 150 + 8};
    const platform::Point check{box.x + 65 + 6, box.y + 185 + 6};
    // The cardback in use already: nothing to ask.
    ShowCardbackChoice(TheShell(), "System\\Skins\\Cardbacks\\p-img-shell-defaultcardback.gif");
    EXPECT_FALSE(OfferUp());
    const uint32_t underneath = Pixel(kPage.x + 30 + 24, kPage.y + 150 + 33);
    ShowCardbackChoice(TheShell(), "System\\Skins\\Cardbacks\\cbk-b.gif");
    ASSERT_TRUE(OfferUp());
    Click(useNew.x, useNew.y);
    EXPECT_FALSE(OfferUp());
    EXPECT_EQ(GetCardBack(), "cbk-b.gif");
    EXPECT_FALSE(CardBackDontAsk());
    // Nothing of the offer is drawn over the page it came up on.
    EXPECT_EQ(Pixel(kPage.x + 30 + 24, kPage.y + 150 + 33), underneath);

    ShowCardbackChoice(TheShell(), "System\\Skins\\Cardbacks\\cbk-c.gif");
    ASSERT_TRUE(OfferUp());
    Click(check.x, check.y);
    Click(keep.x, keep.y);
    EXPECT_FALSE(OfferUp());
    EXPECT_EQ(GetCardBack(), "cbk-b.gif");
    EXPECT_TRUE(CardBackDontAsk());
    ShowCardbackChoice(TheShell(), "System\\Skins\\Cardbacks\\cbk-d.gif");
    EXPECT_FALSE(OfferUp());
}

TEST_F(CardbackTest, TheNewCardbackTakenFromTheOfferShowsAsTheSelectorsCurrentOne) {
    MakeInstalled();
    AddFive();
    Start();
    TheShell().ShowPage(page_name::kSettings);
    ShowCardbackSelector(TheShell());
    ShowCardbackChoice(TheShell(), "System\\Skins\\Cardbacks\\cbk-b.gif");
    ASSERT_TRUE(OfferUp());
    Click(282 + 180 + 20, 176 + 150 + 8);
    EXPECT_FALSE(OfferUp());
    EXPECT_EQ(Pixel(kPage.x + 30 + 24, kPage.y + 150 + 33), 0x22AA44u);
}

TEST_F(CardbackTest, AnOfferStillUpWhenTheShellCloses) {
    MakeInstalled();
    AddFive();
    Start();
    ShowCardbackChoice(TheShell(), "System\\Skins\\Cardbacks\\cbk-b.gif");
    ASSERT_TRUE(OfferUp());
    // TearDown stops the session with the box up: nothing of it may be left behind.
}

// A patterned cardback in the portal's look, for the screenshots: a white-edged card whose field
// carries dots, checks or diamonds.
std::vector<uint8_t> PatternedBack(uint32_t ground, uint32_t ink, int pattern) {
    art::Canvas c(49, 66);
    c.Fill(art::Path::RoundRect(0, 0, 49, 66, 5), 0x333333);
    c.Fill(art::Path::RoundRect(1, 1, 47, 64, 4), 0xFFFFFF);
    c.Fill(art::Path::RoundRect(4, 4, 41, 58, 2), ground);
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 6; ++col) {
            const float x = 7.5f + 6.5f * static_cast<float>(col), y = 8 + 6.5f * static_cast<float>(row);
            if (pattern == 0) c.Fill(art::Path::Ellipse(x, y, 2, 2), ink);
            if (pattern == 1 && (row + col) % 2 == 0) c.Fill(art::Path::Rect(x - 3, y - 3, 6.5f, 6.5f), ink);
            if (pattern == 2) c.Fill(art::Path::Polygon({{x, y - 3}, {x + 3, y}, {x, y + 3}, {x - 3, y}}), ink);
        }
    }
    c.Outline(art::Path::RoundRect(4.5f, 4.5f, 40, 57, 2), 1, ink);
    std::vector<art::Canvas> frames;
    frames.push_back(std::move(c));
    const std::vector<int> delays{0};
    return art::EncodeGif(frames, delays, false, nullptr).value_or(std::vector<uint8_t>{});
}

TEST_F(CardbackTest, SelectorOfferAndCardGameForTheScreenshots) {
    const char* folder = std::getenv("RIVAKEL_SCREENSHOTS");
    if (folder == nullptr) GTEST_SKIP() << "RIVAKEL_SCREENSHOTS not set";
    const auto addPatterned = [this] {
        const struct {
            uint32_t ground, ink;
        } looks[] = {{0xC00000, 0xFFCC66}, {0x339900, 0xFFFFCC}, {0x333399, 0x99CCCC}, {0x663300, 0xFF9900}, {0x99CCCC, 0x333399}};
        for (int i = 0; i < 5; ++i) {
            const std::string name = std::string("cbk-") + static_cast<char>('a' + i);
            fixtures::Write(Folder() / (name + ".rdt"), CardbackText(name));
            fixtures::Write(Folder() / (name + ".gif"), PatternedBack(looks[i].ground, looks[i].ink, i % 3));
        }
    };
    const std::string out(folder);
    headless_->SetSystemFonts(true);
    MakeInstalled();
    addPatterned();
    Start();
    TheShell().ShowPage(page_name::kSettings);
    TheShell().ShowPage(page_name::kSettings);
    ShowCardbackSelector(TheShell());
    headless_->PushMouseMove(kPage.x + 245 + 24, kPage.y + 150 + 33);
    Pump(100);
    SaveFrame(out + "/page-settings-cardback-selector.ppm");
    Click(kPage.x + 450 + 9, kPage.y + 170 + 13);
    Click(kPage.x + 315 + 24, kPage.y + 150 + 33);
    Pump(100);
    SaveFrame(out + "/page-settings-cardback-chosen.ppm");
    ShowCardbackChoice(TheShell(), "System\\Skins\\Cardbacks\\cbk-e.gif");
    Pump(100);
    SaveFrame(out + "/dialog-cardback-offer.ppm");
    Click(282 + 180 + 20, 176 + 150 + 8);
    TearDown();
    SetUp();
    headless_->SetSystemFonts(true);
    MakeInstalled();
    addPatterned();
    fixtures::Write(root_ / "data" / "Rivakel" / "System" / "Core.rdt",
                    "<RDT><Shell><CardBack>cbk-a.gif</CardBack></Shell></RDT>");
    StartCardGame();
    Pump(100);
    SaveFrame(out + "/game-chosen-cardback.ppm");
}

}  // namespace
