#include <climits>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <utility>
#include <string>
#include <tuple>
#include <vector>

#include "core/base/Timer.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/services/ShellWindowLink.h"
#include "frame/services/tests/ServicesTestSession.h"

namespace {

class WindowSender final : public CRefCounted {};

// The shell window as the services see it; boxes answer from a script and look at the clock.
class FakeWindow final : public ShellWindowLink {
public:
    CRefCounted* EventSender() override { return &sender; }
    void SetStopMode(int mode) override { stopMode = mode; }
    void SetMenuFlags(int flags) override { menuFlags = flags; }
    void Repaint() override { ++repaints; }
    int MessageBox(std::string_view, std::string_view text, int) override {
        pausedDuringBox = ClockService()->IsPaused();
        repaintsBeforeBox = repaints;
        if (duringBox) duringBox();
        shownText = std::string(text);
        return answer;
    }
    int InputBox(std::string_view, std::string_view, std::string_view initialText, size_t maxLength, bool withCancel,
                 std::string& entry) override {
        pausedDuringBox = ClockService()->IsPaused();
        shownText = std::string(initialText);
        inputMaxLength = maxLength;
        inputWithCancel = withCancel;
        entry = typed;
        return answer;
    }
    void ConfirmEmail(EmailConfirmation request) override { confirmation = std::move(request); }
    std::optional<std::string> TakePendingMessage() override { return std::exchange(pending, std::nullopt); }

