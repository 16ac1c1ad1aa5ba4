#include "frame/banners/CatalogPage.h"

#include <algorithm>

#include "core/base/Log.h"
#include "core/base/Thunk.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/Image.h"
#include "frame/banners/BannerFolder.h"
#include "frame/shell/Shell.h"
#include "frame/shell/ShellPage.h"
#include "platform/Platform.h"

namespace {

// Far more than a catalogue page animates; with the page's size it bounds what a picture may take.
constexpr int kMaxCatalogFrames = 8;

// What the shown page keeps while it is up: the listeners on the picture and the outline layer.
class CCatalogView final : public CRefCounted {
public:
    CCatalogView(CSurface& page, const BannerEntry& entry, CatalogPageServices services)
        : entry_(entry), services_(std::move(services)) {
        const std::string& name = entry.catalogImage;
        const bool inFolder = services_.installed && !entry.builtIn;
        const BannerFolder folder(true, services_.installed);
        // No larger than the page it is shown on.
        int pageWidth = 0, pageHeight = 0;
        page.GetSize(pageWidth, pageHeight);
        const GifLimits limits = GifLimitsToShow(pageWidth, pageHeight, kMaxCatalogFrames);
        picture_ = new CSurface(inFolder ? folder.PicturePath(name) : name, CSurface::kFlagInteractive, limits);
        if (inFolder && !picture_->IsValid()) {
            delete picture_;
            picture_ = new CSurface(name, CSurface::kFlagInteractive, limits);
        }
        int width = 1, height = 1;
        if (picture_->IsValid()) picture_->GetSize(width, height);
        page.AttachSurface(picture_);
        outline_ = new CSurface(width, height, CSurface::kFlagColorKeyed);
        outline_->SetNoHit(true);
        Clear();
        page.AttachSurface(outline_);
        if (CSubsystem_Event* events = EventService()) {
            const void* sender = static_cast<const CSurface*>(picture_);
            move_ = events->Listen(sender, kEventMouseMove, this, Thunk<&CCatalogView::OnMove>);
            click_ = events->Listen(sender, kEventClick, this, Thunk<&CCatalogView::OnClick>);
        }
    }

private:
    void Clear() {
        if (CImage* image = outline_->GetCurImage()) image->ClearToColor(0xFF, 0x00, 0xFF);
    }

    void Outline(int area) {
        if (area == lit_) return;
        lit_ = area;
        Clear();
        const std::optional<platform::Rect> bounds =
            area >= 0 ? AreaBounds(entry_.areas[static_cast<size_t>(area)]) : std::nullopt;
        CImage* image = outline_->GetCurImage();
        if (!bounds || image == nullptr) return;
        image->SetCurColor(entry_.colorActive);
        image->FrameRect(bounds->left + 1, bounds->top + 1, bounds->right - 1, bounds->bottom - 1);
    }

    int OnMove(intptr_t* record) {
        Outline(HitArea(entry_.areas, static_cast<int>(record[2]), static_cast<int>(record[3])));
        return 1;
    }

    int OnClick(intptr_t* record) {
        const int area = HitArea(entry_.areas, static_cast<int>(record[2]), static_cast<int>(record[3]));
        if (area < 0) return 1;
        // A copy: the browser's answer may come after the page is gone.
        const std::string href = entry_.areas[static_cast<size_t>(area)].href;
        OpenAddress(href, services_.openInBrowser);
        return 1;
    }

    BannerEntry entry_;
    CatalogPageServices services_;
    CSurface* picture_ = nullptr;
    CSurface* outline_ = nullptr;
    int lit_ = -1;
    ListenerPtr move_, click_;
};

class CatalogPage final : public IShellPage {
public:
    CatalogPage(const BannerEntry& entry, CatalogPageServices services) : entry_(entry), services_(std::move(services)) {}
    void Show(CShell& shell, CSurface& page) override {
        shell.SetPageObjects(new CCatalogView(page, entry_, services_), nullptr);
    }

private:
    BannerEntry entry_;
    CatalogPageServices services_;
};

}  // namespace

void OpenAddress(std::string_view url, const std::function<int(std::string_view url)>& openInBrowser) {
    if (!platform::IsOpenableUrl(url)) {
        Warning("CAdBanner: address refused (%.*s)", static_cast<int>(std::min<size_t>(url.size(), 200)), url.data());
        return;
    }
    if (openInBrowser) openInBrowser(url);
}

void ShowCatalogPage(CShell& shell, const BannerEntry& entry, CatalogPageServices services) {
    shell.PlayClick();
    shell.RegisterPage(kCatalogPageName, std::make_unique<CatalogPage>(entry, std::move(services)));
    shell.ShowPage(kCatalogPageName);
}
