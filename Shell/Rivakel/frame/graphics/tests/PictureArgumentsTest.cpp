// What games hand to pictures with their arrays and buffers: counts that lie, pixel-buffer
// records the shell did not make or whose fields the game overwrote, colours out of range.
#include <climits>
#include <vector>

#include "core/graphics/Image.h"
#include "core/graphics/Surface.h"
#include "frame/api/AppletResults.h"
#include "frame/boundary/PixelBuffers.h"
#include "frame/graphics/tests/GraphicsTestSession.h"

namespace {

class PictureArgumentsTest : public GraphicsTestSession {
protected:
    ~PictureArgumentsTest() override { GamePixelBuffers().FreeAllOf(this); }

    IImage* NewImage(int width, int height) { return MakeImageObject(new CImage(&fonts_, width, height, 0)); }
    static const CRenderTarget& Target(IImage* image) { return Unwrap<CImage>(image)->GetRenderTarget(); }
    AppletPixelBuffer* NewBuffer(int width, int height) { return GamePixelBuffers().Create(width, height, this); }
};

TEST_F(PictureArgumentsTest, CountsBeyondAnyArrayAreRefusedUnread) {
    Holding<IImage> image(NewImage(4, 4));
    Holding<ISurface> surface(MakeSurfaceObject(new CSurface(4, 4, 0)));
    image->ClearToColor(1, 2, 3);
    // One entry behind each count: reading as far as the count says would read far past it.
    const AppletPixelEntry entry{1, 1, 0xABCDEF};
    const int pair[2] = {0x010203, 0x040506};
    const int points[6] = {0, 0, 3, 0, 0, 3};
    for (int count : {INT_MAX, INT_MAX - 1, 1 << 30}) {
        EXPECT_EQ(image->SetPixels(&entry, count, 0), applet::kUnknownObject) << count;
        EXPECT_EQ(image->ClearPixels(&entry, count, 0), applet::kUnknownObject) << count;
        EXPECT_EQ(image->ReplaceColors(count, pair), applet::kUnknownObject) << count;
        EXPECT_EQ(surface->ReplaceColors(count, pair), applet::kUnknownObject) << count;
        image->DrawPolygon(points, count);
    }
    EXPECT_EQ(Target(image.get()).Pixel(1, 1), 0x010203u);
    EXPECT_EQ(Target(image.get()).Pixel(0, 0), 0x010203u);

    // Counts that match their arrays still work, in blocks however long the list.
    std::vector<AppletPixelEntry> many(5000, entry);
    many.back() = {3, 3, 0x00FF00};
    EXPECT_EQ(image->SetPixels(many.data(), static_cast<int>(many.size()), 0), 0);
    EXPECT_EQ(Target(image.get()).Pixel(1, 1), 0xABCDEFu);
    EXPECT_EQ(Target(image.get()).Pixel(3, 3), 0x00FF00u);
    EXPECT_EQ(image->ClearPixels(many.data(), static_cast<int>(many.size()), 0), 0);
    EXPECT_EQ(Target(image.get()).Pixel(3, 3), 0u);
}

TEST_F(PictureArgumentsTest, PixelBuffersAreTheShellsOwnWhateverTheRecordSays) {
    Holding<IImage> image(NewImage(4, 4));
    image->ClearToColor(0, 0, 9);
    const int all[] = {0, 0, 4, 4};

    // A record the game made itself is refused and nothing is read or written.
    std::vector<uint32_t> own(4, 7u);
    AppletPixelBuffer forged{0xFF00FF, 2, 2, own.data()};
    EXPECT_EQ(image->ReadPixels(all, &forged, nullptr), applet::kUnknownObject);
    EXPECT_EQ(image->WritePixels(all, &forged, nullptr), applet::kUnknownObject);
    EXPECT_EQ(own, std::vector<uint32_t>(4, 7u));
    EXPECT_EQ(Target(image.get()).Pixel(0, 0), 9u);

    // A record of the shell's whose size and pixels the game changed: the shell's own are used.
    AppletPixelBuffer* buffer = NewBuffer(2, 2);
    uint32_t* pixels = buffer->pixels;
    buffer->width = INT_MAX;
    buffer->height = INT_MAX;
    buffer->pixels = own.data();
    EXPECT_EQ(image->ReadPixels(all, buffer, nullptr), 0);
    EXPECT_EQ(own, std::vector<uint32_t>(4, 7u));
    EXPECT_EQ(std::vector<uint32_t>(pixels, pixels + 4), std::vector<uint32_t>(4, 9u));
    pixels[3] = 0x123456;
    EXPECT_EQ(image->WritePixels(all, buffer, nullptr), 0);
    EXPECT_EQ(Target(image.get()).Pixel(1, 1), 0x123456u);
    EXPECT_EQ(Target(image.get()).Pixel(2, 2), 9u);

    // The colour key is the game's to choose.
    buffer->colourKey = 0x123456;
    image->ClearToColor(0, 0, 1);
    EXPECT_EQ(image->WritePixels(all, buffer, nullptr), 0);
    EXPECT_EQ(Target(image.get()).Pixel(1, 1), 1u);
    EXPECT_TRUE(GamePixelBuffers().Free(buffer));
    EXPECT_EQ(image->ReadPixels(all, buffer, nullptr), applet::kUnknownObject);
}

TEST_F(PictureArgumentsTest, EveryColourSetterClampsTheChannelsAlike) {
    Holding<IImage> image(NewImage(2, 2));
    using Setter = int (IImage::*)(int, int, int);
    using Getter = int (IImage::*)(int*, int*, int*);
    const std::pair<Setter, Getter> pairs[] = {{&IImage::SetCurColor, &IImage::GetCurColor},
                                               {&IImage::SetTextColor, &IImage::GetTextColor},
                                               {&IImage::SetBackgroundColor, &IImage::GetBackgroundColor}};
    for (const auto& [set, get] : pairs) {
        (image.get()->*set)(300, -1, INT_MIN);
        int r = 0, g = 0, b = 0;
        (image.get()->*get)(&r, &g, &b);
        EXPECT_EQ(r, 255);
        EXPECT_EQ(g, 0);
        EXPECT_EQ(b, 0);
    }
    image->ClearToColor(256, INT_MAX, -7);
    EXPECT_EQ(Target(image.get()).Pixel(1, 1), 0xFFFF00u);
}

}  // namespace
