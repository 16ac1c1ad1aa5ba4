// The real portal on the headless backend for a benchmark: private data and runtime folders,
// the session started as the program starts it (installed or not, with a game module or none),
// dialogs answered Yes, and the loop run for a while at a time.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/testing/TestPortal.h"
#include "core/dialogs/Dialog.h"
#include "core/dialogs/DialogEnvironment.h"
#include "frame/shell/Shell.h"
#include "platform/Host.h"
#include "platform/headless/HeadlessBackend.h"

class BenchPortal {
public:
    // `game`: the module RIVAKEL_GAME names (nullptr: none).
    explicit BenchPortal(bool installed, const char* game = nullptr) {
        root_ = std::filesystem::temp_directory_path() / ("rivakel-shell-bench-" + std::to_string(::getpid()));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_ / "data" / "Rivakel" / "System");
        std::filesystem::create_directories(root_ / "run");
        if (installed) {
            const std::string core = "<Core></Core>";
            platform::WriteFileAtomic((root_ / "data" / "Rivakel" / "System" / "Core.rdt").string(),
                                      std::span(reinterpret_cast<const uint8_t*>(core.data()), core.size()));
        }
        setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (root_ / "run").c_str(), 1);
        if (game != nullptr) {
            setenv(kDevGameVariable, game, 1);
        } else {
            unsetenv(kDevGameVariable);
        }
        auto owned = std::make_unique<platform::headless::HeadlessBackend>();
        headless = owned.get();
        platform::SetBackend(std::move(owned));
        // The launch's question, should one come, is answered Yes.
        SetDialogScript([](CDialog& dialog) { dialog.Command(2002); });
        ok = test_portal::Start();
        Pump(200);
    }
    ~BenchPortal() {
        test_portal::End();
        SetDialogScript(nullptr);
        platform::SetBackend(nullptr);
        unsetenv(kDevGameVariable);
        std::filesystem::remove_all(root_);
    }
    void Pump(uint32_t ms) {
        test_portal::Pump(*headless, ms);
    }

    platform::headless::HeadlessBackend* headless = nullptr;
    bool ok = false;

private:
    std::filesystem::path root_;
};
