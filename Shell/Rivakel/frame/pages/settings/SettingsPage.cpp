#include "frame/pages/settings/SettingsPage.h"

#include <memory>
#include <string>

#include "core/dialogs/DialogEnvironment.h"
#include "core/dialogs/ShellDialogs.h"
#include "core/graphics/EditField.h"
#include "core/graphics/Image.h"
#include "core/net/CSubsystem_Net.h"
#include "core/sound/CSubsystem_Sound.h"
#include "core/store/RdtNode.h"
#include "core/store/UserStore.h"
#include "frame/cardbacks/CardbackSelector.h"
#include "frame/cardbacks/CardbackTable.h"
#include "frame/pages/info/PageText.h"
#include "frame/pages/settings/ProxyEntry.h"
#include "frame/pages/settings/VolumeKnob.h"
#include "frame/pages/settings/VolumeScale.h"
#include "frame/shell/Shell.h"

namespace {

constexpr size_t kMaxText = 4095;
constexpr const char* kSoundElement = "Sound";
constexpr const char* kProxyElement = "DefaultProxyServer";

RdtNode* ShellSettings() {
    CSubsystem_UserStore* store = UserStore();
    return store != nullptr ? store->GetShellElement() : nullptr;
}

// The stored volume; a missing "Sound" element is made with its defaults first.
int StoredVolume() {
    RdtNode* shell = ShellSettings();
    if (shell == nullptr) return CSubsystem_Sound::kDefaultVolume;
    RdtNode* sound = shell->FindChild(kSoundElement);
    if (sound == nullptr) {
        sound = shell->AddChild(kSoundElement);
        sound->SetAttr("Enabled", "true");
    }
    if (sound->FindAttr("Volume") == nullptr) sound->SetAttr("Volume", std::to_string(CSubsystem_Sound::kDefaultVolume));
    return ReadStoredVolume(shell);
}

std::string StoredProxyValue(const char* attribute) {
    const RdtNode* shell = ShellSettings();
    const RdtNode* proxy = shell != nullptr ? shell->FindChild(kProxyElement) : nullptr;
    const std::string* value = proxy != nullptr ? proxy->AttrValue(attribute) : nullptr;
    return value != nullptr ? *value : std::string();
}

void FillRect(CImage& image, uint32_t rgb, int left, int top, int right, int bottom) {
    image.SetCurColor(rgb);
    image.FillRect(left, top, right, bottom);
}

// A field's sunk box: dark above and left, light below and right.
void SunkBox(CImage& image, int left, int top, int right, int bottom) {
    FillRect(image, 0xFFFFFF, left, top, right, bottom);
    FillRect(image, 0x666666, left, top, right, top + 1);
    FillRect(image, 0x666666, left, top, left + 1, bottom);
    FillRect(image, 0xFFCC99, left, bottom - 1, right, bottom);
    FillRect(image, 0xFFCC99, right - 1, top, right, bottom);
}

int OnFieldEnter(intptr_t* record) {
    reinterpret_cast<CSettingsPage*>(record[0])->ApplyProxy();
    return 1;
}

}  // namespace

void SetVolume(int percent) {
    percent = ClampVolume(percent);
    if (RdtNode* shell = ShellSettings()) shell->GetOrAddChild(kSoundElement)->SetAttr("Volume", std::to_string(percent));
    if (CSubsystem_Sound* sound = SoundService()) sound->SetVolume(percent);
}

void CSettingsPage::Show(CShell& shell, CSurface& page) {
    CImage* image = page.GetCurImage();
    if (image == nullptr) return;
    shell_ = &shell;
    shell.PlayClick();
    DrawPageRml(shell, ShellString(1101, kMaxText), 15, 65, {15, 65, 485, 405});
    DrawVolumeScale(shell, *image);
    DrawCardbacks(shell);
    MakeProxyFields(shell, page, *image);
    FillRect(*image, 0x333333, 20, 230, 480, 231);
    FillRect(*image, 0x333333, 20, 280, 480, 281);
    shell.MakeImageButton("btn-txt-apply-78x24.gif", 350, 328, reinterpret_cast<intptr_t>(this), OnApply);
    image->SetCurColor(0, 0, 0);
    image->DrawLine(20, 365, 480, 365);
    image->DrawLine(20, 366, 480, 366);
    // Two lines where one would run under the button.
    DrawPageRml(shell, "<S3><c000000>Click to remove individual games from your Rivakel Companion", 15, 375,
                {15, 375, 370, 410});
    shell.MakeImageButton("btn-txt-remove_games-100x24.gif", 375, 377, 0, OnRemoveGames);
}

