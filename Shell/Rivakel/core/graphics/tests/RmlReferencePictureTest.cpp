#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/graphics/tests/RmlTestSupport.h"

// A page that uses every tag, drawn with the bitmap font, against a picture that a person looked
// at and accepted. A mismatch leaves the actual picture in the build folder for review.
namespace {

constexpr int kPageWidth = 500;
constexpr int kPageHeight = 420;

constexpr std::string_view kPageText =
    "<C><H1>Welcome to Rivakel</C>\n"
    "<H4></B><S3>Plain text in size 3 wraps inside the box when a line is full, breaking at blanks. "
    "<B>Bold</B>, <I>italic</I>, <U>underlined</U> and <SH>shadowed</SH> words.<BR>\n"
    "<CFF4040>Red</C40FF40> green <c8080ff>blue<CFFFFFF> white.<P>\n"
    "<S0>S0<S1>S1<S2>S2<S3>S3<S4>S4<S5>S5<S+>up<S->down<S3><BR>\n"
    "<FCourier>Face tag</FArial> back again.<BR>\n"
    "<E>An ellipsis cuts this very long line of text that would never fit into the box</E><BR>\n"
    "<N>No-wrap keeps this long line in one piece even past the right edge</N><BR>\n"
    "Links: <A1>Play</A> or <A2>Download now</A> and a wrapped <A3>label that goes on and on</A>.<BR>\n"
    "</T>Opaque background<T> and <C>centred</C>\n"
    "<H6>Heading six\n";

std::string PathFrom(const char* variable, const char* fallback, std::string_view tail) {
    const char* root = std::getenv(variable);
    return std::string(root != nullptr ? root : fallback) + std::string(tail);
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
    auto image = NewImage(kPageWidth, kPageHeight, 0x406080);
    FakeLinkFactory links;
    ASSERT_EQ(Render(*image, kPageText, {10, 10, 490, 370}, &links), 0);
    // Links draw their own labels; the picture shows where they were placed.
    image->SetCurColor(255, 255, 0);
    for (const MadeLink& link : links.made) {
        image->FrameRect(link.area.left, link.area.top, link.area.right - 1, link.area.bottom - 1);
    }
    ASSERT_EQ(Render(*image, "<S4><A5>Without a link maker a label is underlined text</A>", {10, 380, 490, 410}), 0);
    EXPECT_EQ(links.made.size(), 4u);

    const char* source = std::getenv("RIVAKEL_SOURCE_DIR");
    const std::string reference =
        source != nullptr ? std::string(source) + "/Shell/Rivakel/core/graphics/tests/data/RmlReference.ppm"
                          : (std::filesystem::path(__FILE__).parent_path() / "data" / "RmlReference.ppm").string();
    std::ifstream in(reference, std::ios::binary);
    const std::string expected{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string picture = PpmBytes(*image);
    if (picture != expected) {
        const std::string actual = PathFrom("RIVAKEL_BINARY_DIR", ".", "/RmlReference.actual.ppm");
        std::ofstream(actual, std::ios::binary) << picture;
        ADD_FAILURE() << "the page differs from " << reference << "; the actual picture is " << actual;
    }
}

}  // namespace
