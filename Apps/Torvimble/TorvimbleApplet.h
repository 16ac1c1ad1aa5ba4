// The root object of the card room: the pictures (read once, on first use), the eight sounds,
// the card art, the in-between and poker tables' win marker, the current player's profile, and
// the game's look of text and image buttons.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Apps/Common/Applet.h"
#include "Apps/Common/ImageButton.h"
#include "Apps/Common/ModuleRandom.h"
#include "Apps/Common/PlayingCard.h"
#include "Apps/Common/ShellRef.h"
#include "Apps/Common/SoundBank.h"
#include "Apps/Torvimble/PlayerProfile.h"

class IImage;

namespace torvimble {

inline constexpr const char* kDisplayName = "Torvimble";
inline constexpr uint32_t kTableGrey = 0x999999;

enum class Sound { CardDeal, CardFlip, GameStart, DisabledButton, OpenGame, Laugh, Win, SmallButton };
inline constexpr int kSoundCount = 8;

class CTorvimbleApplet final : public CApplet, public HoldingsStore {
public:
    explicit CTorvimbleApplet(AppletRecord* record);
    ~CTorvimbleApplet() override;

    // Null when the picture cannot be read.
    IImage* Picture(std::string_view name);
    void Play(Sound sound) const { sounds_.Play(sound); }
    const CardArt& Cards() const { return cards_; }
    CPlayerProfile& Profile() { return profile_; }
    // The module's own generator: the staff screen's cards only.
    ModuleRandom& Random() { return random_; }

    // The win marker at (x, y) of the game area, or hidden.
    void ShowMarker(int x, int y);
    void HideMarker();

    // Which looks a button's pictures give: Main Menu has no disabled ones, the action buttons
    // no disabled-while-selected one; the bets and holds have all five.
    enum class Looks { Three, Four, Five };
    // A button from the pictures named after `normal`, clicking with the small button's sound
    // and refusing with the disabled one.
    std::unique_ptr<ImageButton> MakeButton(const char* normal, Looks looks, int x, int y, int id, bool toggle,
                                            void* owner, AppletCallback callback);
    // Black on the tables' grey, blue under the mouse; a negative id makes a help page's orange
    // link.
    static TextButtonStyle ButtonStyle(int id);
    using CApplet::MakeTextButton;
    ISurface* MakeTextButton(ISurface* owner, const char* label, int x, int y, int id, int pointSize, void* context,
                             AppletCallback callback);

    // HoldingsStore
    void StoreHoldings(std::string_view player, int clams) override;
    void UpdateTopRocks(std::string_view player, int clams) override;

private:
    std::vector<std::pair<std::string, ShellRef<IImage>>> pictures_;
    CSoundBank<Sound, kSoundCount> sounds_;
    ShellRef<ISound> clickSound_, disabledSound_;
    CardArt cards_;
    AttachedSurface marker_;
    CPlayerProfile profile_;
    ModuleRandom random_;
};

}  // namespace torvimble
