// The real portal in a real window on a private X server for one test: the session of
// ShellSession on the SDL backend, the loop run for a span of real time, the window read back.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "frame/shell/tests/ShellSession.h"
#include "platform/sdl/SdlBackend.h"
#include "platform/tests/XvfbServer.h"

class WindowSession : public ShellSession {
protected:
    void SetUp() override {
        if (!platform::OnPath("Xvfb")) RIVAKEL_REAL_WINDOW_MISSING("no Xvfb");
        xvfb_ = platform::XvfbServer::Start();
        ASSERT_NE(xvfb_, nullptr) << "Xvfb did not start";
        ShellSession::SetUp();
        setenv("DISPLAY", xvfb_->Display().c_str(), 1);
        setenv("SDL_VIDEODRIVER", "x11", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        std::string reason;
        std::unique_ptr<platform::Backend> backend = platform::sdl::MakeSdlBackend(&reason);
        ASSERT_NE(backend, nullptr) << reason;
        headless_ = nullptr;
        platform::SetBackend(std::move(backend));
    }

    void TearDown() override {
        if (xvfb_ == nullptr) return;
        ShellSession::TearDown();
        xvfb_.reset();
    }

    void StartInWindow(bool game, const std::vector<std::string>& args = {}) {
        if (game) setenv(kDevGameVariable, SHELL_TEST_GAME, 1);
        ASSERT_TRUE(test_portal::Start(args));
        Run(std::chrono::milliseconds(800));
    }

    static void Run(std::chrono::milliseconds span) {
        const auto until = std::chrono::steady_clock::now() + span;
        test_portal::RunUntil([&] { return std::chrono::steady_clock::now() >= until; });
    }

    static void ClickAt(int x, int y) {
        test_portal::Deliver(platform::Event{.type = platform::EventType::MouseMove, .x = x, .y = y});
        test_portal::Deliver(platform::Event{.type = platform::EventType::MouseDown, .x = x, .y = y});
        test_portal::Deliver(platform::Event{.type = platform::EventType::MouseUp, .x = x, .y = y});
    }

    static platform::sdl::SdlWindow& Window() { return static_cast<platform::sdl::SdlWindow&>(*test_portal::MainWindow()); }

    // What the window shows, row by row.
    static std::vector<uint32_t> Shown() { return Window().ReadBack(); }

    std::unique_ptr<platform::XvfbServer> xvfb_;
};
