#include "core/graphics/CSubsystem_Input.h"

#include <gtest/gtest.h>

#include "core/graphics/tests/EventTestHarness.h"

using namespace evt_test;

namespace {

platform::Event Key(platform::EventType type, int key, bool system = false) {
    platform::Event event;
    event.type = type;
    event.key = key;
    event.system = system;
    return event;
}

platform::Event Char(uint8_t ch) {
    platform::Event event;
    event.type = platform::EventType::Char;
    event.ch = ch;
    return event;
}

struct KeyLog {
    EventHarness& h;
    Recorder rec;
    Probe down{"down", &rec}, ch{"char", &rec}, up{"up", &rec};
    ListenerPtr l1, l2, l3;
    int shellKeys[3] = {};
    explicit KeyLog(EventHarness& harness) : h(harness) {
        l1 = h.events->Listen(h.root, kEventKeyDown, &down, Record);
        l2 = h.events->Listen(h.root, kEventChar, &ch, Record);
        l3 = h.events->Listen(h.root, kEventKeyUp, &up, Record);
    }
    // "name key/shellkey"
    static int Record(intptr_t* r) {
        auto* probe = reinterpret_cast<Probe*>(r[0]);
        probe->recorder->calls.push_back(probe->name + " " + std::to_string(r[2]) + "/" + std::to_string(r[4]));
        return 1;
    }
};

}  // namespace

TEST(InputServiceTest, ShellKeyCodesFollowTheTable) {
    EXPECT_EQ(CSubsystem_Input::ShellKeyOf(kEventKeyDown, platform::VkBack), kShellKeyBackspace);
    EXPECT_EQ(CSubsystem_Input::ShellKeyOf(kEventKeyDown, platform::VkDelete), kShellKeyDelete);
    EXPECT_EQ(CSubsystem_Input::ShellKeyOf(kEventKeyUp, platform::VkHome), kShellKeyHome);
    EXPECT_EQ(CSubsystem_Input::ShellKeyOf(kEventKeyUp, platform::VkEnd), kShellKeyEnd);
    EXPECT_EQ(CSubsystem_Input::ShellKeyOf(kEventKeyDown, platform::VkLeft), kShellKeyLeft);
    EXPECT_EQ(CSubsystem_Input::ShellKeyOf(kEventKeyDown, platform::VkUp), kShellKeyUp);
    EXPECT_EQ(CSubsystem_Input::ShellKeyOf(kEventKeyDown, platform::VkRight), kShellKeyRight);
    EXPECT_EQ(CSubsystem_Input::ShellKeyOf(kEventKeyDown, platform::VkDown), kShellKeyDown);
    EXPECT_EQ(CSubsystem_Input::ShellKeyOf(kEventKeyDown, platform::VkShift), kShellKeyShift);
    EXPECT_EQ(CSubsystem_Input::ShellKeyOf(kEventKeyDown, platform::VkControl), kShellKeyControl);
    EXPECT_EQ(CSubsystem_Input::ShellKeyOf(kEventKeyDown, 'A'), kShellKeyNone);
    EXPECT_EQ(CSubsystem_Input::ShellKeyOf(kEventChar, 'a'), kShellKeyCharacter);
    EXPECT_EQ(CSubsystem_Input::ShellKeyOf(kEventChar, 9), kShellKeyTab);
    // Arrow numbers are ordinary characters when typed.
    EXPECT_EQ(CSubsystem_Input::ShellKeyOf(kEventChar, '%'), kShellKeyCharacter);
}

TEST(InputServiceTest, EnterArrivesOnlyAsCharacterAndKeyUp) {
    EventHarness h;
    KeyLog log(h);
    h.input->HandlePlatformEvent(Key(platform::EventType::KeyDown, platform::VkReturn));
    h.input->HandlePlatformEvent(Char(13));
    h.input->HandlePlatformEvent(Key(platform::EventType::KeyUp, platform::VkReturn));
    EXPECT_EQ(log.rec.calls, (std::vector<std::string>{"char 13/3", "up 13/3"}));
    EXPECT_EQ(h.input->TranslateKey(kEventKeyDown, platform::VkReturn), -1);
}

