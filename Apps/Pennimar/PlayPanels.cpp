// The panels over the field: the day's farm, a lost life, a farm fenced, and the end of the game
// with its question. Space closes the first three.
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "Apps/Common/Forwarder.h"
#include "Apps/Pennimar/LevelTable.h"
#include "Apps/Pennimar/PlayScreen.h"

namespace pennimar {
namespace {

constexpr int kPanelLeft = 155, kPanelTop = 160, kPanelWidth = 198, kPanelHeight = 158;
constexpr int kLineX = 6;
constexpr const char* kContinue = "<c><c000000>press 'space' to continue...</c></b>";
// The lines after a panel's first keep its size, colour and weight.
constexpr const char* kCarry = "<s3><b><c663300>";

template <class... Args>
std::string Format(const char* format, Args... args) {
    char text[160];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

void CPlayScreen::OpenPanel(Panel panel, const std::vector<PanelLine>& lines) {
    panel_ = panel;
    for (const auto& sprite : sprites_)
        if (sprite) sprite->Run(false);
    panelView_ = std::make_unique<CMessagePanel>(game, kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight,
                                                 CPennimarApplet::MessagePanelStyle(), lines, this,
                                                 NullTickThunk);
}

void CPlayScreen::ClosePanel() {
    const Panel closed = panel_;
    panelView_.reset();
    panel_ = Panel::None;
    if (closed == Panel::LevelComplete) {
        ++level_;
        StartLevel();
        return;
    }
    if (closed == Panel::LifeLost) RemoveEnemies();
    for (const auto& sprite : sprites_)
        if (sprite) sprite->Run(true);
}

void CPlayScreen::ShowIntro() {
    const std::string name = Lower(LevelTable::Name(level_));
    OpenPanel(Panel::Intro, {{kLineX, 10, "<s3><c663300><b>Another day, another farm.  This"},
                             {kLineX, 26, kCarry + Format("one is %s.", name.c_str())},
                             {0, 50, kCarry + std::string("<c>Today you'll have to fence</c>")},
                             {0, 68, kCarry + Format("<c><S1>%2d%%</c>", settings_.neededPercent)},
                             {0, 96, "<s3><c663300><b><c>of the farm.</c>"},
                             {0, 130, kContinue}});
}

void CPlayScreen::ShowLifeLost() {
    OpenPanel(Panel::LifeLost, {{kLineX, 14, "<s3><c663300><b>Uh oh.  Not having a good day,"},
                                {kLineX, 30, "<s3><c663300>are we?   That will be one of"},
                                {kLineX, 46, "<s3><c663300>your lives."},
                                {kLineX, 78, "<s3><c663300>Ok, let's try again."},
                                {0, 130, kContinue}});
}

void CPlayScreen::ShowLevelComplete(const LevelEnd& end) {
    OpenPanel(Panel::LevelComplete,
              {{kLineX, 10, "<s3><c663300><b>Yeehah.  Good fencin' farmer."},
               {kLineX, 38, kCarry + Format("Extra area bonus: <c333300>%d%% = %d<c663300>", end.extraPercent, end.areaBonus)},
               {kLineX, 54, kCarry + Format("All Animals Fenced bonus: <c333300>%d<c663300>", end.animalsBonus)},
               {kLineX, 70, kCarry + Format("Total Bonus: <c333300>%d<c663300>", end.Total())},
               {kLineX, 98, "<s3><c663300>Ready for another one?"},
               {0, 130, kContinue}});
}

void CPlayScreen::ShowGameOver() {
    OpenPanel(Panel::GameOver, {{kLineX, 10, "<s3><c663300><b>Ok, there goes the farm.  You"},
                                {kLineX, 26, "<s3><c663300>have no more lives left to play."},
                                {kLineX, 42, "<s3><c663300>But don't worry.  There's always"},
                                {kLineX, 58, "<s3><c663300>another farm to <c990000>Pennimar<c663300>."},
                                {0, 96, "<s3><c663300><c>Try again?</c></b>"}});
    panelView_->AddButton("Yes (Y)", 27, 137, 0, this, Forward<&CPlayScreen::OnAnswer>);
    panelView_->AddButton("No (N)", 127, 137, 1, this, Forward<&CPlayScreen::OnAnswer>);
}

}  // namespace pennimar
