// The end of a board (the three result boxes, with the challenge's bookkeeping) and the money
// and statistics panel below the board.
#include <cstdio>
#include <optional>
#include <string>

#include "Apps/Common/DecimalText.h"
#include "Apps/Common/Forwarder.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/PlayerSettings.h"
#include "Games/Dunmoro/CardList.h"
#include "Games/Dunmoro/PlayScreen.h"
#include "Games/Dunmoro/Rules.h"
#include "Games/Dunmoro/SettingsKeys.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/ISettingsAccess.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"
#include "frame/api/MarkupEscape.h"

namespace dunmoro {
namespace {

constexpr int kBoxR = 0, kBoxG = 204, kBoxB = 0;
constexpr int kButtonSize = 14;

template <typename... Args>
std::string Format(const char* format, Args... args) {
    char text[512];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

// The money split into thousands, in a markup line: "$%d", "$%d,%03d" or "$%d,%03d,%03d".
std::string MoneyLine(const char* before, int64_t amount, const char* after) {
    MoneyBuffer money;
    return std::string(before) + FormatMoney(amount, money) + after;
}

// Width of `text` in Arial of that size and style, which is then the canvas's font.
int SetFontAndMeasure(IShellFactory& factory, IImage& canvas, int size, int style, const std::string& text) {
    IFont* font = factory.CreateFont("Arial", size, style);
    canvas.SetFont(font);
    int extent[2] = {0, 0};
    canvas.GetTextExtent(font, text.c_str(), static_cast<int>(text.size()), extent);
    if (font != nullptr) font->Release();
    return extent[0];
}

}  // namespace

// Boards below the first Master board call the player an Apprentice, in every mode.
void CPlayScreen::DrawPupilRank(IImage* box) const {
    if (layout_ < kFirstMasterBoard) DrawMarkupText(box, "<S1><C000000>young Apprentice", 22, 26);
    else DrawMarkupText(box, "<S1><C000000>young Master", 35, 26);
}

ShellRef<IImage> CPlayScreen::OpenBox(int width, int height, int x, int y) {
    ShellRef<IImage> owned;
    ISurface* surface = factory->CreateSurface(width, height, 0);
    if (surface == nullptr) return owned;
    gameArea->AttachSurface(surface);
    resultBox_ = AttachedSurface(gameArea, surface);
    surface->SetLoc(x, y, nullptr);
    surface->GetImage(owned.Out());
    IImage* box = owned.Get();
    if (box == nullptr) return owned;
    box->ClearToColor(kBoxR, kBoxG, kBoxB);
    box->SetCurColor(0, 0, 204);
    box->FrameRect(0, 0, width - 1, height - 1);
    box->FrameRect(1, 1, width - 2, height - 2);
    box->SetCurColor(kBoxR, kBoxG, kBoxB);
    box->FillRect(2, 2, width - 2, height - 2);
    return owned;
}

AttachedSurface CPlayScreen::BoxButton(const char* label, int x, int y, AppletCallback callback) {
    return AttachedSurface(resultBox_.Get(), game.MakeTextButton(resultBox_.Get(), label, x, y, kBoxButtonValue,
                                                                 kButtonSize, this, callback));
}

void CPlayScreen::ShowTryAgain() {
    const ShellRef<IImage> owned = OpenBox(181, 101, 160, 164);
    IImage* box = owned.Get();
    DrawStatistics();
    levelCleared_ = false;
    tryAgainShown_ = true;
    DrawMarkupText(box, "<S1><C000000>Try again", 53, 6);
    DrawPupilRank(box);
    firstButton_ = BoxButton("Try Again", 55, 54, Forward<&CPlayScreen::OnPlayAgain>);
    secondButton_ = challenge_ ? BoxButton("Quit Challenge", 35, 76, Forward<&CPlayScreen::OnQuitToTitle>)
                               : BoxButton("Change Mode", 40, 76, Forward<&CPlayScreen::OnChangeMode>);
}

void CPlayScreen::ShowLevelCleared() {
    const ShellRef<IImage> owned = OpenBox(181, 101, 160, 164);
    IImage* box = owned.Get();
    levelCleared_ = true;
    DrawMarkupText(box, "<S1><C000000>You have done well", 13, 6);
    DrawPupilRank(box);
    if (!challenge_) {
        firstButton_ = BoxButton("Play Again", 52, 54, Forward<&CPlayScreen::OnPlayAgain>);
        secondButton_ = BoxButton("Change Mode", 40, 76, Forward<&CPlayScreen::OnChangeMode>);
    } else {
        game.SetPlayerSettingInt(player_.c_str(), kOruBoard, layout_ + 1);
        firstButton_ = BoxButton("Deal Next Level", 34, 54, Forward<&CPlayScreen::OnPlayAgain>);
        secondButton_ = BoxButton("Quit Challenge", 38, 76, Forward<&CPlayScreen::OnQuitToTitle>);
    }
}

void CPlayScreen::ShowChallengeWon() {
    const ShellRef<IImage> owned = OpenBox(281, 201, 110, 110);
    IImage* box = owned.Get();
    levelCleared_ = true;
    ISettingsAccess& settings = *Globals().settings;
    const char* who = player_.c_str();
    DrawMarkupText(box, Format("<S2><C><C000000><b>Congratulations %s!</b></c>", EscapeMarkup(player_).c_str()).c_str(),
                   0, 10);
    DrawMarkupText(box, "<s3><c><c000000><b>You have beaten Master Oru's</b></c>", 0, 30);
    const int attempts = game.GetPlayerSettingInt(who, kOruAttempts);
    DrawMarkupText(box, Format("<S3><c><c000000><b>Challenge in %d attempts.</c></b>", attempts).c_str(), 0, 45);
    DrawMarkupText(box, "<S3><C><c000000><b>Master Oru's Best Pupil:</b></c>", 0, 130);

    // A stored best that is not a positive number counts as none.
    const std::optional<std::string> bestName = ReadSettingText(settings, kBestOruPlayer);
    const int storedBest = ReadSettingInt(settings, kBestOruAttempts, 0);
    const bool first = !bestName || storedBest <= 0;
    const bool bestPupil = first || attempts <= storedBest;
    if (first)
        DrawMarkupText(box,
                       "<S3><C000000><c>You are the first to beat Master<br>Oru's Challenge! But, can you beat<br>"
                       "your own score?</c>",
                       0, 70);
    else if (!bestPupil)
        DrawMarkupText(box,
                       Format("<S3><C000000><c>You are a rising Dun Moro Master!<br>However, a true master can do<br>"
                              "better than %d tries -- can you?</c>",
                              storedBest)
                           .c_str(),
                       0, 70);
    else
        DrawMarkupText(box,
                       "<S3><C000000><c>You are Master Oru's best pupil!<br>You should continue training in the<br>"
                       "Challenge to best yourself!</C>",
                       0, 70);
    // A tie goes to the newcomer.
    if (bestPupil) {
        settings.SetUserValue(kBestOruPlayer, who);
        WriteSettingInt(settings, kBestOruAttempts, attempts);
    }
    const std::string pupil = bestPupil ? player_ : *bestName;
    const int pupilAttempts = bestPupil ? attempts : storedBest;
    game.SetPlayerSettingInt(who, kOruAttempts, 0);
    game.SetPlayerSettingInt(who, kOruBoard, 1);
    game.SetPlayerSettingInt(who, kCurLayout, 1);
    requestedLayout_ = 1;
    DrawMarkupText(box, Format("<S3><C00000><c>%s, %d Attempts</c>", EscapeMarkup(pupil).c_str(), pupilAttempts).c_str(),
                   0, 148);
    secondButton_ = BoxButton("Click to Continue", 80, 180, Forward<&CPlayScreen::OnQuitToTitle>);
}

void CPlayScreen::DrawStatistics() {
    canvas->SetCurColor(kGreenR, kGreenG, kGreenB);
    canvas->FillRect(100, 341, 500, 420);

    const std::string pile = Format("%d", board_->Deck().Count());
    const int pileWidth = SetFontAndMeasure(*factory, *canvas, 12, kFontStyleBold, pile);
    canvas->FillRect(255, 332, 279, 348);
    DrawMarkupText(canvas, Format("<S2><c000000><b>%s</b>", pile.c_str()).c_str(), 264 - pileWidth / 2, 333);
    DrawMarkupText(canvas, Format("<S2><cffcc00><b>%s</b>", pile.c_str()).c_str(), 263 - pileWidth / 2, 332);

    DrawMarkupText(canvas, Format("<S2><C0000CC><b>- Lose $%lld<b>", static_cast<long long>(LeftOnBoardCost())).c_str(),
                   157, 343);
    if (won_ < 0) DrawMarkupText(canvas, "<S1><c000000><b>Total Lost</b>", 128, 362);
    else DrawMarkupText(canvas, "<S1><c000000><b>Total Won</b>", 132, 362);
    MoneyBuffer money;
    const std::string total = FormatMoney(won_, money);
    const int totalWidth = SetFontAndMeasure(*factory, *canvas, 18, kFontStyleBold, total);
    canvas->SetTextColor(0, 0, 0);
    DrawMarkupText(canvas, total.c_str(), 170 - totalWidth / 2, 380);

    if (!showStats_) return;
    const int64_t average = gamesPlayed_ > 0 ? won_ / gamesPlayed_ : 0;
    DrawMarkupText(canvas, Format("<S3><b><c000000>Games Played: %d</b>", gamesPlayed_).c_str(), 365, 356);
    DrawMarkupText(canvas, Format("<S3><b><c000000>Avg Win/Game: $%lld</b>", static_cast<long long>(average)).c_str(),
                   365, 370);
    DrawMarkupText(canvas, Format("<S3><b><c000000>Longest Streak: %d</b>", longestStreak_).c_str(), 365, 384);
    DrawMarkupText(canvas,
                   Format("<S3><b><c000000>This Streak: %d = $%lld</b>", streak_, static_cast<long long>(streakMoney_))
                       .c_str(),
                   365, 399);
    if (gameMoney_ < 0) DrawMarkupText(canvas, "<S3><c000000><b>This Game Lost</b>", 110, 402);
    else DrawMarkupText(canvas, "<S3><c000000><b>This Game Won</b>", 110, 402);
    DrawMarkupText(canvas, MoneyLine("<S3><c000000><b>", gameMoney_, "</b>").c_str(), 205, 402);
}

}  // namespace dunmoro
