// The Games page of the portal as scripts/run.sh starts it, every game built installed, in a real
// window: each game's tile shows a picture of the game, not a flat ground with a shape or two.
#include <filesystem>
#include <map>

#include "frame/games/GameTile.h"
#include "frame/shell/tests/WindowSession.h"

// The sanitizer build's leak check at the end of this test program: the desktop bus library
// behind the window keeps a buffer for the process's life.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }

namespace {

namespace fs = std::filesystem;

constexpr platform::Point kPageAt{189, 129};
constexpr int kLogoWidth = 80, kLogoHeight = 60;

class GameTilesUnderXvfb : public WindowSession {};

TEST_F(GameTilesUnderXvfb, EveryBuiltGamesTileShowsAPictureOfTheGame) {
    const fs::path portal = fs::path(RIVAKEL_BINARY_DIR) / "portal" / "Rivakel";
    ASSERT_TRUE(fs::is_directory(portal / "Games")) << "the build's portal folder (target rivakel_portal)";
    fs::copy(portal, root_ / "data" / "Rivakel", fs::copy_options::recursive);
    size_t built = 0;
    for ([[maybe_unused]] const auto& folder : fs::directory_iterator(portal / "Games")) ++built;

    StartInWindow(false);
    Shell()->ShowPage(page_name::kGames);
    Run(std::chrono::milliseconds(300));
    const std::vector<uint32_t> shown = Shown();
    ASSERT_FALSE(shown.empty());

    size_t tiles = 0;
    for (CSurface* child : Shell()->PageSurface()->Children()) {
        const auto* tile = dynamic_cast<CGameTile*>(child);
        if (tile == nullptr || !tile->Framed()) continue;
        ++tiles;
        int x = 0, y = 0;
        tile->GetLoc(x, y);
        // The logo lies at (1, 1) inside the tile's black frame.
        std::map<uint32_t, int> colours;
        for (int py = 0; py < kLogoHeight; ++py) {
            for (int px = 0; px < kLogoWidth; ++px) {
                const int wx = kPageAt.x + x + 1 + px, wy = kPageAt.y + y + 1 + py;
                ++colours[shown[static_cast<size_t>(wy) * 800 + wx]];
            }
        }
        int commonest = 0;
        for (const auto& [colour, count] : colours) commonest = std::max(commonest, count);
        EXPECT_LT(commonest, kLogoWidth * kLogoHeight / 2) << Shell()->Games().Entry(tile->Row())->name;
    }
    EXPECT_EQ(tiles, built);
}

}  // namespace
