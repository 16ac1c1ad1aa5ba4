// A fresh headless backend and private data and runtime folders for each test that starts
// the program.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "app/ProgramMain.h"
#include "app/ProgramState.h"
#include "app/Session.h"
#include "core/dialogs/Dialog.h"
#include "core/dialogs/DialogEnvironment.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessBackend.h"

class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = std::filesystem::temp_directory_path() /
                ("rivakel-app-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(DataHome());
        std::filesystem::create_directories(RuntimeDir());
        setenv("XDG_DATA_HOME", DataHome().c_str(), 1);
        setenv("XDG_RUNTIME_DIR", RuntimeDir().c_str(), 1);
        auto owned = std::make_unique<platform::headless::HeadlessBackend>();
        headless_ = owned.get();
        platform::SetBackend(std::move(owned));
        // A portal that is not installed asks before it closes: these tests leave without saving.
        SetDialogScript([this](CDialog& dialog) {
            dialogsSeen_.push_back(dialog.Name());
            dialog.Press(dialog.Name() == "IDD_QUIT_NOTSAVED" ? kIdDecline : kIdLater);
        });
    }

    void TearDown() override {
        StopSession();
        RunPendingSessionStop();
        EndProgram();
        ResetProgram();
        platform::SetBackend(nullptr);
        SetDialogScript(nullptr);
        for (const auto& [name, value] : savedHome_) {
            if (value) setenv(name.c_str(), value->c_str(), 1);
            else unsetenv(name.c_str());
        }
        std::filesystem::remove_all(root_);
    }

    // For tests that install: what goes to the user's documents, desktop and the desktop's
    // settings (the ".rml" type's program) lands in a home of the test's own.
    void UsePrivateHome() {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME"}) {
            const char* value = std::getenv(name);
            savedHome_.emplace_back(name, value != nullptr ? std::optional<std::string>(value) : std::nullopt);
        }
        setenv("HOME", (root_ / "home").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root_ / "home/.config").c_str(), 1);
    }

    std::filesystem::path DataHome() const { return root_ / "data"; }
    std::filesystem::path RuntimeDir() const { return root_ / "run"; }
    std::filesystem::path Root() const { return root_; }

    platform::headless::HeadlessBackend* headless_ = nullptr;
    std::vector<std::string> dialogsSeen_;

private:
    std::filesystem::path root_;
    std::vector<std::pair<std::string, std::optional<std::string>>> savedHome_;
};
