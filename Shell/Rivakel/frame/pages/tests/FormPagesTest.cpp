// The form pages in the running portal against the local portal server: each form refuses a bad
// address without sending, sends a good one, shows the server's answer as it is (success,
// duplicate, no connection) and drops an answer that comes after its page was left.
#include "core/dialogs/DialogTemplate.h"
#include "core/graphics/EditField.h"
#include "core/outbox/COutbox.h"
#include "frame/banners/AdBanner.h"
#include "frame/games/GameTile.h"
#include "frame/host/GameHost.h"
#include "frame/pages/tests/FormSession.h"

namespace {

constexpr const char* kAddress = "player@example.com";

class FormPagesTest : public FormSession {};

TEST_F(FormPagesTest, JoinRefusesABadAddressThenSubscribesAndSeesTheDuplicate) {
    Start();
    ASSERT_FALSE(test_portal::Installed());
    TheShell().ShowPage(page_name::kJoin);
    ASSERT_EQ(Forms().CurrentForm(), CFormPages::Form::Join);

    Type("player@example");
    PressKey(platform::VkReturn);
    EXPECT_EQ(Forms().ShownMessage(), 20003);
    Type(".com x");
    ClickPage(218 + 30, 222 + 12);
    EXPECT_EQ(Forms().ShownMessage(), 20004);
    EXPECT_FALSE(Forms().Waiting());

    ASSERT_NE(Forms().EmailField(), nullptr);
    Forms().EmailField()->SetText(kAddress);
    ClickPage(218 + 30, 222 + 12);
    // Subscribing installs the shell first.
    EXPECT_TRUE(test_portal::Installed());
    ASSERT_TRUE(PumpUntil([&] { return Forms().ShownMessage() == 2310; }));
    const auto sent = Received("GetUserGUID");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].params, kAddress);

    Forms().EmailField()->SetText(kAddress);
    PressKey(platform::VkReturn);
    ASSERT_TRUE(PumpUntil([&] { return Forms().ShownMessage() == 2308; }));
    EXPECT_EQ(Received("GetUserGUID").size(), 2u);
}

TEST_F(FormPagesTest, ExitPageShowsItsOwnBodiesAndAFailureAsAFailure) {
    Start();
    TheShell().OnExitButton();
    ASSERT_EQ(TheShell().CurrentPage(), page_name::kExit);
    EXPECT_TRUE(TheShell().ExitPageShown());
    // Another page and the close button bring the Exit page back.
    TheShell().ShowPage(page_name::kHome);
    EXPECT_FALSE(TheShell().ExitPageShown());
    TheShell().OnExitButton();
    ASSERT_EQ(TheShell().CurrentPage(), page_name::kExit);
    ASSERT_EQ(Forms().CurrentForm(), CFormPages::Form::Exit);

    Type(kAddress);
    PressKey(platform::VkReturn);
    ASSERT_TRUE(PumpUntil([&] { return Forms().ShownMessage() == 2313; })) << Record();
    Forms().EmailField()->SetText(kAddress);
    ClickPage(295 + 30, 322 + 12);
    ASSERT_TRUE(PumpUntil([&] { return Forms().ShownMessage() == 2312; })) << Record();

    // The server hangs up on every post: no connection, never "received".
    server_->QueueFault(portal::Fault::Reset, 1000);
    Forms().EmailField()->SetText("other@example.com");
    PressKey(platform::VkReturn);
    ASSERT_TRUE(PumpUntil([&] { return Forms().ShownMessage() == 2306; })) << Record();
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(Forms().ShownMessage(), 2306);
}