    WindowSender sender;
    int stopMode = -1;
    int menuFlags = -1;
    int repaints = 0;
    int repaintsBeforeBox = 0;
    int answer = applet::kBoxOk;
    bool pausedDuringBox = false;
    std::function<void()> duringBox;
    std::string shownText;
    std::string typed;
    size_t inputMaxLength = 0;
    bool inputWithCancel = false;
    std::optional<EmailConfirmation> confirmation;
    std::optional<std::string> pending;
};

struct ServicesDeleter {
    void operator()(IShellServices* services) const { services->Destroy(1); }
};
using ServicesPtr = std::unique_ptr<IShellServices, ServicesDeleter>;

class ShellServicesTest : public ServicesTest {
protected:
    FakeWindow window_;
    ServicesPtr services_{MakeShellServices(&factory_, &window_)};
};

int CountFired(intptr_t* args) {
    ++*reinterpret_cast<int*>(args[0]);
    return 1;
}

std::vector<intptr_t> g_confirmArgs;
int RecordConfirm(intptr_t* args) {
    g_confirmArgs = {args[0], args[1]};
    return 0;
}

TEST_F(ShellServicesTest, ModalBoxesPauseTheGameClockAndPutItBackAsItWas) {
    EXPECT_EQ(services_->MessageBox("Caption", "Text", 257), applet::kBoxOk);
    EXPECT_TRUE(window_.pausedDuringBox);
    EXPECT_EQ(window_.repaintsBeforeBox, 1);
    EXPECT_FALSE(ClockService()->IsPaused());

    char buffer[8] = "";
    window_.pausedDuringBox = false;
    services_->InputBox("Caption", "Prompt", "", buffer, sizeof buffer, 0);
    EXPECT_TRUE(window_.pausedDuringBox);
    EXPECT_FALSE(ClockService()->IsPaused());

    // A box over a paused game leaves the pause alone, also when boxes nest.
    ClockService()->SetPaused(true);
    window_.duringBox = [this] {
        window_.duringBox = nullptr;
        services_->MessageBox("Inner", "Inner", 0);
    };
    services_->MessageBox("Outer", "Outer", 0);
    EXPECT_TRUE(ClockService()->IsPaused());
}

TEST_F(ShellServicesTest, WhileABoxIsUpOnlyWallClockTimersFire) {
    int gameFired = 0;
    int wallFired = 0;
    CTimer gameTimer(&gameFired, 100, CountFired);
    CTimer wallTimer(&wallFired, 100, CountFired);
    wallTimer.SetClock(TimerClock::Wall);
    gameTimer.Start();
    wallTimer.Start();
    window_.duringBox = [this] { session_.Advance(500); };
    services_->MessageBox("Caption", "Text", 0);
    EXPECT_EQ(gameFired, 0);
    EXPECT_GT(wallFired, 0);
    session_.Advance(150);
    EXPECT_EQ(gameFired, 1);
}

TEST_F(ShellServicesTest, WithoutAWindowTheMessageBoxIsThePlatformsAndAnswersItsButton) {
    ServicesPtr detached(MakeShellServices(&factory_, nullptr));
    Headless().QueueMessageBoxAnswer(platform::IdCancel);
    EXPECT_EQ(detached->MessageBox("Caption", nullptr, 258), applet::kBoxCancel);
    ASSERT_EQ(Headless().MessageBoxes().size(), 1u);
    EXPECT_EQ(Headless().MessageBoxes()[0].flags, unsigned{platform::MbOkCancel | platform::MbIconWarning});
    EXPECT_EQ(Headless().MessageBoxes()[0].text, "");
    EXPECT_FALSE(ClockService()->IsPaused());

    Headless().QueueMessageBoxAnswer(platform::IdYes);
    EXPECT_EQ(detached->MessageBox("Caption", "Text", 257), 0);
}

TEST_F(ShellServicesTest, InputBoxCopiesTheEntryWithinMaxChars) {
    char buffer[16];
    std::memset(buffer, 'x', sizeof buffer);
    window_.typed = "seventeen letters";
    EXPECT_EQ(services_->InputBox("C", "P", "far too long an initial text", buffer, 8, kBoxOkCancel), applet::kBoxOk);
    EXPECT_STREQ(buffer, "sevente");
    EXPECT_EQ(buffer[8], 'x');
    EXPECT_EQ(window_.shownText, "far too");
    EXPECT_EQ(window_.inputMaxLength, 7u);
    EXPECT_TRUE(window_.inputWithCancel);

    // No room for even the terminator: nothing is written.
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(services_->InputBox("C", "P", nullptr, buffer, 0, 0), applet::kBoxOk);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_FALSE(window_.inputWithCancel);

    window_.answer = applet::kBoxCancel;
    EXPECT_EQ(services_->InputBox("C", "P", "", buffer, 16, kBoxOkCancel), applet::kBoxCancel);
    EXPECT_EQ(buffer[0], 'x');

    ServicesPtr detached(MakeShellServices(&factory_, nullptr));
    EXPECT_EQ(detached->InputBox("C", "P", "", buffer, 16, 0), applet::kBoxCancel);
    EXPECT_EQ(buffer[0], 'x');
}

TEST_F(ShellServicesTest, PendingMessageIsHandedOverOnce) {
    window_.pending = "Happy birthday";
    char* text = nullptr;
    EXPECT_EQ(services_->TakePendingMessage(&text), 0);
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, "Happy birthday");
    std::free(text);

    text = reinterpret_cast<char*>(1);
    EXPECT_EQ(services_->TakePendingMessage(&text), applet::kNothingPending);
    EXPECT_EQ(text, nullptr);

    ServicesPtr detached(MakeShellServices(&factory_, nullptr));
    text = reinterpret_cast<char*>(1);
    EXPECT_EQ(detached->TakePendingMessage(&text), applet::kNothingPending);
    EXPECT_EQ(text, nullptr);
}

