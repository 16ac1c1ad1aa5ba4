#include "frame/cardbacks/CardbackSelector.h"

#include <algorithm>
#include <string>

#include "core/base/Log.h"
#include "core/base/Strings.h"
#include "core/files/CSubsystem_File.h"
#include "core/files/FileNames.h"
#include "core/graphics/CardBackPicture.h"
#include "core/graphics/Image.h"
#include "frame/cardbacks/CardbackSettings.h"
#include "frame/cardbacks/CardbackSurfaces.h"
#include "frame/cardbacks/CardbackTable.h"
#include "frame/shell/Shell.h"
#include "frame/shell/ShellPictures.h"

namespace {

constexpr platform::Point kCurrentAt{30, 150};
constexpr platform::Point kSelectorAt{142, 150};
constexpr int kThumbX = 175, kThumbPitch = 70;
constexpr int kArrowY = 170;
constexpr int kLeftArrowX = 142, kRightArrowX = 450;
constexpr int kSelectorWidth = kRightArrowX + 18 - kSelectorAt.x;
constexpr size_t kThumbs = 4;

// The thumbnails and arrows, in one see-through surface on the page: rebuilding it replaces
// them all, and leaving the page takes them with it.
class CCardbackSelector final : public CSurface {
public:
    explicit CCardbackSelector(CShell& shell)
        : CSurface(kSelectorWidth, CCardbackThumb::kHeight, kFlagColorKeyed), shell_(shell) {
        GetCurImage()->ClearToColor(0xFF, 0x00, 0xFF);
        Live() = this;
    }
    ~CCardbackSelector() override {
        if (Live() == this) Live() = nullptr;
    }

    static CCardbackSelector*& Live() {
        static CCardbackSelector* live = nullptr;
        return live;
    }

    CShell& Shell() const { return shell_; }

    void Build() {
        DetachAll();
        const CardbackTable& table = Cardbacks();
        const size_t count = table.Count();
        if (count <= 1) return;
        for (size_t i = 0; i < std::min(count, kThumbs); ++i) {
            const CardbackRecord& record = table.Record((table.First() + i) % count);
            CShell* shell = &shell_;
            auto* thumb = new CCardbackThumb(CardbackPicturePath(record.imageName),
                                             [shell](const std::string& path) { SetCardBack(*shell, path); });
            if (!thumb->IsValid()) {
                delete thumb;
                continue;
            }
            thumb->SetLoc(kThumbX + kThumbPitch * static_cast<int>(i) - kSelectorAt.x, 0);
            AttachSurface(thumb);
        }
        if (count <= kThumbs) return;
        shell_.MakeIconButton(this, "slb-cardselect-left", kLeftArrowX - kSelectorAt.x, kArrowY - kSelectorAt.y, -1,
                              OnArrow);
        shell_.MakeIconButton(this, "slb-cardselect-right", kRightArrowX - kSelectorAt.x, kArrowY - kSelectorAt.y, 1,
                              OnArrow);
    }

private:
    static int OnArrow(intptr_t* record) {
        CCardbackSelector* self = Live();
        if (self == nullptr) return 0;
        CardbackTable& table = Cardbacks();
        const size_t count = table.Count();
        table.SetFirst(record[2] < 0 ? table.First() + count - 1 : table.First() + 1);
        self->shell_.PlayClick();
        self->Build();
        return 0;
    }

    CShell& shell_;
};

bool DrawCurrent(CShell& shell, std::string_view path) {
    CSurface* page = shell.PageSurface();
    CSurface* picture = LoadPicture(path, CSurface::kFlagColorKeyed, CardBackLimits());
    if (page == nullptr || picture == nullptr) return false;
    CImage& image = *page->GetCurImage();
    image.SetCurColor(255, 153, 0);
    image.FillRect(kCurrentAt.x, kCurrentAt.y, kCurrentAt.x + CCardbackThumb::kWidth,
                   kCurrentAt.y + CCardbackThumb::kHeight);
    image.DrawAt(*picture->GetCurImage(), kCurrentAt.x, kCurrentAt.y, 0);
    picture->ReleaseInternalRef();
    return true;
}

bool SelectorShownOn(const CShell& shell) {
    const CCardbackSelector* live = CCardbackSelector::Live();
    return live != nullptr && &live->Shell() == &shell && live->Parent() == shell.PageSurface();
}

}  // namespace

void ShowCardbackSelector(CShell& shell) {
    CSurface* page = shell.PageSurface();
    if (page == nullptr) return;
    if (SelectorShownOn(shell)) page->DetachSurface(CCardbackSelector::Live());
    auto* selector = new CCardbackSelector(shell);
    selector->SetLoc(kSelectorAt.x, kSelectorAt.y);
    page->AttachSurface(selector);
    selector->Build();

    const std::string chosen = GetCardBack();
    const bool isDefault = EqualsNoCase(chosen, kDefaultCardback);
    if (DrawCurrent(shell, isDefault ? std::string(kCardBackName) : CardbackPicturePath(chosen))) return;
    StoreCardBack(kDefaultCardback);
    if (!DrawCurrent(shell, kDefaultCardback)) Error("Error - failed to load defaultcardback");
}

void SetCardBack(CShell& shell, std::string_view file) {
    shell.PlayClick();
    StoreCardBack(file);
    // Drawn only where the selector shows the current cardback, never over another page.
    if (SelectorShownOn(shell)) DrawCurrent(shell, CardbackPicturePath(LastComponent(file)));
}

bool ShouldOfferCardback(std::string_view chosen, std::string_view newImage, bool dontAsk) {
    return !dontAsk && !EqualsNoCase(LastComponent(chosen), LastComponent(newImage));
}
