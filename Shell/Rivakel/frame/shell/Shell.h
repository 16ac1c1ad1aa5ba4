// The shell window: the surface of the whole window with the frame of one of two skins, the
// navigation and system buttons, the game area where a game plays, the page surface for the
// portal's pages and a game's help, the in-game menu bar, the logo; game control (launch,
// instructions, pause, back to game, leaving a game, closing) and the small widget kit the pages
// use. Made last of the session's services and destroyed first.
//
// Drawing: the window's own picture is the composition target; the background lies in a backdrop
// surface at the bottom of the tree, and the frame with everything on it in a frame surface
// above it: the whole window, or the big skin centred in a bigger window.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/Timer.h"
#include "core/base/Version.h"
#include "core/graphics/EventListener.h"
#include "core/graphics/Surface.h"
#include "frame/host/GameHostWindow.h"
#include "frame/services/ShellWindowLink.h"
#include "frame/shell/ShellConfig.h"
#include "frame/shell/ShellPage.h"

class CSound;
class CImage;
class CRolloverButton;

// User values of the shell's own buttons.
namespace shell_button {
inline constexpr intptr_t kHome = 1;
inline constexpr intptr_t kGames = 2;
inline constexpr intptr_t kAbout = 4;
inline constexpr intptr_t kJoin = 5;
inline constexpr intptr_t kSupport = 101;  // also the Support page's topic
inline constexpr intptr_t kMinimize = 201;
inline constexpr intptr_t kClose = 202;
inline constexpr intptr_t kTerms = 203;
}  // namespace shell_button

class CShell final : public CSurface, public GameHostWindow, public ShellWindowLink {
public:
    static constexpr int kGameAreaWidth = 500;
    static constexpr int kGameAreaHeight = 420;
    // The big skin's art and places are for a window of this size.
    static constexpr int kBigFrameWidth = 800;
    static constexpr int kBigFrameHeight = 572;
    static constexpr uint32_t kRepaintMs = 50;
    static constexpr uint32_t kLogoMs = 1500;
    static constexpr uint32_t kExitMs = 1000;
    static constexpr int kDragBorder = 10;
    static constexpr int kMenuPitch = 67;
    // The menu bar's column runs from this far left of its buttons' x to this far right of it.
    static constexpr int kMenuColumnLeft = 14;
    static constexpr int kMenuColumnRight = 65;
    static constexpr const char* kZeroGuid = "{00000000-0000-0000-0000-000000000000}";

    explicit CShell(ShellConfig config);
    ~CShell() override;

    // ---- frame
    int SetSkin(std::string_view skinName, std::string_view gameFile);
    // Composes what changed and presents it; nothing while there is no video service.
    void Repaint() override;
    bool IsSmallSkin() const { return small_; }
    // The frame and everything on it (buttons, logo, banners, game area, page surface, modal
    // boxes), in the frame's own coordinates; the frame is centred in the window.
    CSurface* Frame() const { return frame_; }
    const std::string& SkinName() const { return skinName_; }

    // ---- pages
    void RegisterPage(std::string name, std::unique_ptr<IShellPage> page);
    // The click sound pages play when they are shown.
    void PlayClick();
    // `topic` tells the page what to show: the Support page's topic, the game a Games-Get-More
    // page is for, kAboutSealsView for the About page's second view; 0 for none.
    void ShowPage(std::string_view name, int topic = 0);
    static constexpr int kAboutSealsView = 2;
    // The Support page on a topic (a link id or 101).
    void ShowSupportPage(int topic);
    void DrawPageHeader(std::string_view name);
    void DrawPageImage(std::string_view file, int x, int y);
    // The page shown last ("" before the first) and the topic it was shown for (0 when none).
    const std::string& CurrentPage() const { return currentPage_; }
    int PageTopic() const { return pageTopic_; }
    // What the current page keeps outside the page surface: one internal reference each is
    // taken and released when the page is left. Either may be null.
    void SetPageObjects(CRefCounted* first, CRefCounted* second);
    void SetExitPageShown(bool shown) { exitPageShown_ = shown; }
    bool ExitPageShown() const { return exitPageShown_; }
    CSurface* PageSurface() const { return pageSurface_; }
    CSurface* GameAreaSurface() const { return gameArea_; }
    CSurface* Trademark(int which) const { return which == 1 ? trademark1_ : trademark2_; }
    // The 1500 ms wall-clock logo timers that the Join and Exit pages start.
    CTimer* JoinLogoTimer() const { return joinLogoTimer_.get(); }
    CTimer* ExitLogoTimer() const { return exitLogoTimer_.get(); }
    // What the page does on each tick of one of them (empty: nothing).
    void SetLogoTimerAction(bool joinTimer, std::function<void()> action);

