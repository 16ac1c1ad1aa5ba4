// The game host as the shell window, the pages and the file service see it: one game module
// at a time, read, started and stopped.
#pragma once

#include <span>
#include <string_view>

struct GameInfo;

// Results of the host.
inline constexpr int kHostOk = 0;
inline constexpr int kHostFailed = 4;

// NotifyApplet kinds.
inline constexpr int kNotifyServicesEvent = 0;  // the services object's event 17
inline constexpr int kNotifyInstructions = 1;   // event 16: the applet draws its help page

class CGameHostBase {
public:
    virtual ~CGameHostBase() = default;

    // Fills `out` from the module's string table without loading the module; kHostFailed when
    // the file is found nowhere or a required string is missing or empty.
    virtual int ReadGameInfo(std::string_view dllPath, GameInfo& out) = 0;
    // Fires the running game's services event of that kind; other kinds do nothing. 0.
    virtual int NotifyApplet(int kind) = 0;
    // A relative `dllPath` is looked for in `directory` (the process's folder when empty), then in
    // the shell's data folder, then beside the program's launch path. 0 or kHostFailed.
    virtual int Start(std::string_view dllPath, std::string_view directory) = 0;
    // 0 also when nothing runs.
    virtual int Stop() = 0;
    virtual bool IsRunning() const = 0;
    // Outputs are cut to fit and always terminated; each answers 0.
    virtual int GetRunningDllPath(std::span<char> out) const = 0;  // "" when nothing runs
    virtual int SetDllPath(std::string_view path) = 0;
    virtual int GetRunningGameId(std::span<char> out) const = 0;   // "" when nothing runs
    virtual int GetGameName(std::span<char> out) const = 0;        // also after the game stopped
    virtual int GetGameVersion(std::span<char> out) const = 0;     // also after the game stopped

protected:
    CGameHostBase() = default;
    CGameHostBase(const CGameHostBase&) = default;
    CGameHostBase& operator=(const CGameHostBase&) = default;
};
