// The root object of the frog puzzle: the challenger and what is stored of them, the frog
// pictures every swamp is built from, the side panel and title pictures, the ten sounds and the
// game's look of text buttons.
#pragma once

#include <array>
#include <string>

#include "Apps/Common/Applet.h"
#include "Apps/Common/Player.h"
#include "Apps/Common/ShellRef.h"
#include "Apps/Common/SoundBank.h"
#include "Apps/Grumbolt/SwampDice.h"

class IImage;
class IImageSeq;

namespace grumbolt {

inline constexpr const char* kDisplayName = "Grumbolt";

enum class Sound {
    GameOpen,
    GameStart,
    LevelComplete,
    Selected,
    FrogHop,
    FrogDisabled,
    Background1,
    Background2,
    Background3,
    Applause,
};
inline constexpr int kSoundCount = 10;

// Frog colours: new frogs take the first five; the sixth only fills the jump sprites' set.
inline constexpr int kFrogColours = 6;
inline constexpr int kNewFrogColours = 5;
enum class FrogPicture { Idle, Sinking, JumpUp, JumpRight, JumpDown, JumpLeft };
inline constexpr int kFrogPictures = 6;

// Text button grounds: the title's buttons and the side panel's.
enum class ButtonColour { Title = 1, Panel = 2 };

class CGrumboltApplet final : public CApplet {
public:
    explicit CGrumboltApplet(AppletRecord* record);
    ~CGrumboltApplet() override;

    void Play(Sound sound) const { sounds_.Play(sound); }
    // Null when the picture could not be read.
    IImage* Title() const { return title_.Get(); }
    IImage* Status() const { return status_.Get(); }
    IImageSeq* Frames(int colour, FrogPicture picture) const;
    IImageSeq* LilypadFrames() const { return lilypad_.Get(); }

    // The shell's shared generator, as the swamps are drawn from it.
    SwampDice& Dice() { return dice_; }

    CPlayer& Player() { return player_; }
    // Makes `name` the current challenger, reading their score and level (a level out of range
    // plays from its nearest end and is stored so).
    void SwitchPlayer(const std::string& name);
    void StoreScore();
    void StoreLevel();

    ISurface* MakeTextButton(ISurface* owner, const char* label, int x, int y, ButtonColour colour, int value,
                             int pointSize, void* context, AppletCallback callback);
    static TextButtonStyle ButtonStyle(ButtonColour colour);

private:
    CSoundBank<Sound, kSoundCount> sounds_;
    ShellRef<IImage> title_;
    ShellRef<IImage> status_;
    std::array<std::array<ShellRef<IImageSeq>, kFrogPictures>, kFrogColours> frogs_;
    ShellRef<IImageSeq> lilypad_;
    SwampDice dice_;
    CPlayer player_;
};

}  // namespace grumbolt
