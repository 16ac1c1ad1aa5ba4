// The shell's dialogs in the real window: the eight templates' answers, Escape, Enter, Alt with
// a mnemonic, clicks by coordinates, typing, the terms over a question, the opt-out record, and
// the refusing answer of a dialog nobody can answer.
#include "core/dialogs/ShellDialogs.h"

#include "core/dialogs/DialogWidgets.h"
#include "core/graphics/CSubsystem_Input.h"
#include "core/store/RdtNode.h"
#include "core/store/UserStore.h"
#include "frame/shell/DevDialog.h"
#include "frame/shell/tests/ShellSession.h"

namespace {

class ShellDialogsTest : public ShellSession {
protected:
    void SetUp() override {
        ShellSession::SetUp();
        Start();
        CurrentDialogEnvironment().queueMessage = [this](int type, std::string_view function, std::string_view params,
                                                         bool, int priority) {
            queued_.push_back(std::to_string(type) + " " + std::string(function) + " " + std::string(params) + " " +
                              std::to_string(priority));
        };
    }
    void PushKeyDown(int key, bool system = false) { headless_->PushKeyDown(key, system); }
    std::string OptOut() const {
        const RdtNode* guest = UserStore()->FindUserByEmail("guest");
        const RdtNode* node = guest != nullptr ? guest->FindChild("OptOut") : nullptr;
        return node != nullptr && node->Text() ? *node->Text() : "(none)";
    }
    void SetOptOut(std::string_view value) {
        UserStore()->FindUserByEmail("guest")->GetOrAddChild("OptOut")->SetText(value);
    }
    std::vector<std::string> queued_;
};

TEST_F(ShellDialogsTest, QuestionsAnswerByButtonEnterAndMnemonic) {
    ExpectPress("IDD_QUIT_SAVED", kIdAccept);
    EXPECT_EQ(AskQuitSaved(), 0);
    Expect("IDD_QUIT_SAVED", [this](CDialog&) { headless_->PushKey(platform::VkReturn); });
    EXPECT_EQ(AskStopGameSaved(), 1);  // Enter pressed the default No
    Expect("IDD_QUIT_SAVED", [this](CDialog&) { PushKeyDown('Y', true); });
    EXPECT_EQ(AskQuitSaved(), 0);
    Expect("IDD_NEEDNEWGAME", [this](CDialog& dialog) {
        const platform::Rect button = dialog.ControlRect(kIdAccept);
        headless_->PushClick((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    });
    EXPECT_EQ(AskNeedNewGame(), 0);
    ExpectPress("IDD_QUIT_NOTSAVED", kIdSaveExit);
    EXPECT_EQ(AskQuitNotSaved(), 2);
    ExpectPress("IDD_QUIT_NOTSAVED", kIdLater);
    EXPECT_EQ(AskQuitNotSaved(), 1);
    EXPECT_FALSE(ClockService()->IsPaused());
}

TEST_F(ShellDialogsTest, EscapeAnswersCancelOrNoWhereTheBoxHasOneAndNothingElse) {
    const auto escape = [this](CDialog&) { headless_->PushKey(platform::VkEscape); };
    Expect("IDD_QUIT_SAVED", escape);
    EXPECT_EQ(AskQuitSaved(), 1);
    Expect("IDD_AUTOINSTALL", escape);
    EXPECT_EQ(AskAutoInstall(), 3);
    Expect("IDD_CONFIRM_SAVE", escape);
    EXPECT_FALSE(AskConfirmSave());
    // No Cancel or No: Escape leaves the question up until a button answers it.
    Expect("IDD_QUIT_NOTSAVED", [this](CDialog&) {
        headless_->PushKey(platform::VkEscape);
        headless_->PushKey(platform::VkEscape);
    });
    Expect("IDD_QUIT_NOTSAVED", [](CDialog& dialog) { dialog.Press(kIdSaveExit); });
    EXPECT_EQ(AskQuitNotSaved(), 2);
}

// A game opens its name box on a key press; that key's character comes after the box is up.
TEST_F(ShellDialogsTest, TheKeyThatOpenedABoxIsNotTypedIntoIt) {
    InputService()->HandlePlatformEvent({.type = platform::EventType::KeyDown, .key = 'I'});
    Expect("IDD_INPUT_BOX", [this](CDialog&) {
        headless_->PushText("i");
        headless_->PushKeyUp('I');
        headless_->PushKeyDown('P');
        headless_->PushText("Player");
        headless_->PushKey(platform::VkReturn);
    });
    std::string entry;
    EXPECT_EQ(InputBox("Name", "Your name:", "", 16, kMessageBoxOkCancel, entry), 1);
    EXPECT_EQ(entry, "Player");
}

TEST_F(ShellDialogsTest, TheWheelScrollsTheTermsThreeLinesANotchWithinTheText) {
    std::vector<int> tops;
    int last = 0;
    // One turn of the box's loop each: the wheel turned there is handled before the next.
    const auto turn = [&](int notches) {
        return [&, notches](CDialog& dialog) {
            tops.push_back(dialog.Terms()->TopLine());
            const platform::Rect area = dialog.ControlRect(kIdTermsText);
            headless_->PushWheel((area.left + area.right) / 2, (area.top + area.bottom) / 2, notches);
        };
    };
    for (const int notches : {-2, 1, 1000, -1000}) Expect("IDD_TERMSOFSERVICE", turn(notches));
    Expect("IDD_TERMSOFSERVICE", [&](CDialog& dialog) {
        tops.push_back(dialog.Terms()->TopLine());
        last = dialog.Terms()->LineCount() - dialog.Terms()->VisibleLines();
        dialog.Press(kIdAccept);
    });
    EXPECT_EQ(ShowTermsOfService(), 0);
    ASSERT_GT(last, 6);
    EXPECT_EQ(tops, (std::vector<int>{0, 6, 3, 0, last}));
}

TEST_F(ShellDialogsTest, InputBoxesCutToTheLimitAndOnlyTheCancelKindAnswersEscape) {
    const struct {
        size_t max;
        const char* typed;
        const char* expected;
    } rows[] = {{16, "0123456789abcdef", "0123456789abcdef"},
                {16, "0123456789abcdefg", "0123456789abcdef"},
                {1, "xy", "x"},
                {0, "xy", ""}};
    for (const auto& row : rows) {
        Expect("IDD_INPUT_BOX", [&](CDialog& dialog) {
            dialog.SetControlText(kIdEntry, "");
            headless_->PushText(row.typed);
            headless_->PushKey(platform::VkReturn);
        });
        std::string entry = "unchanged";
        EXPECT_EQ(InputBox("Name", "Your name:", "", row.max, kMessageBoxOkCancel, entry), 1);
        EXPECT_EQ(entry, row.expected) << row.typed;
    }
    Expect("IDD_INPUT_BOX", [this](CDialog&) { headless_->PushKey(platform::VkEscape); });
    std::string entry = "kept";
    EXPECT_EQ(InputBox("Name", "Your name:", "abc", 16, kMessageBoxOkCancel, entry), 2);
    EXPECT_EQ(entry, "kept");
    Expect("IDD_INPUT_BOX2", [this](CDialog&) { headless_->PushKey(platform::VkEscape); });
    Expect("IDD_INPUT_BOX2", [](CDialog& dialog) {
        EXPECT_EQ(dialog.ControlText(kIdEntry), "abcd");  // the initial text, cut to the limit
        dialog.Press(kIdOk);
    });
    EXPECT_EQ(InputBox("Name", "Your name:", "abcdefgh", 4, 0, entry), 1);
    EXPECT_EQ(entry, "abcd");
}

TEST_F(ShellDialogsTest, TermsOverAQuestionLeaveItsOptOutRecordIntact) {
    ExpectPress("IDD_AUTOINSTALL", kIdShowTerms);
    Expect("IDD_TERMSOFSERVICE", [](CDialog& dialog) {
        EXPECT_NE(dialog.Terms()->Text().find("TERMS OF SERVICE"), std::string::npos);
        EXPECT_GT(dialog.Terms()->LineCount(), dialog.Terms()->VisibleLines());
        dialog.Terms()->PageDown();
        EXPECT_GT(dialog.Terms()->TopLine(), 0);
        EXPECT_TRUE(dialog.Checked(kIdOffers));  // no stored choice: checked
        dialog.Press(kIdAccept);
    });
    ExpectPress("IDD_AUTOINSTALL", kIdAccept);
    EXPECT_EQ(AskAutoInstall(), 0);
    // The outer dialog, which has no box, still recorded its own opt-out after the terms.
    EXPECT_EQ(OptOut(), "Yes");
    EXPECT_EQ(queued_, (std::vector<std::string>{"8 SetUserProfile WantCustomOffers,1 5",
                                                 "8 SetUserProfile WantCustomOffers,0 5"}));
}

TEST_F(ShellDialogsTest, TheTermsBoxShowsTheStoredChoiceWhateverItsCase) {
    const struct {
        const char* stored;
        bool checked;
    } rows[] = {{"yes", false}, {"YES", false}, {"Yes", false}, {"No", true}, {"", true}};
    for (const auto& row : rows) {
        SetOptOut(row.stored);
        Expect("IDD_TERMSOFSERVICE", [&](CDialog& dialog) {
            EXPECT_EQ(dialog.Checked(kIdOffers), row.checked) << row.stored;
            dialog.SetChecked(kIdOffers, true);
            dialog.Press(kIdAccept);
        });
        EXPECT_EQ(ShowTermsOfService(), 0);
        EXPECT_EQ(OptOut(), "No");
    }
}

TEST_F(ShellDialogsTest, AProposedTextStaysEditableWithTheEditKeys) {
    Expect("IDD_INPUT_BOX", [this](CDialog&) {
        headless_->PushKey(platform::VkEnd);
        headless_->PushText("s");
        headless_->PushKey(platform::VkHome);
        headless_->PushText("2 ");
        headless_->PushKey(platform::VkReturn);
    });
    std::string entry;
    EXPECT_EQ(InputBox("Change Player", "Your name:", "Guest", 16, kMessageBoxOkCancel, entry), 1);
    EXPECT_EQ(entry, "2 Guests");
}

TEST_F(ShellDialogsTest, MessageBoxesAnswerOkCancelAndEscapeAsTheSystemsDo) {
    ExpectPress("MESSAGEBOX", kIdCancel);
    EXPECT_EQ(ShowMessageBox("Caption", "Text", kMessageBoxOkCancel | kMessageBoxExclamation), 2);
    Expect("MESSAGEBOX", [this](CDialog&) { headless_->PushKey(platform::VkEscape); });
    EXPECT_EQ(ShowMessageBox("Caption", "Only OK", 0), 1);
    EXPECT_TRUE(headless_->MessageBoxes().empty());
}

TEST_F(ShellDialogsTest, ADialogNobodyCanAnswerGivesItsRefusalNotTheLastAnswer) {
    ExpectPress("IDD_QUIT_SAVED", kIdAccept);
    ASSERT_EQ(AskQuitSaved(), 0);
    SetDialogScript(nullptr);
    EXPECT_EQ(AskQuitSaved(), 1);
    EXPECT_EQ(AskQuitNotSaved(), 1);
    EXPECT_FALSE(AskConfirmSave());
    EXPECT_EQ(AskAutoInstall(), 3);
    EXPECT_EQ(AskNeedNewGame(), 1);
    std::string entry = "kept";
    EXPECT_EQ(InputBox("a", "b", "c", 8, kMessageBoxOkCancel, entry), 2);
    EXPECT_EQ(ShowMessageBox("a", "b", 0), 0);
    EXPECT_FALSE(ClockService()->IsPaused());
}

TEST_F(ShellDialogsTest, LongTextsWrapInsideTheBoxAndMnemonicsParse) {
    Expect("MESSAGEBOX", [](CDialog& dialog) {
        const platform::Rect box = dialog.BoxRect();
        EXPECT_LE(box.Width(), 800);  // the window's width
        EXPECT_GT(box.Height(), 120);  // many lines
        dialog.Press(kIdOk);
    });
    ShowMessageBox("Long", std::string(40, 'w') + " " + std::string(600, 'x'), 0);
    const struct {
        const char* text;
        const char* label;
        char key;
    } rows[] = {{"&OK", "OK", 'O'}, {"&Get it Now", "Get it Now", 'G'}, {"Save And Exit", "Save And Exit", 0},
                {"A&&B", "A&B", 0}, {"x&", "x&", 0}, {"&1x", "1x", '1'}};
    for (const auto& row : rows) {
        const Mnemonic parsed = ParseMnemonic(row.text);
        EXPECT_EQ(parsed.label, row.label) << row.text;
        EXPECT_EQ(parsed.Key(), row.key) << row.text;
    }
}

}  // namespace

namespace {

// With RIVAKEL_SCREENSHOTS naming a folder, writes each template as the window shows it
// (<name>.ppm) for the screenshot script; the three that nothing in the portal opens yet are
// only reachable here.
class SessionDialogsTest : public ShellSession {};

TEST_F(SessionDialogsTest, TheOffersAnswerIsQueuedForTheServer) {
    MakeInstalled();
    Start();
    Expect("IDD_TERMSOFSERVICE", [](CDialog& dialog) {
        dialog.SetChecked(kIdOffers, false);
        dialog.Press(kIdAccept);
    });
    ShowTermsOfService();
    std::ifstream file(root_ / "data" / "Rivakel" / "System" / "Outbox.jnl");
    const std::string journal((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(journal.find("SetUserProfile"), std::string::npos) << journal;
    EXPECT_NE(journal.find("WantCustomOffers"), std::string::npos) << journal;
}

TEST_F(SessionDialogsTest, TheDialogNamedInTheEnvironmentOpensOnceTheWindowIsShown) {
    setenv(kDevDialogVariable, "IDD_NEEDNEWGAME", 1);
    ExpectPress("IDD_NEEDNEWGAME", kIdLater);
    Start();
    Pump(200);
    setenv(kDevDialogVariable, "IDD_NO_SUCH_TEMPLATE", 1);
    TearDown();
    SetUp();
    Start();
    Pump(200);
    unsetenv(kDevDialogVariable);
    EXPECT_EQ(seen_, std::vector<std::string>{"IDD_NEEDNEWGAME"});
}

}  // namespace
