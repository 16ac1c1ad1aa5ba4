// The root object of the fireworks memory game: the colour table of the fireworks, the five
// pictures, the eleven sounds, the three skylines (kept on the game area, parked out of sight
// while not shown) and the game's look of text buttons.
#pragma once

#include <array>
#include <memory>

#include "Apps/Common/Applet.h"
#include "Apps/Common/MessagePanel.h"
#include "Apps/Common/ModuleRandom.h"
#include "Apps/Common/ShellRef.h"
#include "Apps/Common/SoundBank.h"
#include "Apps/Glimtide/ColourTable.h"

class IImage;

namespace glimtide {

inline constexpr const char* kDisplayName = "Glimtide";

enum class Sound {
    Explode1,
    Explode2,
    Fire1,
    Fire2,
    GameOpen,
    GameOver,
    GameStart,
    GoodSequence,
    HighScore,
    Mistake,
    BeepBeep,
};
inline constexpr int kSoundCount = 11;

enum class Picture { ButtonUp, ButtonDown, Dynamite, MiniLogo, TitleScreen };
inline constexpr int kPictureCount = 5;

inline constexpr int kCityCount = 3;
// Where a skyline waits while another screen is up.
inline constexpr int kCityParkedX = -100;
inline constexpr int kCityParkedY = -200;

class CGlimtideApplet final : public CApplet {
public:
    explicit CGlimtideApplet(AppletRecord* record);
    ~CGlimtideApplet() override;

    // Null when the picture could not be read.
    IImage* GetPicture(Picture picture) const { return pictures_[static_cast<size_t>(picture)].Get(); }
    // Nothing when the sound did not load.
    void Play(Sound sound) const { sounds_.Play(sound); }
    ISurface* City(int index) const { return cities_[static_cast<size_t>(index)].Get(); }
    void ParkCity(int index) const;
    const CColourTable& Colours() const { return *colours_; }
    // The module's own generator, for what the game draws by chance outside the shell's sequence
    // (the icons' sparks, the kinds of the show's rockets).
    ModuleRandom& Random() { return random_; }

    // The game's text buttons: blue on light blue at 12 points, yellow on black at other sizes.
    static TextButtonStyle ButtonStyle(int pointSize);
    using CApplet::MakeTextButton;
    ISurface* MakeTextButton(ISurface* owner, const char* label, int x, int y, int id, int pointSize, void* context,
                             AppletCallback callback);
    // The message panels over the play screen: light blue in a teal frame.
    static PanelStyle MessagePanelStyle();

private:
    std::unique_ptr<CColourTable> colours_;
    CSoundBank<Sound, kSoundCount> sounds_;
    std::array<ShellRef<IImage>, kPictureCount> pictures_;
    std::array<AttachedSurface, kCityCount> cities_;
    ModuleRandom random_;
};

}  // namespace glimtide
