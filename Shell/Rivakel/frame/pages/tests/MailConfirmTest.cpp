// A game's request to send a data mailing in the running portal: the box asks, No refuses, Yes
// sends through the outbox to the local portal server and shows the outcome, Ok answers the
// game; a second request while the box is up and a game that stops under the box are handled.
#include "core/base/CSubsystem_Clock.h"
#include "frame/host/GameHost.h"
#include "frame/pages/MailConfirmBox.h"
#include "frame/pages/tests/FormSession.h"

namespace {

using State = CMailConfirmBox::State;

class MailConfirmTest : public FormSession {
protected:
    void GameKey(int key) {
        headless_->PushKeyDown(key);
        headless_->PushKeyUp(key);
        Pump(60);
    }
    void ClickBox(int x, int y) { Click(CMailConfirmBox::kLeft + x, CMailConfirmBox::kTop + y); }
    void ClickYes() { ClickBox(200 + 8, 87 + 6); }
    void ClickNo() { ClickBox(270 + 6, 87 + 6); }
    void ClickCancel() { ClickBox(270 + 12, 87 + 6); }
    void ClickOk() { ClickBox(280 + 6, 87 + 6); }
    CMailConfirmBox& Box() const { return *MailConfirmBox(); }
};

TEST_F(MailConfirmTest, NoRefusesAndYesSendsTheMailingAndReportsIt) {
    Start(true);
    ASSERT_TRUE(TheShell().GameRunning());
    GameKey('E');
    ASSERT_EQ(Box().CurrentState(), State::Asking);
    EXPECT_TRUE(ClockService()->IsPaused());
    // A click outside the box only makes it blink.
    Click(20, 20);
    EXPECT_EQ(Box().CurrentState(), State::Asking);
    ClickNo();
    EXPECT_EQ(Box().CurrentState(), State::Idle);
    EXPECT_EQ(GameValue("Mail"), "33");
    EXPECT_FALSE(ClockService()->IsPaused());

    GameKey('E');
    server_->QueueFault(portal::Fault::Trickle);  // still sending when looked at
    ClickYes();
    EXPECT_EQ(Box().CurrentState(), State::Sending);
    ASSERT_TRUE(PumpUntil([&] { return Box().CurrentState() == State::Result; }));
    EXPECT_EQ(Box().ResultStatus(), 0);
    const auto sent = Received("SendMessage1");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_NE(sent[0].params.find(",Hi,friend@example.test,Play%20with%20me,"), std::string::npos) << sent[0].params;
    EXPECT_NE(sent[0].params.find("<ITEM>a%26lt;b%257Cc</ITEM>"), std::string::npos) << sent[0].params;
    // The game hears of it once the user has seen the outcome.
    EXPECT_EQ(GameValue("Mail"), "33");
    ClickOk();
    Pump(60);
    EXPECT_EQ(GameValue("Mail"), "1000");
    EXPECT_EQ(Box().CurrentState(), State::Idle);
}

TEST_F(MailConfirmTest, AFailureIsShownAsOneAndCancelLeavesNothingBehind) {
    Start(true);
    FailFromNowOn();
    GameKey('E');
    ClickYes();
    ASSERT_TRUE(PumpUntil([&] { return Box().CurrentState() == State::Result; }));
    EXPECT_EQ(Box().ResultStatus(), 128);
    ClickOk();
    Pump(60);
    // The user saw the failure; Ok is the game's answer that the box is done.
    EXPECT_EQ(GameValue("Mail"), "1000");

    GameKey('E');
    ClickYes();
    ASSERT_EQ(Box().CurrentState(), State::Sending);
    ClickCancel();
    EXPECT_EQ(Box().CurrentState(), State::Idle);
    Pump(60);
    EXPECT_EQ(GameValue("Mail"), "33");
    // A late answer to the cancelled mailing changes nothing.
    Pump(2500);
    EXPECT_EQ(Box().CurrentState(), State::Idle);
}

TEST_F(MailConfirmTest, ASecondRequestIsRefusedAndAStoppedGameHearsNothing) {
    Start(true);
    GameKey('E');
    ASSERT_EQ(Box().CurrentState(), State::Asking);
    // The box keeps the keyboard from the game only through the modal rectangle; the game's
    // second request is refused at once.
    EmailConfirmation second{"a", "b@c.d", "c", "d", 9, {}};
    bool refused = false;
    Box().Ask(second, [&refused](bool ok) { refused = !ok; });
    EXPECT_TRUE(refused);
    EXPECT_EQ(Box().CurrentState(), State::Asking);

    GameHost()->Stop();
    TheShell().GameStopped();
    EXPECT_EQ(Box().CurrentState(), State::Idle);
    Pump(100);
    EXPECT_EQ(GameValue("Mail"), "");

    // Markup in what a game sends is drawn as it stands; an item too long is refused at once.
    EmailConfirmation loud{"a", "<b>&amp;</b>", "c", std::string(9000, 'x'), 1, {}};
    Box().Ask(loud, [&refused](bool ok) { refused = !ok; });
    EXPECT_TRUE(refused);
    EXPECT_EQ(Box().CurrentState(), State::Idle);
    loud.itemText = "short";
    Box().Ask(loud, {});
    EXPECT_EQ(Box().CurrentState(), State::Asking);
    Box().Press(CMailConfirmBox::kNo);
    EXPECT_EQ(Box().CurrentState(), State::Idle);
}

}  // namespace
