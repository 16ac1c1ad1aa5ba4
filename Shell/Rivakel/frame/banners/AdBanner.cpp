#include "frame/banners/AdBanner.h"

#include <algorithm>

#include "core/base/CSubsystem_Clock.h"
#include "core/base/Log.h"
#include "core/base/Strings.h"
#include "core/base/Thunk.h"
#include "core/files/CSubsystem_File.h"
#include "core/graphics/Anim.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/Image.h"
#include "core/graphics/ImageSeq.h"
#include "core/store/MarkupDoc.h"
#include "core/store/RdtNode.h"
#include "core/store/UserStore.h"
#include "frame/api/MarkupEscape.h"
#include "frame/banners/BannerFile.h"
#include "frame/banners/CatalogPage.h"
#include "frame/banners/ServerBanners.h"
#include "frame/boundary/ShellRandom.h"
#include "frame/host/GuidText.h"
#include "frame/shell/Shell.h"

namespace {

constexpr int64_t kUnixSecondsAt2000 = 946684800;
constexpr uint32_t kOrangeEdge = 0xFF9900;
// Far more than any banner animates; with the spot's size it bounds what a picture may take.
constexpr int kMaxBannerFrames = 64;

bool IsBuiltInPicture(std::string_view name) {
    return EqualsNoCase(name, kGetRivpedPicture) || EqualsNoCase(name, kRivFriendPicture);
}

void Track(std::string_view event, const std::string& guid, const char* value) {
    if (CSubsystem_UserStore* store = UserStore()) store->Track(event, {RepairGuidText(guid).c_str(), value});
}

}  // namespace

CAdBanner::Listed::~Listed() {
    if (memoryName.empty()) return;
    if (CSubsystem_File* files = FileService()) files->MemoryBlocks().Unregister(memoryName);
}

CAdBanner::CAdBanner(CShell& shell, Mode mode, BannerServices services)
    : CSurface(mode == kBanner ? kBannerWidth : kCatalogWidth, kHeight, kFlagInteractive),
      shell_(shell),
      mode_(mode),
      services_(std::move(services)),
      folder_(mode == kCatalog, services_.installed && services_.installed()),
      rotation_(mode == kCatalog) {
    if (CImage* image = GetCurImage()) image->ClearToColor(0, 0, 0);
    shell.Frame()->AttachSurface(this);
    // 2 to 4.
    FillDefaults();
    if (mode_ == kCatalog) {
        LoadFiles("spc-*.rdt", BannerList::Local);
        LoadFiles("smb-*.rdt", BannerList::Local);
    } else {
        LoadFiles("sbn-*.rdt", BannerList::Local);
    }
    if (mode_ == kCatalog || lists_[0].empty()) {
        LoadFiles(mode_ == kCatalog ? "ppc-*.rdt" : "pbn-*.rdt", BannerList::Partner);
        if (mode_ == kCatalog) LoadFiles("pmb-*.rdt", BannerList::Partner);
    }
    // 5.
    const size_t partners = lists_[static_cast<size_t>(BannerList::Partner)].size();
    rotation_ = BannerRotation(mode_ == kCatalog, partners > 0 ? static_cast<size_t>(ShellRand()) % partners : 0);
    // 6 and 7. The first picture shows at once; the next slides in after 30 seconds.
    slideTimer_ = std::make_unique<CTimer>(this, kSlideMs, Thunk<&CAdBanner::OnSlideTimer>);
    slideTimer_->SetClock(TimerClock::Wall);
    rotateTimer_ = std::make_unique<CTimer>(this, kRotateSeconds * 1000, Thunk<&CAdBanner::OnRotateTimer>);
    rotateTimer_->SetClock(TimerClock::Wall);
    if (PickNext()) {
        FinishSlide();
        rotateTimer_->Start();
    }
}

CAdBanner::~CAdBanner() {
    slideTimer_.reset();
    rotateTimer_.reset();
    enter_.reset();
    leave_.reset();
    click_.reset();
    DetachAll();
    current_ = nullptr;
}

std::array<size_t, 4> CAdBanner::ListSizes() const {
    return {lists_[0].size(), lists_[1].size(), lists_[2].size(), lists_[3].size()};
}

int64_t CAdBanner::Now() const {
    return int64_t{ClockNow().secondsSince2000} + kUnixSecondsAt2000;
}

void CAdBanner::FillDefaults() {
    if (mode_ == kCatalog) {
        ParseBannerFile(BannerList::Default, kBuiltInCatalog, true);
        return;
    }
    BannerEntry join;
    join.imageName = kGetRivpedPicture;
    join.guid = "{788F0025-D602-443F-A0EC-9D9CAAAC160C}";
    join.builtIn = true;
    Add(BannerList::Default, std::move(join));
    BannerEntry friendOffer;
    friendOffer.imageName = kRivFriendPicture;
    friendOffer.guid = "{490D86F0-A346-4D77-88F9-CCEE271892EB}";
    friendOffer.builtIn = true;
    Add(BannerList::Default, std::move(friendOffer));
}