void CSettingsPage::DrawVolumeScale(CShell& shell, CImage& image) {
    using namespace volume_scale;
    image.SetCurColor(0, 0, 0);
    image.DrawLine(kLeft, kY, kRight, kY);
    DrawPageRml(shell, "<S1><c000000>Sound Volume:", 22, 248);
    DrawPageRml(shell, "<S4><c000000>Off", 193, 267);
    DrawPageRml(shell, "<S4><c000000>Max", 390, 267);
    for (int x = kLeft; x <= kRight; x += kStep) {
        const bool longTick = x == kLeft || x == kRight || x == (kLeft + kRight) / 2;
        image.DrawLine(x, longTick ? kY - 10 : kY - 5, x, longTick ? kY + 10 : kY + 5);
    }
    // The page surface holds the knob.
    new CVolumeKnob(*shell.PageSurface(), StoredVolume(), [&shell](int volume) {
        SetVolume(volume);
        shell.PlayClick();
    });
}

void CSettingsPage::DrawCardbacks(CShell& shell) {
    DrawPageRml(shell, ShellString(1109, kMaxText), 22, 127);
    if (Cardbacks().Count() < 2) {
        DrawPageRml(shell, ShellString(1111, kMaxText), 225, 148, {225, 148, 450, 300});
    } else {
        DrawPageRml(shell, ShellString(1110, kMaxText), 210, 216);
        DrawPageRml(shell, "<s4><c000000>Current", 37, 215);
    }
    ShowCardbackSelector(shell);
}

void CSettingsPage::MakeProxyFields(CShell& shell, CSurface& page, CImage& image) {
    DrawPageRml(shell, ShellString(1106, kMaxText), 20, 290);
    image.SetTextColor(255, 255, 255);
    DrawPageRml(shell, ShellString(1107, kMaxText), 22, 313);
    image.SetTextColor(255, 255, 255);
    DrawPageRml(shell, ShellString(1108, kMaxText), 200, 313);
    SunkBox(image, 20, 330, 139, 349);
    SunkBox(image, 200, 330, 319, 349);
    const std::string name = StoredProxyValue("Name");
    const std::string port = name.empty() ? std::string() : StoredProxyValue("Port");
    // The page surface holds the fields.
    nameField_ = new CEditField(&page, this, 22, 332, 116, 16, name, OnFieldEnter, CEditField::kFlagEnterFires);
    portField_ = new CEditField(&page, this, 200, 332, 116, 16, port, OnFieldEnter, CEditField::kFlagEnterFires);
    nameField_->LinkNext(portField_);
    portField_->LinkNext(nameField_);
    nameField_->SetFocus();
}

void CSettingsPage::ApplyProxy() {
    if (shell_ == nullptr || nameField_ == nullptr || portField_ == nullptr) return;
    shell_->PlayClick();
    const ProxyEntry entry = CheckProxyEntry(nameField_->Text(), portField_->Text());
    if (!entry.Ok()) {
        shell_->MessageBox("Proxy Server", entry.problem, 0);
        return;
    }
    if (RdtNode* shell = ShellSettings()) {
        RdtNode* proxy = shell->GetOrAddChild(kProxyElement);
        proxy->SetAttr("Name", entry.name);
        proxy->SetAttr("Port", entry.port);
    }
    const DialogEnvironment& environment = CurrentDialogEnvironment();
    if (!(environment.installed && environment.installed()) && AskConfirmSave()) {
        if (environment.installShell) environment.installShell();
        if (CSubsystem_UserStore* store = UserStore()) store->SaveCore();
    }
    // Refused or not, the proxy holds for this session.
    if (CSubsystem_Net* net = NetService()) net->Reset();
}

int CSettingsPage::OnApply(intptr_t* record) {
    reinterpret_cast<CSettingsPage*>(record[2])->ApplyProxy();
    return 1;
}

int CSettingsPage::OnRemoveGames(intptr_t* record) {
    reinterpret_cast<CShell*>(record[0])->ShowPage(page_name::kRemoveGames);
    return 1;
}

void RegisterSettingsPage(CShell& shell) { shell.RegisterPage(page_name::kSettings, std::make_unique<CSettingsPage>()); }
