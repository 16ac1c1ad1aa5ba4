// The root object of the ball-sorting game: its pictures, the frames of the balls and the belt,
// the sounds, the game's text buttons and the level, lives and money carried from truck to truck.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "Apps/Common/Applet.h"
#include "Apps/Common/ShellRef.h"
#include "Apps/Common/SoundBank.h"
#include "Apps/Tallimo/GameProgress.h"

class IImage;

namespace tallimo {

inline constexpr const char* kDisplayName = "Tallimo";
inline constexpr int kBallKinds = 7;

enum class Sound {
    Ball1, Ball2, Ball3, Ball4, Ball5, Ball6, Ball7,
    EnoughBalls, GameStart, LoseLevel, StartLevel, WinLevel, HighScore, Belt, PerfectTruck, ScoreTick, InBadSlot,
};
inline constexpr size_t kSoundCount = 17;

enum class Picture { Truck, MiniTruck, Shelf, Tire, RedX, GameLogo, Circle, ArrowLeft, ArrowRight, GreyBalls, Logo, Lives };
inline constexpr size_t kPictureCount = 12;

// The yard behind every screen.
inline constexpr int kYardR = 153, kYardG = 204, kYardB = 204;
// Button ids: the name entry's letters are their capitals' codes.
inline constexpr int kStartButton = 100;
inline constexpr int kDeleteButton = 101;
inline constexpr int kEndButton = 102;

inline constexpr int kTruckHeight = 186;

class CTallimoApplet final : public CApplet {
public:
    explicit CTallimoApplet(AppletRecord* record);
    ~CTallimoApplet() override;

    // Null when the picture could not be read.
    IImage* GetPicture(Picture picture) const { return pictures_[static_cast<size_t>(picture)].Get(); }
    void Play(Sound sound) const { sounds_.Play(sound); }
    // A ball of `kind` at (x, y) on `target`, in its roll's frame at `ms`.
    void DrawBall(IImage& target, int kind, int x, int y, int64_t ms) const;
    // The pattern's grey cell of `kind`.
    void DrawGreyBall(IImage& target, int kind, int x, int y) const;
    void DrawBelt(IImage& target, int x, int y, int64_t ms) const;
    // A new keyed picture of an empty truck of `size` (2 to 4): floor band, cab, rear tyres and
    // four rows of racks; null when it cannot be made.
    IImage* MakeTruck(int size) const;

    GameProgress& Progress() { return progress_; }

    // Dark blue labels that turn red under the mouse, on the yard's colour, except the name
    // entry's letters, DEL and END, which stand keyed on the truck; only "Start the Game" is
    // underlined.
    ISurface* MakeTextButton(ISurface* owner, const char* label, int x, int y, int id, int pointSize, void* context,
                             AppletCallback callback);

private:
    CSoundBank<Sound, kSoundCount> sounds_;
    std::array<ShellRef<IImage>, kPictureCount> pictures_;
    std::array<std::vector<ShellRef<IImage>>, kBallKinds> ballFrames_;
    std::vector<ShellRef<IImage>> beltFrames_;
    GameProgress progress_;
};

}  // namespace tallimo