void CAdBanner::LoadFiles(std::string_view pattern, BannerList list) {
    for (const std::string& name : folder_.List(pattern)) ParseBannerFile(list, name);
}

bool CAdBanner::ParseBannerFile(BannerList list, std::string_view fileName, bool builtIn) {
    const std::string shown(fileName.substr(0, 200));
    const std::unique_ptr<RdtNode> document = builtIn ? LoadBuiltInCatalog(fileName) : folder_.Load(fileName);
    if (!document) {
        Error("Invalid banner RDT file (%s)", shown.c_str());
        return false;
    }
    BannerFileRequest request;
    request.fileName = fileName;
    request.catalogSpot = mode_ == kCatalog;
    request.now = Now();
    BannerFileResult result = ReadBannerDocument(*document, request);
    switch (result.outcome) {
    case BannerFileOutcome::Invalid:
        Error("Invalid banner RDT file (%s)", shown.c_str());
        Info("CAdBanner::ParseBannerFile: %s: %s", shown.c_str(), result.problem.c_str());
        return false;
    case BannerFileOutcome::Expired:
        // The built-in catalogue is part of the program: never deleted.
        if (!builtIn) folder_.DeleteWithPicture(fileName);
        return true;
    case BannerFileOutcome::NotYet:
        return true;
    case BannerFileOutcome::Read:
        result.entry.builtIn = builtIn;
        Add(list, std::move(result.entry));
        return true;
    }
    return true;
}

void CAdBanner::Add(BannerList list, BannerEntry entry) {
    auto listed = std::make_unique<Listed>();
    if (entry.imageData) {
        CSubsystem_File* files = FileService();
        if (files == nullptr) return;
        listed->memoryName = files->MemoryBlocks().Register(entry.imageData);
        (entry.catalog ? entry.catalogImage : entry.imageName) = listed->memoryName;
    }
    listed->entry = std::move(entry);
    lists_[static_cast<size_t>(list)].push_back(std::move(listed));
}

size_t CAdBanner::LoadServerBanners(const CMarkupNode& document) {
    for (ServerBanner& banner : ReadServerBanners(document, Now())) {
        if (folder_.Installed() && !banner.fileName.empty()) folder_.Store(banner.fileName, banner.fileText);
        Add(BannerList::Server, std::move(banner.entry));
    }
    return lists_[static_cast<size_t>(BannerList::Server)].size();
}

size_t CAdBanner::LoadPendingServerBanners() {
    // Taken once: a document that gave no banner is not read again at every turn.
    std::unique_ptr<CMarkupDoc> document = services_.takeServerBanners ? services_.takeServerBanners() : nullptr;
    if (document) LoadServerBanners(*document);
    return lists_[static_cast<size_t>(BannerList::Server)].size();
}

bool CAdBanner::PickNext() {
    const std::optional<BannerPick> pick =
        rotation_.Next(ListSizes(), [this] { return LoadPendingServerBanners(); });
    if (!pick) {
        if (!reportedEmpty_) Warning("CAdBanner: no %s to show", mode_ == kCatalog ? "catalogue" : "banner");
        reportedEmpty_ = true;
        rotateTimer_->Stop();
        return false;
    }
    current_ = &lists_[static_cast<size_t>(pick->list)][pick->index]->entry;
    ShowEntry(*current_);
    return true;
}

CSurface* CAdBanner::MakePicture(const BannerEntry& entry) const {
    const std::string& name = entry.imageName;
    const bool inFolder = folder_.Installed() && !entry.builtIn && !IsBuiltInPicture(name) &&
                          !MemoryBlockTable::IsMemoryName(name);
    // A picture larger than the spot is refused: it could only be shown cut.
    int width = 0, height = 0;
    GetSize(width, height);
    const GifLimits limits = GifLimitsToShow(width, height, kMaxBannerFrames);
    auto* picture = new CSurface(inFolder ? folder_.PicturePath(name) : name, kFlagInteractive, limits);
    if (inFolder && !picture->IsValid()) {
        delete picture;
        picture = new CSurface(name, kFlagInteractive, limits);
    }
    if (!picture->IsValid() || picture->GetCurImage() == nullptr) {
        // Nothing to show, but a place to click.
        delete picture;
        picture = new CSurface(width - 2, height - 2, kFlagInteractive | kFlagColorKeyed);
        picture->GetCurImage()->ClearToColor(0, 0, 0);
    }
    return picture;
}

std::string FriendOfferMarkup(std::string_view gameName) {
    // A game's name goes into the picture's markup, shown as it is written.
    std::string name = EscapeMarkup(gameName.substr(0, 64));
    if (EqualsNoCase(gameName, "Dunmoro")) name = "Dun Moro Challenge";
    if (EqualsNoCase(gameName, "UltraHexavon")) name = "Ultra Hexa Von";
    if (name.empty()) name = "a Rivakel game";
    return "<cffff66><s1>Mail <Cffffff>" + name + "<cffff66> to a friend";
}

