// The play screen: the city, the fireworks, the icon bar, the status line and the panels of the
// memory game; with the show level, the endless show of the title screen.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "Apps/Common/MessagePanel.h"
#include "Apps/Glimtide/FireworksRenderer.h"
#include "Apps/Glimtide/GlimtideScreen.h"
#include "Apps/Glimtide/IconBar.h"
#include "Apps/Glimtide/MemoryGame.h"

class IEventListener;
class ISurface;
class ITimer;

namespace glimtide {

class CPlayScreen final : public CGlimtideScreen {
public:
    enum class State { Playing = 0, GameOver = 1, TryAgain = 2, LevelIntro = 3 };

    CPlayScreen(CGlimtideApplet& owner, Level level);
    ~CPlayScreen() override;

    int OnTick(intptr_t* args);
    int OnBarMove(intptr_t* args);
    int OnBarUp(intptr_t* args);
    int OnAreaDown(intptr_t* args);
    int OnAreaMove(intptr_t* args);
    int OnKey(intptr_t* args);
    int OnShowAgain(intptr_t* args);
    int OnPanelUp(intptr_t* args);
    int OnAnswer(intptr_t* args);

private:
    void PlaceCity();
    void LaunchRocket(float x, Rgb colour, RocketKind kind, bool whistle);
    void Launch(int choice);
    void LaunchShowRocket(float x);
    void StartShow();
    void WriteStatusText(const char* markup);
    void DrawStatus();
    void ShowIntro();
    void ShowTryAgain();
    void ShowGameOver();
    void OpenPanel(int bottom, const std::vector<PanelLine>& lines);
    void ClosePanel();
    // A panel closed by the player: the sky is cleared and the show starts.
    void ResumeFromPanel();
    void EndGame();
    void PlayAgain();
    void BackToTitle();

    Level level_;
    bool showMode_;
    int city_;
    bool keepCity_ = false;
    State state_ = State::Playing;
    bool newHighScore_ = false;
    int showNextLaunchMs_ = 1000;
    CFireworksRenderer sky_;
    CMemoryGame rules_;
    std::unique_ptr<CIconBar> bar_;
    std::unique_ptr<CMessagePanel> panel_;
    AttachedSurface showAgain_;
    ShellRef<IEventListener> barMove_;
    ShellRef<IEventListener> barUp_;
    ShellRef<IEventListener> areaDown_;
    ShellRef<IEventListener> areaMove_;
    ShellRef<IEventListener> keys_;
    ShellRef<ITimer> timer_;
};

}  // namespace glimtide
