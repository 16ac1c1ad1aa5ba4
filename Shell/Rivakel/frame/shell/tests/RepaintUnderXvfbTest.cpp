// The portal in a real window on a private X server: after what changes many places at once (the
// featured game stepped, a game's pictures placed) the window shows exactly what a full repaint
// shows.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "core/app/MainLoop.h"
#include "core/app/MainWndProc.h"
#include "core/graphics/Image.h"
#include "core/graphics/SurfaceServices.h"
#include "core/graphics/VideoService.h"
#include "frame/shell/tests/ShellSession.h"
#include "platform/sdl/SdlBackend.h"
#include "platform/tests/XvfbServer.h"

namespace {

class RepaintUnderXvfb : public ShellSession {
protected:
    void SetUp() override {
        if (!platform::OnPath("Xvfb")) GTEST_SKIP() << "no Xvfb";
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

    void StartInWindow(bool game) {
        if (game) setenv(kDevGameVariable, SHELL_TEST_GAME, 1);
        ASSERT_FALSE(StartProgram({}).has_value());
        ASSERT_NE(Shell(), nullptr);
        Run(std::chrono::milliseconds(800));
    }

    static void Run(std::chrono::milliseconds span) {
        const auto until = std::chrono::steady_clock::now() + span;
        RunNestedLoop([&] { return std::chrono::steady_clock::now() >= until; }, nullptr, nullptr);
    }

    static void ClickAt(int x, int y) {
        MainWndProc(platform::Event{.type = platform::EventType::MouseMove, .x = x, .y = y});
        MainWndProc(platform::Event{.type = platform::EventType::MouseDown, .x = x, .y = y});
        MainWndProc(platform::Event{.type = platform::EventType::MouseUp, .x = x, .y = y});
    }

    static platform::sdl::SdlWindow& Window() { return static_cast<platform::sdl::SdlWindow&>(*Program().mainWindow); }

    // The window's pixels against those of a full repaint done right after: the number that differ.
    static size_t PixelsAFullRepaintChanges(std::string& first) {
        Shell()->Repaint();
        const std::vector<uint32_t> shown = Window().ReadBack();
        CurrentSurfaceServices().video->AddDirty(0, 0, 800, 572);
        Shell()->Repaint();
        const std::vector<uint32_t> full = Window().ReadBack();
        if (shown.size() != full.size() || full.empty()) {
            first = "no window pixels";
            return full.size() + 1;
        }
        size_t differ = 0;
        for (size_t i = 0; i < full.size(); ++i) {
            if (shown[i] == full[i]) continue;
            if (differ++ == 0) first = "at (" + std::to_string(i % 800) + ", " + std::to_string(i / 800) + ")";
        }
        return differ;
    }

    std::unique_ptr<platform::XvfbServer> xvfb_;
};

TEST_F(RepaintUnderXvfb, SteppingTheFeaturedGameLeavesTheFrameWhole) {
    StartInWindow(false);
    std::string first;
    ASSERT_EQ(PixelsAFullRepaintChanges(first), 0u) << first;
    // The featured box's up arrow, on the Home page at (340, 116) of the page area at (189, 129).
    for (int step = 0; step < 3; ++step) {
        ClickAt(189 + 340 + 11, 129 + 116 + 11);
        Run(std::chrono::milliseconds(300));
        EXPECT_EQ(PixelsAFullRepaintChanges(first), 0u) << "after step " << step << ", first " << first;
    }
}

// A game places its pictures, then attaches them: many at once, as a game's first screen or its
// return from the instructions does. Read as the window's, their places would lie over the
// navigation buttons and over the ends of the menu's captions.
TEST_F(RepaintUnderXvfb, AGamesPicturesPlacedBeforeTheyAreAttachedLeaveFrameAndMenuWhole) {
    StartInWindow(true);
    ASSERT_TRUE(Shell()->GameRunning());
    const auto menu = [](int slot) { return 137 + slot * CShell::kMenuPitch + 20; };
    ClickAt(122 + 20, menu(3));  // Instructions
    Run(std::chrono::milliseconds(300));
    ClickAt(122 + 20, menu(2));  // Resume
    Run(std::chrono::milliseconds(300));
    std::string first;
    EXPECT_EQ(PixelsAFullRepaintChanges(first), 0u) << first;
    for (int i = 0; i < 70; ++i) {
        auto* picture = new CSurface(4, 4, 0);
        picture->GetCurImage()->ClearToColor(255, 255, 0);
        picture->SetLoc(i % 2 == 0 ? 300 + 4 * i : 150 + 4 * i, i % 2 == 0 ? 0 : 160);
        Shell()->GameArea()->AttachSurface(picture);
    }
    Run(std::chrono::milliseconds(300));
    EXPECT_EQ(PixelsAFullRepaintChanges(first), 0u) << first;
}

}  // namespace
