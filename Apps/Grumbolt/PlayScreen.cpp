#include "Apps/Grumbolt/PlayScreen.h"

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/HighScores.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Grumbolt/SwampGenerator.h"
#include "Apps/Grumbolt/SwampNumberPrompt.h"
#include "Apps/Grumbolt/TitleScreen.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

namespace grumbolt {
namespace {

constexpr int kTickMs = 50;
constexpr int kSoundMs = 1000;
constexpr int kJumpMs = 800;
constexpr int kNoteFlags = kBoxExclamation | 1;
constexpr int kQuestionFlags = kBoxExclamation | kBoxOkCancel;
constexpr const char* kCaption = "Grumbolt";

int DrawFor(CGrumboltApplet& game, int mode) {
    return mode > kChallengeSwamps && mode < kNumberedMode ? game.Rand() : 0;
}

int LevelFor(CGrumboltApplet& game, int mode) {
    if (mode > kChallengeSwamps) return 1;
    game.SwitchPlayer(game.Player().Name());
    return game.Player().level;
}

}  // namespace

CPlayScreen::CPlayScreen(CGrumboltApplet& owner, int mode)
    : CGrumboltScreen(owner), mode_(mode, LevelFor(owner, mode), DrawFor(owner, mode)) {
    if (canvas != nullptr) canvas->ClearToColor(51, 102, 204);
    game.Play(Sound::GameStart);
    if (ISurface* background = factory->CreateSurfaceFromFile("p-img-Background.gif", 0)) {
        background->SetNoHit(true);
        gameArea->AttachSurface(background);
        background_ = AttachedSurface(gameArea, background);
    }
    if (ISurface* marker = factory->CreateSurfaceFromFile("p-img-Selected.gif", kSurfaceColourKeyed)) {
        marker->SetNoHit(true);
        marker->SetVisible(false, nullptr);
        gameArea->AttachSurface(marker);
        marker_ = AttachedSurface(gameArea, marker);
    }
    jumpSprites_ = std::make_unique<CJumpSprites>(game);
    const bool challenge = mode_.IsChallenge();
    resetButton_ = AttachedSurface(gameArea, game.MakeTextButton(gameArea, "Reset Swamp", 390, 215, ButtonColour::Panel,
                                                                 0, 12, this, Forward<&CPlayScreen::OnResetButton>));
    changeButton_ = AttachedSurface(
        gameArea, game.MakeTextButton(gameArea, challenge ? "Skip Swamp" : "Change Swamp", challenge ? 393 : 385, 254,
                                      ButtonColour::Panel, 1, 12, this, Forward<&CPlayScreen::OnChangeButton>));
    soundTimer_.Reset(factory->CreateTimer(this, kSoundMs, Forward<&CPlayScreen::OnSoundTimer>));
    if (soundTimer_) soundTimer_->Start();
    Build();
    tickTimer_.Reset(factory->CreateTimer(this, kTickMs, Forward<&CPlayScreen::OnTick>));
    if (tickTimer_) tickTimer_->Start();
    Globals().services->SetStopMode(kStopAsk);
}

// The frogs go before the surfaces they are drawn over.
CPlayScreen::~CPlayScreen() { Clear(); }

void CPlayScreen::Build() {
    const GeneratedSwamp swamp = GenerateSwamp(mode_.Number(), mode_.IsChallenge(), game.Dice());
    board_ = swamp.board;
    for (int c = 0; c < kSwampSize; ++c)
        for (int r = 0; r < kSwampSize; ++r)
            if (board_.At({c, r}) != kWater) lilypads_[c][r] = std::make_unique<CLilypad>(game, *this, CellPos{c, r});
    // Frogs after every lilypad, so that a frog landing on a later cell stays in front of its pad.
    int frogs = 0;
    for (int c = 0; c < kSwampSize; ++c) {
        for (int r = 0; r < kSwampSize; ++r) {
            const CellPos at{c, r};
            if (board_.At(at) != kFrog) continue;
            game.Rand();
            const int colour = game.Rand() % kNewFrogColours;
            const int idleMs = game.Rand() % 10000 + 1000;
            frogs_[c][r] = std::make_unique<CFrog>(game, *this, at, colour, idleMs);
            ++frogs;
        }
    }
    frogsAtStart_ = frogs;
    pointFactor_ = PointFactor(mode_.Number());
    swampValue_ = pointFactor_ * frogs;
    DrawSidePanel();
}

void CPlayScreen::Clear() {
    selected_ = nullptr;
    if (jumping_ != nullptr) jumpSprites_->HideAll();
    jumping_ = nullptr;
    sinking_.reset();
    for (auto& column : frogs_)
        for (auto& frog : column) frog.reset();
    for (auto& column : lilypads_)
        for (auto& pad : column) pad.reset();
    if (marker_) marker_->SetVisible(false, nullptr);
}

void CPlayScreen::OnFrogClick(CellPos at) {
    CFrog* frog = frogs_[at.column][at.row].get();
    if (frog == nullptr || !board_.CanJump(at)) {
        game.Play(Sound::FrogDisabled);
        return;
    }
    selected_ = frog;
    if (marker_) {
        marker_->SetLoc(CellX(at.column), FrogY(at.row), nullptr);
        marker_->SetVisible(true, nullptr);
        gameArea->BringToFront(marker_.Get());
    }
    game.Play(Sound::Selected);
}

void CPlayScreen::OnLilypadClick(CellPos at) {
    if (jumping_ != nullptr) return;
    const std::optional<Jump> jump = selected_ != nullptr ? board_.JumpTo(selected_->At(), at) : std::nullopt;
    if (!jump) {
        game.Play(Sound::FrogDisabled);
        return;
    }
    sinking_ = std::move(frogs_[jump->over.column][jump->over.row]);
    if (sinking_) sinking_->Sink();
    sinkStart_ = lastTick_;

    CFrog* frog = selected_;
    selected_ = nullptr;
    if (marker_) marker_->SetVisible(false, nullptr);
    frog->SetVisible(false);
    jumpSprites_->Start(jump->from, DirectionOf(*jump), frog->Colour());
    frog->MoveTo(jump->to);
    frogs_[jump->to.column][jump->to.row] = std::move(frogs_[jump->from.column][jump->from.row]);
    board_.Apply(*jump);
    game.Play(Sound::FrogHop);
    jumping_ = frog;
    jumpStart_ = lastTick_;
}

int CPlayScreen::OnTick(intptr_t* args) {
    const int now = static_cast<int>(args[2]);
    lastTick_ = now;
    if (sinking_ && now - sinkStart_ >= kJumpMs) sinking_.reset();
    if (jumping_ != nullptr && now - jumpStart_ >= kJumpMs) {
        jumpSprites_->HideAll();
        jumping_->SetVisible(true);
        jumping_ = nullptr;
        if (CheckEnd()) return 0;
    }
    return 0;
}

int CPlayScreen::OnSoundTimer(intptr_t* /*args*/) {
    switch (game.Rand() % 10) {
    case 0: game.Play(Sound::Background1); break;
    case 1: game.Play(Sound::Background2); break;
    case 2: game.Play(Sound::Background3); break;
    default: break;
    }
    return 0;
}

bool CPlayScreen::CheckEnd() {
    for (int c = 0; c < kSwampSize; ++c)
        for (int r = 0; r < kSwampSize; ++r)
            if (board_.At({c, r}) == kFrog && board_.CanJump({c, r})) return false;
    if (board_.State() == SwampState::Solved) return Solved();
    Stuck();
    return false;
}

bool CPlayScreen::Solved() {
    const bool lastOfChallenge = mode_.IsChallenge() && mode_.Number() >= kChallengeSwamps;
    game.Play(lastOfChallenge ? Sound::Applause : Sound::LevelComplete);
    CPlayer& player = game.Player();
    if (mode_.IsChallenge()) {
        player.score += swampValue_;
        game.StoreScore();
    }
    switch (mode_.GetKind()) {
    case SwampMode::Kind::Random: Note("Hop, Hop, Hooray!  You did it!"); break;
    case SwampMode::Kind::Challenge:
        Note(lastOfChallenge ? "Way to go!  You just made all the other frogs GREEN with envy!"
                             : "Nice, but don't \"jump\" to any conclusions.  There's another swamp ahead.");
        break;
    case SwampMode::Kind::Numbered: break;
    }
    // The table takes the score before the screen may leave, so the last swamp's points count too.
    UpdateHighScores(*Globals().settings, player.Name(), player.score);
    const SwampMode::After after = mode_.Solved(mode_.GetKind() == SwampMode::Kind::Random ? game.Rand() : 0);
    if (mode_.IsChallenge()) {
        player.level = mode_.Number();
        game.StoreLevel();
    }
    if (after == SwampMode::After::Title) {
        game.SetScreen(this, MakeTitleScreen(game));
        return true;
    }
    if (after == SwampMode::After::AskNumber) {
        const std::optional<int> next = AskSwampNumber(
            *Globals().services, "Hop, Hop, Hooray!  You did it!",
            "Enter the next swamp you would like to play (1-50000) or click 'cancel' to return to the menu.");
        if (!next) {
            game.SetScreen(this, MakeTitleScreen(game));
            return true;
        }
        mode_.Pick(*next);
    }
    Clear();
    Build();
    return false;
}

void CPlayScreen::Stuck() {
    if (mode_.IsChallenge()) AddPoints(-StuckCost(pointFactor_, frogsAtStart_));
    Note("Looks like you're stuck, but we're not going to \"ribbit\" in....  Try again.");
    Clear();
    Build();
}

void CPlayScreen::AddPoints(int points) {
    if (!mode_.IsChallenge()) return;
    game.Player().score += points;
    game.StoreScore();
    DrawSidePanel();
}

bool CPlayScreen::Confirm(const char* caption, const char* text) {
    return Globals().services->MessageBox(caption, text, kQuestionFlags) == applet::kBoxOk;
}

void CPlayScreen::Note(const char* text) { Globals().services->MessageBox(kCaption, text, kNoteFlags); }

int CPlayScreen::OnResetButton(intptr_t* /*args*/) {
    const int cost = StuckCost(pointFactor_, frogsAtStart_);
    std::string text = "If you continue, your current swamp\nwill be reset and you will have to start over\nwith all the "
                       "frogs.\n";
    if (mode_.IsChallenge()) text += "This will cost you " + std::to_string(cost) + " points.\n";
    text += "\nContinue?";
    if (!Confirm("Reset Swamp?", text.c_str())) return 0;
    AddPoints(-cost);
    Clear();
    Build();
    return 0;
}

int CPlayScreen::OnChangeButton(intptr_t* /*args*/) {
    switch (mode_.GetKind()) {
    case SwampMode::Kind::Challenge: {
        if (mode_.Number() >= kChallengeSwamps) {
            Note("You cannot skip past the last swamp in the challenge");
            return 0;
        }
        const int cost = SkipCost(pointFactor_, frogsAtStart_);
        const std::string text = "If you continue, you will skip the current swamp\nand advance to the next.  This will "
                                 "cost you " + std::to_string(cost) + " Points.\n\nContinue?";
        if (!Confirm("Skip Swamp?", text.c_str())) return 0;
        AddPoints(-cost);
        Clear();
        mode_.Skip();
        game.Player().level = mode_.Number();
        game.StoreLevel();
        break;
    }
    case SwampMode::Kind::Numbered: {
        const std::optional<int> number = AskSwampNumber(
            *Globals().services, "Select Random Swamp", "Enter the number of the swamp you would like to play (1-50000).");
        if (!number) return 0;
        Clear();
        mode_.Pick(*number);
        break;
    }
    case SwampMode::Kind::Random:
        if (!Confirm("Skip Swamp?",
                     "If you continue, you will end the current swamp\nand a new random one will be selected.\n\nContinue?"))
            return 0;
        Clear();
        mode_.ChangeRandom(game.Rand());
        break;
    }
    Build();
    return 0;
}

}  // namespace grumbolt
