#include "harness/AppletHarness.h"

#include "core/base/CSubsystem_Clock.h"
#include "core/files/CSubsystem_File.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/CSubsystem_Input.h"
#include "core/graphics/EventCodes.h"
#include "core/graphics/Image.h"
#include "core/graphics/Surface.h"
#include "core/graphics/SurfaceServices.h"
#include "core/graphics/VideoService.h"
#include "core/sound/CSubsystem_Sound.h"
#include "core/store/RdtNode.h"
#include "core/store/UserStore.h"
#include "core/text/BackendFontOpener.h"
#include "core/text/CSubsystem_Font.h"
#include "frame/factory/ShellFactory.h"
#include "frame/host/GameHost.h"
#include "frame/host/GameHost.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

constexpr uint32_t kWindowBackground = 0x99CCCC;
constexpr const char* kPlayerEmail = "player@example.test";

void CreateStore(const std::string& dataFolder, bool withUser, const std::string& readingGame) {
    UserStoreConfig config;
    config.installed = true;
    config.dataFolder = dataFolder;
    config.timeStamp = [] {
        TimeRecord now;
        if (CSubsystem_Clock* clock = ClockService()) clock->GetTime(now);
        return int64_t{now.secondsSince2000};
    };
    config.runningGameId = [&readingGame] {
        char id[128] = {};
        if (CGameHost* host = GameHost()) host->GetRunningGameId(id);
        return readingGame.empty() ? std::string(id) : readingGame;
    };
    config.currentUserEmail = [] { return std::string(kPlayerEmail); };
    CSubsystem_UserStore* store = CreateUserStore(std::move(config));
    // The same user at every start, so what a game stored is read back after a restart.
    if (withUser && store->FindUserByEmail(kPlayerEmail) == nullptr)
        store->CoreRoot()->GetOrAddChild("USERS")->AddChild("USER")->AddChild("Email")->SetText(kPlayerEmail);
    store->SelectUser();
}

}  // namespace

CAppletHarness::CAppletHarness(HarnessOptions options) : options_(std::move(options)) {
    if (options_.headless) {
        auto backend = std::make_unique<platform::headless::HeadlessBackend>();
        headless_ = backend.get();
        previousBackend_ = platform::SetBackend(std::move(backend));
    }
    CreateClock();
    CreateStore(options_.dataFolder, options_.withUser, readingGame_);

    platform::WindowParams params;
    params.title = "Rivakel";
    params.width = kWindowWidth;
    params.height = kWindowHeight;
    window_ = CreateVideoWindow(params);
    VideoHooks hooks;
    hooks.mouseMove = [](int x, int y) {
        if (CSubsystem_Input* input = InputService()) input->ForwardMouse(kEventMouseMove, x, y);
    };
    video_ = CreateVideoService(window_.get(), std::move(hooks));
    fonts_ = std::make_unique<CSubsystem_Font>(BackendFontOpener());
    CurrentSurfaceServices() = {};
    CurrentSurfaceServices().video = video_.get();
    CurrentSurfaceServices().fonts = fonts_.get();

    CreateInputService();
    FileServiceConfig files;
    files.installed = true;
    files.dataFolder = options_.dataFolder + "/Rivakel";
    CreateFileService(files);
    SoundServiceConfig sound;
    sound.backend = platform::GetBackend();
    sound.shellElement = UserStore()->GetShellElement();
    sound.readFile = FileServiceSoundReader();
    CreateSoundService(std::move(sound));
    CSubsystem_Event* events = CreateEventService();
    CurrentSurfaceServices().events = events;

    root_ = new CSurface(kWindowWidth, kWindowHeight, 0);
    root_->AddInternalRef();
    if (CImage* image = root_->GetCurImage()) {
        image->GetRenderTarget().ClearToColor(kWindowBackground >> 16, kWindowBackground >> 8 & 0xFF,
                                              kWindowBackground & 0xFF);
    }
    gameArea_ = new CSurface(kGameAreaWidth, kGameAreaHeight, 0);
    pageArea_ = new CSurface(kGameAreaWidth, kGameAreaHeight, 0);
    for (CSurface* area : {gameArea_, pageArea_}) {
        area->SetLoc(kGameAreaX, kGameAreaY);
        root_->AttachSurface(area);
    }
    pageArea_->SetVisible(false);
    events->SetRoot(root_);
    events->SetGameArea(gameArea_);

    factory_ = CreateShellFactory();
    GameHostConfig host;
    host.factory = factory_;
    host.shellTitle = [] { return std::string("Rivakel"); };
    host.shellFolder = [folder = files.dataFolder] { return folder; };
    CreateGameHost(std::move(host))->SetWindow(this);
    Present();
}

CAppletHarness::~CAppletHarness() {
    StopGame();
    DestroyGameHost();
    factory_->Release();
    root_->ReleaseInternalRef();
    DestroyEventService();
    DestroySoundService();
    DestroyFileService();
    DestroyInputService();
    CurrentSurfaceServices() = {};
    fonts_.reset();
    video_.reset();
    window_.reset();
    DestroyUserStore();
    DestroyClock();
    if (headless_ != nullptr) platform::SetBackend(std::move(previousBackend_));
}

CGameHost& CAppletHarness::Host() { return *GameHost(); }

