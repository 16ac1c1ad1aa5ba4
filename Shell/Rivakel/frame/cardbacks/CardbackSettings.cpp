#include "frame/cardbacks/CardbackSettings.h"

#include "core/base/Strings.h"
#include "core/files/FileNames.h"
#include "core/store/RdtNode.h"
#include "core/store/UserStore.h"
#include "frame/cardbacks/CardbackTable.h"

namespace {

// Made when missing: the settings are written there.
RdtNode* ShellElement() {
    CSubsystem_UserStore* store = UserStore();
    return store != nullptr && store->CoreRoot() != nullptr ? store->CoreRoot()->GetOrAddChild("Shell") : nullptr;
}

}  // namespace

std::string ChosenCardBack() {
    const RdtNode* shell = ShellElement();
    const RdtNode* chosen = shell != nullptr ? shell->FindChild("CardBack") : nullptr;
    if (chosen == nullptr || !chosen->Text() || !IsPlainFileName(*chosen->Text())) return std::string(kDefaultCardback);
    return *chosen->Text();
}

std::string GetCardBack() {
    RdtNode* shell = ShellElement();
    const RdtNode* stored = shell != nullptr ? shell->FindChild("CardBack") : nullptr;
    // Missing, or a value that would lead out of the cardback folder: the default, stored.
    if (shell != nullptr && (stored == nullptr || !stored->Text() || !IsPlainFileName(*stored->Text())))
        StoreCardBack(kDefaultCardback);
    return ChosenCardBack();
}

void StoreCardBack(std::string_view file) {
    if (RdtNode* shell = ShellElement()) shell->GetOrAddChild("CardBack")->SetText(LastComponent(file));
}

std::string InCardbackFolder(std::string_view fileName) {
    return std::string(kCardbackFolder) + "\\" + std::string(fileName);
}

std::string CardbackPicturePath(std::string_view imageName) {
    return EqualsNoCase(imageName, kDefaultCardback) ? std::string(imageName) : InCardbackFolder(imageName);
}

bool CardBackDontAsk() {
    RdtNode* shell = ShellElement();
    if (shell == nullptr) return false;
    RdtNode* dontAsk = shell->FindChild("CardBackDontAsk");
    if (dontAsk == nullptr) {
        SetCardBackDontAsk(false);
        return false;
    }
    const std::string* enabled = dontAsk->AttrValue("Enabled");
    return enabled != nullptr && EqualsNoCase(*enabled, "true");
}

void SetCardBackDontAsk(bool dontAsk) {
    if (RdtNode* shell = ShellElement()) shell->GetOrAddChild("CardBackDontAsk")->SetAttr("Enabled", dontAsk ? "true" : "false");
}
