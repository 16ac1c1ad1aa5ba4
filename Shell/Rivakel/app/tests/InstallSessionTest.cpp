// The start of an e-mailed game on a machine without the shell: the offer, the installation of
// the shell and the game, and the next start as an installed shell.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/App.h"
#include "app/tests/AppTestEnvironment.h"
#include "core/dialogs/Dialog.h"
#include "core/dialogs/DialogEnvironment.h"
#include "core/dialogs/DialogTemplate.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kGameId = "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";

class InstallSessionTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        UsePrivateHome();
        fs::create_directories(Launch());
        std::ofstream(Launch() / "rivakel") << "#!program";
        std::ofstream(Launch() / "_TestGame.run") << "#!launcher";
        fs::copy_file(fs::path(TEST_GAMES_DIR) / "TestGame.gam", Launch() / "TestGame.gam");
        // The shell's dialogs are drawn in its window: each is noted and accepted (or declined).
        SetDialogScript([this](CDialog& dialog) {
            seen_.push_back(dialog.Name() + ":" + dialog.Caption());
            const int question = accept_ ? kIdAccept : kIdDecline;
            dialog.Press(dialog.HasControl(question) ? question : accept_ ? kIdOk : kIdCancel);
        });
    }
    fs::path Launch() const { return Root() / "~rv42"; }
    std::vector<std::string> Arguments() const {
        return {Launch().string(), (Launch() / "_TestGame.run").string(), "TestGame.gam"};
    }

    std::vector<std::string> seen_;
    bool accept_ = true;
};

TEST_F(InstallSessionTest, AnEmailedGameInstallsTheShellAndItselfThenTheNextStartIsInstalled) {
    // OK to the offer, OK to the success notice.
    EXPECT_EQ(StartProgram(Arguments()), 0);
    EXPECT_EQ(seen_, (std::vector<std::string>{"IDD_AUTOINSTALL:Install the Rivakel Game Companion",
                                               "MESSAGEBOX:Successful Installation"}));

    const fs::path rivakel = DataHome() / "Rivakel";
    EXPECT_TRUE(fs::exists(rivakel / "System/Core.rdt"));
    EXPECT_TRUE(fs::exists(rivakel / "rivakel"));
    EXPECT_EQ(fs::file_size(rivakel / "Games" / kGameId / (std::string(kGameId) + ".gam")),
              fs::file_size(Launch() / "TestGame.gam"));
    EXPECT_TRUE(fs::exists(Root() / "home/Documents/My Rivakel/_TestGame.run"));
    EXPECT_TRUE(fs::exists(Root() / "home/Desktop/rivakel.desktop"));
    EXPECT_TRUE(fs::exists(DataHome() / "applications/rivakel.desktop"));
    EndProgram();
    ResetProgram();
    // The installation identifier is asked for through the outbox, which keeps the request.
    std::string queued;
    for (const char* name : {"System/Outbox.rdt", "System/Outbox.jnl"}) {
        std::ifstream file(rivakel / name);
        queued += std::string(std::istreambuf_iterator<char>(file), {});
    }
    EXPECT_NE(queued.find("GetShellGUID"), std::string::npos) << queued;

    ASSERT_FALSE(StartProgram({}).has_value());
    ASSERT_NE(g_pApp, nullptr);
    EXPECT_TRUE(g_pApp->IsInstalled());
    EXPECT_EQ(g_pApp->GetShellPath(), rivakel.string());
    EXPECT_EQ(seen_.size(), 2u) << "an installed shell asks nothing";
}

TEST_F(InstallSessionTest, CancellingTheOfferInstallsNothingAndEndsTheStart) {
    accept_ = false;
    EXPECT_EQ(StartProgram(Arguments()), 0);
    EXPECT_EQ(seen_, (std::vector<std::string>{"IDD_AUTOINSTALL:Install the Rivakel Game Companion",
                                               "MESSAGEBOX:Installation required"}));
    EXPECT_FALSE(fs::exists(DataHome() / "Rivakel/System/Core.rdt"));
    EXPECT_FALSE(fs::exists(DataHome() / "Rivakel/Games"));
}

}  // namespace
