// The game host: reads a game module's description, loads it, hands it the record of shell
// interfaces, and tracks how long it was played. One game at a time.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "frame/api/AppletRecord.h"
#include "frame/host/GameHostBase.h"
#include "frame/host/GameModuleFile.h"

class GameHostWindow;
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

// A play session longer than this is reported as a diagnostic.
inline constexpr int64_t kLongPlaySeconds = 36000;

class CGameHost final : public CGameHostBase {
public:
    explicit CGameHost(GameHostConfig config);
    // Stops a game still running.
    ~CGameHost() override;
    CGameHost(const CGameHost&) = delete;
    CGameHost& operator=(const CGameHost&) = delete;

    int ReadGameInfo(std::string_view dllPath, GameInfo& out) override;
    int NotifyApplet(int kind) override;
    int Start(std::string_view dllPath, std::string_view directory) override;
    int Stop() override;
    bool IsRunning() const override { return running_; }
    int GetRunningDllPath(std::span<char> out) const override;
    int SetDllPath(std::string_view path) override;
    int GetRunningGameId(std::span<char> out) const override;
    int GetGameName(std::span<char> out) const override;
    int GetGameVersion(std::span<char> out) const override;

    // The shell window comes after the host and goes before it; null while there is none.
    void SetWindow(GameHostWindow* window) { window_ = window; }
    // The running game's record; null when none runs.
    AppletRecord* Record() const { return record_; }

private:
    GameModulePlaces Places(std::string_view baseFolder) const;
    // The description and, for a start, the module's resources and where its file was found.
    int Describe(std::string_view dllPath, std::string_view baseFolder, GameInfo& out,
                 std::unique_ptr<resources::ResourceModule>* keep, std::string* foundPath);
    void BuildRecord();
    void DestroyRecord();
    void Unload();
    void TrackStop();

    GameHostConfig config_;
    GameHostWindow* window_ = nullptr;

    bool running_ = false;
    std::array<char, 256> dllPath_{};
    std::array<char, 128> gameId_{};
    std::array<char, 20> gameVersion_{};
    std::array<char, 256> gameName_{};
    std::unique_ptr<platform::Module> module_;
    AppletRecord* record_ = nullptr;
    ShellStopAppletFn stopApplet_ = nullptr;
    uint32_t startMs_ = 0;
    int liveBeforeStart_ = 0;
    // Modules whose games left objects behind: their code may still be called, so they stay mapped.
    std::vector<std::unique_ptr<platform::Module>> retained_;
};

// The session's host; null before CreateGameHost and after DestroyGameHost.
CGameHost* GameHost();
CGameHost* CreateGameHost(GameHostConfig config);
void DestroyGameHost();
