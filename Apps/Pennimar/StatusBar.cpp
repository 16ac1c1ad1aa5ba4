#include "Apps/Pennimar/StatusBar.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "Apps/Common/DrawMarkupTextF.h"
#include "Apps/Common/HighScores.h"
#include "Apps/Pennimar/LevelTable.h"
#include "Apps/Pennimar/PennimarApplet.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"

namespace pennimar {
namespace {

constexpr int kBarLeft = 170, kBarTop = 27, kBarRight = 339, kBarBottom = 46;
constexpr int kLivesX = 455, kLivesY = 22, kLifeStep = 11, kMostIcons = 4;

}  // namespace

CStatusBar::CStatusBar(IImage* canvas, IShellFactory& factory, const CPennimarApplet& game)
    : canvas_(canvas),
      game_(game),
      scoreFont_(factory.CreateFont("Arial", 18, kFontStyleBold)),
      barFont_(factory.CreateFont("Arial", 12, kFontStyleBold)) {}

void CStatusBar::Restore(int left, int top, int right, int bottom) {
    const int rect[4] = {left, top, right, bottom};
    if (IImage* bar = game_.GetPicture(Picture::StatusBar)) {
        canvas_->Draw(rect, bar, rect);
    } else {
        canvas_->SetCurColor(204, 153, 102);
        canvas_->FillRect(left, top, right, bottom);
    }
}

void CStatusBar::Centred(IFont* font, const char* text, int centreX, int y) {
    const int length = static_cast<int>(std::strlen(text));
    int extent[2] = {0, 0};
    canvas_->GetTextExtent(font, text, length, extent);
    canvas_->SetFont(font);
    canvas_->SetTransparent(true);
    canvas_->DrawText(text, length, centreX - extent[0] / 2, y);
}

void CStatusBar::Draw(int level, long long score, int spareLives, int percent, int needed) {
    if (canvas_ == nullptr) return;
    Restore(0, 0, 500, 50);
    DrawMarkupTextF(canvas_, 110, 33, "<s4><b><cfff3c4>%s</b>", LevelTable::Name(level).data());
    Score(score);
    Lives(spareLives);
    Progress(percent, needed);
}

void CStatusBar::Score(long long score) {
    if (canvas_ == nullptr) return;
    Restore(342, 20, 452, 50);
    const std::string text = ScoreText(static_cast<int>(std::min<long long>(score, 2000000000)));
    canvas_->SetTextColor(0, 0, 0);
    Centred(scoreFont_.Get(), text.c_str(), 397, 22);
}

void CStatusBar::Lives(int spareLives) {
    if (canvas_ == nullptr) return;
    Restore(kLivesX - 2, 16, 500, 50);
    IImage* icon = game_.GetPicture(Picture::Player);
    if (icon == nullptr) return;
    const int icons = spareLives > kMostIcons ? 1 : spareLives;
    for (int i = 0; i < icons; ++i) canvas_->DrawAt(icon, kLivesX + kLifeStep * i, kLivesY);
    if (spareLives > kMostIcons) DrawMarkupTextF(canvas_, kLivesX + 9, kLivesY - 3, "<c000000><b><s2>x %d</b>", spareLives);
}

void CStatusBar::Progress(int percent, int needed) {
    if (canvas_ == nullptr) return;
    Restore(kBarLeft, kBarTop, kBarRight, kBarBottom);
    const int filled = (kBarRight - kBarLeft) * std::clamp(percent, 0, 100) / 100;
    canvas_->SetCurColor(79, 162, 46);
    if (filled > 0) canvas_->FillRect(kBarLeft, kBarTop, kBarLeft + filled, kBarBottom);
    char text[48];
    std::snprintf(text, sizeof text, "%d%% of %d%% needed", percent, needed);
    canvas_->SetTextColor(255, 243, 196);
    Centred(barFont_.Get(), text, (kBarLeft + kBarRight) / 2, kBarTop + 2);
}

}  // namespace pennimar
