#include "Apps/Tallimo/PlayScreen.h"

#include <cstdio>

#include "Apps/Common/CentredText.h"
#include "Apps/Common/Forwarder.h"
#include "Apps/Common/HighScores.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Tallimo/NameEntryScreen.h"
#include "Apps/Tallimo/TallimoScores.h"
#include "Apps/Tallimo/TitleScreen.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IFont.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ITimer.h"

namespace tallimo {
namespace {

constexpr int kVkSpace = 0x20, kVkLeft = 0x25, kVkRight = 0x27, kVkDown = 0x28;
constexpr int kMaxLivesIcons = 4;

PlayKey KeyOf(int virtualKey) {
    switch (virtualKey) {
        case kVkLeft:
            return PlayKey::Left;
        case kVkRight:
            return PlayKey::Right;
        case kVkSpace:
        case kVkDown:
            return PlayKey::Drop;
        default:
            return PlayKey::Other;
    }
}

void Fill(IImage& image, int left, int top, int right, int bottom, int r, int g, int b) {
    image.SetCurColor(r, g, b);
    image.FillRect(left, top, right, bottom);
}

// The width of a line in the 14-point bold of the "<s2><b>" texts.
int BoldWidth(IImage& canvas, IShellFactory& factory, const std::string& text) {
    return TextWidth(canvas, factory, text, 14, true);
}

std::string NeededText(int level) { return std::to_string(LevelRecord(level).ballsNeeded) + " balls needed to pass"; }

}  // namespace

CPlayScreen::CPlayScreen(CTallimoApplet& owner, bool newGame, int level)
    : CGameScreen(owner), round_(owner.Progress(), newGame, level, [&owner] { return owner.Rand(); }, 0) {
    const ModuleGlobals& globals = Globals();
    if (canvas != nullptr) {
        canvas->ClearToColor(kYardR, kYardG, kYardB);
        // The intro's ball stands just before its centred line.
        introBallX_ = (kAreaWidth - BoldWidth(*canvas, *factory, NeededText(game.Progress().Level()))) / 2 - 40;
    }
    BuildTruck();
    DrawStatus();
    Compose();
    timer_.Reset(factory->CreateTimer(this, kPlayTickMs, Forward<&CPlayScreen::OnTick>));
    if (timer_) timer_->Start();
    keys_.Reset(factory->AddListener(globals.services, applet::kKeyDown, this, Forward<&CPlayScreen::OnKey>));
    globals.services->SetStopMode(kStopAsk);
}

// The truck of the round's size, each cell showing the grey ball the pattern asks for.
void CPlayScreen::BuildTruck() {
    const Truck& truck = round_.GetTruck();
    truck_.Reset(game.MakeTruck(truck.Columns() / 3));
    if (!truck_) return;
    for (int cell = 0; cell < truck.CellCount(); ++cell) {
        game.DrawGreyBall(*truck_, truck.Pattern(cell), ColumnX(0, cell / kShelves), ShelfY(cell % kShelves));
    }
}

int CPlayScreen::OnTick(intptr_t* args) {
    now_ = args[1];
    for (const RoundNews& news : round_.Tick(now_)) {
        Handle(news);
        if (news.event == RoundEvent::Gone) {
            Leave();
            return 0;
        }
    }
    if (round_.State() != shown_) {
        if (round_.State() == PlayState::Intro) game.Play(Sound::StartLevel);
        shown_ = round_.State();
    }
    const bool still = round_.State() == PlayState::Intro || round_.AwaitingKey();
    if (!still || !stillShown_) Compose();
    stillShown_ = still;
    DrawStatus();
    return 0;
}

int CPlayScreen::OnKey(intptr_t* args) {
    const PlayState before = round_.State();
    for (const RoundNews& news : round_.Key(KeyOf(static_cast<int>(args[2])), now_)) Handle(news);
    if (before == PlayState::Intro && round_.State() == PlayState::Waiting) game.Play(Sound::Belt);
    for (const RoundNews& news : round_.Tick(now_)) Handle(news);
    Compose();
    return 0;
}

void CPlayScreen::Handle(const RoundNews& news) {
    switch (news.event) {
        case RoundEvent::BallLanded:
            game.Play(static_cast<Sound>(static_cast<int>(Sound::Ball1) + news.landing.kind));
            if (truck_) {
                game.DrawBall(*truck_, news.landing.kind, ColumnX(0, news.landing.cell / kShelves),
                              ShelfY(news.landing.cell % kShelves), 0);
            }
            break;
        case RoundEvent::CellChecked:
            game.Play(Sound::ScoreTick);
            if (!news.verdict.matched) game.Play(Sound::InBadSlot);
            MarkCell(news.verdict);
            break;
        case RoundEvent::EnoughBalls:
            game.Play(Sound::EnoughBalls);
            break;
        case RoundEvent::Failed:
            game.Play(Sound::LoseLevel);
            break;
        case RoundEvent::Passed:
            game.Play(Sound::WinLevel);
            break;
        case RoundEvent::Perfect:
            game.Play(Sound::PerfectTruck);
            break;
        case RoundEvent::Gone:
            break;
    }
}

void CPlayScreen::MarkCell(const CellVerdict& verdict) {
    if (!truck_) return;
    const int x = ColumnX(0, verdict.cell / kShelves), y = ShelfY(verdict.cell % kShelves);
    if (verdict.matched) {
        truck_->SetCurColor(0, 204, 0);
    } else {
        truck_->SetCurColor(204, 0, 0);
        if (IImage* cross = game.GetPicture(Picture::RedX)) truck_->DrawAt(cross, x, y);
    }
    // Kept off the cell's last column: the next column's cell starts right after it.
    truck_->FrameRect(x, y, x + kCellSize - 1, y + kCellSize - 1);
    truck_->FrameRect(x + 1, y + 1, x + kCellSize - 2, y + kCellSize - 2);
}

void CPlayScreen::Compose() {
    if (canvas == nullptr) return;
    // The truck reaches into the status bar's column below it.
    Fill(*canvas, 0, 0, kPlayWidth, kTruckY, kYardR, kYardG, kYardB);
    Fill(*canvas, 0, kTruckY, kAreaWidth, kAreaHeight, kYardR, kYardG, kYardB);
    const PlayState state = round_.State();
    if (state != PlayState::Starting && state != PlayState::Intro) game.DrawBelt(*canvas, round_.BeltX(now_), kBeltY,
                                                                                state == PlayState::Running ? now_ : 0);
    const Conveyor& conveyor = round_.GetConveyor();
    for (const MovingBall& ball : conveyor.Belt()) game.DrawBall(*canvas, ball.kind, ball.x, ball.y, now_);
    for (const MovingBall& ball : conveyor.Falling()) game.DrawBall(*canvas, ball.kind, ball.x, ball.y, now_);
    if (truck_) canvas->DrawAt(truck_.Get(), round_.TruckX(now_), kTruckY);
    const int column = conveyor.SteeredColumn();
    if (column >= 0 && state == PlayState::Running && !conveyor.Falling().empty()) {
        const MovingBall& steered = conveyor.Falling().front();
        if (IImage* ring = game.GetPicture(Picture::Circle)) canvas->DrawAt(ring, steered.x, steered.y);
        IImage* left = game.GetPicture(Picture::ArrowLeft);
        IImage* right = game.GetPicture(Picture::ArrowRight);
        if (left != nullptr && column > 0) canvas->DrawAt(left, steered.x - 18, steered.y);
        if (right != nullptr && column + 1 < round_.GetTruck().Columns()) canvas->DrawAt(right, steered.x + 34, steered.y);
    }
    DrawMessages();
}

void CPlayScreen::DrawMessages() {
    char line[96];
    if (round_.State() == PlayState::Intro) {
        const int level = game.Progress().Level();
        std::snprintf(line, sizeof line, "<s1><c000000><b><c>Day %d - Truck %d</b></c>", DayOf(level), TruckOf(level));
        DrawMarkupTextOld(canvas, line, 0, 120);
        DrawMarkupTextOld(canvas, ("<s2><c000000><b><c>" + NeededText(level) + "</b></c>").c_str(), 0, 150);
        game.DrawBall(*canvas, 0, introBallX_, 142, 0);
        DrawMarkupTextOld(canvas, "<s3><c000000><b><c>press any key...</b></c>", 0, 190);
    } else if (round_.AwaitingKey()) {
        DrawMarkupTextOld(canvas, game.Progress().Lives() > 0 ? "<s1><c000000><b><c>Sorry, try again</b></c>"
                                                          : "<s1><c000000><b><c>Game Over</b></c>",
                       0, 130);
        DrawMarkupTextOld(canvas, "<s2><c000000><b><c>press any key...</b></c>", 0, 160);
    }
}

void CPlayScreen::DrawStatus() {
    if (canvas == nullptr) return;
    const GameProgress& progress = game.Progress();
    const bool livesShown = round_.LivesShown(now_);
    const int toPass = round_.BallsToPass();
    const std::string money = MoneyText(progress.Money());
    // A new truck's count waits for the intro's key: the intro names it.
    const bool toPassShown = round_.State() != PlayState::Starting && round_.State() != PlayState::Intro;
    const std::string key = std::to_string(progress.Lives()) + (livesShown ? "+" : "-") + money + "/" +
                            (toPassShown ? std::to_string(toPass) : "");
    if (key == statusShown_) return;
    statusShown_ = key;
    Fill(*canvas, kPlayWidth, 0, kAreaWidth, kTruckY, kYardR, kYardG, kYardB);
    IImage* icon = game.GetPicture(Picture::Lives);
    char line[64];
    if (livesShown && icon != nullptr) {
        if (progress.Lives() > kMaxLivesIcons) {
            canvas->DrawAt(icon, 410, 56);
            std::snprintf(line, sizeof line, "<S2><b><C000000>x %d</b>", progress.Lives());
            DrawMarkupTextOld(canvas, line, 435, 53);
        } else {
            for (int i = 0; i < progress.Lives(); ++i) canvas->DrawAt(icon, 410 + 22 * i, 56);
        }
    }
    DrawMarkupTextOld(canvas, "<s2><b><c000000>score</b>", 431, 85);
    const std::string shown = "<s2><b><c000000>" + money + "</b>";
    DrawMarkupTextOld(canvas, shown.c_str(), 451 - BoldWidth(*canvas, *factory, money) / 2 - 4, 100);
    if (!toPassShown) return;
    DrawMarkupTextOld(canvas, "<s3><b><c000000>balls to pass</b>", 415, 165);
    std::snprintf(line, sizeof line, "<s1><b><c000000>%d</b>", toPass);
    DrawMarkupTextOld(canvas, line, toPass > 0 ? 450 : 440, 130);
    if (toPass > 0) game.DrawBall(*canvas, 0, 418, 128, 0);
}

void CPlayScreen::Leave() {
    GameProgress& progress = game.Progress();
    switch (progress.Next(ReadHighScores(*Globals().settings))) {
        case AfterTruck::NameEntry:
            game.SetScreen(this, new CNameEntryScreen(game));
            return;
        case AfterTruck::Title:
            game.SetScreen(this, new CTitleScreen(game));
            return;
        case AfterTruck::SameLevel:
        case AfterTruck::NextLevel:
            progress.Advance();
            game.SetScreen(this, new CPlayScreen(game, false, progress.Level()));
            return;
    }
}

}  // namespace tallimo
