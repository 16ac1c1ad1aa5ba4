// A minimal shell window that hosts one game through the real game host, factory and services,
// for tests, benchmarks and screenshot tools that drive a game without the portal around it: a root
// surface the size of the main window with the game area and page surface at the shell's place,
// the session's services, and a main-loop round (events, timers, compose, present) on demand.
//
// Headless: the window's frame is in memory, time moves only through AdvanceMs, input is
// pushed by the caller, message boxes answer from the backend's script and input boxes from
// QueueInput. SDL: a real window; time is the machine's.
#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "frame/host/GameHostWindow.h"
#include "frame/services/ShellWindowLink.h"
#include "platform/Platform.h"

class CSurface;
class IShellFactory;
class CGameHost;
class CSubsystem_Video;
class CSubsystem_Font;

namespace platform::headless {
class HeadlessBackend;
class HeadlessWindow;
}  // namespace platform::headless

struct HarnessOptions {
    // The user store's data folder: "<dataFolder>/Rivakel/System/Core.rdt", written at the end.
    std::string dataFolder;
    bool headless = true;  // false: the process's backend (RIVAKEL_PLATFORM, sdl by default)
    // The store has its one user; without, it keeps no user value (as before anyone joined).
    bool withUser = true;
};

class CAppletHarness final : public GameHostWindow, public ShellWindowLink {
public:
    static constexpr int kWindowWidth = 800;
    static constexpr int kWindowHeight = 572;
    static constexpr int kGameAreaX = 189;
    static constexpr int kGameAreaY = 129;
    static constexpr int kGameAreaWidth = 500;
    static constexpr int kGameAreaHeight = 420;

    explicit CAppletHarness(HarnessOptions options);
    // Stops the game, then ends every service; the store writes its files.
    ~CAppletHarness() override;
    CAppletHarness(const CAppletHarness&) = delete;
    CAppletHarness& operator=(const CAppletHarness&) = delete;

    // As a click on the game's tile: the host starts it; the frame is presented. 0 or the host's failure.
    int StartGame(std::string_view gamePath);
    void StopGame();
    bool GameRunning() const;
    CGameHost& Host();

    // One round of the main loop: every waiting event, the due timers, then compose and present.
    void Pump();
    // Headless: moves the clock in steps of `stepMs`, a round after each.
    void AdvanceMs(uint32_t ms, uint32_t stepMs = 10);
    // Input in game-area coordinates, followed by a round.
    void Click(int x, int y);
    void MoveMouse(int x, int y);
    void Key(int virtualKey);
    // One event in window coordinates, handled at the next round.
    void Send(const platform::Event& event);
    // The shell's Instructions command: the page surface replaces the game area and the game draws its help.
    void ShowInstructions();
    void BackToGame();

    // A pixel of the presented frame in game-area (or page) coordinates.
    uint32_t GamePixel(int x, int y) const;
    // The presented frame in window coordinates (headless only: empty otherwise).
    const std::vector<uint32_t>& Frame() const;
    // The surface the game draws on; its children are what the game attached.
    CSurface* GameAreaSurface() const { return gameArea_; }

    // The current user's setting `key` of the game with that identifier, whether it runs or not;
    // nullopt when absent. Setting one before a start is how a test gives a game stored values.
    std::optional<std::string> UserValue(std::string_view gameId, std::string_view key);
    void SetUserValue(std::string_view gameId, std::string_view key, std::string_view value);

    // Answers of the next input boxes, in order; OK with that text. None left: Cancel.
    void QueueInput(std::string text) { inputs_.push_back(std::move(text)); }
    // Null on the sdl backend.
    platform::headless::HeadlessBackend* Headless() const { return headless_; }
    int StopMode() const { return stopMode_; }
    int MenuFlags() const { return menuFlags_; }
    const std::vector<std::string>& InputPrompts() const { return inputPrompts_; }
    IShellFactory* Factory() const { return factory_; }

    // GameHostWindow
    CSurface* GameArea() override { return gameArea_; }
    CSurface* PageArea() override { return pageArea_; }
    ShellWindowLink* ServicesLink() override { return this; }
    void SetTitle(std::string_view title) override;

    // ShellWindowLink
    CRefCounted* EventSender() override { return nullptr; }
    void SetStopMode(int mode) override { stopMode_ = mode; }
    void SetMenuFlags(int flags) override { menuFlags_ = flags; }
    void Repaint() override { Present(); }
    int MessageBox(std::string_view caption, std::string_view text, int flags) override;
    int InputBox(std::string_view caption, std::string_view prompt, std::string_view initialText, size_t maxLength,
                 bool withCancel, std::string& entry) override;
    void ConfirmEmail(EmailConfirmation request) override;
    std::optional<std::string> TakePendingMessage() override { return std::nullopt; }

private:
    void Present();
    void Inject(std::initializer_list<platform::Event> events);

    HarnessOptions options_;
    std::unique_ptr<platform::Backend> previousBackend_;
    platform::headless::HeadlessBackend* headless_ = nullptr;
    std::unique_ptr<platform::Window> window_;
    std::unique_ptr<CSubsystem_Video> video_;
    std::unique_ptr<CSubsystem_Font> fonts_;
    IShellFactory* factory_ = nullptr;
    CSurface* root_ = nullptr;
    CSurface* gameArea_ = nullptr;
    CSurface* pageArea_ = nullptr;
    std::deque<std::string> inputs_;
    std::vector<std::string> inputPrompts_;
    std::string readingGame_;
    int stopMode_ = 0;
    int menuFlags_ = 0;
};
