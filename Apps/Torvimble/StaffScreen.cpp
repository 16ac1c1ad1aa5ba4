#include "Apps/Torvimble/StaffScreen.h"

#include "Apps/Common/DrawMarkupTextF.h"
#include "Apps/Common/Forwarder.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Torvimble/TitleScreen.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ITimer.h"

namespace torvimble {
namespace {

constexpr int kTickMs = 100;
// The small card: the front's corners around a cut-down middle, two pixels narrower than the
// letters' step and lower than the lines' step, so that cards stand apart on both sides; its
// letter, in 14 points, stays on it.
constexpr int kSmallW = StaffSpelling::kLetterGap - 2, kSmallH = StaffSpelling::kLineGap - 2;

void Blit(IImage& canvas, IImage* source, int x, int y, int sx, int sy, int w, int h) {
    if (source == nullptr) return;
    const int dst[4] = {x, y, x + w, y + h};
    const int src[4] = {sx, sy, sx + w, sy + h};
    canvas.DrawEx(dst, source, src, 0);
}

}  // namespace

CStaffScreen::CStaffScreen(CTorvimbleApplet& owner)
    : CSideScreen(owner, kTableGrey, CTorvimbleApplet::ButtonStyle(0), MakeTitleScreen),
      game_(owner),
      spelling_(TorvimbleStaff(), owner.Random()) {
    timer_.Reset(Globals().factory->CreateTimer(this, kTickMs, Forward<&CStaffScreen::OnTimer>));
    if (timer_) timer_->Start();
}

CStaffScreen::~CStaffScreen() {
    if (timer_) timer_->Stop();
}

int CStaffScreen::OnTimer(intptr_t* args) {
    const auto now = static_cast<uint32_t>(args[2]);
    const StaffTick tick = spelling_.Tick(static_cast<int>(now - lineStart_));
    if (tick.letter && tick.letter->letter != ' ') DrawLetter(*tick.letter);
    if (tick.restartTimer) lineStart_ = now;
    if (tick.stopTimer && timer_) timer_->Stop();
    return 0;
}

void CStaffScreen::DrawLetter(const StaffLetter& letter) {
    IImage* canvas = Canvas();
    if (canvas == nullptr) return;
    const CardArt& art = game_.Cards();
    const int x = letter.x, y = letter.y;
    constexpr int kEdge = 5;
    Blit(*canvas, art.front, x, y, 0, 0, kSmallW - kEdge, kSmallH - kEdge);
    Blit(*canvas, art.front, x + kSmallW - kEdge, y, kPlayingCardWidth + 1 - kEdge, 0, kEdge, kSmallH - kEdge);
    Blit(*canvas, art.front, x, y + kSmallH - kEdge, 0, kPlayingCardHeight - kEdge, kSmallW - kEdge, kEdge);
    Blit(*canvas, art.front, x + kSmallW - kEdge, y + kSmallH - kEdge, kPlayingCardWidth + 1 - kEdge,
         kPlayingCardHeight - kEdge, kEdge, kEdge);
    const bool red = letter.card.IsRed();
    const int pipX = art.pipColumn[static_cast<size_t>(letter.card.suit & 3)];
    Blit(*canvas, art.suitStrip, x + 3, y + (kSmallH - art.pipHeight) / 2, pipX, 0, art.pipWidth, art.pipHeight);
    DrawMarkupTextF(canvas, x + 11, y - 1, red ? "<S2><c660000><b>%c</b>" : "<S2><c000000><b>%c</b>", letter.letter);
}

}  // namespace torvimble
