// The root object of the pond game: the blobs' forty size animations, the splash and the angel,
// the title and pond pictures, the eleven sounds, the typed invincibility and the game's look of
// text buttons.
#pragma once

#include <array>
#include <cstddef>

#include "Apps/Common/Applet.h"
#include "Apps/Common/ShellRef.h"
#include "Apps/Common/SoundBank.h"
#include "Apps/Vintrel/GrowthTable.h"

class IImage;
class IImageSeq;

namespace vintrel {

inline constexpr const char* kDisplayName = "Vintrel";

enum class Sound {
    GameOpen,
    GameOverHighScore,
    GameOver,
    GameStart,
    LoseLife,
    Eats,
    Growth,
    NewBaddieGood,
    NewBaddieBad,
    Ambient,
    ExtraLife,
};
inline constexpr int kSoundCount = 11;

enum class BlobKind { Player, Baddie };

enum class Sequence { Splash, Angel, TitleStrip, Start };
inline constexpr int kSequenceCount = 4;

// Text buttons: the title's Start, the panels' and the staff screen's.
enum class ButtonLook { Start, Panel, Staff };

class CVintrelApplet final : public CApplet {
public:
    explicit CVintrelApplet(AppletRecord* record);
    ~CVintrelApplet() override;

    void Play(Sound sound) const { sounds_.Play(sound); }
    // Size index 1 to 10; null when it could not be read.
    IImageSeq* Blob(BlobKind kind, bool facingLeft, int size) const;
    IImageSeq* GetSequence(Sequence sequence) const { return sequences_[static_cast<size_t>(sequence)].Get(); }
    IImage* Title() const { return title_.Get(); }
    // The start animation's resting frame: the pond every game is played on.
    IImage* PondPicture() const { return pond_.Get(); }
    // The play screen's plaques for the lives, the size and the score, keyed over the pond.
    IImage* Plaques() const { return plaques_.Get(); }

    // Set by the typed code on the title; the next title screen clears it.
    bool immune = false;

    static TextButtonStyle ButtonStyle(ButtonLook look);
    using CApplet::MakeTextButton;
    ISurface* MakeTextButton(ISurface* owner, const char* label, int x, int y, int id, int pointSize, ButtonLook look,
                             void* context, AppletCallback callback);

private:
    static constexpr size_t kBlobSets = 4;
    CSoundBank<Sound, kSoundCount> sounds_;
    std::array<std::array<ShellRef<IImageSeq>, kMaxBaddieSize>, kBlobSets> blobs_;
    std::array<ShellRef<IImageSeq>, kSequenceCount> sequences_;
    ShellRef<IImage> title_;
    ShellRef<IImage> pond_;
    ShellRef<IImage> plaques_;
};

}  // namespace vintrel
