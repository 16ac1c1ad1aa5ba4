#include "Apps/Pellawick/PanelText.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "Apps/Common/DecimalText.h"

namespace pellawick {
namespace {

constexpr std::string_view kBody = "<s3><c333399><b>";
constexpr std::string_view kContinue = "<C000000>Press the space bar to continue...";
constexpr std::string_view kStart = "<C000000><b><c>Press the space bar to start...</c></b>";
constexpr int kLineX = 11;
constexpr int kContinueX = 5;
constexpr int kIntroFirstLine = 41;
constexpr int kIntroStep = 15;
constexpr int kStartGap = 25;

std::string Body(std::string_view text) { return std::string(kBody) + std::string(text); }

PanelText Strike(const Stadium& stadium) {
    PanelText p{145, 160, 355, 320, {}, false};
    switch (stadium.GetStrikeReason()) {
        case StrikeReason::TooSlow:
            p.lines = {{Body("Too slow!  Don't make your</b>"), kLineX, 21},
                       {Body("customers wait too long!</b>"), kLineX, 36}};
            break;
        case StrikeReason::WrongFood:
            p.lines = {{Body("Uh, oh - Be careful what</b>"), kLineX, 21},
                       {Body("you throw to your customers!</b>"), kLineX, 36}};
            break;
        case StrikeReason::WantedNothing:
            p.lines = {{Body("Uh, oh - Make sure customers</b>"), kLineX, 21},
                       {Body("want something before you</b>"), kLineX, 36},
                       {Body("throw it to them!</b>"), kLineX, 51}};
            break;
    }
    const int lives = stadium.GetSeller().LivesShown();
    p.lines.push_back({Body("That's ok, you have " + std::to_string(lives) + " more"), kLineX, 81});
    p.lines.push_back({lives == 1 ? "life left..." : "lives left...", kLineX, 96});
    p.lines.push_back({std::string(kContinue), kContinueX, 126});
    return p;
}

PanelText InningWon(int inning) {
    constexpr std::array<std::string_view, 9> kOrdinals = {"1st", "2nd", "3rd", "4th", "5th",
                                                           "6th", "7th", "8th", "9th"};
    const std::string_view ordinal = kOrdinals[static_cast<size_t>(std::clamp(inning, 1, 9) - 1)];
    return {145, 160, 350, 290,
            {{Body("Great Job!  You made it past"), kLineX, 21},
             {"the " + std::string(ordinal) + " inning!", kLineX, 36},
             {Body("On to the next inning..."), kLineX, 51},
             {std::string(kContinue), kContinueX, 81}},
            false};
}

// Five pixels wider on each side than the inning's panel, so that "the Minor Leagues and have
// been" ends inside the frame.
PanelText Promoted(League from) {
    const bool little = from == League::Little;
    return {140, 160, 355, 290,
            {{Body("Great Job!  You made it past"), kLineX, 21},
             {std::string(little ? "Little League" : "the Minor Leagues") + " and have been", kLineX, 36},
             {"promoted.  You've moved up", kLineX, 51},
             {std::string("to ") + (little ? "the Minor Leagues" : "the Major Leagues") + "!", kLineX, 66},
             {std::string(kContinue), kContinueX, 96}},
            false};
}

PanelText GameWon() {
    return {145, 160, 350, 320,
            {{"<s1><c333399><b><u><c>Amazing!</c></u>", kLineX, 15},
             {Body("You made it through the Major"), kLineX, 46},
             {Body("League and beaten the game!"), kLineX, 61},
             {Body("You're in a league of your own -"), kLineX, 76},
             {Body("maybe you should consider a"), kLineX, 91},
             {Body("new career! ;-)"), kLineX, 106},
             {std::string(kContinue), kContinueX, 136}},
            false};
}

PanelText GameOver() {
    return {145, 160, 350, 330,
            {{Body("Strike three, you're out!"), kLineX, 21},
             {Body("Great game - maybe you'll"), kLineX, 36},
             {Body("make it next season!"), kLineX, 51},
             {Body("<c>Play Again?</c>"), kLineX, 81}},
            true};
}

PanelText Intro(int left, int right, int bottom, std::string_view title, std::initializer_list<std::string_view> body) {
    PanelText p{left, 160, right, bottom, {}, false};
    p.lines.push_back({"<s2><c333399><b><c><u>" + std::string(title) + "</u></c><s3>", kLineX, 15});
    int y = kIntroFirstLine;
    for (const std::string_view line : body) {
        p.lines.push_back({std::string(line), kLineX, y});
        y += kIntroStep;
    }
    p.lines.push_back({std::string(kStart), kLineX, y - kIntroStep + kStartGap});
    return p;
}

PanelText LeagueIntro(League league) {
    switch (league) {
        case League::Minor:
            // Wide enough for "Welcome to the Minor Leagues!  There" inside the frame.
            return Intro(130, 375, 315, "Minor Leagues",
                         {"Welcome to the Minor Leagues!  There", "are now two types of food that your",
                          "customers want - to choose between", "them, press 'A' for popcorn or 'S'",
                          "for cola.  Good luck!"});
        case League::Major:
            return Intro(135, 372, 315, "Major Leagues",
                         {"You've made it to the Major Leagues!", "Customers now want <i>three</i> types of",
                          "food - use the 'A', 'S', and 'D' keys to", "select the food that you want to throw.",
                          "Good luck!"});
        default:
            return Intro(145, 358, 330, "Little League",
                         {"Welcome to the game! Serve up", "popcorn to your customers using",
                          "the arrow keys.  If you get in a", "bind, press the 'space bar' to",
                          "start a wave and buy yourself", "some time.  Good luck!"});
    }
}

PanelText BonusIntro() {
    return Intro(145, 350, 302, "Bonus Level",
                 {"You've earned a chance at the", "Bonus Level!  Catch the money", "for as long as possible while",
                  "avoiding the foul balls.</b>"});
}

}  // namespace

PanelText PanelFor(const PellawickGame& game) {
    switch (game.GetPanel()) {
        case Panel::LeagueIntro: return LeagueIntro(game.GetLeague());
        case Panel::BonusIntro: return BonusIntro();
        case Panel::InningWon: return InningWon(game.Inning());
        case Panel::Promoted: return Promoted(game.PromotedFrom());
        case Panel::Strike: return Strike(game.GetStadium());
        case Panel::GameWon: return GameWon();
        case Panel::GameOver: return GameOver();
        case Panel::None: break;
    }
    return {};
}

std::string Congratulation(int row, int score) {
    constexpr std::array<std::string_view, 5> kTexts = {
        "Congratulations!  You just entered the Pella Wick Hall of Fame with %s points!",
        "This Pella Wick is HOT!  You just reached the all-star score of %s points!",
        "Batter up!  You just broke a record with the outstanding score of %s points!",
        "Wow!  You\xB4re in a league of your own with the amazing high score of %s points!",
        "What a 'striking' high score!  You just earned %s points!",
    };
    if (row < 1 || row > static_cast<int>(kTexts.size())) return {};
    MoneyBuffer money;
    // The money format without its dollar sign is the score's.
    const std::string points = std::string(FormatMoney(score, money)).substr(1);
    const std::string_view text = kTexts[static_cast<size_t>(row - 1)];
    const size_t at = text.find("%s");
    return std::string(text.substr(0, at)) + (score < 0 ? "-" : "") + points + std::string(text.substr(at + 2));
}

CheerWords CheerWordsOf(int index) {
    constexpr std::array<CheerWords, 9> kWords = {{
        {"Wow!", ""}, {"Yay!", ""}, {"Way", "2 Go!"}, {"Woo", "Hoo!"}, {"Amaz", "ing!"},
        {"Good", "job!"}, {"U did", "it!"}, {"Yes!", ""}, {"Win", "ner!"},
    }};
    return kWords[static_cast<size_t>(std::clamp(index, 0, 8))];
}

}  // namespace pellawick
