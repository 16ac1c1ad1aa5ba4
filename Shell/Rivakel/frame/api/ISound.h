// A sound made by IShellFactory::CreateSound.
#pragma once

#include "frame/api/ShellObject.h"

class ISound : public IShellObject {
public:
    // Plays max(loops, 1) times on a free voice; nothing plays while sound is off. 0, or 8
    // when the sound did not load.
    virtual int Play(int loops) = 0;                                                      // 2
    // 0, or 8 for an empty object.
    virtual int Stop() = 0;                                                               // 3

protected:
    ISound() = default;
    ~ISound() override = default;
};
