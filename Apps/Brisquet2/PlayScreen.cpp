#include "Apps/Brisquet2/PlayScreen.h"

#include <cstdio>

#include "Apps/Brisquet2/Puzzle.h"
#include "Apps/Brisquet2/PuzzlePrompt.h"
#include "Apps/Brisquet2/StatusStrip.h"
#include "Apps/Common/BouncingBubbleView.h"
#include "Apps/Common/CentredText.h"
#include "Apps/Common/Forwarder.h"
#include "Apps/Common/HighScores.h"
#include "Apps/Common/ModuleGlobals.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

namespace brisquet2 {
namespace {

constexpr int kStripTop = 300;
constexpr int kStripTextY = 372;
constexpr int kStripButtonY = 395;
constexpr int kTickMs = 20;
constexpr int kReplayId = 0x20000;
constexpr int kSkipId = 0x20001;

}  // namespace

CPlayScreen::CPlayScreen(CBrisquet2Applet& owner, int mode)
    : CBrisquet2Screen(owner),
      session_(mode, owner.Player().level, [&owner] { return owner.Rand(); }),
      board_(kBoardColumns, kBoardRows) {
    game.SetTitleButtons(false);
    game.Play(Sound::LevelStart);
    Apply(session_.Started());
    canvas->ClearToColor(0, 0, 0);
    if (IImage* background = game.Background(session_.IsChallenge())) canvas->DrawAt(background, 0, 0);
    StartPuzzle();
    timer_.Reset(factory->CreateTimer(this, kTickMs, Forward<&CPlayScreen::OnTick>));
    if (timer_) timer_->Start();
}

CPlayScreen::~CPlayScreen() {
    timer_.Reset();
    EndCelebration();
    ClosePanel();
    for (AttachedSurface& button : buttons_) button.Reset();
    grid_.reset();
}

void CPlayScreen::StartPuzzle() {
    grid_.reset();
    board_ = MakePuzzle(session_.Number(), session_.IsChallenge(), game.ShellGenerator()).board;
    Globals().services->SetStopMode(kStopAsk);
    grid_ = std::make_unique<CBubbleGrid>(*factory, *gameArea, board_, game.BubbleArt(), BubbleViewStyle{}, *this,
                                          [this] { return game.Rand(); });
    DrawStatusPanel();
}

void CPlayScreen::DrawStripText(const std::string& text, StripPlace place) {
    const ShellRef<IFont> font(factory->CreateFont("Arial", 14, kFontStyleBold));
    int extent[2] = {0, 0};
    canvas->GetTextExtent(font.Get(), text.c_str(), static_cast<int>(text.size()), extent);
    canvas->SetFont(font.Get());
    canvas->SetTextColor(0, 0, 0);
    const StripPlate plate = (session_.IsChallenge() ? kChallengePlates : kOtherPlates)[static_cast<size_t>(place)];
    canvas->DrawText(text.c_str(), static_cast<int>(text.size()), StripTextLeft(plate, extent[0]),
                     kStripTextY - extent[1] / 2);
}

int CPlayScreen::CentredX(const std::string& label, int pointSize, int centreX) {
    return centreX - (TextWidth(*canvas, *factory, label, pointSize, true) + 4) / 2;
}

void CPlayScreen::DrawStatusPanel() {
    if (IImage* background = game.Background(session_.IsChallenge())) {
        const int strip[4] = {0, kStripTop, 500, 420};
        canvas->Draw(strip, background, strip);
    }
    const std::string difficulty(session_.DifficultyName());
    const int points = session_.Record().points;
    DrawStripText(difficulty, StripPlace::Difficulty);
    if (session_.IsChallenge()) {
        DrawStripText(ScoreText(game.Player().score) + " Points", StripPlace::Middle);
        DrawStripText(std::to_string(session_.Number()) + " of " + std::to_string(kChallengePuzzles) + " (" +
                          std::to_string(points) + " Points)",
                      StripPlace::Puzzle);
    } else {
        const char* who = game.Player().Name().c_str();
        DrawStripText("Number " + std::to_string(session_.Number()), StripPlace::Puzzle);
        DrawStripText(ScoreText(game.GetPlayerSettingInt(who, kSolvedItem)) + " won (in " +
                          ScoreText(game.GetPlayerSettingInt(who, kAttemptedItem) - 1) + " tries)",
                      StripPlace::Middle);
    }
    if (panel_) return;
    const int n = session_.Number();
    const AppletCallback replay = Forward<&CPlayScreen::OnReplayButton>;
    const AppletCallback skip = Forward<&CPlayScreen::OnSkipButton>;
    if (session_.IsChallenge())
        SetButtons({{"Replay Puzzle (" + std::to_string(-session_.ReplayCost()) + " points)", 40, kStripButtonY,
                     n + kReplayId, 14, replay},
                    {"Skip Puzzle (" + std::to_string(-session_.SkipCost()) + " points)", 290, kStripButtonY,
                     n + kSkipId, 14, skip}});
    else
        SetButtons({{"Replay Puzzle", 40, kStripButtonY, n + kReplayId, 14, replay},
                    {"Change Puzzle", 360, kStripButtonY, n + kSkipId, 14, skip}});
}

void CPlayScreen::SetButtons(const std::vector<ButtonSpec>& buttons) {
    for (AttachedSurface& button : buttons_) button.Reset();
    for (size_t i = 0; i < buttons.size() && i < buttons_.size(); ++i) {
        const ButtonSpec& b = buttons[i];
        buttons_[i] = AttachedSurface(
            gameArea, game.MakeTextButton(gameArea, b.label.c_str(), b.x, b.y, b.id, b.pointSize, this, b.callback));
    }
}

bool CPlayScreen::Confirm(const char* caption, const std::string& text) {
    return Globals().services->MessageBox(caption, text.c_str(), kBoxOkCancel) == applet::kBoxOk;
}

void CPlayScreen::RefuseLastSkip() {
    Globals().services->MessageBox(kDisplayName, "You cannot skip past the last puzzle in the challenge",
                                   kBoxExclamation);
}

int CPlayScreen::OnReplayButton(intptr_t* /*args*/) {
    ClosePanel();
    const std::string text =
        session_.IsChallenge()
            ? "If you continue, your current puzzle\nwill be reset and you will have to start over.\nThis will cost "
              "you " + std::to_string(session_.ReplayCost()) + " points.\n\nContinue?"
            : "If you continue, the current puzzle\nwill be reset and you will have to start over.\n\nContinue?";
    if (!Confirm("Replay Puzzle?", text)) return 0;
    Apply(session_.Replay());
    StartPuzzle();
    return 0;
}

int CPlayScreen::OnSkipButton(intptr_t* /*args*/) {
    ClosePanel();
    switch (session_.Mode()) {
        case PuzzleMode::Challenge:
            if (!session_.CanSkip()) {
                RefuseLastSkip();
                return 0;
            }
            if (!Confirm("Skip Puzzle?", "If you continue, you will skip the current puzzle\nand advance to the next.  "
                                         "This will cost you " + std::to_string(session_.SkipCost()) +
                                             " Points.\n\nContinue?"))
                return 0;
            Apply(session_.Skip());
            break;
        case PuzzleMode::Random:
            if (!Confirm("Skip Puzzle?", "If you continue, you will end the current puzzle\nand a new random one will "
                                         "be selected.\n\nContinue?"))
                return 0;
            Apply(session_.Change([this] { return game.Rand(); }));
            break;
        case PuzzleMode::Chosen: {
            game.Play(Sound::BeforeSelectLevel);
            const std::optional<int> number = AskPuzzleNumber(*Globals().services);
            if (!number) return 0;
            Apply(session_.Choose(*number));
            break;
        }
    }
    StartPuzzle();
    return 0;
}

void CPlayScreen::OnBubbleClicked(int column, int row) {
    if (panel_ || grid_ == nullptr || !board_.Settled(column, row)) return;
    if ((kBrisquet2Rules.poppable & BubbleKindBit(board_.At(column, row))) == 0) return;
    if (grid_->FloodMark(column, row, kBrisquet2Rules) == 0) {
        game.Play(Sound::NoClick);
        return;
    }
    game.Play(Sound::BubbleDisappear);
}

void CPlayScreen::OnBoardChanged() {
    if (session_.Outcome() != PuzzleOutcome::Playing) return;
    switch (board_.Evaluate(kBrisquet2Rules)) {
        case BubbleBoardState::Playing: return;
        case BubbleBoardState::Solved:
            game.Play(Sound::LevelComplete);
            ShowPuzzleSolved();
            return;
        case BubbleBoardState::DeadEnd:
            game.Play(Sound::DeadEnd);
            ShowPuzzleFailed();
            return;
    }
}

void CPlayScreen::Apply(const SessionEffect& effect) {
    if (effect.attempts != 0) game.AddToItem(kAttemptedItem, effect.attempts);
    if (effect.solved != 0) game.AddToItem(kSolvedItem, effect.solved);
    if (effect.level) {
        game.Player().level = *effect.level;
        game.SetPlayerSettingInt(game.Player().Name().c_str(), kLevelItem, *effect.level);
    }
    if (effect.endCelebration) EndCelebration();
    if (effect.celebrate) StartCelebration();
    if (effect.points != 0) AddScore(effect.points);
}

void CPlayScreen::AddScore(int points) {
    if (!session_.IsChallenge()) return;
    CPlayer& player = game.Player();
    player.score += points;
    game.SetPlayerSettingInt(player.Name().c_str(), kScoreItem, player.score);
    UpdateHighScores(*Globals().settings, player.Name(), player.score);
    DrawStatusPanel();
}

void CPlayScreen::StartCelebration() {
    EndCelebration();
    game.Play(Sound::ChallengeSolved);
    celebration_ = std::make_unique<CCelebration>([this] { return game.Random().Next(); });
    for (const BouncingBubble& bubble : celebration_->Bubbles()) {
        ISurface* surface = factory->CreateSurfaceFromAnim(game.BubbleAnim(bubble.kind), kSurfaceColourKeyed);
        celebrationBubbles_.emplace_back(gameArea, surface);
        if (surface == nullptr) continue;
        // They fly over the panel: its buttons stay clickable through them.
        surface->SetNoHit(true);
        surface->SetLoc(bubble.x, bubble.y, nullptr);
        gameArea->AttachSurface(surface);
        surface->StartAnim();
    }
}

void CPlayScreen::EndCelebration() {
    celebrationBubbles_.clear();
    celebration_.reset();
}

int CPlayScreen::OnTick(intptr_t* /*args*/) {
    if (celebration_ == nullptr) return 0;
    celebration_->Tick();
    PlaceBubbleSurfaces(celebration_->Bubbles(), celebrationBubbles_);
    return 0;
}

}  // namespace brisquet2
