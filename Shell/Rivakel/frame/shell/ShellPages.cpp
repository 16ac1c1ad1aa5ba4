// Page switching and the links of the portal's pages.
#include <array>

#include "core/base/CSubsystem_Clock.h"
#include "core/base/Log.h"
#include "core/graphics/Image.h"
#include "frame/shell/Shell.h"

namespace {

// The portal's web pages behind link ids 10000 to 10012.
constexpr std::array<const char*, 13> kSiteAddresses = {
    "https://www.rivakel.example/",
    "https://www.rivakel.example/jobs",
    "https://www.rivakel.example/partners",
    "https://www.rivakel.example/support",
    "https://www.rivakel.example/safety/virus-check",
    "https://www.rivakel.example/safety/certificate",
    "https://www.rivakel.example/unsubscribe",
    "https://www.rivakel.example/support/news",
    "https://www.rivakel.example/games",
    "https://www.rivakel.example/games/email",
    "https://www.rivakel.example/support/products",
    "https://www.rivakel.example/about",
    "https://www.rivakel.example/about/partners",
};

constexpr int kFirstSiteLink = 10000;
constexpr int kAboutSeals = 20000;
constexpr int kAboutPage = 20001;
constexpr int kSupportTopic = 20002;

}  // namespace

void CShell::RegisterPage(std::string name, std::unique_ptr<IShellPage> page) { pages_[std::move(name)] = std::move(page); }

void CShell::ShowPage(std::string_view name, int topic) {
    if (pageSurface_ == nullptr) return;
    pageTopic_ = topic;
    // 1. A game under a page stands still.
    if (GameRunning()) {
        if (CSubsystem_Clock* clock = ClockService()) clock->SetPaused(true);
    }
    // 2.
    exitPageShown_ = false;
    pageSurface_->DetachAll();
    pageSurface_->GetCurImage()->ClearToColor(255, 153, 0);
    ReleasePageObjects();
    // 3.
    DrawPageHeader(name);
    // 4.
    pageShown_ = false;
    joinLogoTimer_->Stop();
    exitLogoTimer_->Stop();
    currentPage_ = name;
    ShowPageSurface(true);
    BuildMenuBar();
    if (auto found = pages_.find(name); found != pages_.end()) found->second->Show(*this, *pageSurface_);
}

void CShell::ShowSupportPage(int topic) { ShowPage(page_name::kSupport, topic); }

void CShell::SetPageObjects(CRefCounted* first, CRefCounted* second) {
    ReleasePageObjects();
    pageObjects_ = {first, second};
    for (CRefCounted* object : pageObjects_) {
        if (object != nullptr) object->AddInternalRef();
    }
}

void CShell::ReleasePageObjects() {
    const std::array<CRefCounted*, 2> objects = pageObjects_;
    pageObjects_ = {};
    for (CRefCounted* object : objects) {
        if (object != nullptr) object->ReleaseInternalRef();
    }
}

void CShell::ShowPageSurface(bool page) {
    const void* key = static_cast<CSurface*>(this);
    pageSurface_->SetVisible(page, key);
    gameArea_->SetVisible(!page, key);
}

void CShell::OnHyperLink(int id) {
    if (Closing()) return;
    if (id >= kFirstSiteLink && id < kFirstSiteLink + static_cast<int>(kSiteAddresses.size())) {
        if (config_.openInBrowser) config_.openInBrowser(kSiteAddresses[static_cast<size_t>(id - kFirstSiteLink)]);
        return;
    }
    switch (id) {
    case kAboutSeals:
        ShowPage(page_name::kAbout, kAboutSealsView);
        break;
    case kAboutPage:
        ShowPage(page_name::kAbout);
        break;
    case kSupportTopic:
        ShowSupportPage(101);
        break;
    default:
        ShowSupportPage(id);
        break;
    }
}