    // ---- menu bar and game control
    int BuildMenuBar();
    int SetMode(int mode);
    void SetMenuFlags(int flags) override;
    int Mode() const { return mode_; }
    int MenuFlags() const { return menuFlags_; }
    void LaunchGame(int index);
    void ShowInstructions();
    void TogglePause();
    void BackToGame();
    void OnExitButton();
    bool ConfirmStopGame();
    bool ConfirmExit();
    bool QueryClose();
    // Escape and deactivation: pauses a running game whose clock runs, unless a modal box is up.
    void PauseForLeaving();
    void OnHyperLink(int id);
    bool GameRunning() const;
    int CurrentGame() const { return currentGame_; }
    bool PageShown() const { return pageShown_; }
    bool Closing() const { return exitTimer_ != nullptr; }
    IGameTable& Games() { return *config_.games; }
    // The menu bar's buttons from the top (null where none is).
    std::array<CSurface*, 7> MenuButtons() const { return menuButtons_; }

    // ---- version and session
    void GetVersion(VersionRecord& out) const { out = version_; }
    const VersionRecord& Version() const { return version_; }
    std::string GetSessionGUID() const { return sessionGuid_; }
    void SetSessionGUID(std::string_view guid) { sessionGuid_ = guid; }
    const std::string& UserName() const { return userName_; }

    // ---- widget kit
    CSurface* MakeModalBox(int left, int top, int right, int bottom);
    // Called when the left button goes down outside the modal box (empty: nothing).
    void SetModalClickCallback(std::function<void()> callback);
    CRolloverButton* MakeTextButton(CSurface* parent, std::string_view text, int x, int y, intptr_t userValue,
                                    int size, uint32_t background, uint32_t normalText, uint32_t hotText,
                                    void* context, EventCallback callback);
    CRolloverButton* MakeLinkButton(std::string_view text, int x, int y, intptr_t userValue, int size, void* context,
                                    EventCallback callback);
    CRolloverButton* MakeMenuButton(std::string_view hot, std::string_view normal, std::string_view label,
                                    CSurface* parent, int x, int y, intptr_t userValue, EventCallback callback);
    CRolloverButton* MakeNavButton(std::string_view name, int x, int y, intptr_t userValue, EventCallback callback);
    CRolloverButton* MakeIconButton(CSurface* parent, std::string_view name, int x, int y, intptr_t userValue,
                                    EventCallback callback);
    CSurface* MakeFrameButton(std::string_view strip, int x, int y, int cellWidth, int cellHeight, int cell,
                              intptr_t userValue, EventCallback callback);
    CRolloverButton* MakeImageButton(std::string_view name, int x, int y, intptr_t userValue, EventCallback callback);
    // The picture the frame is drawn in (the shell's own "image").
    CImage* FrameImage() const;

    // ---- GameHostWindow
    CSurface* GameArea() override { return gameArea_; }
    CSurface* PageArea() override { return pageSurface_; }
    ShellWindowLink* ServicesLink() override { return this; }
    void SetTitle(std::string_view title) override;

    // ---- ShellWindowLink
    CRefCounted* EventSender() override { return this; }
    void SetStopMode(int mode) override { SetMode(mode); }
    int MessageBox(std::string_view caption, std::string_view text, int flags) override;
    int InputBox(std::string_view caption, std::string_view prompt, std::string_view initialText, size_t maxLength,
                 bool withCancel, std::string& entry) override;
    void ConfirmEmail(EmailConfirmation request) override;
    std::optional<std::string> TakePendingMessage() override;
    // A mailed message for the game of row `game`: only that game's next start may take it, and
    // it is dropped when another game starts first or that one stops without taking it.
    void SetPendingMessage(std::string message, int game) {
        pendingMessage_ = std::move(message);
        pendingGame_ = game;
        messageStarted_ = false;
    }
    // The running game has stopped: its pending answers and a mailed message it did not take
    // are dropped, and its stop mode ends.
    void GameStopped();
    // Asks the user about a game's mailing and sends it; `done` gives the game its answer.
    // Without one set the game hears a refusal. `gameStopped` drops a request still open.
    using MailSender = std::function<void(EmailConfirmation request, std::function<void(bool sent)> done)>;
    void SetMailSender(MailSender sender, std::function<void()> gameStopped = {}) {
        mailSender_ = std::move(sender);
        mailGameStopped_ = std::move(gameStopped);
    }

private:
    // An answer a game is owed: given from the loop once the call that asked has returned, and
    // dropped when the game stops first.
    struct PendingAnswer {
        CShell* shell = nullptr;
        std::function<void(bool sent)> answer;
        bool sent = false;
        std::unique_ptr<CTimer> timer;
    };

