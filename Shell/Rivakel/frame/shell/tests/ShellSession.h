// The real portal on the headless backend for one test: private data and runtime folders, the
// session started as the program starts it, the loop run for a while at a time, dialogs answered
// by a script of the test's (an unexpected dialog fails the test), the frame read back.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/testing/TestPortal.h"
#include "core/dialogs/Dialog.h"
#include "core/dialogs/DialogEnvironment.h"
#include "core/store/UserStore.h"
#include "frame/shell/Shell.h"
#include "platform/headless/HeadlessBackend.h"

class ShellSession : public ::testing::Test {
protected:
    // What to do on the next turn of a dialog of that name (a name ending in '*' stands for every
    // name that begins with the rest); each turn of an open dialog takes the next answer, so an
    // answer must close its dialog (or open a nested one) or queue input that does.
    struct Answer {
        std::string name;
        std::function<void(CDialog&)> act;
    };

    void SetUp() override {
        root_ = std::filesystem::temp_directory_path() /
                ("rivakel-shell-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_ / "data");
        std::filesystem::create_directories(root_ / "run");
        setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (root_ / "run").c_str(), 1);
        unsetenv(kDevGameVariable);
        auto owned = std::make_unique<platform::headless::HeadlessBackend>();
        headless_ = owned.get();
        platform::SetBackend(std::move(owned));
        SetDialogScript([this](CDialog& dialog) { OnDialog(dialog); });
    }

    void TearDown() override {
        answers_.clear();
        test_portal::End();
        SetDialogScript(nullptr);
        platform::SetBackend(nullptr);
        unsetenv(kDevGameVariable);
        std::filesystem::remove_all(root_);
    }

    // Starts the portal; with `game`, RIVAKEL_GAME names the test game and it is launched.
    void Start(bool game = false, const std::vector<std::string>& args = {}) {
        if (game) setenv(kDevGameVariable, SHELL_TEST_GAME, 1);
        ASSERT_TRUE(test_portal::Start(args));
        Pump(60);
    }

    void MakeInstalled() {
        std::filesystem::create_directories(root_ / "data" / "Rivakel" / "System");
        std::ofstream(root_ / "data" / "Rivakel" / "System" / "Core.rdt") << "<Core></Core>";
    }
    // The store the build seeds for scripts/run.sh (cmake/SeedStore.cmake), made by that script:
    // an installed portal as a user first starts it.
    void SeedLikeTheBuild() {
        const std::filesystem::path store = root_ / "data" / "Rivakel" / "System" / "Core.rdt";
        std::filesystem::create_directories(store.parent_path());
        const std::string command =
            "cmake -DSTORE='" + store.string() + "' -P '" RIVAKEL_SOURCE_DIR "/cmake/SeedStore.cmake'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        ASSERT_TRUE(std::filesystem::exists(store));
    }

    // Runs the window's loop for `ms` of the test clock (or until the session stops).
    void Pump(uint32_t ms) {
        test_portal::Pump(*headless_, ms);
    }

    void Click(int x, int y) {
        headless_->PushClick(x, y);
        Pump(60);
    }

    void Expect(std::string name, std::function<void(CDialog&)> act) {
        answers_.push_back({std::move(name), std::move(act)});
    }
    void ExpectPress(std::string name, int id) {
        Expect(std::move(name), [id](CDialog& dialog) { dialog.Press(id); });
    }

    uint32_t Pixel(int x, int y) const { return headless_->MainWindow()->FramePixel(x, y); }
    // The window's frame as a binary PPM, for the screenshot script.
    void SaveFrame(const std::string& path) const {
        const auto* window = headless_->MainWindow();
        std::ofstream out(path, std::ios::binary);
        out << "P6\n" << window->Width() << " " << window->Height() << "\n255\n";
        for (uint32_t pixel : window->Frame()) {
            const char rgb[3] = {static_cast<char>(pixel >> 16), static_cast<char>(pixel >> 8), static_cast<char>(pixel)};
            out.write(rgb, 3);
        }
    }
    CShell& TheShell() const { return *Shell(); }
    std::string GameValue(std::string_view key) const {
        std::string value;
        if (CSubsystem_UserStore* store = UserStore()) store->GetGameProp(key, value);
        return value;
    }

    platform::headless::HeadlessBackend* headless_ = nullptr;
    std::vector<std::string> seen_;
    std::filesystem::path root_;

private:
    void OnDialog(CDialog& dialog) {
        seen_.push_back(dialog.Name());
        if (answers_.empty() || !Matches(answers_.front().name, dialog.Name())) {
            ADD_FAILURE() << "unexpected dialog " << dialog.Name();
            dialog.Close();
            return;
        }
        Answer answer = std::move(answers_.front());
        answers_.pop_front();
        answer.act(dialog);
    }

    static bool Matches(std::string_view pattern, std::string_view name) {
        if (!pattern.empty() && pattern.back() == '*') return name.starts_with(pattern.substr(0, pattern.size() - 1));
        return pattern == name;
    }

    std::deque<Answer> answers_;
};
