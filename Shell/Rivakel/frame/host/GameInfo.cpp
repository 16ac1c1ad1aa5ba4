#include "frame/host/GameInfo.h"

#include "core/base/Strings.h"
#include "core/resources/ResourceModule.h"

namespace {

// A required string: missing and empty are the same.
bool CopyRequired(const resources::ResourceModule& module, uint32_t id, std::span<char> out) {
    return module.CopyString(id, out) && out[0] != '\0';
}

}  // namespace

bool ReadGameDescription(const resources::ResourceModule& module, GameInfo& out, std::span<char> logoName) {
    if (!CopyRequired(module, kGameStringVersion, out.version) || !CopyRequired(module, kGameStringName, out.name) ||
        !CopyRequired(module, kGameStringId, out.id) || !CopyRequired(module, kGameStringLogo, logoName))
        return false;
    out.category = GameCategoryFromText(module.GetString(kGameStringCategory).value_or(""));
    out.pace = GamePaceFromText(module.GetString(kGameStringPace).value_or(""));
    return true;
}

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
