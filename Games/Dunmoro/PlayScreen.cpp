#include "Games/Dunmoro/PlayScreen.h"

#include <cstdio>

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/HighScores.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/PictureFile.h"
#include "Apps/Common/PlayerSettings.h"
#include "Games/Dunmoro/CardList.h"
#include "Games/Dunmoro/ModeScreen.h"
#include "Games/Dunmoro/Rules.h"
#include "Games/Dunmoro/SettingsKeys.h"
#include "Games/Dunmoro/TitleScreen.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

namespace dunmoro {
namespace {

constexpr int kOpeningSoundMs = 780;

int SaturatingIncrement(int value) { return value < INT32_MAX ? value + 1 : value; }

}  // namespace

int BoardToDeal(int mode, int requested, int random) {
    switch (mode) {
        case kModeApprentice: return random % 9 + 1;
        case kModeMaster: return random % 9 + kFirstMasterBoard;
        case kModeBonus: return random % 9 + kChallengeBoards + 1;
        case kModeChallenge: return requested >= 1 && requested <= kChallengeBoards ? requested : 1;
        default: return requested;
    }
}

CPlayScreen* CPlayScreen::Create(CDunmoroApplet& app, const std::string& player, int mode, bool startOfSession,
                                 int layout) {
    IImage* cardBack = LoadPicture("CardBack.gif");
    IImage* previousBack = app.CardBackImage();
    // Face-down cards are drawn with it as they are dealt.
    app.SetCardBackImage(cardBack);
    const int dealt = BoardToDeal(mode, layout, mode == kModeBoard || mode == kModeChallenge ? 0 : app.Rand());
    std::unique_ptr<CBoard> board = app.LoadLayout(dealt, true);
    if (board == nullptr) {
        app.SetCardBackImage(previousBack);
        if (cardBack != nullptr) cardBack->Release();
        char text[64];
        std::snprintf(text, sizeof text, "Board %d could not be found.", dealt);
        Globals().services->MessageBox(kDisplayName, text, 0);
        return nullptr;
    }
    return new CPlayScreen(app, player, mode, startOfSession, layout, dealt, std::move(board), cardBack);
}

CPlayScreen::CPlayScreen(CDunmoroApplet& owner, const std::string& player, int mode, bool startOfSession,
                         int requestedLayout, int layout, std::unique_ptr<CBoard> board, IImage* cardBack)
    : CDunmoroScreen(owner),
      board_(std::move(board)),
      cardBack_(cardBack),
      player_(player),
      layout_(layout),
      challenge_(mode == kModeChallenge),
      mode_(mode),
      requestedLayout_(requestedLayout) {
    canvas->ClearToColor(kGreenR, kGreenG, kGreenB);
    const char* who = player_.c_str();
    game.SetPlayerSettingInt(who, kCurLayout, requestedLayout_);
    game.SetPlayerSettingInt(who, kCurPlayMode, mode_);
    IShellServices& services = *Globals().services;
    services.SetStopMode(kStopAsk);
    if (challenge_) {
        // Every board dealt in the challenge, again or the next, is an attempt.
        game.SetPlayerSettingInt(who, kOruAttempts, SaturatingIncrement(game.GetPlayerSettingInt(who, kOruAttempts)));
        game.SetPlayerSettingInt(who, kOruBoard, layout_);
    }
    gamesPlayed_ = SaturatingIncrement(game.GetPlayerSettingInt(who, kNumGamesPlayed));
    game.SetPlayerSettingInt(who, kNumGamesPlayed, gamesPlayed_);
    showStats_ = game.GetPlayerSettingInt(who, kShowStats) != 0;
    char title[64];
    std::snprintf(title, sizeof title, "%s - Board %d", kDisplayName, layout_);
    services.SetAppletName(title);

    upCard_ = board_->Deck().Pop();
    if (upCard_ != nullptr) upCard_->SetPosition(kUpCardX, kUpCardY);
    if (ISurface* pile = factory->CreateSurfaceFromFile("CardBack.gif", 0)) {
        gameArea->AttachSurface(pile);
        pile->SetLoc(kPileX, kPileY, nullptr);
        drawPile_ = AttachedSurface(gameArea, pile);
        drawPileListener_.Reset(
            factory->AddListener(pile, applet::kMouseUp, this, Forward<&CPlayScreen::OnDrawPileClick>));
    }
    boardListener_.Reset(
        factory->AddListener(gameArea, applet::kMouseUp, this, Forward<&CPlayScreen::OnBoardClick>));
    longestStreak_ = game.GetPlayerSettingInt(who, kLongestStreak);
    won_ = game.GetPlayerSettingInt(who, kWon);

    canvas->SetCurColor(0, 0, 0);
    canvas->DrawLine(10, 340, 48, 340);
    canvas->DrawLine(88, 340, 254, 340);
    canvas->DrawLine(281, 340, 490, 340);
    if (IImage* picture = LoadPicture("p-img-logo-94x76.gif")) {
        canvas->DrawAtEx(picture, 4, 338, 0);
        picture->Release();
    }
    resignButton_ = AttachedSurface(
        gameArea, game.MakeTextButton(gameArea, "Resign", 103, 342, 0, 14, this, Forward<&CPlayScreen::OnResign>));
    MakeStatisticsButton();

    if (!startOfSession) {
        game.Play(Sound::NewBoard);
    } else {
        game.Play(Sound::GameStart);
        soundTimer_.Reset(factory->CreateTimer(this, kOpeningSoundMs, Forward<&CPlayScreen::OnStartSoundTimer>));
        if (soundTimer_) soundTimer_->Start();
    }
    DrawStatistics();
}

CPlayScreen::~CPlayScreen() {
    if (!gameOver_) won_ -= LeftOnBoardCost();
    WriteWon();
    UpdateHighScores();
    statsButton_.Reset();
    if (game.CardBackImage() == cardBack_.Get()) game.SetCardBackImage(nullptr);
    cardBack_.Reset();
    soundTimer_.Reset();
    boardListener_.Reset();
    drawPileListener_.Reset();
    drawPile_.Reset();
    resignButton_.Reset();
    // The box's buttons are the box's children.
    secondButton_.Reset();
    firstButton_.Reset();
    upCard_.reset();
    board_.reset();
    resultBox_.Reset();
}

void CPlayScreen::MakeStatisticsButton() {
    statsButton_ = AttachedSurface(gameArea, showStats_ ? game.MakeTextButton(gameArea, "Hide Statistics", 370, 342, 0,
                                                                              12, this,
                                                                              Forward<&CPlayScreen::OnHideStatistics>)
                                                        : game.MakeTextButton(gameArea, "Show Statistics", 376, 372, 0,
                                                                              12, this,
                                                                              Forward<&CPlayScreen::OnShowStatistics>));
}

int64_t CPlayScreen::LeftOnBoardCost() const { return int64_t{kCardLeftCost} * board_->Count(); }

void CPlayScreen::WriteWon() { game.SetPlayerSettingInt(player_.c_str(), kWon, ClampToInt(won_)); }

void CPlayScreen::UpdateHighScores() { ::UpdateHighScores(*Globals().settings, player_, ClampToInt(won_)); }

bool CPlayScreen::IsUncovered(int index) const {
    const CCard& card = board_->At(index);
    for (int later = index + 1; later < board_->Count(); ++later) {
        const CCard& upper = board_->At(later);
        if (Covers(card.X(), card.Y(), upper.X(), upper.Y())) return false;
    }
    return true;
}

bool CPlayScreen::CanPlay(int index) const {
    const CCard& card = board_->At(index);
    return card.FaceUp() && IsUncovered(index) && upCard_ != nullptr && IsPlayable(card.Rank(), upCard_->Rank());
}

int CPlayScreen::OnStartSoundTimer(intptr_t* /*args*/) {
    soundTimer_->Stop();
    game.Play(Sound::NewBoard);
    return 0;
}

int CPlayScreen::OnBoardClick(intptr_t* args) {
    if (BoxIsUp()) return 0;
    const int x = static_cast<int>(args[2]), y = static_cast<int>(args[3]);
    int clicked = -1;
    for (int i = board_->Count() - 1; i >= 0 && clicked < 0; --i)
        if (HitsCard(board_->At(i).X(), board_->At(i).Y(), x, y)) clicked = i;
    if (clicked < 0) return 0;
    if (!CanPlay(clicked)) {
        game.Play(Sound::MoveIllegal);
        return 0;
    }
    upCard_ = board_->Unlink(&board_->At(clicked));
    upCard_->SetPosition(kUpCardX, kUpCardY);

    streak_ += 1;
    if (streak_ > longestStreak_) {
        longestStreak_ = streak_;
        game.SetPlayerSettingInt(player_.c_str(), kLongestStreak, longestStreak_);
    }
    streakMoney_ += streak_;
    gameMoney_ += streak_;
    won_ += streak_;
    WriteWon();
    DrawStatistics();

    if (board_->Count() == 0) {
        if (layout_ == kChallengeBoards && challenge_) {
            game.Play(Sound::ChallengeWon);
            ShowChallengeWon();
        } else {
            game.Play(Sound::LevelCleared);
            ShowLevelCleared();
        }
    } else {
        TurnUpUncoveredCards();
        if (board_->Deck().Count() == 0) CheckForPlay();
    }
    game.Play(Sound::MoveLegal);
    return 0;
}

void CPlayScreen::TurnUpUncoveredCards() {
    for (int i = 0; i < board_->Count(); ++i)
        if (!board_->At(i).FaceUp() && IsUncovered(i)) board_->At(i).SetFaceUp(true);
}

int CPlayScreen::OnDrawPileClick(intptr_t* /*args*/) {
    if (BoxIsUp()) return 0;
    if (std::unique_ptr<CCard> card = board_->Deck().Pop()) {
        upCard_ = std::move(card);
        upCard_->SetPosition(kUpCardX, kUpCardY);
        upCard_->BringToFront();
    }
    if (board_->Deck().Count() == 0) {
        drawPile_->SetLoc(-1000, -1000, nullptr);
        CheckForPlay();
    } else {
        game.Play(Sound::MoveLegal);
    }
    streak_ = 0;
    streakMoney_ = 0;
    won_ -= kDrawCost;
    gameMoney_ -= kDrawCost;
    DrawStatistics();
    return 0;
}

void CPlayScreen::CheckForPlay() {
    for (int i = 0; i < board_->Count(); ++i)
        if (CanPlay(i)) return;
    game.Play(Sound::LevelNotCleared);
    gameOver_ = true;
    ShowTryAgain();
}

int CPlayScreen::OnResign(intptr_t* /*args*/) {
    if (BoxIsUp() || gameOver_) return 0;
    game.Play(Sound::LevelNotCleared);
    gameOver_ = true;
    won_ -= LeftOnBoardCost();
    WriteWon();
    UpdateHighScores();
    ShowTryAgain();
    return 0;
}

int CPlayScreen::OnShowStatistics(intptr_t* /*args*/) { return ShowStatistics(true); }

int CPlayScreen::OnHideStatistics(intptr_t* /*args*/) { return ShowStatistics(false); }

// The panel's button replaces itself: called from that button, it touches nothing of it after.
int CPlayScreen::ShowStatistics(bool show) {
    if (BoxIsUp()) return 0;
    showStats_ = show;
    statsButton_.Reset();
    MakeStatisticsButton();
    game.Play(Sound::Confirm);
    game.SetPlayerSettingInt(player_.c_str(), kShowStats, show ? 1 : 0);
    DrawStatistics();
    return 0;
}

int CPlayScreen::OnPlayAgain(intptr_t* /*args*/) {
    int next = layout_;
    if (!challenge_) next = levelCleared_ ? requestedLayout_ : layout_;
    else if (levelCleared_) next = layout_ + 1;
    WriteWon();
    CScreen* screen = Create(game, player_, mode_, false, next);
    if (screen == nullptr) screen = new CTitleScreen(game, player_, mode_, requestedLayout_);
    game.SetScreen(this, screen);
    return 0;
}

int CPlayScreen::OnQuitToTitle(intptr_t* /*args*/) {
    game.Play(Sound::Confirm);
    UpdateHighScores();
    WriteWon();
    game.SetScreen(this, new CTitleScreen(game, player_, mode_, requestedLayout_));
    return 0;
}

int CPlayScreen::OnChangeMode(intptr_t* /*args*/) {
    WriteWon();
    game.SetScreen(this, new CModeScreen(game, player_, true));
    return 0;
}

}  // namespace dunmoro
