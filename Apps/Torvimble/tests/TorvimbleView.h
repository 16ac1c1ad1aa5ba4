// The game as a test sees it, in the harness's shell window or in the portal: the pictures of the
// module (read from its packed resources, as a person knows the look of the cards and buttons),
// which screen is up, the cards on the table and the looks of the buttons.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Apps/Common/PlayingCard.h"
#include "harness/GameDriver.h"
#include "harness/ModulePictures.h"

namespace torvimble::test {

using Picture = ModulePicture;

// The module's pictures by name, each read once; an unreadable one is empty.
class PictureShelf {
public:
    explicit PictureShelf(const char* modulePath);
    const Picture& Get(const std::string& name);

private:
    ModulePictures module_;
    std::map<std::string, Picture> pictures_;
};

enum class Look { Normal, Pressed, Hover, Disabled, PressedDisabled, Unknown };

struct Spot {
    int x = 0, y = 0;
};

// Where things are on the three tables.
namespace layout {
inline constexpr Spot kBlackjackBets[5] = {{330, 275}, {370, 275}, {410, 275}, {350, 310}, {390, 310}};
inline constexpr Spot kHit{40, 360}, kStand{120, 360}, kDouble{200, 360}, kSplit{280, 360};
inline constexpr Spot kMainMenu{415, 360};
inline constexpr Spot kDeal{310, 345};
inline Spot RowBet(int k) { return {97 + 42 * (k - 1), 353}; }
inline Spot Hold(int i) { return {98 + 68 * i, 288}; }
inline Spot HandCard(int hand, int n) { return {50 * n + 60, 35 * hand + 215}; }
inline Spot DealerCard(int n) { return n < 5 ? Spot{60 + 50 * n, 85} : Spot{50 * n - 165, 110}; }
inline Spot InBetweenCard(int b) { return {78 * b + 80, 145}; }
inline Spot PokerCard(int i) { return {68 * i + 90, 215}; }
}  // namespace layout

class TorvimbleView : public virtual GameDriver {
public:
    TorvimbleView();

    bool OnTitle();
    bool OnBlackjack();
    bool OnInBetween();
    bool OnPoker();

    void ChoosePoker() { Click(340, 312); }
    void ChooseBlackjack() { Click(350, 342); }
    void ChooseInBetween() { Click(340, 372); }
    void ResetMyProfile() { Click(400, 237); }
    void ChangePlayer() { Click(400, 257); }
    void Press(Spot button, int width = 34, int height = 34) { Click(button.x + width / 2, button.y + height / 2); }
    void PressAction(Spot button) { Press(button, 75, 36); }
    void MainMenu() { Press(layout::kMainMenu, 76, 24); }

    // The face-up card whose top-left corner is at `at`, or nothing.
    std::optional<CardValue> ReadCard(Spot at);
    // The look of the button drawn from the pictures named after `normal`.
    Look ReadLook(const std::string& normal, Spot at);
    bool Disabled(const std::string& normal, Spot at) {
        const Look look = ReadLook(normal, at);
        return look == Look::Disabled || look == Look::PressedDisabled;
    }
    // The whole picture is shown at `at`, all but its keyed pixels.
    bool Shows(const Picture& picture, Spot at, int width = 0, int height = 0) const;
    PictureShelf& Pictures() { return shelf_; }

private:
    // The piece of `piece` at (px, py), w x h, drawn over the card front at (x, y) of the card
    // being read.
    bool MatchesOverFront(const Picture& front, const Picture& piece, int px, int py, int w, int h, int x, int y) const;

    PictureShelf shelf_;
    int cardX_ = 0, cardY_ = 0;
};

}  // namespace torvimble::test