TEST_F(FormPagesTest, AnAnswerAfterThePageWasLeftIsDropped) {
    Start();
    TheShell().ShowPage(page_name::kJoin);
    // A slow answer, so that the page is left before it is whole.
    server_->QueueFault(portal::Fault::Trickle);
    Type(kAddress);
    PressKey(platform::VkReturn);
    EXPECT_EQ(Forms().ShownMessage(), 20005);
    EXPECT_TRUE(Forms().Waiting());
    TheShell().ShowPage(page_name::kGames);
    EXPECT_FALSE(Forms().Waiting());
    ASSERT_TRUE(PumpUntil([&] { return Received("GetUserGUID").size() == 1; }));
    Pump(300);
    EXPECT_EQ(Forms().ShownMessage(), 0);
    EXPECT_EQ(TheShell().CurrentPage(), page_name::kGames);
}

TEST_F(FormPagesTest, HomeHandsTheAddressToTheJoinPage) {
    Start();
    TheShell().ShowPage(page_name::kHome);
    ASSERT_EQ(Forms().CurrentForm(), CFormPages::Form::Home);
    Type(kAddress);
    PressKey(platform::VkReturn);
    EXPECT_EQ(TheShell().CurrentPage(), page_name::kJoin);
    ASSERT_NE(Forms().EmailField(), nullptr);
    EXPECT_EQ(Forms().EmailField()->Text(), kAddress);
    ASSERT_TRUE(PumpUntil([&] { return Forms().ShownMessage() == 2310; })) << Record();
}

TEST_F(FormPagesTest, GetGameMailsTheChosenGameAndClearsTheField) {
    Start();
    TheShell().LaunchGame(1);
    ASSERT_EQ(TheShell().CurrentPage(), page_name::kGetMore);
    ASSERT_EQ(Forms().CurrentForm(), CFormPages::Form::GetGame);
    Type("a@b.c,d@e.f");
    ClickPage(25 + 30, 244 + 12);
    ASSERT_TRUE(PumpUntil([&] { return Forms().ShownMessage() == 2003; }));
    const auto sent = Received("RivRivlet");
    ASSERT_EQ(sent.size(), 1u);
    const auto tallimo = Received("RivRivlet")[0].params;
    EXPECT_EQ(tallimo.substr(tallimo.find(',')), ",a@b.c;d@e.f,a@b.c;d@e.f");
    EXPECT_EQ(tallimo.substr(0, tallimo.find(',')), dynamic_cast<CGameTable&>(TheShell().Games()).Row(1)->guid);
    EXPECT_EQ(Forms().EmailField()->Text(), "");

    // The list of all games to get, and back to a game's form from its tile.
    ClickPage(340 + 60, 342 + 12);
    ASSERT_EQ(TheShell().CurrentPage(), page_name::kAllGames);
    // Sixteen rows, less UltraHexavon and DunmoroSilver.
    EXPECT_EQ(Forms().ToGetTiles(), 14);
    ClickPage(104 + 40, 79 + 30);
    EXPECT_EQ(TheShell().CurrentPage(), page_name::kGetMore);
    EXPECT_EQ(TheShell().PageTopic(), 1);

    // The Games page's "get more" button leads to the same list.
    TheShell().ShowPage(page_name::kGames);
    ClickPage(185 + 60, 394 + 12);
    EXPECT_EQ(TheShell().CurrentPage(), page_name::kAllGames);
}

