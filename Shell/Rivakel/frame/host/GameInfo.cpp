#include "frame/host/GameInfo.h"

#include "core/base/Strings.h"

GameCategory GameCategoryFromText(std::string_view text) {
    if (EqualsNoCase(text, "Action")) return kCategoryAction;
    if (EqualsNoCase(text, "Logic")) return kCategoryLogic;
    if (EqualsNoCase(text, "Card")) return kCategoryCard;
    return kCategoryOther;
}

GamePace GamePaceFromText(std::string_view text) {
    if (EqualsNoCase(text, "Sweat")) return kPaceSweat;
    if (EqualsNoCase(text, "Mix")) return kPaceMix;
    return kPaceOther;
}
