#include "frame/pages/info/AboutPage.h"

#include <cstdio>

#include "core/base/Version.h"
#include "core/graphics/Image.h"
#include "core/graphics/RolloverButton.h"
#include "core/net/CSubsystem_Net.h"
#include "core/store/UserStore.h"
#include "frame/pages/info/PageText.h"
#include "frame/shell/Shell.h"

namespace {

constexpr size_t kMaxText = 4095;
constexpr const char* kVirusSeal = "img-seal-scanned.gif";
constexpr const char* kCertificateSeal = "img-seal-secure.gif";
constexpr const char* kSealClickGuid = "{26A52249-5C78-450E-A988-B634559AF93A}";
// The site's pages behind the seals.
constexpr int kVirusCheckLink = 10004;
constexpr int kCertificateLink = 10005;
constexpr int kSealX = 20;

int OnAboutSeal(intptr_t* record) {
    auto* shell = reinterpret_cast<CShell*>(record[0]);
    shell->ShowPage(page_name::kAbout, CShell::kAboutSealsView);
    return 1;
}

int OnSealsViewSeal(intptr_t* record) {
    OnSealClick(*reinterpret_cast<CShell*>(record[0]), static_cast<int>(record[2]));
    return 1;
}

void ShowAbout(CShell& shell) {
    DrawPageRml(shell, ShellString(1001, kMaxText), 15, 60, {15, 60, 485, 360});
    VersionRecord version;
    shell.GetVersion(version);
    DrawPageRml(shell, AboutVersionLabel(version), 473, 2);
    shell.MakeImageButton(kVirusSeal, 394, 308, 0, OnAboutSeal);
}

void ShowSeals(CShell& shell, CImage& image) {
    // Each text starts white, whatever colour the one before left.
    const auto white = [&](int id, int x, int y, const platform::Rect& box) {
        image.SetTextColor(255, 255, 255);
        DrawPageRml(shell, ShellString(id, kMaxText), x, y, box);
    };
    constexpr platform::Rect kBox{15, 60, 485, 420};
    white(1002, 15, 65, kBox);
    white(1004, 15, 300, kBox);
    white(1003, 128, 120, {128, 120, 485, 420});
    shell.MakeImageButton(kVirusSeal, kSealX, 125, 0, OnSealsViewSeal);
    if (CRolloverButton* seal = shell.MakeImageButton(kCertificateSeal, kSealX, 200, 1, OnSealsViewSeal)) {
        int width = 0, height = 0;
        seal->GetSize(width, height);
        image.SetCurColor(0, 0, 0);
        image.FrameRect(kSealX - 1, 199, kSealX + width, 200 + height);
    }
}

}  // namespace

std::string AboutVersionLabel(const VersionRecord& version) {
    char label[32];
    std::snprintf(label, sizeof label, "<S3><Cffcc99>v%d.%d", version.minor, version.revision);
    return label;
}

void OnSealClick(CShell& shell, int which) {
    if (which != 0) {
        shell.OnHyperLink(kCertificateLink);
        return;
    }
    shell.OnHyperLink(kVirusCheckLink);
    const CSubsystem_Net* net = NetService();
    if (CSubsystem_UserStore* store = UserStore()) {
        store->Track("AdBannerClicked", {kSealClickGuid, net != nullptr && !net->IsOffline() ? "1" : "0"});
    }
}

void CAboutPage::Show(CShell& shell, CSurface& page) {
    CImage* image = page.GetCurImage();
    if (image == nullptr) return;
    shell.PlayClick();
    if (shell.PageTopic() == CShell::kAboutSealsView) {
        ShowSeals(shell, *image);
        return;
    }
    ShowAbout(shell);
}
