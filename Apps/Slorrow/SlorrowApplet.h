// The root object of the mud-throwing duel: its pictures and sounds, kept for the screens.
#pragma once

#include <array>

#include "Apps/Common/Applet.h"
#include "Apps/Common/ShellRef.h"
#include "Apps/Common/SoundBank.h"
#include "Apps/Slorrow/TerrainLayout.h"

class IImage;
class IImageSeq;
class IShellFactory;

namespace slorrow {

inline constexpr const char* kDisplayName = "Slorrow";

enum class Sound { Switch, Throw, Cheer, Open, HitCandidate, HitLand };
inline constexpr int kSoundCount = 6;

enum class Picture {
    Title,
    OnePlayer,
    OnePlayerOver,
    TwoPlayer,
    TwoPlayerOver,
    TryAgain,
    TryAgainOver,
    Quit,
    QuitOver,
    Panorama,
    Banner,
    MeterPointer,
    MeterNotch,
    WindBar,
    WindArrow,
    WindBarCenter,
    PowerFrame,
    PowerStar,
    PowerNotch,
    AirPlane,
    Partner,
    PartyLeft,
    PartyRight,
    BramboComment,
    QuilletComment,
    TitleLogo,
    Background,
    SelectLogo,
    BigStar,
    SmallStar,
    BramboSelectL,
    BramboSelectR,
    QuilletSelectL,
    QuilletSelectR,
    PlayersBanner,
    Switch,
    SwitchOver,
    Fight,
    FightOver,
    Hill1,
};
inline constexpr int kPictureCount = static_cast<int>(Picture::Hill1) + kHillKinds;

// The animated pictures, played by the duel's sprites.
enum class Sequence { Ball, Arrow, Orb, BramboStand, BramboDizzy, BramboWin, QuilletStand, QuilletDizzy, QuilletWin };
inline constexpr int kSequenceCount = 9;
inline constexpr Sequence kFirstCandidateSequence = Sequence::BramboStand;

// The banner plane flies only before the partner's promotion ended (the date is the shell's).
bool PromotionOnAt(int year, int month, int day);

inline constexpr int kStripWidth = 400;
inline constexpr int kStripHeight = 47;

class CSlorrowApplet final : public CApplet {
public:
    explicit CSlorrowApplet(AppletRecord* record);
    ~CSlorrowApplet() override;

    // Null when the picture could not be read.
    IImage* GetPicture(Picture picture) const { return pictures_[static_cast<size_t>(picture)].Get(); }
    IImage* Hill(int kind) const { return pictures_[static_cast<size_t>(Picture::Hill1) + static_cast<size_t>(kind)].Get(); }
    // The frames as loaded, or mirrored left to right (made at start for the candidates only).
    IImageSeq* GetSequence(Sequence sequence, bool mirrored = false) const;
    // The meter's strip, the left party on the left; drawn mirrored when the sides are swapped.
    IImage* Strip() const { return strip_.Get(); }
    void Play(Sound sound) const { sounds_.Play(sound); }
    // The background, a logo across the top and the four stars beside it.
    void DrawBackdrop(IImage* canvas, Picture logo) const;

    // Which side each candidate takes; chosen by chance at start, switched on the selection.
    bool sidesSwapped = false;
    // The next title screen goes straight on to the selection with lastPlayers.
    bool replay = false;
    int lastPlayers = 1;
    bool promotionOn = false;

private:
    void MakeStrip(IShellFactory& factory);

    CSoundBank<Sound, kSoundCount> sounds_;
    std::array<ShellRef<IImage>, kPictureCount> pictures_;
    std::array<ShellRef<IImageSeq>, kSequenceCount> sequences_;
    std::array<ShellRef<IImageSeq>, kSequenceCount> mirrored_;
    ShellRef<IImage> strip_;
};

}  // namespace slorrow
