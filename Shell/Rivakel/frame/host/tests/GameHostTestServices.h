// The session a game runs in, made for one test: headless video and sound, a clock the test
// moves, files, events, a user store whose tracking lines are kept, the shared factory and a fake
// shell window.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <memory>
#include <string>
#include <vector>

#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/Surface.h"
#include "core/graphics/tests/SurfaceTestServices.h"
#include "core/sound/CSubsystem_Sound.h"
#include "core/store/UserStore.h"
#include "core/store/tests/StoreTestFolder.h"
#include "frame/api/IShellFactory.h"
#include "frame/factory/ShellFactory.h"
#include "frame/host/GameHost.h"
#include "frame/host/GameHostWindow.h"
#include "frame/services/ShellWindowLink.h"
#include "platform/headless/HeadlessBackend.h"

// Where the test game modules are built.
inline std::string TestGamePath(const std::string& name) { return std::string(TEST_GAMES_DIR) + "/" + name + ".gam"; }

class TrackingSink final : public IOutboxLink {
public:
    int Send(int /*type*/, std::string_view function, std::string_view params, bool, int) override {
        if (function == "TrackEvent") lines.emplace_back(params);
        return 0;
    }
    void SetRoot(RdtNode*) override {}

    std::vector<std::string> lines;
};

// What the shell window does for a game's services: boxes answer OK (after `onBox`), mail is
// declined at once or, with `keepMail`, kept for the test to answer.
class FakeServicesLink final : public ShellWindowLink {
public:
    CRefCounted* EventSender() override { return &sender_; }
    void SetStopMode(int /*mode*/) override {}
    void SetMenuFlags(int /*flags*/) override {}
    void Repaint() override {}
    int MessageBox(std::string_view, std::string_view, int) override { return Box(); }
    int InputBox(std::string_view, std::string_view, std::string_view, size_t, bool, std::string& entry) override {
        entry = "typed";
        return Box();
    }
    void ConfirmEmail(EmailConfirmation request) override {
        if (keepMail)
            mail = std::move(request);
        else
            request.answer(false);
    }
    std::optional<std::string> TakePendingMessage() override { return std::nullopt; }

    std::function<void()> onBox;
    int boxes = 0;
    bool keepMail = false;
    std::optional<EmailConfirmation> mail;

private:
    int Box() {
        ++boxes;
        if (onBox) onBox();
        return 1;
    }
    CRefCounted sender_;
};

class FakeShellWindow final : public GameHostWindow {
public:
    FakeShellWindow() : gameArea_(new CSurface(500, 420, 0)), pageArea_(new CSurface(500, 420, 0)) {
        gameArea_->AddInternalRef();
        pageArea_->AddInternalRef();
    }
    ~FakeShellWindow() override {
        gameArea_->ReleaseInternalRef();
        pageArea_->ReleaseInternalRef();
    }
    FakeShellWindow(const FakeShellWindow&) = delete;
    FakeShellWindow& operator=(const FakeShellWindow&) = delete;

    CSurface* GameArea() override { return gameArea_; }
    CSurface* PageArea() override { return pageArea_; }
    ShellWindowLink* ServicesLink() override { return &link; }
    void SetTitle(std::string_view text) override { title = text; }

    std::string title;
    FakeServicesLink link;

private:
    CSurface* gameArea_;
    CSurface* pageArea_;
};

class GameHostTestServices {
public:
    GameHostTestServices() {
        CreateEventService();
        UserStoreConfig store;
        store.dataFolder = folder_.Path();
        store.timeStamp = [] { return int64_t{777}; };
        store.runningGameId = [this] {
            char id[128] = {};
            if (GameHost() != nullptr) GameHost()->GetRunningGameId(id);
            return readingGame_.empty() ? std::string(id) : readingGame_;
        };
        store.currentUserEmail = [] { return std::string(kPlayerEmail); };
        CreateUserStore(std::move(store))->SetOutbox(&sink_);
        RdtNode* users = UserStore()->CoreRoot()->GetOrAddChild("USERS");
        users->AddChild("USER")->AddChild("Email")->SetText(kPlayerEmail);
        UserStore()->SelectUser();
        shellWindow = std::make_unique<FakeShellWindow>();
        EventService()->SetRoot(shellWindow->GameArea());
        EventService()->SetShellSender(shellWindow->link.EventSender());
        CreateSoundService({Audio(), nullptr, FileServiceSoundReader()});

        factory_ = CreateShellFactory();
        GameHostConfig config;
        config.factory = factory_;
        config.shellTitle = [] { return std::string("Rivakel"); };
        config.shellFolder = [this] { return shellFolder; };
        config.launchPath = [this] { return launchPath; };
        CreateGameHost(std::move(config))->SetWindow(shellWindow.get());
    }
    ~GameHostTestServices() {
        DestroyGameHost();
        DestroySoundService();
        shellWindow.reset();
        factory_->Release();
        DestroyUserStore();
        DestroyEventService();
    }
    GameHostTestServices(const GameHostTestServices&) = delete;
    GameHostTestServices& operator=(const GameHostTestServices&) = delete;

    CGameHost& Host() { return *GameHost(); }
    std::vector<std::string>& TrackLines() { return sink_.lines; }
    // One step, so a game's timers fire once however long the jump.
    void AdvanceMs(uint32_t ms) { surfaces_.Advance(ms, ms); }
    // A shared setting of that game, also while it does not run.
    std::string GameValue(std::string_view gameId, std::string_view key) {
        readingGame_ = gameId;
        std::string value;
        UserStore()->GetGameProp(key, value);
        readingGame_.clear();
        return value;
    }
    std::filesystem::path Folder() const { return folder_.Path(); }
    static platform::headless::HeadlessBackend* Audio() {
        return static_cast<platform::headless::HeadlessBackend*>(platform::GetBackend());
    }

    static constexpr const char* kPlayerEmail = "player@example.test";

    std::unique_ptr<FakeShellWindow> shellWindow;
    std::string shellFolder;
    std::string launchPath;

private:
    SurfaceTestServices surfaces_;
    StoreTestFolder folder_;
    std::string readingGame_;
    TrackingSink sink_;
    IShellFactory* factory_ = nullptr;
};