TEST_F(FormPagesTest, EmailThisChecksBothAddressesAndSendsTheGreetingEncoded) {
    Start();
    TheShell().ShowPage(page_name::kEmailThis, 2);
    ASSERT_EQ(Forms().CurrentForm(), CFormPages::Form::EmailThis);
    const std::vector<CEditField*> fields = Forms().MailFields();
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_TRUE(fields[0]->HasFocus());

    Type("a@b.c, d@e.f");
    PressKey(platform::VkTab);
    Type("Hi you,");
    PressKey(platform::VkReturn);
    Type("play \"this\" 100%");
    PressKey(platform::VkTab);
    Type("me@x.y");
    PressKey(platform::VkReturn);
    EXPECT_EQ(Forms().ShownMessage(), 20004);
    fields[2]->SetText("me@x.y,you@x.y");
    fields[0]->SetText("a@b.c,d@e.f");
    ClickPage(25 + 30, 310 + 12);
    EXPECT_EQ(Forms().ShownMessage(), 20007);
    EXPECT_FALSE(Forms().Waiting());

    fields[2]->SetText("me@x.y");
    ClickPage(25 + 30, 310 + 12);
    ASSERT_TRUE(PumpUntil([&] { return Forms().ShownMessage() == 2205; }));
    const auto sent = Received("RivRivlet");
    ASSERT_EQ(sent.size(), 1u);
    const std::string dunmoro = dynamic_cast<CGameTable&>(TheShell().Games()).Row(2)->guid;
    EXPECT_EQ(sent[0].params, dunmoro + ",me@x.y,a@b.c;d@e.f,Hi%20you,%0Aplay%20\\\"this\\\"%20100%25");
    for (CEditField* field : fields) EXPECT_EQ(field->Text(), "");
    EXPECT_TRUE(fields[0]->HasFocus());
}

TEST_F(FormPagesTest, TheFriendOfferMailsTheGameBeingPlayedNotTheTablesFirst) {
    Start();
    auto& table = dynamic_cast<CGameTable&>(TheShell().Games());
    GameInfo info;
    ASSERT_EQ(GameHost()->ReadGameInfo(SHELL_TEST_GAME, info), kHostOk);
    info.logo->ReleaseInternalRef();
    const std::string module = SHELL_TEST_GAME;
    const int row = table.AddGame(info, module, module.substr(0, module.rfind('/')));
    ASSERT_GT(row, 0);
    TheShell().LaunchGame(row);
    ASSERT_TRUE(TheShell().GameRunning());

    CAdBanner& banner = *FindAdBanner(TheShell(), CAdBanner::kBanner);
    ASSERT_TRUE(banner.PickNext());
    ASSERT_EQ(banner.Current()->imageName, kRivFriendPicture);
    banner.OnClick();
    ASSERT_EQ(Forms().CurrentForm(), CFormPages::Form::EmailThis);
    const std::vector<CEditField*> fields = Forms().MailFields();
    fields[0]->SetText("friend@example.com");
    fields[2]->SetText("me@example.com");
    ClickPage(25 + 30, 310 + 12);
    ASSERT_TRUE(PumpUntil([&] { return Forms().ShownMessage() == 2205; }));
    const auto sent = Received("RivRivlet");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].params.substr(0, sent[0].params.find(',')), info.id);
}

TEST_F(FormPagesTest, NoConnectionIsShownAsSuchAndTheRequestWaitsInTheOutbox) {
    Start();
    TheShell().ShowPage(page_name::kEmailThis, 0);
    FailFromNowOn();
    const std::vector<CEditField*> fields = Forms().MailFields();
    fields[0]->SetText("friend@example.com");
    fields[1]->SetText(std::string(5000, '<'));
    fields[2]->SetText("me@example.com");
    ClickPage(25 + 30, 310 + 12);
    ASSERT_TRUE(PumpUntil([&] { return Forms().ShownMessage() == 20006; })) << Record();
    // The request goes again once the server answers.
    EXPECT_EQ(Outbox()->Queue().Size(), 1u);
    EXPECT_TRUE(fields[0]->HasFocus());
    EXPECT_EQ(Received("RivRivlet").size(), 1u);
}