int CAppletHarness::StartGame(std::string_view gamePath) {
    const int result = Host().Start(gamePath, "");
    Present();
    return result;
}

void CAppletHarness::StopGame() {
    if (GameHost() == nullptr) return;
    Host().Stop();
    gameArea_->DetachAll();
    pageArea_->DetachAll();
    Present();
}

bool CAppletHarness::GameRunning() const { return GameHost() != nullptr && GameHost()->IsRunning(); }

void CAppletHarness::SetTitle(std::string_view title) {
    if (window_ != nullptr) window_->SetTitle(title);
}

void CAppletHarness::Present() {
    if (video_ == nullptr || !video_->IsDirty()) return;
    root_->Compose(nullptr, {0, 0, kWindowWidth, kWindowHeight}, 0, 0);
    if (CImage* image = root_->GetCurImage()) video_->Present(image->GetRenderTarget());
    video_->ClearDirty();
}

void CAppletHarness::Pump() {
    platform::Backend* backend = platform::GetBackend();
    platform::Event event;
    while (backend != nullptr && backend->PollEvent(event)) InputService()->HandlePlatformEvent(event);
    if (CSubsystem_Clock* clock = ClockService()) clock->TickAll();
    Present();
}

void CAppletHarness::AdvanceMs(uint32_t ms, uint32_t stepMs) {
    for (uint32_t done = 0; done < ms; done += stepMs) {
        if (headless_ != nullptr) headless_->AdvanceTime(std::min(stepMs, ms - done));
        Pump();
    }
}

void CAppletHarness::Send(const platform::Event& event) {
    // Headless input goes through the backend's queue as a window's would; on a real window it
    // is handed to the input service as the window's own events are.
    if (headless_ != nullptr) headless_->PushEvent(event);
    else InputService()->HandlePlatformEvent(event);
}

void CAppletHarness::Inject(std::initializer_list<platform::Event> events) {
    for (const platform::Event& event : events) Send(event);
    Pump();
}

void CAppletHarness::Click(int x, int y) {
    const int wx = kGameAreaX + x, wy = kGameAreaY + y;
    Inject({{.type = platform::EventType::MouseMove, .x = wx, .y = wy},
            {.type = platform::EventType::MouseDown, .x = wx, .y = wy},
            {.type = platform::EventType::MouseUp, .x = wx, .y = wy}});
}

void CAppletHarness::MoveMouse(int x, int y) {
    Inject({{.type = platform::EventType::MouseMove, .x = kGameAreaX + x, .y = kGameAreaY + y}});
}

void CAppletHarness::Key(int virtualKey) {
    Inject({{.type = platform::EventType::KeyDown, .key = virtualKey},
            {.type = platform::EventType::KeyUp, .key = virtualKey}});
}

void CAppletHarness::ShowInstructions() {
    pageArea_->SetVisible(true);
    gameArea_->SetVisible(false);
    if (CImage* page = pageArea_->GetCurImage()) page->GetRenderTarget().ClearToColor(255, 255, 255);
    Host().NotifyApplet(kNotifyInstructions);
    Present();
}

void CAppletHarness::BackToGame() {
    pageArea_->SetVisible(false);
    gameArea_->SetVisible(true);
    Present();
}

uint32_t CAppletHarness::GamePixel(int x, int y) const {
    if (headless_ == nullptr || headless_->MainWindow() == nullptr) return 0;
    return headless_->MainWindow()->FramePixel(kGameAreaX + x, kGameAreaY + y);
}

const std::vector<uint32_t>& CAppletHarness::Frame() const {
    static const std::vector<uint32_t> none;
    if (headless_ == nullptr || headless_->MainWindow() == nullptr) return none;
    return headless_->MainWindow()->Frame();
}

int CAppletHarness::MessageBox(std::string_view caption, std::string_view text, int flags) {
    platform::Backend* backend = platform::GetBackend();
    if (backend == nullptr) return 0;
    unsigned platformFlags = (flags & 0x0F) == 0x02 ? platform::MbOkCancel : platform::MbOk;
    if ((flags & 0x100) != 0) platformFlags |= platform::MbIconWarning;
    return backend->MessageBox(caption, text, platformFlags) == platform::IdOk ? 1 : 2;
}

int CAppletHarness::InputBox(std::string_view /*caption*/, std::string_view prompt, std::string_view /*initialText*/,
                             size_t maxLength, bool /*withCancel*/, std::string& entry) {
    inputPrompts_.emplace_back(prompt);
    if (inputs_.empty()) return 2;
    entry = inputs_.front().substr(0, maxLength);
    inputs_.pop_front();
    return 1;
}

std::optional<std::string> CAppletHarness::UserValue(std::string_view gameId, std::string_view key) {
    readingGame_ = gameId;
    std::string value;
    const int result = UserStore()->GetUserProp(key, value);
    readingGame_.clear();
    if (result == kStoreNoKey) return std::nullopt;
    return value;
}

void CAppletHarness::SetUserValue(std::string_view gameId, std::string_view key, std::string_view value) {
    readingGame_ = gameId;
    UserStore()->SetUserProp(key, value);
    readingGame_.clear();
}

void CAppletHarness::ConfirmEmail(EmailConfirmation request) {
    if (request.answer) request.answer(false);
}
