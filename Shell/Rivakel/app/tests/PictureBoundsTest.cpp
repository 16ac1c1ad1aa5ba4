// Pictures from the data folder and from games are decoded no larger than the place that shows
// them: a picture of a few bytes that declares frames of 4096 x 4096 pixels is refused in every
// place of an installed portal, and every game's own logo still loads.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/gif/tests/GifTestWriter.h"
#include "frame/cardbacks/CardbackSelector.h"
#include "frame/host/GameHost.h"
#include "frame/host/GameInfo.h"
#include "frame/shell/ShellPage.h"
// The card game runs here, named by the test.
#define SHELL_TEST_GAME ""
#include "frame/shell/tests/ShellSession.h"

namespace {

namespace fs = std::filesystem;

// Three frames of one pixel on a 4096 x 4096 screen, within the decoder's general caps: each
// frame composed is 64 MB.
std::vector<uint8_t> HugeGif() {
    giftest::File file;
    file.width = file.height = 4096;
    file.globalTable = {0x000000, 0xFFFFFF};
    giftest::Frame pixel;
    pixel.width = pixel.height = 1;
    pixel.indices = {1};
    file.frames.assign(3, pixel);
    return giftest::Write(file);
}

void Write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// Surfaces of the window's tree larger than the window, by size.
void FindOversized(const CSurface& surface, int width, int height, std::vector<std::string>& found) {
    int w = 0, h = 0;
    surface.GetSize(w, h);
    if (w > width || h > height) found.push_back(std::to_string(w) + "x" + std::to_string(h));
    for (const CSurface* child : surface.Children()) FindOversized(*child, width, height, found);
}

class PictureBoundsTest : public ShellSession {
protected:
    fs::path System() const { return root_ / "data" / "Rivakel" / "System"; }

    // The portal scripts/run.sh starts, its games and store, with the huge picture in every place
    // a file can put one: a banner, a catalogue's icon and page, a cardback (chosen, so the card
    // game draws it) and a game's logo.
    void InstallHostilePictures() {
        fs::copy(RIVAKEL_BINARY_DIR "/portal/Rivakel", root_ / "data" / "Rivakel", fs::copy_options::recursive);
        const std::vector<uint8_t> bytes = HugeGif();
        const std::string huge(bytes.begin(), bytes.end());
        Write(System() / "Banners" / "sbn-huge.rdt",
              "<RDT><Banner><DateStart>0</DateStart><DateExp>4000000000</DateExp><GUID>{A}</GUID>"
              "<IMG>huge.gif</IMG><URL>https://www.rivakel.example/</URL></Banner></RDT>");
        Write(System() / "Banners" / "huge.gif", huge);
        Write(System() / "Catalogs" / "spc-huge.rdt",
              "<RDT><Catalog><DateStart>0</DateStart><DateExp>4000000000</DateExp><GUID>{C}</GUID>"
              "<IMG>huge-page.gif</IMG><ICON>huge-icon.gif</ICON><Title>Huge</Title><coloractive>ff9900</coloractive>"
              "<Map><Area><SHAPE>DEFAULT</SHAPE><HREF>https://www.rivakel.example/</HREF></Area></Map></Catalog></RDT>");
        Write(System() / "Catalogs" / "huge-page.gif", huge);
        Write(System() / "Catalogs" / "huge-icon.gif", huge);
        Write(System() / "Skins" / "Cardbacks" / "cbk-huge.rdt",
              "<RDT><cardback><GUID>{B}</GUID><ORGANIZATION>o</ORGANIZATION><TITLE>Huge</TITLE><TAG>t</TAG>"
              "<VERSION>1</VERSION></cardback></RDT>");
        Write(System() / "Skins" / "Cardbacks" / "cbk-huge.gif", huge);
        Write(System() / "Core.rdt", "<RDT><Shell><CardBack>cbk-huge.gif</CardBack></Shell></RDT>");
        fs::create_directories(root_ / "data" / "Rivakel" / "Games" / "HugeLogo");
        fs::copy_file(TEST_GAMES_DIR "/TestGameHugeLogo.gam", root_ / "data" / "Rivakel" / "Games" / "HugeLogo" / "HugeLogo.gam");
    }
};

TEST_F(PictureBoundsTest, EveryPlaceRefusesAPictureLargerThanItShowsAndEveryGamesLogoLoads) {
    InstallHostilePictures();
    setenv(kDevGameVariable, CARDBACK_TEST_GAME, 1);
    Start();
    ASSERT_TRUE(TheShell().GameRunning());
    int width = 0, height = 0;
    TheShell().GetSize(width, height);
    struct Place {
        const char* name;
        std::function<void()> show;
    };
    const Place places[] = {
        {"the banner and the catalogue's spot", [] {}},
        {"the catalogue's page", [&] { Click(655 + 60, 53 + 30); }},
        {"the cardback selector", [&] {
             TheShell().ShowPage(page_name::kSettings);
             ShowCardbackSelector(TheShell());
         }},
        {"the games page", [&] { TheShell().ShowPage(page_name::kGames); }},
    };
    // The card game draws its cards from the cardback it was given: none, on its green table.
    EXPECT_EQ(Pixel(189 + 60 + 24, 129 + 180 + 33), 0x006633u);
    for (const Place& place : places) {
        place.show();
        Pump(100);
        std::vector<std::string> oversized;
        FindOversized(TheShell(), width, height, oversized);
        EXPECT_TRUE(oversized.empty()) << place.name << " shows a surface of " << oversized.front();
    }
    EXPECT_EQ(TheShell().CurrentPage(), page_name::kGames);

    // Each game's logo, from its module as the games page reads it.
    int games = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root_ / "data" / "Rivakel" / "Games")) {
        if (entry.path().extension() != ".gam") continue;
        ++games;
        GameInfo info;
        ASSERT_EQ(GameHost()->ReadGameInfo(entry.path().string(), info), kHostOk) << entry.path();
        ASSERT_NE(info.logo, nullptr) << entry.path();
        EXPECT_EQ(info.logo->IsValid(), entry.path().stem() != "HugeLogo") << entry.path();
        info.logo->ReleaseInternalRef();
    }
    EXPECT_GE(games, 13);
}

}  // namespace
