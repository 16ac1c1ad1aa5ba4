// The Settings page in the running portal on the headless backend: the knob dragged, the proxy
// typed and applied (or refused), the way to the removal of games.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/dialogs/DialogTemplate.h"
#include "core/graphics/EditField.h"
#include "core/net/CSubsystem_Net.h"
#include "core/sound/CSubsystem_Sound.h"
#include "core/store/RdtNode.h"
#include "frame/pages/settings/VolumeKnob.h"
#include "frame/shell/tests/ShellSession.h"

namespace {

// Where the big skin puts the page surface.
constexpr int kPageX = 189, kPageY = 129;
constexpr int kEnter = 0x0D;

class SettingsPageTest : public ShellSession {
protected:
    // With the local server's marker, so that the connection reads the stored proxy; nothing
    // listens there.
    void StartWithConnection() {
        std::filesystem::create_directories(root_ / "data" / "Rivakel");
        std::ofstream(root_ / "data" / "Rivakel" / "LocalTestServer.txt") << "127.0.0.1:9\n";
        Start();
    }
    void ShowSettings() {
        TheShell().ShowPage("Settings");
        Pump(60);
    }
    CVolumeKnob* Knob() const {
        for (CSurface* child : TheShell().PageSurface()->Children())
            if (auto* knob = dynamic_cast<CVolumeKnob*>(child)) return knob;
        return nullptr;
    }
    int KnobX() const {
        int x = 0, y = 0;
        Knob()->GetLoc(x, y);
        return x;
    }
    std::vector<CEditField*> Fields() const {
        std::vector<CEditField*> fields;
        for (CSurface* child : TheShell().PageSurface()->Children())
            if (auto* field = dynamic_cast<CEditField*>(child)) fields.push_back(field);
        return fields;
    }
    RdtNode& Settings() const { return *UserStore()->GetShellElement(); }
    std::string Stored(const char* element, const char* attribute) const {
        const RdtNode* node = Settings().FindChild(element);
        const std::string* value = node != nullptr ? node->AttrValue(attribute) : nullptr;
        return value != nullptr ? *value : "(none)";
    }
    // Grabs the knob in its middle, moves the pointer by `dx` in steps of `step` and lets go.
    void Drag(int dx, int stepSize = 7) {
        const platform::Point at = Knob()->AbsoluteLoc();
        const int x = at.x + 9, y = at.y + 13;
        headless_->PushMouseMove(x, y);
        headless_->PushMouseDown(x, y);
        Pump(60);
        const int step = dx < 0 ? -stepSize : stepSize;
        for (int moved = step; (dx < 0 ? moved > dx : moved < dx); moved += step) headless_->PushMouseMove(x + moved, y);
        headless_->PushMouseMove(x + dx, y);
        headless_->PushMouseUp(x + dx, y);
        Pump(60);
    }
    void TypeProxy(const std::string& name, const std::string& port) {
        Fields()[0]->SetText(name);
        Fields()[1]->SetText(port);
    }
    void ClickApply() { Click(kPageX + 350 + 39, kPageY + 328 + 12); }
};

TEST_F(SettingsPageTest, TheKnobStandsForTheStoredVolumeAndMakesTheSoundMissingSettings) {
    Start();
    ShowSettings();
    ASSERT_NE(Knob(), nullptr);
    EXPECT_EQ(KnobX(), 291);
    EXPECT_EQ(Stored("Sound", "Volume"), "50");
    EXPECT_EQ(Stored("Sound", "Enabled"), "true");
    const std::pair<const char*, int> stored[] = {{"0", 191}, {"100", 391}, {"abc", 291}, {"150", 391}, {"-5", 191}};
    for (const auto& [text, x] : stored) {
        Settings().FindChild("Sound")->SetAttr("Volume", text);
        ShowSettings();
        EXPECT_EQ(KnobX(), x) << text;
    }
}

TEST_F(SettingsPageTest, DraggingTheKnobSnapsToStepsAndSetsTheVolumeWhereItIsLetGo) {
    Start();
    ShowSettings();
    Drag(40);
    EXPECT_EQ(KnobX(), 331);
    EXPECT_EQ(Stored("Sound", "Volume"), "70");
    EXPECT_EQ(SoundService()->Volume(), 70);
    EXPECT_FALSE(Knob()->Dragging());
    // Far past the left end of the scale, the knob stays on the first mark: volume 0.
    Drag(-150);
    EXPECT_EQ(KnobX(), 191);
    EXPECT_EQ(Stored("Sound", "Volume"), "0");
    EXPECT_EQ(SoundService()->Volume(), 0);
    // Past the right end it stops at the last mark it reached.
    Drag(400);
    EXPECT_EQ(KnobX(), 391);
    EXPECT_EQ(Stored("Sound", "Volume"), "100");
    // The page shown again keeps it.
    ShowSettings();
    EXPECT_EQ(KnobX(), 391);
}

TEST_F(SettingsPageTest, AKnobFlungPastEitherEndInOneMoveStopsAtThatEnd) {
    Start();
    ShowSettings();
    Drag(-120, 120);
    EXPECT_EQ(KnobX(), 191);
    EXPECT_EQ(Stored("Sound", "Volume"), "0");
    Drag(300, 300);
    EXPECT_EQ(KnobX(), 391);
    EXPECT_EQ(Stored("Sound", "Volume"), "100");
}

TEST_F(SettingsPageTest, ApplyStoresTheProxyAndTheConnectionTakesItEvenWhenSavingIsRefused) {
    StartWithConnection();
    ShowSettings();
    ASSERT_EQ(Fields().size(), 2u);
    EXPECT_TRUE(Fields()[0]->HasFocus());
    headless_->PushText("127.0.0.1");
    headless_->PushKey('\t');
    Pump(60);
    EXPECT_TRUE(Fields()[1]->HasFocus());
    ExpectPress("IDD_CONFIRM_SAVE", kIdDecline);
    ClickApply();
    EXPECT_EQ(seen_, std::vector<std::string>{"IDD_CONFIRM_SAVE"});
    EXPECT_EQ(Stored("DefaultProxyServer", "Name"), "127.0.0.1");
    EXPECT_EQ(Stored("DefaultProxyServer", "Port"), "80");
    EXPECT_EQ(NetService()->Proxy().name, "127.0.0.1");
    EXPECT_EQ(NetService()->Proxy().port, 80);

    // Shown again, the fields hold what is stored; Enter in a field applies too.
    ShowSettings();
    EXPECT_EQ(Fields()[0]->Text(), "127.0.0.1");
    EXPECT_EQ(Fields()[1]->Text(), "80");
    Fields()[1]->SetText(" 3128 ");
    Fields()[1]->SetFocus();
    ExpectPress("IDD_CONFIRM_SAVE", kIdDecline);
    headless_->PushKey(kEnter);
    Pump(60);
    EXPECT_EQ(Stored("DefaultProxyServer", "Port"), "3128");
    EXPECT_EQ(NetService()->Proxy().port, 3128);
}

TEST_F(SettingsPageTest, AnInstalledShellAppliesWithoutAskingAndAnEmptyNameMeansNoProxy) {
    MakeInstalled();
    StartWithConnection();
    ShowSettings();
    TypeProxy("127.0.0.1", "8080");
    ClickApply();
    EXPECT_TRUE(seen_.empty());
    EXPECT_EQ(NetService()->Proxy().port, 8080);
    TypeProxy("", "");
    ClickApply();
    EXPECT_EQ(Stored("DefaultProxyServer", "Name"), "");
    EXPECT_FALSE(NetService()->Proxy().Enabled());
    ShowSettings();
    EXPECT_EQ(Fields()[1]->Text(), "") << "no port shown without a name";
}

// Garbage in the fields is refused with a message and changes nothing that was stored.
TEST_F(SettingsPageTest, GarbageInTheProxyFieldsIsRefusedAndTheStoredProxyKept) {
    MakeInstalled();
    StartWithConnection();
    ShowSettings();
    TypeProxy("127.0.0.1", "3128");
    ClickApply();
    ASSERT_EQ(NetService()->Proxy().port, 3128);
    const std::pair<std::string, std::string> garbage[] = {
        {"127.0.0.1", "99999"}, {"127.0.0.1", "abc"}, {"127.0.0.1", "-1"},
        {"<A10003>x</a>", ""},  {std::string(300, 'x'), ""}, {"caf\xe9", "80"},
    };
    for (const auto& [name, port] : garbage) {
        ShowSettings();
        Fields()[0]->Clear();
        Fields()[0]->SetFocus();
        headless_->PushText(name);
        Pump(60);
        Fields()[1]->SetText(port);
        ExpectPress("MESSAGEBOX", kIdOk);
        ClickApply();
        EXPECT_EQ(Stored("DefaultProxyServer", "Name"), "127.0.0.1") << name.substr(0, 20);
        EXPECT_EQ(Stored("DefaultProxyServer", "Port"), "3128") << port;
        EXPECT_EQ(NetService()->Proxy().port, 3128);
    }
    EXPECT_EQ(seen_.size(), std::size(garbage));
    // Pasted far beyond what a field holds.
    ShowSettings();
    Fields()[0]->SetText(std::string(10000, 'x'));
    ExpectPress("MESSAGEBOX", kIdOk);
    ClickApply();
    EXPECT_EQ(Stored("DefaultProxyServer", "Name"), "127.0.0.1");
    EXPECT_EQ(TheShell().CurrentPage(), "Settings");
}

TEST_F(SettingsPageTest, RemoveGamesOpensTheRemovalPage) {
    Start();
    ShowSettings();
    Click(kPageX + 375 + 50, kPageY + 377 + 12);
    EXPECT_EQ(TheShell().CurrentPage(), "Remove-games");
}

// With RIVAKEL_SCREENSHOTS naming a folder, writes the page in the system's fonts, as the
// window shows it (nothing in the frame leads to it before the Home page does).
TEST_F(SettingsPageTest, ThePageCanBeShownForTheScreenshots) {
    const char* folder = std::getenv("RIVAKEL_SCREENSHOTS");
    if (folder == nullptr) GTEST_SKIP() << "RIVAKEL_SCREENSHOTS not set";
    headless_->SetSystemFonts(true);
    MakeInstalled();
    Start();
    ShowSettings();
    TypeProxy("proxy.example", "8080");
    Pump(600);
    SaveFrame(std::string(folder) + "/page-settings.ppm");
}

}  // namespace