TEST_F(FormPagesTest, AProxyThatCannotBeFoundEndsTheWaitWithTheNoConnectionText) {
    const char* old = std::getenv("http_proxy");
    const std::string kept = old != nullptr ? old : "";
    setenv("http_proxy", "http://no-such-proxy.invalid:3128/", 1);
    Start();
    TheShell().ShowPage(page_name::kJoin);
    ASSERT_NE(Forms().EmailField(), nullptr);
    Forms().EmailField()->SetText(kAddress);
    ExpectPress("MESSAGEBOX", kIdCancel);
    ClickPage(218 + 30, 222 + 12);
    const bool shown = PumpUntil([&] { return Forms().ShownMessage() == 2306; }, 10000);
    if (old != nullptr) {
        setenv("http_proxy", kept.c_str(), 1);
    } else {
        unsetenv("http_proxy");
    }
    ASSERT_TRUE(shown) << Forms().ShownMessage();
    EXPECT_FALSE(Forms().Waiting());
    bool queued = false;
    const RdtNode* queue = Outbox()->Queue().Element();
    for (size_t i = 0; i < queue->ChildCount(); ++i) {
        const std::string* function = queue->ChildAt(i)->AttrValue("Function");
        queued = queued || (function != nullptr && *function == "GetUserGUID");
    }
    EXPECT_TRUE(queued);
    EXPECT_TRUE(server_->Received().empty());
}

// The server is down when Email_This is sent with a Return that is let go while the connection
// box is up: Cancel leaves the no-connection text over the form as it was typed, and the key
// sends nothing more once the box is gone.
TEST_F(FormPagesTest, ACancelledConnectionBoxShowsNoConnectionAndTheReturnSendsNoMore) {
    server_->Stop();
    Start();
    // Long enough for the refused connection and the name lookup's answer to be told.
    PumpUntil([] { return false; }, 500);
    TheShell().ShowPage(page_name::kEmailThis, 0);
    const std::vector<CEditField*> fields = Forms().MailFields();
    fields[0]->SetText("friend@example.com");
    fields[2]->SetText("me@example.com");
    fields[2]->SetFocus();
    Expect("MESSAGEBOX", [this](CDialog& dialog) {
        EXPECT_EQ(dialog.Caption(), "Internet Connection Required");
        headless_->PushKeyUp(platform::VkReturn);
        headless_->PushKeyDown(platform::VkEscape);
        headless_->PushKeyUp(platform::VkEscape);
    });
    headless_->PushKeyDown(platform::VkReturn);
    // Well past the key repeat's delay.
    Pump(1000);
    EXPECT_EQ(Forms().ShownMessage(), 20006);
    EXPECT_EQ(fields[0]->Text(), "friend@example.com");
    EXPECT_EQ(fields[2]->Text(), "me@example.com");
    EXPECT_EQ(seen_, std::vector<std::string>{"MESSAGEBOX"});
}

TEST_F(FormPagesTest, LogosRotateAndTheFeaturedBoxScrolls) {
    Start();
    TheShell().ShowPage(page_name::kJoin);
    EXPECT_EQ(Forms().LogoIndex(), 0);
    PumpUntil([&] { return Forms().LogoIndex() == 4; });
    EXPECT_EQ(Forms().LogoIndex(), 4);
    // The index carries over to the Exit page, where UltraHexavon is passed over.
    TheShell().OnExitButton();
    PumpUntil([&] { return Forms().LogoIndex() != 4; });
    EXPECT_EQ(Forms().LogoIndex(), 6);

    // The portal opened on Home (row 0 one back: the last row); this is its second showing.
    TheShell().ShowPage(page_name::kHome);
    EXPECT_EQ(Forms().FeaturedIndex(), 14);
    const auto up = [this] { ClickPage(340 + 11, 116 + 11); };
    for (const int expected : {15, 0, 1, 2, 4}) {  // DunmoroSilver passed over
        up();
        EXPECT_EQ(Forms().FeaturedIndex(), expected);
    }
    ClickPage(340 + 11, 230 + 11);  // down
    EXPECT_EQ(Forms().FeaturedIndex(), 2);
    // The featured game's button offers it.
    ClickPage(31 + 39, 197 + 12);
    EXPECT_EQ(TheShell().CurrentPage(), page_name::kGetMore);
    EXPECT_EQ(TheShell().PageTopic(), 2);
}

}  // namespace