TEST(InputServiceTest, SystemKeysAndWindowRepeatsAreDropped) {
    EventHarness h;
    KeyLog log(h);
    h.input->HandlePlatformEvent(Key(platform::EventType::KeyDown, platform::VkF10, true));
    platform::Event repeat = Key(platform::EventType::KeyDown, 'A');
    repeat.repeat = true;
    h.input->HandlePlatformEvent(repeat);
    EXPECT_TRUE(log.rec.calls.empty());
    h.input->HandlePlatformEvent(Key(platform::EventType::KeyDown, 'A'));
    EXPECT_EQ(log.rec.calls, std::vector<std::string>{"down 65/-1"});
}

TEST(InputServiceTest, KeyStateTableFollowsTheKeys) {
    EventHarness h;
    EXPECT_EQ(h.input->IsKeyDown(kShellKeyLeft), 0);
    h.input->HandlePlatformEvent(Key(platform::EventType::KeyDown, platform::VkLeft));
    EXPECT_LT(h.input->IsKeyDown(kShellKeyLeft), 0);
    EXPECT_NE(h.input->IsKeyDown(kShellKeyLeft) & 0x80, 0);
    // Values beyond the shell keys are virtual keys.
    EXPECT_LT(h.input->IsKeyDown(platform::VkLeft), 0);
    h.input->HandlePlatformEvent(Key(platform::EventType::KeyUp, platform::VkLeft));
    EXPECT_EQ(h.input->IsKeyDown(kShellKeyLeft), 0);

    h.input->HandlePlatformEvent(Key(platform::EventType::KeyDown, platform::VkCapital));
    h.input->HandlePlatformEvent(Key(platform::EventType::KeyUp, platform::VkCapital));
    EXPECT_EQ(h.input->GetKeyState(platform::VkCapital), 1);

    h.input->HandlePlatformEvent(Key(platform::EventType::KeyDown, platform::VkShift));
    platform::Event away;
    away.type = platform::EventType::Deactivated;
    h.input->HandlePlatformEvent(away);
    EXPECT_EQ(h.input->IsKeyDown(kShellKeyShift), 0);
}

TEST(InputServiceTest, HeldKeyRepeatsWithItsCharacterAfterTheDelay) {
    EventHarness h;
    KeyLog log(h);
    h.headless->SetTime(1000);
    h.input->HandlePlatformEvent(Key(platform::EventType::KeyDown, 'X'));
    h.input->HandlePlatformEvent(Char('x'));
    log.rec.calls.clear();
    h.input->TickRepeat(1000 + CKeyRepeat::kDelayMs - 1);
    EXPECT_TRUE(log.rec.calls.empty());
    h.input->TickRepeat(1000 + CKeyRepeat::kDelayMs);
    h.input->TickRepeat(1000 + CKeyRepeat::kDelayMs + CKeyRepeat::kIntervalMs);
    EXPECT_EQ(log.rec.calls, (std::vector<std::string>{"down 88/-1", "char 120/4", "down 88/-1", "char 120/4"}));
    h.input->HandlePlatformEvent(Key(platform::EventType::KeyUp, 'X'));
    log.rec.calls.clear();
    h.input->TickRepeat(5000);
    EXPECT_EQ(log.rec.calls, std::vector<std::string>{});
}

TEST(InputServiceTest, FocusedFieldTakesTheKeysInsteadOfTheShell) {
    struct Field : IKeyFocus {
        std::string got;
        void OnKeyDown(int k) override { got += "d" + std::to_string(k); }
        void OnChar(uint8_t c) override { got += static_cast<char>(c); }
        void OnKeyUp(int k) override { got += "u" + std::to_string(k); }
        void OnFocusChanged(bool) override {}
    } field;
    EventHarness h;
    KeyLog log(h);
    h.input->SetFocus(&field);
    h.input->HandlePlatformEvent(Key(platform::EventType::KeyDown, 'Q'));
    h.input->HandlePlatformEvent(Char('q'));
    EXPECT_EQ(field.got, "d81q");
    EXPECT_TRUE(log.rec.calls.empty());
    h.input->FocusGone(&field);
    h.input->HandlePlatformEvent(Key(platform::EventType::KeyUp, 'Q'));
    EXPECT_EQ(log.rec.calls, std::vector<std::string>{"up 81/-1"});
}
