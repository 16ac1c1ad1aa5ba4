// The play screen: the field with its fences, the farmer walking the ring and laying fence, the
// animals, the enemies on the fence, the status bar, and the panels between lives and levels.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "Apps/Common/MessagePanel.h"
#include "Apps/Pennimar/Animal.h"
#include "Apps/Pennimar/AnimalSprite.h"
#include "Apps/Pennimar/Enemy.h"
#include "Apps/Pennimar/FenceField.h"
#include "Apps/Pennimar/FloatingMarks.h"
#include "Apps/Pennimar/KeyRepeat.h"
#include "Apps/Pennimar/LevelEnd.h"
#include "Apps/Pennimar/PennimarScreen.h"
#include "Apps/Pennimar/Scoring.h"
#include "Apps/Pennimar/StatusBar.h"

class IEventListener;
class ITimer;

namespace pennimar {

class CPlayScreen final : public CPennimarScreen {
public:
    CPlayScreen(CPennimarApplet& owner, int startLevel);
    ~CPlayScreen() override;

    int OnTick(intptr_t* args);
    int OnKey(intptr_t* args);
    int OnAnswer(intptr_t* args);

private:
    enum class Panel { None, Intro, LifeLost, LevelComplete, GameOver };

    void StartLevel();
    void MakeAnimals();
    void PollKeys();
    void Walk(Direction direction, bool laying);
    void DrawTrailStep(FieldPoint from, const MoveOutcome& outcome);
    void AfterCapture();
    void StepAnimals();
    void StepEnemies();
    // A sprite is moved when its place changes, not on every tick.
    void PlacePlayer();
    void PlaceEnemy(size_t index);
    void LoseLife();
    void RemoveEnemies();
    void AddScore(long long points);
    void EndGame();

    void OpenPanel(Panel panel, const std::vector<PanelLine>& lines);
    void ClosePanel();
    void ShowIntro();
    void ShowLifeLost();
    void ShowLevelComplete(const LevelEnd& end);
    void ShowGameOver();
    void PlayAgain();
    void BackToTitle();

    int startLevel_;
    int level_;
    long long score_ = 0;
    int spareLives_ = 2;
    ExtraLives extraLives_;
    long long now_ = 0;
    long long nextCall_ = 0;
    LevelSettings settings_;
    FenceField field_;
    std::vector<Animal> animals_;
    // Null once its animal sleeps.
    std::vector<std::unique_ptr<CAnimalSprite>> sprites_;
    std::array<std::optional<Enemy>, 2> enemies_;
    std::array<long long, 2> enemyGone_{};
    std::array<AttachedSurface, 2> enemySprites_;
    AttachedSurface player_;
    std::array<KeyRepeat, 4> arrows_;
    CStatusBar status_;
    CFloatingMarks marks_;
    Panel panel_ = Panel::None;
    std::unique_ptr<CMessagePanel> panelView_;
    ShellRef<IEventListener> keys_;
    ShellRef<ITimer> timer_;
};

}  // namespace pennimar