void CAdBanner::DrawFriendOffer(CSurface& picture) const {
    // A picture from a game or the disk may lack the frame the offer is written into.
    CImage* frame = picture.GetFrameImage(2);
    if (frame == nullptr) return;
    const std::optional<GameTableEntry> game = shell_.Games().Entry(shell_.CurrentGame());
    frame->SetCurColor(204, 0, 0);
    frame->FillRect(106, 0, 465, 35);
    const std::string text = FriendOfferMarkup(game ? std::string_view(game->name) : std::string_view());
    frame->DrawRML(text.c_str(), 126, 15, nullptr, 0, nullptr);
}

void CAdBanner::ShowEntry(const BannerEntry& entry) {
    if (incoming_ != nullptr) DetachSurface(incoming_);
    CSurface* picture = MakePicture(entry);
    if (EqualsNoCase(entry.imageName, kRivFriendPicture)) DrawFriendOffer(*picture);
    picture->SetLoc(1, kSlideFrom);
    AttachSurface(picture);
    incoming_ = picture;
    CAnim* anim = nullptr;
    picture->GetAnim(anim);
    CImageSeq* sequence = nullptr;
    if (anim != nullptr) anim->GetImageSeq(sequence);
    if (sequence != nullptr) {
        sequence->SetLoop(true);
        anim->SetClock(TimerClock::Wall);
        anim->Start();
    }
    CSubsystem_Event* events = EventService();
    if (events == nullptr) return;
    const void* sender = static_cast<const CSurface*>(picture);
    enter_ = events->Listen(sender, kEventEnter, this, Thunk<&CAdBanner::OnEnter>);
    leave_ = events->Listen(sender, kEventLeave, this, Thunk<&CAdBanner::OnLeave>);
    click_ = events->Listen(sender, kEventClick, this, Thunk<&CAdBanner::OnClickEvent>);
}

void CAdBanner::FinishSlide() {
    if (incoming_ != nullptr) {
        incoming_->SetLoc(1, 1);
        if (shown_ != nullptr) DetachSurface(shown_);
        shown_ = incoming_;
        incoming_ = nullptr;
    }
    slideTimer_->Stop();
    ready_ = true;
}

void CAdBanner::DrawEdge(uint32_t colour) {
    CImage* image = GetCurImage();
    if (image == nullptr) return;
    int width = 0, height = 0;
    GetSize(width, height);
    image->SetCurColor(colour);
    image->FrameRect(0, 0, width - 1, height - 1);
}

void CAdBanner::OnClick() {
    if (current_ == nullptr) return;
    // A copy: what the click opens may replace the shell's pages and menu.
    const BannerEntry entry = *current_;
    shell_.BuildMenuBar();
    const bool connected = services_.connected && services_.connected();
    Track("AdBannerClicked", entry.guid, connected ? "1" : "0");
    if (mode_ == kCatalog && entry.catalog) {
        ShowCatalogPage(shell_, entry, CatalogPageServices{folder_.Installed(), services_.openInBrowser});
        return;
    }
    if (EqualsNoCase(entry.imageName, kGetRivpedPicture)) {
        shell_.ShowPage(page_name::kJoin);
        return;
    }
    if (EqualsNoCase(entry.imageName, kRivFriendPicture)) {
        // The game the offer names: the running or last chosen one.
        shell_.ShowPage(page_name::kEmailThis, shell_.CurrentGame());
        return;
    }
    // The game stops while the browser opens; a game already paused stays paused.
    const CSubsystem_Clock* clock = ClockService();
    if (shell_.GameRunning() && clock != nullptr && !clock->IsPaused()) shell_.TogglePause();
    OpenAddress(entry.url, services_.openInBrowser);
}

int CAdBanner::OnRotateTimer() {
    if (!ready_) return 0;
    if (current_ != nullptr) Track("AdBannerTime", current_->guid, "30");
    const std::array<size_t, 4> sizes = ListSizes();
    if (sizes[3] == 1 && sizes[0] == 0 && sizes[1] == 0 && sizes[2] == 0) return 0;
    ready_ = false;
    if (!PickNext()) {
        ready_ = true;
        return 0;
    }
    slideTimer_->Restart();
    rotateTimer_->Restart();
    return 0;
}

int CAdBanner::OnSlideTimer(intptr_t* args) {
    const int64_t offset = int64_t{args[1]} * kSlidePixelsPerSecond / 1000;
    if (offset < kSlideFrom && incoming_ != nullptr) {
        incoming_->SetLoc(1, static_cast<int>(kSlideFrom - offset));
        return 0;
    }
    FinishSlide();
    return 0;
}

int CAdBanner::OnEnter() {
    DrawEdge(kOrangeEdge);
    return 1;
}

int CAdBanner::OnLeave() {
    DrawEdge(0x000000);
    return 1;
}

int CAdBanner::OnClickEvent() {
    if (!shell_.Closing()) OnClick();
    return 1;
}

CAdBanner* FindAdBanner(const CShell& shell, CAdBanner::Mode mode) {
    for (CSurface* child : shell.Frame()->Children()) {
        auto* banner = dynamic_cast<CAdBanner*>(child);
        if (banner != nullptr && banner->GetMode() == mode) return banner;
    }
    return nullptr;
}
