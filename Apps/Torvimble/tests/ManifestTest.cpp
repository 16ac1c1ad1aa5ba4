// The module's manifest carries every picture and sound the tables ask for by name (the button
// looks as the kit names them), the help pages, and the string table the portal reads.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "Apps/Common/ImageButton.h"

namespace {

struct Manifest {
    std::set<std::string> resources;
    std::map<int, std::string> strings;
};

Manifest ReadManifest() {
    Manifest manifest;
    std::ifstream in(std::string(RIVAKEL_SOURCE_DIR) + "/Apps/Torvimble/Torvimble.manifest");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string kind;
        words >> kind;
        if (kind == "RCDATA") {
            std::string name;
            words >> name;
            manifest.resources.insert(name);
        } else if (kind == "string") {
            int id = 0;
            words >> id;
            std::string text;
            std::getline(words >> std::ws, text);
            manifest.strings[id] = text;
        }
    }
    return manifest;
}

TEST(ManifestTest, EveryNamedPictureSoundAndPageIsPacked) {
    const Manifest manifest = ReadManifest();
    std::set<std::string> wanted = {
        "img-titlescreen-500x420.gif", "img-background-500x420.gif", "slb-background_rug-430x324.gif",
        "slb-background_rug-430-253.gif", "img-blackjack_header.gif", "img-inbetween_header.gif", "img-poker_header.gif",
        "slb-dealer_score-130x35.gif", "slb-player_score-130x35.gif", "slb-face_panel-149x111.gif",
        "slb-bet_panel-227x66.gif", "slb-mebet_panel-148x108.gif", "slb-videopoker_winpanel-268.gif",
        "img-horizontalruler-216x12.gif", "img-horizontalruler-328x12.gif", "slb-blackjack_status-53x47.gif",
        "slb-inbetween-status-380x46.gif", "slb-inbetween_cardvalue-52x48.gif", "slb-inbetween_winstrip-355x.gif",
        "img-inbetween_win_indicator.gif", "img-inbetween_raisetext-128x21.gif", "img-inbetween_3kindtext-128x21.gif",
        "img-inbetween_drawtext-128x21.gif", "img-oggosleep-75x75.gif", "img-oggolaugh-75x75.gif",
        "img-oggomad-75x75.gif", "img-oggosmug01-75x75.gif", "img-oggolookdown-75x75.gif", "img-oggosmug-75x75.gif",
        "img-card-front-50x66.gif", "img-card-back-50x66.gif", "slb-card-numbers-11x14x13x4.gif",
        "slb-card-suits-10x10x4x2.gif", "img-ace_of_clubs-33x33.gif", "img-ace_of_spades-33x33.gif",
        "img-ace_of_hearts-33x33.gif", "img-ace_of_diamonds-33x33.gif", "img-redking-29x28.gif",
        "img-Blackking-29x28.gif", "img-redqueen-29x28.gif", "img-Blackqueen-29x28.gif", "img-redjoker-29x28.gif",
        "img-Blackjoker-29x28.gif", "Egg.gif", "img-shellicon-80x60.gif", "Help.rml", "Help_Poker.rml", "Help_21.rml",
        "Help_BSplit.rml", "snd-Card-Deal.wav", "snd-Card-Flip.wav", "snd-gamestart1.wav", "snd-disbtn2.wav",
        "snd-open-game.wav", "snd-player-lose-laugh.wav", "snd-player-win.wav", "snd-small-button.wav",
    };
    for (int bet = 1; bet <= 5; ++bet) wanted.insert("slb-bet" + std::to_string(bet) + "_payout-40x145.gif");
    const ButtonLook four[] = {ButtonLook::Normal, ButtonLook::Pressed, ButtonLook::Hover, ButtonLook::Disabled};
    for (const char* action : {"btn-double-75x36.gif", "btn-Split-75x36.gif", "btn-Stand-75x36.gif", "btn-Hit-75x36.gif",
                               "btn-deal-75x36.gif"})
        for (const ButtonLook look : four) wanted.insert(LookPictureName(action, look));
    for (const ButtonLook look : {ButtonLook::Normal, ButtonLook::Pressed, ButtonLook::Hover})
        wanted.insert(LookPictureName("btn-MainMenu-76x24.gif", look));
    for (const std::string toggle : {"btn-hold-34x34.gif", "btn-bet1-34x34.gif", "btn-bet2-34x34.gif", "btn-bet3-34x34.gif",
                                     "btn-bet4-34x34.gif", "btn-bet5-34x34.gif"}) {
        for (const ButtonLook look : four) wanted.insert(LookPictureName(toggle, look));
        wanted.insert(LookPictureName(toggle, ButtonLook::DisabledSelected));
    }
    for (const std::string& name : wanted) EXPECT_TRUE(manifest.resources.count(name)) << name << " is not packed";
    int pictures = 0;
    for (const std::string& name : manifest.resources) pictures += name.ends_with(".gif") ? 1 : 0;
    EXPECT_EQ(pictures, 103) << "the 102 pictures and the tile";
}

TEST(ManifestTest, StringTableNamesTheGame) {
    const Manifest manifest = ReadManifest();
    EXPECT_EQ(manifest.strings.at(3), "00.01.01.13");
    EXPECT_EQ(manifest.strings.at(4), "Torvimble");
    EXPECT_EQ(manifest.strings.at(5), "{6934F453-91A5-4910-A527-41732408C021}");
    EXPECT_TRUE(manifest.resources.count(manifest.strings.at(6))) << "the tile is packed";
    EXPECT_EQ(manifest.strings.at(7), "card");
    EXPECT_EQ(manifest.strings.at(8), "Mix");
    EXPECT_EQ(manifest.strings.at(1000), "LANG_ENGLISH");
}

}  // namespace
