// What the session hands the shell window: the program's facts and the few program-level
// actions the window asks for. Empty functions are skipped (and answer false or empty).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/graphics/EventCodes.h"
#include "frame/shell/IGameTable.h"

class CShell;
class CSurface;
class CTimer;

namespace platform {
class Window;
}

// The in-game menu bar's commands, in the order of the big buttons' icon strip.
enum class MenuCommand { EmailThis, NewGame, Pause, Resume, Instructions, BackToGame };

// One button of the in-game menu bar: the picture's top left is (x, y); a click runs `callback`
// with `context` and `userValue`.
struct MenuButtonRequest {
    MenuCommand command = MenuCommand::EmailThis;
    std::string_view label;
    CSurface* parent = nullptr;
    int x = 0;
    int y = 0;
    intptr_t userValue = 0;
    void* context = nullptr;
    EventCallback callback = nullptr;
};

struct ShellConfig {
    int windowWidth = 800;
    int windowHeight = 572;
    bool embedded = false;
    std::string skinName = "Default.skn";
    // The first page is Home even with a game named on the command line: something else (a
    // data mailing) chooses the game once the window stands.
    bool startOnHomePage = false;

    std::function<bool()> installed;
    // The game file named on the command line ("" when none).
    std::function<std::string()> gameFile;
    // The shell's data folder (where a game named on the command line of a shell that is not
    // installed is started).
    std::function<std::string()> shellFolder;
    std::function<platform::Window*()> mainWindow;
    std::function<void()> stopSession;
    std::function<bool()> sessionStopping;
    // The one timer that runs while the window is inactive (null: none).
    std::function<void(CTimer*)> setInactiveTimer;
    // 0 when a program took the address.
    std::function<int(std::string_view url)> openInBrowser;
    // Installs the shell for the user ("Save And Exit").
    std::function<void()> installShell;
    // Installs the game named on the command line and registers the file type.
    std::function<void(std::string_view gameFile)> installGame;
    // Loads the cardback descriptions (construction step 3).
    std::function<void()> loadCardbacks;
    // Registers the portal's pages before the first one is shown.
    std::function<void(CShell&)> registerPages;
    // Whether the big skin gets its banners, and makes them on the shell (after the frame).
    std::function<void(CShell&)> makeBanners;

    // Makes an in-game menu button attached to the request's parent (empty: the rollover
    // pictures of the current build).
    std::function<CSurface*(const MenuButtonRequest&)> makeMenuButton;

    // The games; a table of no rows (or the RIVAKEL_GAME row) when not given.
    std::unique_ptr<IGameTable> games;
};
