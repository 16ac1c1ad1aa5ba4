// The help pages drawn as the game draws them, with the machine's fonts: every line fits the
// page, and the places where the links go are left clear.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Apps/Common/MarkupText.h"
#include "harness/InProcessRecord.h"
#include "core/store/tests/StoreTestFolder.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

constexpr uint32_t kOrange = 0xFF9900;
constexpr int kPageWidth = 500, kPageHeight = 420;

// The first quoted string of the file, line ends as blanks.
std::string HelpText(const std::string& name) {
    std::ifstream in(std::string(RIVAKEL_SOURCE_DIR) + "/Apps/Torvimble/" + name, std::ios::binary);
    std::stringstream whole;
    whole << in.rdbuf();
    const std::string file = whole.str();
    const size_t open = file.find('"'), close = file.find('"', open + 1);
    if (open == std::string::npos || close == std::string::npos) return {};
    std::string text = file.substr(open + 1, close - open - 1);
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

struct Link {
    int x, y;
};

TEST(HelpPagesTest, TextFitsThePageAndLeavesTheLinksClear) {
    struct Case {
        const char* file;
        std::vector<Link> links;
    };
    const Case cases[] = {
        {"Help.rml", {{253, 130}, {240, 175}, {308, 220}}},
        {"Help_Poker.rml", {{10, 310}}},
        {"Help_21.rml", {{170, 340}}},
        {"Help_BSplit.rml", {}},
        {"HiddenPage.rml", {}},
    };
    StoreTestFolder folder;
    CAppletHarness harness({folder.Path()});
    harness.Headless()->SetSystemFonts(true);
    InProcessRecord inProcess(harness);
    for (const Case& c : cases) {
        const std::string text = HelpText(c.file);
        ASSERT_FALSE(text.empty()) << c.file;
        EXPECT_LT(text.size(), 10000u) << c.file;
        ISurface* sheet = harness.Factory()->CreateSurface(kPageWidth, kPageHeight, 0);
        inProcess.record->gameArea->AttachSurface(sheet);
        IImage* page = sheet->GetImageDirect();
        page->ClearToColor(255, 153, 0);
        DrawMarkupText(page, text, 0, 10, *harness.Factory());
        page->Release();
        harness.Pump();
        std::vector<uint32_t> pixels(kPageWidth * kPageHeight);
        for (int y = 0; y < kPageHeight; ++y)
            for (int x = 0; x < kPageWidth; ++x) pixels[static_cast<size_t>(y * kPageWidth + x)] = harness.GamePixel(x, y);
        inProcess.record->gameArea->DetachSurface(sheet);
        sheet->Release();
        const auto inked = [&](int left, int top, int right, int bottom) {
            for (int y = top; y < bottom; ++y)
                for (int x = left; x < right; ++x)
                    if (pixels[static_cast<size_t>(y * kPageWidth + x)] != kOrange) return true;
            return false;
        };
        EXPECT_FALSE(inked(kPageWidth - 4, 0, kPageWidth, kPageHeight)) << c.file << ": a line runs off the page";
        for (const Link& link : c.links)
            EXPECT_FALSE(inked(link.x, link.y + 2, std::min(kPageWidth, link.x + 190), link.y + 14))
                << c.file << ": text under the link at " << link.x << "," << link.y;
    }
}

}  // namespace
