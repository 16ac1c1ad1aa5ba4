// String settings kept by the user store for the running game: shared by all users, or the
// current user's own. Keys match without regard to case.
#pragma once

#include "frame/api/ShellObject.h"

class ISettingsAccess : public IShellObject {
public:
    // 0 when stored. Nothing is stored otherwise: 8 with no store, user or running game to keep
    // the value under, 3 when it would grow the store past what it keeps for games.
    virtual int SetGameValue(const char* key, const char* value) = 0;                     // 2
    // Copies the value cut to bufferSize bytes with the NUL; 0. 25 when absent, buffer untouched.
    virtual int GetGameValue(const char* key, char* buffer, int bufferSize) = 0;          // 3
    virtual int SetUserValue(const char* key, const char* value) = 0;                     // 4
    virtual int GetUserValue(const char* key, char* buffer, int bufferSize) = 0;          // 5
    virtual bool IsInstalled() = 0;                                                        // 6

protected:
    ISettingsAccess() = default;
    ~ISettingsAccess() override = default;
};
