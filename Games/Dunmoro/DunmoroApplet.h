// The root object of the card-solitaire challenge: the card sheets, the two miniature cards of
// the layout previews, the ten sounds, the layouts, and the game's look of text buttons.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "Apps/Common/Applet.h"
#include "Apps/Common/ModuleRandom.h"
#include "Apps/Common/ShellRef.h"
#include "Apps/Common/SoundBank.h"

class IImage;

namespace dunmoro {

class CBoard;

inline constexpr const char* kDisplayName = "Dun Moro Challenge";
// Text buttons with this user value sit on a result box, in the box's brighter green.
inline constexpr int kBoxButtonValue = 100;

enum class Sound {
    ChallengeWon,
    Confirm,
    GameStart,
    LevelCleared,
    LevelNotCleared,
    ModeChange,
    MoveIllegal,
    MoveLegal,
    NewBoard,
    NewGame,
};
inline constexpr int kSoundCount = 10;

// The player and the play mode the game starts with, from the player's settings.
struct StartChoice {
    std::string player;
    int mode = 8;
    int board = 1;
};
// From the stored texts of the player's mode and board (null when absent): no mode is the
// challenge; "8", "2", "4" and "16" are those modes; any other text the chosen-board mode.
// The board is the stored one, 1 when absent.
StartChoice ChooseStart(std::string player, const char* storedMode, const char* storedBoard);

class CDunmoroApplet final : public CApplet {
public:
    explicit CDunmoroApplet(AppletRecord* record);
    ~CDunmoroApplet() override;

    IImage* FacesImage() const { return faces_.Get(); }
    IImage* SuitsImage() const { return suits_.Get(); }
    IImage* NumbersImage() const { return numbers_.Get(); }
    IImage* CardFrontImage() const { return cardFront_.Get(); }
    // The back face-down cards show; the play screen owns it and sets it while it lives.
    IImage* CardBackImage() const { return cardBack_; }
    void SetCardBackImage(IImage* image) { cardBack_ = image; }

    // Nothing when the sound did not load.
    void Play(Sound sound) const { sounds_.Play(sound); }

    // Reads the layout and deals it from shuffled decks, with card surfaces on the game area or
    // without; null when the layout cannot be read.
    std::unique_ptr<CBoard> LoadLayout(int board, bool withSurfaces);
    // The board in miniature (a sixth of its size) with its top-left at (x0, y0) of `target`.
    void DrawLayoutButton(int board, IImage* target, int x0, int y0);

    using CApplet::MakeTextButton;
    // A text button in the game's colours: blue, white under the mouse, on the green of the
    // screen, or of a result box for kBoxButtonValue.
    ISurface* MakeTextButton(ISurface* owner, const char* label, int x, int y, int userValue, int pointSize,
                             void* context, AppletCallback callback);

    // The card faces of the staff roll come from this, the same at every start.
    ModuleRandom& StaffRandom() { return staffRandom_; }

private:
    IImage* MakeMiniature(int red, int green, int blue) const;

    CSoundBank<Sound, kSoundCount> sounds_;
    ShellRef<IImage> faces_;
    ShellRef<IImage> suits_;
    ShellRef<IImage> numbers_;
    ShellRef<IImage> cardFront_;
    IImage* cardBack_ = nullptr;
    ShellRef<IImage> miniFaceUp_;
    ShellRef<IImage> miniFaceDown_;
    ModuleRandom staffRandom_;
};

}  // namespace dunmoro
