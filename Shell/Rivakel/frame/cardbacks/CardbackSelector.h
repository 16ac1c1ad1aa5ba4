// The cardback choice for pages and for the shell: the selector the Settings page shows (up to
// four thumbnails at y 150 with arrows when there are more than four, and the current cardback
// at (30, 150)), the choice itself, and the one-time offer of a game's own cardback.
#pragma once

#include <string_view>

class CShell;

// Puts the selector on the shell's page surface, from the table's first record; a selector
// already there is replaced. With one cardback only the current picture is drawn.
void ShowCardbackSelector(CShell& shell);
// Stores the choice (the file's last component) with the click sound; the selector, when shown,
// draws it as the current cardback.
void SetCardBack(CShell& shell, std::string_view file);
// The offer when a game brought `newImage` ("System\Skins\Cardbacks\<picture>"): a modal box
// with both cardbacks, "Keep Current", "Use New" and "Always keep current card back.". Nothing
// when the user asked not to be asked or already uses it.
void ShowCardbackChoice(CShell& shell, std::string_view newImage);
// Whether the offer would be made: not when "CardBackDontAsk" is set or `newImage` is the
// chosen cardback already (compared by file name, without case). Pure.
bool ShouldOfferCardback(std::string_view chosen, std::string_view newImage, bool dontAsk);
