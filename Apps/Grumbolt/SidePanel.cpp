// The swamp screen's side panel: the challenger's score, the swamp's difficulty and number, and
// in the challenge what finishing, resetting and skipping the swamp are worth.
#include <string>

#include "Apps/Grumbolt/PanelText.h"
#include "Apps/Grumbolt/PlayScreen.h"
#include "Apps/Grumbolt/SwampGenerator.h"
#include "frame/api/IImage.h"

namespace grumbolt {
namespace {

constexpr uint32_t kShadowGreen = 0x006600;
constexpr uint32_t kLabelGreen = 0x00CC00;
constexpr uint32_t kValueGreen = 0x00FF00;
constexpr TextFace kLabel{12, true};
constexpr TextFace kValue{14, true};
constexpr TextFace kPoints{10, false};

}  // namespace

void CPlayScreen::DrawSidePanel() {
    if (canvas == nullptr) return;
    if (IImage* status = game.Status()) canvas->DrawAt(status, 350, 0);
    canvas->SetCurColor(51, 102, 204);
    canvas->FillRect(385, 40, 478, 300);
    canvas->FillRect(378, 158, 488, 177);
    IShellFactory& fonts = *factory;
    const bool challenge = mode_.IsChallenge();
    if (challenge) DrawShadowedText(fonts, *canvas, kLabel, kShadowGreen, kLabelGreen, "Player Score", 393, 47);
    DrawShadowedText(fonts, *canvas, kLabel, kShadowGreen, kLabelGreen, challenge ? "Finish Swamp" : "Random Swamp",
                     challenge ? 390 : 387, 144);
    DrawShadowedText(fonts, *canvas, kLabel, kShadowGreen, kLabelGreen, "Difficulty", 405, 92);

    if (challenge)
        DrawShadowedCentred(fonts, *canvas, kValue, kShadowGreen, kValueGreen, std::to_string(game.Player().score), 430,
                            62);
    DrawShadowedCentred(fonts, *canvas, kValue, kShadowGreen, kValueGreen, DifficultyName(mode_.Shown()), 430, 106);
    const std::string number = challenge ? std::to_string(mode_.Number()) + " of " + std::to_string(kChallengeSwamps)
                                         : "Number " + std::to_string(mode_.Number());
    DrawShadowedCentred(fonts, *canvas, kValue, kShadowGreen, kValueGreen, number, 432, 160);
    if (!challenge) return;
    const auto points = [&](char sign, int value, int y) {
        const std::string text = std::string(1, sign) + " " + std::to_string(value) + " Points";
        DrawShadowedCentred(fonts, *canvas, kPoints, kShadowGreen, kValueGreen, text, 430, y);
    };
    points('+', swampValue_, 176);
    points('-', swampValue_ / 10, 232);
    points('-', swampValue_ / 4, 271);
}

}  // namespace grumbolt
