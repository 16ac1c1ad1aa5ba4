// A game's sounds by name, loaded once and played by their enum; a sound that did not load
// plays nothing.
#pragma once

#include <array>
#include <cstddef>

#include "Apps/Common/ShellRef.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISound.h"

template <class Sound, size_t Count>
class CSoundBank {
public:
    CSoundBank(IShellFactory& factory, const std::array<const char*, Count>& names) {
        for (size_t i = 0; i < Count; ++i) sounds_[i].Reset(factory.CreateSound(names[i], 0));
    }

    void Play(Sound sound) const {
        const auto index = static_cast<size_t>(sound);
        if (index < Count && sounds_[index]) sounds_[index]->Play(0);
    }

private:
    std::array<ShellRef<ISound>, Count> sounds_;
};
