// The root object of the stadium game: the player, the pictures the screens draw with, the six
// sounds, and the game's look of text buttons and message panels.
#pragma once

#include <array>
#include <string>

#include "Apps/Common/Applet.h"
#include "Apps/Common/MessagePanel.h"
#include "Apps/Common/Player.h"
#include "Apps/Common/ShellRef.h"
#include "Apps/Common/SoundBank.h"
#include "Apps/Pellawick/StadiumTypes.h"

class IImage;

namespace pellawick {

inline constexpr const char* kDisplayName = "Pellawick";
inline constexpr int kSoundCount = 6;

enum class Picture {
    Title,
    Bench,
    ChairLeft,
    ChairRight,
    Scoreboard,
    ScoreboardWing,
    Count,
};

inline constexpr int kBubbleCount = 7;

class CPellawickApplet final : public CApplet {
public:
    explicit CPellawickApplet(AppletRecord* record);
    ~CPellawickApplet() override;

    CPlayer& Player() { return player_; }
    // Null when the picture could not be read.
    IImage* GetPicture(Picture picture) const { return pictures_[static_cast<size_t>(picture)].Get(); }
    IImage* Leg(int leg) const { return legs_[static_cast<size_t>(leg)].Get(); }
    IImage* Bubble(int index) const { return bubbles_[static_cast<size_t>(index)].Get(); }
    IImage* Food(int food) const { return foods_[static_cast<size_t>(food)].Get(); }
    IImage* FoodIcon(int food, bool selected) const {
        return icons_[static_cast<size_t>(food + (selected ? kMaxFood : 0))].Get();
    }
    void Play(Sound sound) const { sounds_.Play(sound); }

    static TextButtonStyle ButtonStyle();
    using CApplet::MakeTextButton;
    ISurface* MakeTextButton(ISurface* owner, const char* label, int x, int y, int id, int pointSize, void* context,
                             AppletCallback callback);
    static PanelStyle MessagePanelStyle();

private:
    static constexpr int kMaxFood = 3;

    CPlayer player_;
    CSoundBank<Sound, kSoundCount> sounds_;
    std::array<ShellRef<IImage>, static_cast<size_t>(Picture::Count)> pictures_;
    std::array<ShellRef<IImage>, 9> legs_;
    std::array<ShellRef<IImage>, kBubbleCount> bubbles_;
    std::array<ShellRef<IImage>, kMaxFood> foods_;
    std::array<ShellRef<IImage>, 2 * kMaxFood> icons_;
};

}  // namespace pellawick