TEST_F(ShellServicesTest, IsKeyDownTakesShellCodesThenVirtualKeysAsABytes) {
    CKeyStateTable& keys = InputService()->KeyStates();
    EXPECT_GE(services_->IsKeyDown(3), 0);
    keys.Press(platform::VkReturn);
    keys.Press('A');
    keys.Press(200);
    EXPECT_LT(services_->IsKeyDown(applet::kKeyEnter), 0);
    EXPECT_LT(services_->IsKeyDownEntry2(65), 0);
    EXPECT_LT(services_->IsKeyDown(256 + 3), 0);  // the byte is 3: Enter
    EXPECT_LT(services_->IsKeyDown(200), 0);
    EXPECT_LT(services_->IsKeyDown(200 - 256), 0);  // the same byte, negative
    EXPECT_EQ(services_->IsKeyDown(200) & 0x80, 0x80);
    EXPECT_GE(services_->IsKeyDown(66), 0);
    EXPECT_GE(services_->IsKeyDown(4), 0);  // not a shell code: virtual key 4
    keys.Press(4);
    EXPECT_LT(services_->IsKeyDown(4), 0);
}

TEST_F(ShellServicesTest, ColoursAreTheirOwnValuesWithClampedChannels) {
    for (auto [r, g, b, value] : {std::tuple{300, 0x12, -5, 0xFF1200u}, {INT_MIN, INT_MAX, 128, 0x00FF80u},
                                  {0, 0, 0, 0u}, {255, 255, 255, 0xFFFFFFu}, {256, -1, 1, 0xFF0001u}}) {
        const AppletColor colour = services_->AllocColor(r, g, b);
        EXPECT_EQ(colour, value) << r << " " << g << " " << b;
        EXPECT_EQ(services_->FreeColor(colour), 0);
    }
    // A game's colour table: every colour of a 64-step cube, twice over, each its own value.
    for (int round = 0; round < 2; ++round)
        for (uint32_t c = 0; c < 262144; ++c) {
            const int r = static_cast<int>(c >> 12) * 4, g = static_cast<int>(c >> 6 & 63) * 4,
                      b = static_cast<int>(c & 63) * 4;
            ASSERT_EQ(services_->AllocColor(r, g, b), static_cast<uint32_t>(r << 16 | g << 8 | b));
        }
}

TEST_F(ShellServicesTest, PixelBuffersRefuseBadSizesAndStartCleared) {
    AppletPixelBuffer* buffer = reinterpret_cast<AppletPixelBuffer*>(1);
    for (auto [width, height] : {std::pair{0, 5}, {5, -1}, {16385, 1}, {1, 1 << 30}}) {
        EXPECT_EQ(services_->CreatePixelBuffer(&buffer, width, height), applet::kNoMemory);
        EXPECT_EQ(buffer, nullptr);
    }
    EXPECT_EQ(services_->CreatePixelBuffer(nullptr, 4, 4), applet::kNoMemory);

    ASSERT_EQ(services_->CreatePixelBuffer(&buffer, 3, 2), 0);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(buffer->colourKey, 0xFF00FFu);
    EXPECT_EQ(buffer->width, 3);
    EXPECT_EQ(buffer->height, 2);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(buffer->pixels[i], 0u);
    EXPECT_EQ(services_->FreePixelBuffer(buffer), 0);
    AppletPixelBuffer foreign;
    EXPECT_EQ(services_->FreePixelBuffer(&foreign), 0);
    EXPECT_EQ(services_->FreePixelBuffer(nullptr), 0);
    // One left for the services to free when they go.
    ASSERT_EQ(services_->CreatePixelBuffer(&buffer, 1, 1), 0);
}

TEST_F(ShellServicesTest, GetTimeFillsTheRecordFromTheClock) {
    // Every field differs from every other, so no field can stand in for another unseen.
    session_.Time().utc = {2023, 11, 28, 17, 42, 39, 0};
    session_.Time().tick = 98765;
    AppletTimeRecord time;
    std::memset(&time, 0x55, sizeof time);
    EXPECT_EQ(services_->GetTime(&time), 0);
    EXPECT_EQ(time.year, 2023);
    EXPECT_EQ(time.month, 11);
    EXPECT_EQ(time.day, 28);
    EXPECT_EQ(time.hour, 17);
    EXPECT_EQ(time.minute, 42);
    EXPECT_EQ(time.second, 39);
    EXPECT_EQ(time.seconds, 754508559);
    EXPECT_EQ(time.tickMs, 98765u);
    EXPECT_STREQ(time.secondsText, "754508559");
    EXPECT_EQ(services_->GetTime(nullptr), 0);
}

