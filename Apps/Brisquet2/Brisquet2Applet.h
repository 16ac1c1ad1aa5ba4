// The root object of the bubble puzzles: the current player, the bubbles' animations and pop
// pictures (all through the game's warm recolour map), the title and background pictures, the
// eight sounds and the game's look of text buttons.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "Apps/Brisquet2/Puzzle.h"
#include "Apps/Common/Applet.h"
#include "Apps/Common/BubbleGrid.h"
#include "Apps/Common/ModuleRandom.h"
#include "Apps/Common/Player.h"
#include "Apps/Common/ShellRef.h"
#include "Apps/Common/SoundBank.h"

class IAnim;
class IImage;
class IImageSeq;

namespace brisquet2 {

inline constexpr const char* kDisplayName = "Brisquet 2";

enum class Sound {
    OpenGame,
    BubbleDisappear,
    DeadEnd,
    LevelComplete,
    LevelStart,
    NoClick,
    BeforeSelectLevel,
    ChallengeSolved,
};
inline constexpr int kSoundCount = 8;
// Kinds 1 to 4 coloured, 5 the transparent bubble.
inline constexpr int kKindCount = 5;

// The player's items.
inline constexpr const char* kLevelItem = "Level";
inline constexpr const char* kScoreItem = "BreakScore";
inline constexpr const char* kSolvedItem = "RandomSolved";
inline constexpr const char* kAttemptedItem = "RandomAttempted";
inline constexpr const char* kCurPlayerKey = "CurPlayer";

class CBrisquet2Applet final : public CApplet {
public:
    explicit CBrisquet2Applet(AppletRecord* record);
    ~CBrisquet2Applet() override;

    CPlayer& Player() { return player_; }
    // Makes `name` the current player: reads their score and level, and gives a new player the
    // four items of a fresh profile.
    void SwitchPlayer(std::string_view name);
    // A fresh profile: puzzle 1 of the challenge, no points, no random puzzles.
    void ResetPlayerItems();
    // Adds to a counter of the current player.
    void AddToItem(const char* item, int amount);

    void Play(Sound sound) const { sounds_.Play(sound); }
    BubbleKindArt BubbleArt() const { return {idle_, pops_}; }
    IAnim* BubbleAnim(int kind) const;
    // Frame 0 in the challenge, frame 1 in the other modes (frame 0 when there is only one); null
    // when missing.
    IImage* Background(bool challenge) const {
        return challenge || !backgroundOther_ ? background_.Get() : backgroundOther_.Get();
    }
    IImage* TitlePicture() const { return title_.Get(); }

    // The shell's generator, which makes every numbered board the same everywhere.
    ShellRandom ShellGenerator();
    // The module's own generator (the celebration's bubbles).
    ModuleRandom& Random() { return random_; }

    // Cyan buttons on the title and staff screens, black ones on the play screen.
    void SetTitleButtons(bool onTitle) { titleButtons_ = onTitle; }
    TextButtonStyle ButtonStyle() const;
    using CApplet::MakeTextButton;
    ISurface* MakeTextButton(ISurface* owner, const char* label, int x, int y, int id, int pointSize, void* context,
                             AppletCallback callback);

private:
    void LoadBubbles();

    CPlayer player_;
    CSoundBank<Sound, kSoundCount> sounds_;
    std::array<ShellRef<IAnim>, kKindCount> idleRefs_;
    std::array<ShellRef<IImageSeq>, kKindCount> popRefs_;
    std::array<IAnim*, kKindCount> idle_{};
    std::array<IImageSeq*, kKindCount> pops_{};
    ShellRef<IImage> background_;
    ShellRef<IImage> backgroundOther_;
    ShellRef<IImage> title_;
    ModuleRandom random_;
    bool titleButtons_ = true;
};

}  // namespace brisquet2
