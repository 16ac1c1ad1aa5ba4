// The game host: reads a game module's description, loads it, hands it the record of shell
// interfaces, and tracks how long it was played. One game at a time.
//
// The host owns what a game made: after Shell_StopApplet returns, whatever the game left
// (timers, listeners, events, surfaces and buttons on shell surfaces, sounds, buffers and every
// interface object) is stopped, detached and released before the module is unloaded, and no
// callback of the game can be called afterwards. Game code runs only inside calls into the
// game (the exports and its callbacks); a stop asked for inside one waits until it returns.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "frame/api/AppletRecord.h"
#include "frame/host/GameModuleFile.h"

struct GameInfo;
class GameHostWindow;
class GameObjects;
class IShellFactory;

namespace platform {
class Module;
}
namespace resources {
class ResourceModule;
}

// What the host takes from the session. Empty functions give empty texts.
struct GameHostConfig {
    IShellFactory* factory = nullptr;          // the shell-wide factory; outlives the host
    std::function<std::string()> shellTitle;   // the application's title
    std::function<std::string()> shellFolder;  // the application's data folder
    std::function<std::string()> launchPath;   // the program's launch path
};

// Results of the host.
inline constexpr int kHostOk = 0;
inline constexpr int kHostFailed = 4;

// NotifyApplet kinds.
inline constexpr int kNotifyServicesEvent = 0;  // the services object's event 17
inline constexpr int kNotifyInstructions = 1;   // event 16: the applet draws its help page

// A play session longer than this is reported as a diagnostic.
inline constexpr int64_t kLongPlaySeconds = 36000;

class CGameHost final {
public:
    explicit CGameHost(GameHostConfig config);
    // Stops a game still running.
    ~CGameHost();
    CGameHost(const CGameHost&) = delete;
    CGameHost& operator=(const CGameHost&) = delete;

    // Fills `out` from the module's string table without loading the module; kHostFailed when
    // the file is found nowhere or a required string is missing or empty.
    int ReadGameInfo(std::string_view modulePath, GameInfo& out);
    // Fires the running game's services event of that kind; other kinds, and any kind while a
    // stop waits, do nothing. 0.
    int NotifyApplet(int kind);
    // A relative `modulePath` is looked for in `directory` (the process's folder when empty), then
    // in the shell's data folder, then beside the program's launch path. 0 or kHostFailed.
    // Refused (kHostFailed, logged) while a call into a game is on the stack: the shell window
    // stops the old game, and starts the new one once StopPending() is false.
    int Start(std::string_view modulePath, std::string_view directory);
    // Stops the game at once, or, asked inside a call into the game (a box the game opened, a
    // close request during its callback), once the outermost such call has returned: the game
    // then still runs and StopPending() is true. 0 also when nothing runs.
    int Stop();
    bool IsRunning() const { return running_; }
    // A stop waits for a call into the game to return.
    bool StopPending() const { return stopPending_; }
    // Game code is on the stack (the shell window runs a nested loop for a game's box).
    static bool InsideGameCall();
    // Outputs are cut to fit and always terminated; each answers 0.
    int GetRunningModulePath(std::span<char> out) const;  // "" when nothing runs
    int SetModulePath(std::string_view path);
    int GetRunningGameId(std::span<char> out) const;  // "" when nothing runs
    int GetGameName(std::span<char> out) const;       // also after the game stopped
    int GetGameVersion(std::span<char> out) const;    // also after the game stopped

    // The shell window comes after the host and goes before it; null while there is none.
    void SetWindow(GameHostWindow* window) { window_ = window; }
    // The running game's record; null when none runs.
    AppletRecord* Record() const { return record_; }

private:
    GameModulePlaces Places(std::string_view baseFolder) const;
    // The description and, for a start, the module's resources and where its file was found. A
    // start has no use for the logo, so only a description without `keep` decodes it.
    int Describe(std::string_view modulePath, std::string_view baseFolder, GameInfo& out,
                 std::unique_ptr<resources::ResourceModule>* keep, std::string* foundPath);
    void BuildRecord();
    void StopNow();
    void DestroyRecord();
    void TrackStop();

    GameHostConfig config_;
    GameHostWindow* window_ = nullptr;

    bool running_ = false;
    std::array<char, 256> modulePath_{};
    std::array<char, 128> gameId_{};
    std::array<char, 20> gameVersion_{};
    std::array<char, 256> gameName_{};
    std::unique_ptr<platform::Module> module_;
    AppletRecord* record_ = nullptr;
    ShellStopAppletFn stopApplet_ = nullptr;
    std::unique_ptr<GameObjects> game_;
    uint32_t startMs_ = 0;
    bool stopPending_ = false;
    bool stopping_ = false;
};

// The session's host; null before CreateGameHost and after DestroyGameHost.
CGameHost* GameHost();
CGameHost* CreateGameHost(GameHostConfig config);
void DestroyGameHost();
