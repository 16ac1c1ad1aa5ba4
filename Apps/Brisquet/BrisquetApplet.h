// The root object of the thirty bubble screens: the sounds, the six bubble pictures with their
// animations, the board of the screen being played, how far the player has come ("BestLevel")
// and the game's white-and-red text buttons.
#pragma once

#include <array>
#include <memory>

#include "Apps/Brisquet/BrisquetBoard.h"
#include "Apps/Common/Applet.h"
#include "Apps/Common/BubbleGrid.h"
#include "Apps/Common/ModuleRandom.h"
#include "Apps/Common/ShellRef.h"
#include "Apps/Common/SoundBank.h"

class IAnim;
class IImage;
class IImageSeq;
class ISound;

namespace brisquet {

inline constexpr const char* kDisplayName = "Brisquet";
inline constexpr const char* kBestLevelKey = "BestLevel";

enum class Sound { OpenGame, BubbleDisappear, DeadEnd, LevelComplete, LevelStart, Argh, Hint, Promotion, NoClick };
inline constexpr int kSoundCount = 9;

// The final screen's two sounds, each heard at the first final screen of a run only.
enum class FinalSound { PopFinal, Rumble };

// Red, blue, yellow, green, black, white: kind k shows picture k - 1.
inline constexpr int kBubblePictures = 6;
inline constexpr int kWhiteKind = 6;

class CBrisquetApplet final : public CApplet {
public:
    explicit CBrisquetApplet(AppletRecord* record);
    ~CBrisquetApplet() override;

    void Play(Sound sound) const { sounds_.Play(sound); }
    // Plays `sound` the first time it is asked for in a run; every later call does nothing.
    void PlayOnce(FinalSound sound, int loops);
    // Kinds 1 to 6; null for any other.
    IAnim* BubbleAnim(int kind) const;
    // Every kind pops under the white bubble's flash.
    BubbleKindArt BubbleArt() const { return {anims_, flashes_}; }
    // A new bubble of kind 1 to 6 on its own animation, started, at (x, y) on `parent`; null when
    // its picture is missing.
    ISurface* MakeBubble(ISurface& parent, int kind, int x, int y) const;
    IImage* TitlePicture() const { return title_.Get(); }
    IImage* SmallTitle() const { return smallTitle_.Get(); }
    IImage* BoardEdge() const { return boardEdge_.Get(); }

    // Reads screen `screen`'s level into the board; false (nothing changed) when it is missing
    // or damaged.
    bool LoadLevel(int screen);
    BrisquetBoard* Board() const { return board_.get(); }

    // After the promotion into `nextScreen`: stored at once, and never lower than what is stored
    // (another run of the game may have raised it meanwhile).
    void Promote(int nextScreen);

    // The module's own generator, where the game draws kinds, places and speeds.
    ModuleRandom& Random() { return random_; }
    // The demo's two bubble kinds (0 red to 3 green), blue and blue at the first demo of a run.
    std::array<int, 2>& DemoKinds() { return demoKinds_; }

    using CApplet::MakeTextButton;
    // White under-lined bold Arial that turns red under the mouse.
    ISurface* MakeTextButton(ISurface* owner, const char* label, int x, int y, int id, int pointSize, void* context,
                             AppletCallback callback);

private:
    void LoadBubbles();

    CSoundBank<Sound, kSoundCount> sounds_;
    std::array<ShellRef<ISound>, 2> finalSounds_;
    std::array<bool, 2> finalSoundPending_{true, true};
    std::array<ShellRef<IAnim>, kBubblePictures> animRefs_;
    std::array<IAnim*, kBubblePictures> anims_{};
    ShellRef<IImageSeq> flashRef_;
    std::array<IImageSeq*, kBubblePictures> flashes_{};
    ShellRef<IImage> title_;
    ShellRef<IImage> smallTitle_;
    ShellRef<IImage> boardEdge_;
    std::unique_ptr<BrisquetBoard> board_;
    ModuleRandom random_;
    std::array<int, 2> demoKinds_{1, 1};
};

}  // namespace brisquet
