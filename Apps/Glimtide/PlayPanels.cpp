// The panels of the play screen: the level's welcome, the try-again note after a mistake, and
// the end of the game with its question.
#include <cstdio>
#include <vector>

#include "Apps/Common/Forwarder.h"
#include "Apps/Glimtide/PlayScreen.h"

namespace glimtide {
namespace {

constexpr const char* kStartLine = "<C000000><c>Press the space bar to start</c>";

std::vector<PanelLine> IntroLines(Level level) {
    switch (level) {
        case Level::Easy:
            return {{5, 15, "<s3><b><C000000>Go West, young player!  Welcome"},
                    {5, 30, "<s3><C000000>to the surf, sun and sand of"},
                    {5, 45, "<s3><C000000>San Diego!"},
                    {5, 75, "<s3><C000000>This is the Easy level."},
                    {0, 116, kStartLine}};
        case Level::Medium:
            return {{5, 15, "<s3><b><C000000>Chicago, Chicago - Welcome to"},
                    {5, 30, "<s3><C000000>the windy city and home"},
                    {5, 45, "<s3><C000000>of the blues!"},
                    {5, 75, "<s3><C000000>This is the Medium level."},
                    {0, 116, kStartLine}};
        default:
            return {{5, 15, "<s3><b><C000000>Welcome to New York, the city"},
                    {5, 30, "<s3><C000000>that never sleeps!  Its lights"},
                    {5, 45, "<s3><C000000>burn all night, so make your"},
                    {5, 60, "<s3><C000000>fireworks shine even brighter."},
                    {5, 90, "<s3><C000000>This is the Hard level."},
                    {0, 116, kStartLine}};
    }
}

const char* LevelName(Level level) {
    switch (level) {
        case Level::Easy: return "<s3><C000000>the easy level!";
        case Level::Medium: return "<s3><C000000>the medium level!";
        default: return "<s3><C000000>the hard level!";
    }
}

}  // namespace

// The panels stand over the sky, 155 to 360 across and from 85 down to 75 above `bottom`.
void CPlayScreen::OpenPanel(int bottom, const std::vector<PanelLine>& lines) {
    panel_ = std::make_unique<CMessagePanel>(game, 155, 85, 205, bottom - 160, CGlimtideApplet::MessagePanelStyle(),
                                             lines, this, Forward<&CPlayScreen::OnPanelUp>);
}

void CPlayScreen::ShowIntro() {
    const int bottom = level_ == Level::Hard ? 310 : 300;
    OpenPanel(bottom, IntroLines(level_));
    state_ = State::LevelIntro;
}

void CPlayScreen::ShowTryAgain() {
    const std::vector<PanelLine> lines = {
        {5, 15, "<s3><b><C000000>Oops... Looks like it's getting a"},
        {5, 30, "<s3><C000000>little tougher.  You still have"},
        {5, 45, rules_.Tries() == 1 ? "<s3><C000000>1 attempt to shoot the fireworks"
                                    : "<s3><C000000>2 attempts to shoot the fireworks"},
        {5, 60, "<s3><C000000>in the right order."},
        {10, 101, "<C000000>Press the space bar to continue"},
    };
    OpenPanel(290, lines);
    state_ = State::TryAgain;
}

void CPlayScreen::ShowGameOver() {
    const int fireworks = rules_.Fireworks();
    std::vector<PanelLine> lines;
    if (fireworks == 1) {
        lines = {{5, 15, "<s3><b><C000000>Uh oh, you didn't even get one!"},
                 {5, 30, "<s3><C000000>If it isn't clear what to do, then"},
                 {5, 45, "<s3><C000000>please click on the 'How To Play'"},
                 {5, 60, "<s3><C000000>button to the left."},
                 {5, 90, "<s3><C000000>Do you want to play again?</b>"}};
    } else {
        char count[64];
        std::snprintf(count, sizeof count, "get to %d fireworks in a row on", fireworks);
        lines = {{5, 15, "<s3><b><C000000>Good game!  You were able to"}, {5, 30, count}, {5, 45, LevelName(level_)}};
        if (newHighScore_) {
            const bool hard = level_ == Level::Hard;
            lines.push_back({5, 75, "<C000000>You just beat your high score - "});
            lines.push_back({5, 90, hard ? "<C000000>and you did it on the" : "<C000000>Maybe you ought to try the"});
            lines.push_back({5, 105, level_ == Level::Easy ? "<C000000>Medium level!" : "<C000000>Hard level!"});
            lines.push_back({5, 135, "<s3><C000000>Do you want to play again?</b>"});
        } else {
            lines.push_back({5, 75, "<s3><C000000><b>Do you want to play again?</b>"});
        }
    }
    const int bottom = newHighScore_ ? 350 : fireworks == 1 ? 320 : 300;
    OpenPanel(bottom, lines);
    const int buttonsY = newHighScore_ ? 162 : 122;
    panel_->AddButton("Yes (Y)", 27, buttonsY, 0, this, Forward<&CPlayScreen::OnAnswer>);
    panel_->AddButton("No (N)", 127, buttonsY, 1, this, Forward<&CPlayScreen::OnAnswer>);
    state_ = State::GameOver;
}

}  // namespace glimtide
