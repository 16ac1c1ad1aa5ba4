// The root object of the fence-laying game: its pictures, the walking and snoring animations the
// animals are made from, the title's demo (kept across title screens), the fifteen sounds and
// the game's look of buttons and panels.
#pragma once

#include <array>

#include "Apps/Common/Applet.h"
#include "Apps/Common/MessagePanel.h"
#include "Apps/Common/ModuleRandom.h"
#include "Apps/Common/ShellRef.h"
#include "Apps/Common/SoundBank.h"

class IAnim;
class IImage;
class IImageSeq;

namespace pennimar {

inline constexpr const char* kDisplayName = "Pennimar";

enum class Sound {
    Cow,
    Pig,
    Goat,
    Horse,
    Bonus,
    Die,
    ExtraLife,
    FenceClose,
    FenceLaying,
    GameOpen,
    GameOver,
    GetHighScore,
    LevelComplete,
    LevelStart,
    Walking,
};
inline constexpr int kSoundCount = 15;

enum class Picture { Earth, Grass, Fence, StatusBar, Player, Enemy, Logo };
inline constexpr int kPictureCount = 7;
inline constexpr int kAnimalKinds = 4;

class CPennimarApplet final : public CApplet {
public:
    explicit CPennimarApplet(AppletRecord* record);
    ~CPennimarApplet() override;

    // Null when the picture could not be read.
    IImage* GetPicture(Picture picture) const { return pictures_[static_cast<size_t>(picture)].Get(); }
    IImage* Resting(int kind, bool right) const;
    IImageSeq* Walking(int kind, bool right) const;
    IImageSeq* Snore(bool right) const { return snores_[right ? 1 : 0].Get(); }
    IAnim* Demo() const { return demo_.Get(); }
    void Play(Sound sound) const { sounds_.Play(sound); }
    // The module's own generator, beside the shell's.
    int RuntimeRand() { return random_.Next(); }

    static TextButtonStyle ButtonStyle(int pointSize);
    using CApplet::MakeTextButton;
    ISurface* MakeTextButton(ISurface* owner, const char* label, int x, int y, int id, int pointSize, void* context,
                             AppletCallback callback);
    static PanelStyle MessagePanelStyle();

private:
    CSoundBank<Sound, kSoundCount> sounds_;
    std::array<ShellRef<IImage>, kPictureCount> pictures_;
    // Left then right of each kind.
    std::array<ShellRef<IImage>, 2 * kAnimalKinds> resting_;
    std::array<ShellRef<IImageSeq>, 2 * kAnimalKinds> walking_;
    std::array<ShellRef<IImageSeq>, 2> snores_;
    ShellRef<IAnim> demo_;
    ModuleRandom random_;
};

}  // namespace pennimar