TEST_F(ShellServicesTest, ModeAndMenuReachTheWindowNormalised) {
    services_->SetStopMode(kStopNever);
    EXPECT_EQ(window_.stopMode, kStopNever);
    services_->SetStopMode(7);
    EXPECT_EQ(window_.stopMode, kStopAsk);
    services_->SetMenuFlags(0x33 | 0x8 | 0x100);
    EXPECT_EQ(window_.menuFlags, 0x33);
    EXPECT_EQ(services_->SetAppletName(nullptr), 0);
    EXPECT_EQ(services_->Unused(1, 2, 3, 4, 5, 6, 7), 2);
    EXPECT_EQ(services_->Release(), 0);  // not the applet's: the object stays
    EXPECT_EQ(services_->SetStopMode(kStopFreely), 0);
}

TEST_F(ShellServicesTest, AppletsListeningOnTheServicesJoinTheWindowsEvents) {
    int heard = 0;
    IEventListener* listener = factory_.AddListener(services_.get(), applet::kInstructions, &heard, CountFired);
    ASSERT_NE(listener, nullptr);
    CEvent* event = Unwrap<CEventListener>(listener)->Owner();
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(event->Sender(), static_cast<const void*>(&window_.sender));
    EventRecord record{};
    event->Fire(record);
    EXPECT_EQ(heard, 1);
    listener->Release();

    // Without a window the events still have a sender of their own.
    ServicesPtr detached(MakeShellServices(&factory_, nullptr));
    listener = factory_.AddListener(detached.get(), applet::kServicesEvent, &heard, CountFired);
    EXPECT_NE(Unwrap<CEventListener>(listener)->Owner(), nullptr);
    listener->Release();

    const size_t events = EventService()->EventCount();
    services_.reset();
    EXPECT_EQ(EventService()->EventCount(), events - 2);
}

TEST_F(ShellServicesTest, ConfirmEmailCopiesTheRequestAndDeclinesWithoutAWindow) {
    std::string recipient = "friend@example.org";
    services_->ConfirmEmail("first", recipient.c_str(), nullptr, "item", 42, RecordConfirm, nullptr);
    recipient.assign(recipient.size(), '?');
    ASSERT_TRUE(window_.confirmation);
    EXPECT_EQ(window_.confirmation->recipient, "friend@example.org");
    EXPECT_EQ(window_.confirmation->thirdText, "");
    EXPECT_EQ(window_.confirmation->userData, 42);
    g_confirmArgs.clear();
    window_.confirmation->answer(false);  // the missing one is never called
    EXPECT_TRUE(g_confirmArgs.empty());
    window_.confirmation->answer(true);
    EXPECT_EQ(g_confirmArgs, (std::vector<intptr_t>{42, applet::kOk}));

    g_confirmArgs.clear();
    ServicesPtr detached(MakeShellServices(&factory_, nullptr));
    EXPECT_EQ(detached->ConfirmEmail("a", "b", "c", "d", 7, RecordConfirm, RecordConfirm), 0);
    EXPECT_EQ(g_confirmArgs, (std::vector<intptr_t>{7, applet::kDeclined}));
}

TEST_F(ShellServicesTest, OpenUrlTakesOnlyShortWebAndMailAddresses) {
    EXPECT_EQ(services_->OpenURL("https://example.org/a"), 0);
    EXPECT_EQ(services_->OpenURL("file:///etc/passwd"), 1);
    EXPECT_EQ(services_->OpenURL(nullptr), 1);
    EXPECT_EQ(services_->OpenURL(("https://example.org/" + std::string(2000, 'a')).c_str()), 1);
    EXPECT_EQ(Headless().OpenedUrls(), std::vector<std::string>{"https://example.org/a"});
}

}  // namespace
