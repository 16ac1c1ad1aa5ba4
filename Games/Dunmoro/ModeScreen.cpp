#include "Games/Dunmoro/ModeScreen.h"

#include <algorithm>
#include <cstdio>

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/PlayerProfile.h"
#include "Apps/Common/PlayerSettings.h"
#include "Apps/Common/ShellRef.h"
#include "Games/Dunmoro/PlayScreen.h"
#include "Games/Dunmoro/Rules.h"
#include "Games/Dunmoro/SettingsKeys.h"
#include "Games/Dunmoro/TitleScreen.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"
#include "frame/api/MarkupEscape.h"

namespace dunmoro {
namespace {

constexpr int kBoardButtonW = 90, kBoardButtonH = 60;
constexpr int kButtonsPerRow = 5;

int ButtonX(int i) { return 22 + 91 * (i % kButtonsPerRow); }
int ButtonY(int top, int i) { return top + 62 * (i / kButtonsPerRow); }

void DrawChallengeLabel(IImage* target, int x, int y) {
    DrawMarkupText(target, "<S3><C000000><b>Master Oru's</b>", x + 10, y + 4);
    DrawMarkupText(target, "<S3><C000000><b>Challenge</b>", x + 14, y + 16);
    DrawMarkupText(target, "<S3><C0000CC><b>Complete All</b>", x + 7, y + 30);
    DrawMarkupText(target, "<S3><C0000CC><b>Boards</b>", x + 22, y + 42);
}

}  // namespace

NumberLabel PlaceNumberLabel(int textWidth) {
    constexpr int kRight = kBoardButtonW;
    // The frame is two pixels wide; the number is drawn twice, one pixel apart, for weight.
    const int frameLeft = std::min(74, kRight - textWidth - 7);
    const int inside = kRight - frameLeft - 2;
    return {frameLeft, frameLeft + 2 + (inside - textWidth - 1) / 2};
}

CModeScreen::CModeScreen(CDunmoroApplet& owner, std::string player, bool startPlay)
    : CDunmoroScreen(owner), startPlay_(startPlay), player_(std::move(player)) {
    canvas->ClearToColor(kGreenR, kGreenG, kGreenB);
    game.Play(Sound::ModeChange);
    DrawMarkupText(canvas, "<S1><Cffffff><b>Select Mode of Play</B>", 166, 10);
    DrawMarkupText(canvas, "<S2><C000000><b>Master Oru's Challenge: Complete all 18 boards in the fewest tries</B>",
                   17, 40);
    DrawMarkupText(canvas, "<S2><C000000><b>Apprentice Boards: Select a board or let Master Oru pick at Random</B>",
                   17, 130);
    DrawMarkupText(canvas, "<S2><C000000><b>Master Boards: Select a board or let Master Oru pick at Random</b>", 17,
                   276);
    Globals().services->SetAppletName(kDisplayName);

    const auto keep = [this](ISurface* button) { buttons_.emplace_back(gameArea, button); };
    for (int i = 0; i < 10; ++i)
        keep(i == 0 ? MakeBoardButton(kModeApprentice, 0, ButtonX(i), ButtonY(148, i))
                    : MakeBoardButton(kModeBoard, i, ButtonX(i), ButtonY(148, i)));
    for (int i = 0; i < 10; ++i)
        keep(i == 0 ? MakeBoardButton(kModeMaster, 0, ButtonX(i), ButtonY(293, i))
                    : MakeBoardButton(kModeBoard, i + 9, ButtonX(i), ButtonY(293, i)));
    DrawChallengePanel();
    keep(MakeBoardButton(kModeChallenge, 0, 22, 60));
    keep(game.MakeTextButton(gameArea, "Restart Challenge", 120, 104, 0, 12, this,
                             Forward<&CModeScreen::RestartChallenge>));
}

ISurface* CModeScreen::MakeBoardButton(int mode, int board, int x, int y) {
    const ShellRef<IImage> image(factory->CreateImage(2 * kBoardButtonW, kBoardButtonH, kSurfaceColourKeyed));
    NumberLabel label{};
    if (mode == kModeApprentice || mode == kModeMaster) {
        const ShellRef<IFont> large(factory->CreateFont("Arial", 60, 0));
        image->SetFont(large.Get());
        DrawMarkupText(image.Get(), "<C006600><B>?</b>", 21, -4);
        DrawMarkupText(image.Get(), "<C006600><B>?</B>", 111, -4);
        if (mode == kModeApprentice) {
            DrawMarkupText(image.Get(), "<C000000><S2><B>Apprentice</b>", 4, 24);
            DrawMarkupText(image.Get(), "<C000000><S2><B>Apprentice</b>", 94, 24);
            DrawMarkupText(image.Get(), "<CFFFFFF><S2><B>Apprentice</b>", 2, 22);
            DrawMarkupText(image.Get(), "<CFFFFFF><S2><B>Apprentice</b>", 92, 22);
        } else {
            DrawMarkupText(image.Get(), "<C000000><S2><B>Master</b>", 18, 24);
            DrawMarkupText(image.Get(), "<C000000><S2><B>Master</b>", 108, 24);
            DrawMarkupText(image.Get(), "<CFFFFFF><S2><B>Master</b>", 16, 22);
            DrawMarkupText(image.Get(), "<CFFFFFF><S2><B>Master</b>", 106, 22);
        }
    } else if (mode == kModeChallenge) {
        DrawChallengeLabel(canvas, x, y);
        board = 1;
    } else {
        game.DrawLayoutButton(board, canvas, x + 2, y + 2);
        const ShellRef<IFont> font(factory->CreateFont("Arial", 10, kFontStyleBold));
        char number[16];
        const int length = std::snprintf(number, sizeof number, "%d", board);
        int extent[2] = {0, 0};
        canvas->GetTextExtent(font.Get(), number, length, extent);
        label = PlaceNumberLabel(extent[0]);
        canvas->SetCurColor(255, 204, 0);
        canvas->FillRect(x + label.frameLeft + 2, y + 49, x + kBoardButtonW, y + 60);
        canvas->SetFont(font.Get());
        canvas->SetTextColor(0, 0, 0);
        canvas->DrawText(number, length, x + label.textX, y + 47);
        canvas->DrawText(number, length, x + label.textX + 1, y + 47);
    }
    image->SetCurColor(0, 0, 204);
    image->FrameRect(0, 0, 89, 59);
    image->FrameRect(1, 1, 88, 58);
    if (mode == kModeBoard) {
        image->FrameRect(label.frameLeft, 47, 90, 60);
        image->FrameRect(label.frameLeft + 1, 48, 90, 60);
    }
    image->SetCurColor(255, 255, 255);
    image->FrameRect(90, 0, 179, 59);
    image->FrameRect(91, 1, 178, 58);
    if (mode == kModeBoard) {
        image->FrameRect(90 + label.frameLeft, 47, 180, 60);
        image->FrameRect(90 + label.frameLeft + 1, 48, 180, 60);
    }
    ISurface* button = factory->CreateRolloverButton(gameArea, this, x, y, kBoardButtonW, kBoardButtonH, image.Get(), 0,
                                                     BoardButtonValue(mode, board),
                                                     Forward<&CModeScreen::OnBoardButton>);
    return button;
}

int CModeScreen::OnBoardButton(intptr_t* args) {
    game.Play(Sound::Confirm);
    const int value = static_cast<int>(args[2]);
    const int mode = ModeOfButton(value);
    int board = BoardOfButton(value);
    // The random modes keep the board the player chose last.
    if (mode == kModeApprentice || mode == kModeMaster)
        board = ReadSettingInt(*Globals().settings, PlayerKey(player_, kCurLayout), 1);
    if (!startPlay_) {
        game.SetScreen(this, new CTitleScreen(game, player_, mode, board));
        return 0;
    }
    if (mode == kModeChallenge) board = ReadSettingInt(*Globals().settings, PlayerKey(player_, kOruBoard), 1);
    CScreen* next = CPlayScreen::Create(game, player_, mode, false, board);
    if (next == nullptr) next = new CTitleScreen(game, player_, mode, board);
    game.SetScreen(this, next);
    return 0;
}

int CModeScreen::RestartChallenge(intptr_t* /*args*/) {
    game.Play(Sound::Confirm);
    if (!ConfirmWithWarning(*Globals().services, "Restart Challenge?",
                   "If you continue, your current board in the challenge\nwill be reset and you will have to start "
                   "over.\n\nContinue?"))
        return 0;
    game.SetPlayerSettingInt(player_.c_str(), kOruBoard, 1);
    game.SetPlayerSettingInt(player_.c_str(), kOruAttempts, 0);
    DrawChallengePanel();
    return 0;
}

void CModeScreen::DrawChallengePanel() {
    ISettingsAccess& settings = *Globals().settings;
    canvas->SetCurColor(kGreenR, kGreenG, kGreenB);
    canvas->FillRect(120, 60, 340, 100);
    const int board = ReadSettingInt(settings, PlayerKey(player_, kOruBoard), 1);
    const int attempts = ReadSettingInt(settings, PlayerKey(player_, kOruAttempts), 0);
    char line[320];
    std::snprintf(line, sizeof line, "<s3><C000000><B>Board: %d of 18", board);
    DrawMarkupText(canvas, line, 120, 60);
    std::snprintf(line, sizeof line, "<s3><C000000>Attempts: %d", attempts);
    DrawMarkupText(canvas, line, 120, 75);
    const std::optional<std::string> best = ReadSettingText(settings, kBestOruPlayer);
    if (!best) {
        DrawMarkupText(canvas, "<s3><c000000>Top Challenger: Oru Challenges You...", 120, 90);
        return;
    }
    std::snprintf(line, sizeof line, "<s3><c000000>Top Challenger: %s, %d Attempts", EscapeMarkup(*best).c_str(),
                  ReadSettingInt(settings, kBestOruAttempts, 0));
    DrawMarkupText(canvas, line, 120, 90);
}

}  // namespace dunmoro
