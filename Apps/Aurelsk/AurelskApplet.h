// The root object of the diving game: the left and right pictures of every sea object, the
// explosions, the status bar's pictures, the title's pictures, the seven sounds and the game's
// look of text buttons.
#pragma once

#include <array>
#include <cstdint>

#include "Apps/Common/Applet.h"
#include "Apps/Common/ShellRef.h"
#include "Apps/Common/SoundBank.h"
#include "frame/api/IImage.h"
#include "frame/api/IImageSeq.h"

namespace aurelsk {

inline constexpr const char* kDisplayName = "Aurelsk";

enum class Sound { Emerge, Explosion, GameOpen, Torpedo, TreasurePickup, GameStart, FreeLife };
inline constexpr int kSoundCount = 7;

enum class Picture { Status, ScorePlate, Hold, OxygenNotch, LivesIcon, GameOver, TitleScreen, OceanBottom, Seabed };
inline constexpr int kPictureCount = 9;

// Sequences the sprites are built from.
enum class Sequence {
    AlphaLeft,
    AlphaRight,
    AlphaWarningLeft,
    AlphaWarningRight,
    PirateLeft,
    PirateRight,
    DamagedLeft,
    DamagedRight,
    MiniPirateLeft,
    MiniPirateRight,
    SharkLeft,
    SharkRight,
    TorpedoLeft,
    TorpedoRight,
    EnemyTorpedoLeft,
    EnemyTorpedoRight,
    SmallExplosion,
    BigExplosion,
    Treasure,
    Chest,
    HoldLit,
    TitleInstructions,
};
inline constexpr int kSequenceCount = 22;

inline constexpr uint32_t kSeaFill = 0x0066FF;

class CAurelskApplet final : public CApplet {
public:
    explicit CAurelskApplet(AppletRecord* record);
    ~CAurelskApplet() override;

    // Null when the picture could not be read.
    IImage* GetPicture(Picture picture) const { return pictures_[static_cast<size_t>(picture)].Get(); }
    IImageSeq* GetSequence(Sequence sequence) const { return sequences_[static_cast<size_t>(sequence)].Get(); }
    void Play(Sound sound) const { sounds_.Play(sound); }

    // Black on the fresh picture, blue under the mouse.
    static TextButtonStyle ButtonStyle();
    using CApplet::MakeTextButton;
    ISurface* MakeTextButton(ISurface* owner, const char* label, int x, int y, int id, int pointSize, void* context,
                             AppletCallback callback);

private:
    CSoundBank<Sound, kSoundCount> sounds_;
    std::array<ShellRef<IImage>, kPictureCount> pictures_;
    std::array<ShellRef<IImageSeq>, kSequenceCount> sequences_;
};

}  // namespace aurelsk
