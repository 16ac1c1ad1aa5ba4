// The user's cardback settings in the store's "Shell" element: "CardBack" (the chosen
// picture's file name, without folder) and "CardBackDontAsk" (attribute "Enabled").
#pragma once

#include <string>
#include <string_view>

// The chosen picture; a missing setting is created with the default first, and one that is
// no plain file name (it would leave the cardback folder) reads as the default.
std::string GetCardBack();
// The choice as it stands, without creating it: the default when missing or not a plain name.
std::string ChosenCardBack();
// Stores the last path component of `file`.
void StoreCardBack(std::string_view file);
// The name a file of the cardback folder is opened by.
std::string InCardbackFolder(std::string_view fileName);
// The name a cardback picture is opened by: below the cardback folder unless it is the default.
std::string CardbackPicturePath(std::string_view imageName);
bool CardBackDontAsk();
void SetCardBackDontAsk(bool dontAsk);
