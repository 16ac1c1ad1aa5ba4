#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/graphics/tests/RmlTestSupport.h"

// A page that uses every tag, drawn with the bitmap font, against a picture that a person looked
// at and accepted. A mismatch leaves the actual picture in the build folder for review. rmlview
// shows the same file in a real window.
namespace {

constexpr int kPageWidth = 500;
constexpr int kPageHeight = 420;

std::string PathFrom(const char* variable, const char* fallback, std::string_view tail) {
    const char* root = std::getenv(variable);
    return std::string(root != nullptr ? root : fallback) + std::string(tail);
}

std::string DataFile(std::string_view name) {
    // The build's own source folder: __FILE__ may be relative when a compiler cache rewrites paths.
    return std::string(RIVAKEL_SOURCE_DIR) + "/Shell/Rivakel/core/graphics/tests/data/" + std::string(name);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Binary PPM (P6): the picture format that needs no library and that image tools read.
std::string PpmBytes(const CImage& image) {
    const CRenderTarget& t = image.GetRenderTarget();
    std::string out = "P6\n" + std::to_string(t.Width()) + ' ' + std::to_string(t.Height()) + "\n255\n";
    out.reserve(out.size() + static_cast<size_t>(t.Width()) * static_cast<size_t>(t.Height()) * 3);
    for (int y = 0; y < t.Height(); ++y) {
        for (int x = 0; x < t.Width(); ++x) {
            const uint32_t p = t.Pixel(x, y);
            out += static_cast<char>(p >> 16);
            out += static_cast<char>(p >> 8);
            out += static_cast<char>(p);
        }
    }
    return out;
}

TEST_F(RmlTest, APageWithEveryTagMatchesTheReviewedPicture) {
    const std::string page = ReadBytes(DataFile("EveryTag.rml"));
    ASSERT_NE(page.find("<A1>"), std::string::npos) << "the page file is missing";
    auto image = NewImage(kPageWidth, kPageHeight, 0xFFFFFF);
    image->SetTextColor(0, 0, 0);
    image->SetBackgroundColor(255, 240, 160);
    FakeLinkFactory links;
    ASSERT_EQ(Render(*image, page, {10, 10, 490, 370}, &links), 0);
    // Links draw their own labels; the picture shows where they were placed.
    image->SetCurColor(0, 0, 255);
    for (const MadeLink& link : links.made) {
        image->FrameRect(link.area.left, link.area.top, link.area.right - 1, link.area.bottom - 1);
    }
    ASSERT_EQ(Render(*image, "<S4><A5>Without a link maker a label is underlined text</A>", {10, 380, 490, 410}), 0);
    EXPECT_EQ(links.made.size(), 4u);

    const std::string reference = DataFile("RmlReference.ppm");
    const std::string expected = ReadBytes(reference);
    const std::string picture = PpmBytes(*image);
    if (picture != expected) {
        const std::string actual = PathFrom("RIVAKEL_BINARY_DIR", ".", "/RmlReference.actual.ppm");
        std::ofstream(actual, std::ios::binary) << picture;
        ADD_FAILURE() << "the page differs from " << reference << "; the actual picture is " << actual;
    }
}

}  // namespace
