#include "Apps/Slorrow/Sayings.h"

#include <algorithm>
#include <array>

namespace slorrow {
namespace {

using Sayings = std::array<std::string_view, kSayings>;

constexpr Sayings kBrambo = {
    "Ouch! That was\nmy best suit!",
    "I'd like to thank\nmy opponent for\nthat dirty campaign.",
    "No comment.",
    "My lawyers will\nbe in touch.",
    "That mud was\npaid for by\nspecial interests!",
    "I demand\na recount!",
    "Is that the best\nyou can do?",
    "I have never\nbeen so\ninsulted.\nToday.",
    "Mud washes off.\nYour record\ndoes not!",
    "Foul play!\nFoul play!",
    "This is a\nsmear campaign!",
    "I was\nmisquoted!",
    "That's not\nin the debate\nrules!",
    "My approval rating\njust went down\nmy collar.",
    "You call that\na policy?",
    "Let me be\nperfectly clear:\nthat stings.",
    "I'll have my\npress secretary\nspin that.",
    "Read my lips:\nyou missed\nnext time.",
    "Off the record:\nouch.",
    "The polls are\nwrong, and so\nis your aim!",
    "I stand by\nmy shoes.",
    "Next question!",
    "Whoever threw that\nhas my vote\nfor bad manners.",
    "That is a\nmuddy\nmisrepresentation!",
    "I'm rubber,\nyou're glue...\noh, never mind.",
    "Vote for me\nand nobody\ngets hurt!",
};

constexpr Sayings kQuillet = {
    "How dare you!",
    "That mud is\nan insult to\nhonest dirt!",
    "I have the\nvoters on\nmy side!",
    "My hairdresser\nwill hear\nabout this.",
    "You'll be\nhearing from\nmy committee!",
    "Unfair!\nUnfair!",
    "Mud slinger!",
    "That was a\ncheap shot,\nand cheap mud.",
    "I refuse to\nstoop to your\nlevel. Yet.",
    "I'll take\nthat as a\nconcession.",
    "Is that your\nwhole platform?",
    "My record\nis spotless.\nMy coat is not.",
    "The press will\nlove this.",
    "A vote for you\nis a vote for\nlaundry bills!",
    "I object!",
    "Careful, that\nwas my good\nside!",
    "The people will\nremember this\nin November!",
    "Now it's\npersonal.",
    "Nice throw.\nFor an amateur.",
    "That's going\nin my\nmemoirs.",
    "I was told there\nwould be no mud\nin this debate!",
    "Scandalous!",
    "My campaign\nmanager is\ngoing to\nfaint.",
    "Lies, lies,\nand mud!",
    "I demand equal\nmud time!",
    "You just lost\nthe clean\nvote!",
};

}  // namespace

std::vector<std::string_view> SayingLines(Character who, int index) {
    const Sayings& sayings = who == Character::Brambo ? kBrambo : kQuillet;
    std::string_view text = sayings[static_cast<size_t>(std::clamp(index, 0, kSayings - 1))];
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace slorrow
