// An advertising spot of the big skin: the banner (470 x 62) or the catalogue button
// (122 x 62). It picks its next picture from four lists (local files, the server's banners,
// partner files, built-in defaults), slides it in from below every 30 seconds, lights its edge
// under the pointer, tracks display time and clicks, and on a click opens the banner's address,
// a page of the portal or the catalogue page.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/base/Timer.h"
#include "core/graphics/EventListener.h"
#include "core/graphics/Surface.h"
#include "frame/banners/BannerEntry.h"
#include "frame/banners/BannerFolder.h"
#include "frame/banners/BannerRotation.h"
#include "frame/banners/BannerServices.h"

class CShell;
class CMarkupNode;

inline constexpr const char* kGetRivpedPicture = "GETRIVPED.GIF";
inline constexpr const char* kRivFriendPicture = "RIVFRIEND.GIF";
inline constexpr const char* kBuiltInCatalog = "epc-D95220E65D4B47B19A3EEF7AD1F83832.rdt";

class CAdBanner final : public CSurface {
public:
    enum Mode { kBanner = 0, kCatalog = 1 };
    static constexpr int kBannerWidth = 470;
    static constexpr int kCatalogWidth = 122;
    static constexpr int kHeight = 62;
    static constexpr uint32_t kSlideMs = 50;
    static constexpr int kRotateSeconds = 30;
    static constexpr int kSlidePixelsPerSecond = 45;
    static constexpr int kSlideFrom = 60;

    // Attaches itself to the shell window and shows its first picture.
    CAdBanner(CShell& shell, Mode mode, BannerServices services);
    ~CAdBanner() override;

    // Chooses the next entry and starts showing it (false when there is none).
    bool PickNext();
    void OnClick();
    // Fills the server list from a banner-definition document; its size afterwards.
    size_t LoadServerBanners(const CMarkupNode& document);

    Mode GetMode() const { return mode_; }
    const BannerEntry* Current() const { return current_; }
    bool Ready() const { return ready_; }
    CSurface* ShownPicture() const { return shown_; }
    CSurface* IncomingPicture() const { return incoming_; }
    std::array<size_t, 4> ListSizes() const;
    CTimer& RotateTimer() { return *rotateTimer_; }

private:
    // An entry of a list, with the name its carried picture is registered under.
    struct Listed {
        BannerEntry entry;
        std::string memoryName;
        ~Listed();
    };

    void FillDefaults();
    void LoadFiles(std::string_view pattern, BannerList list);
    // Reads one description file into `list`: false when it is invalid.
    bool ParseBannerFile(BannerList list, std::string_view fileName, bool builtIn = false);
    void Add(BannerList list, BannerEntry entry);
    size_t LoadPendingServerBanners();
    void ShowEntry(const BannerEntry& entry);
    CSurface* MakePicture(const BannerEntry& entry) const;
    void DrawFriendOffer(CSurface& picture) const;
    void DrawEdge(uint32_t colour);
    void FinishSlide();
    int64_t Now() const;

    int OnRotateTimer();
    int OnSlideTimer(intptr_t* args);
    int OnEnter();
    int OnLeave();
    int OnClickEvent();

    CShell& shell_;
    Mode mode_;
    BannerServices services_;
    BannerFolder folder_;
    BannerRotation rotation_;
    std::array<std::vector<std::unique_ptr<Listed>>, 4> lists_;
    const BannerEntry* current_ = nullptr;
    CSurface* shown_ = nullptr;
    CSurface* incoming_ = nullptr;
    std::unique_ptr<CTimer> slideTimer_;
    std::unique_ptr<CTimer> rotateTimer_;
    bool ready_ = true;
    bool reportedEmpty_ = false;
    ListenerPtr enter_, leave_, click_;
};

// The mail-a-friend picture's text for the running or last chosen game ("" for none): the long
// forms of two names, and any other name as it is written.
std::string FriendOfferMarkup(std::string_view gameName);
// The banner spots on the shell window (none in the small skin).
CAdBanner* FindAdBanner(const CShell& shell, CAdBanner::Mode mode);