    void ReleaseSkin();
    platform::Point FrameOrigin() const;
    void PlaceFrame(std::string_view frameName, std::string_view logoName, platform::Point logoAt,
                    platform::Point areaAt);
    void LayOutSmall();
    void LayOutBig();
    void DrawBevelEdges();
    void DrawFrameText(std::string_view rml, int x, int y);
    void ShowFirstPage(std::string_view gameFile);
    void ReleasePageObjects();
    void ClearPage();
    void ShowPageSurface(bool page);
    void CreateSounds();
    CSurface* MakeMenuBarButton(MenuCommand command, std::string_view label, int x, int y, intptr_t userValue,
                                EventCallback callback);
    void StartGame(const GameTableEntry& entry);
    void GameNotFound(std::string_view name);
    // Stops the game now, or once the call into it on the stack has returned.
    void StopRunningGame();
    void FinishDeferredStop();
    void Answer(std::unique_ptr<PendingAnswer> answer);
    bool OnMouse(int code, int x, int y);
    void ListenForDrag(const CSurface& surface, std::array<ListenerPtr, 3>& listeners, EventCallback callback);
    void ClampWindowOnScreen();

    int OnRepaintTick();
    int OnDevDialogTick();
    int OnExitTick();
    static int OnLogoTick(intptr_t* args);
    static int OnAnswerTick(intptr_t* args);
    int OnNavButton(intptr_t* record);
    int OnLogoClick();
    int OnMenuEmail();
    int OnMenuNewGame(intptr_t* record);
    int OnMenuPause();
    int OnMenuInstructions();
    int OnMenuBack();
    int OnShellMouse(intptr_t* record);
    int OnFrameMouse(intptr_t* record);

    ShellConfig config_;
    CSound* clickSound_ = nullptr;
    CSound* popupSound_ = nullptr;
    CSound* openSound_ = nullptr;
    CSurface* trademark1_ = nullptr;
    CSurface* trademark2_ = nullptr;
    VersionRecord version_{};
    std::string userName_ = "guest";
    std::unique_ptr<CTimer> repaintTimer_;
    std::string skinName_;
    std::string gameFile_;
    CSurface* backdrop_ = nullptr;
    CSurface* frame_ = nullptr;
    CSurface* gameArea_ = nullptr;
    CSurface* pageSurface_ = nullptr;
    CSurface* logo_ = nullptr;
    ListenerPtr logoClick_;
    std::unique_ptr<CTimer> joinLogoTimer_;
    std::unique_ptr<CTimer> exitLogoTimer_;
    std::function<void()> joinLogoAction_, exitLogoAction_;
    // Move, down and up on the background and on the frame: either may be pressed to drag.
    std::array<ListenerPtr, 3> shellDrag_, frameDrag_;
    int menuFlags_ = 0;
    int mode_ = 1;
    std::unique_ptr<CTimer> exitTimer_;
    std::unique_ptr<CTimer> devDialogTimer_;
    std::string sessionGuid_;
    bool pageShown_ = false;
    std::array<CSurface*, 7> menuButtons_{};
    std::vector<CSurface*> skinSurfaces_;  // what SetSkin attached to the window

    bool small_ = false;
    bool firstTick_ = true;
    bool exitPageShown_ = false;
    bool dragging_ = false;
    int currentGame_ = -1;
    std::string currentPage_;
    int pageTopic_ = 0;
    std::array<CRefCounted*, 2> pageObjects_{};
    std::map<std::string, std::unique_ptr<IShellPage>, std::less<>> pages_;
    std::function<void()> modalClick_;
    std::optional<std::string> pendingMessage_;
    int pendingGame_ = -1;
    bool messageStarted_ = false;  // the message's game is the one running
    MailSender mailSender_;
    std::function<void()> mailGameStopped_;
    std::vector<std::unique_ptr<PendingAnswer>> answers_;
    // What waits for a deferred stop of the running game.
    std::function<void()> afterStop_;
};

// The box of a game that cannot be started, naming it.
inline constexpr std::string_view kGameNotFoundCaption = "Game Not Found";
std::string GameNotFoundText(std::string_view name);

// The session's shell window; null before it is made and after it is gone.
CShell* Shell();
CShell* CreateShell(ShellConfig config);
void DestroyShell();
