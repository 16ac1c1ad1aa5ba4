#include <climits>
#include <cstring>
#include <span>
#include <vector>

#include "core/graphics/Image.h"
#include "core/text/CFont.h"
#include "frame/boundary/PixelBuffers.h"
#include "frame/graphics/tests/GraphicsTestSession.h"

namespace {

class ImageObjectTest : public GraphicsTestSession {
protected:
    IImage* NewImage(int width, int height, unsigned flags = 0) {
        return MakeImageObject(new CImage(&fonts_, width, height, flags));
    }
    static uint32_t PixelOf(IImage* image, int x, int y) {
        return Unwrap<CImage>(image)->GetRenderTarget().Pixel(x, y);
    }
    static int CountOf(IImage* image, uint32_t colour) {
        const CRenderTarget& target = Unwrap<CImage>(image)->GetRenderTarget();
        int count = 0;
        for (int y = 0; y < target.Height(); ++y) {
            for (int x = 0; x < target.Width(); ++x) count += target.Pixel(x, y) == colour ? 1 : 0;
        }
        return count;
    }
    // A 4 x 2 picture whose pixel (x, y) is 0x10 * y + x + 1.
    IImage* NumberedImage() {
        IImage* image = NewImage(4, 2);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 4; ++x) {
                image->SetCurColor(0, 0, 0x10 * y + x + 1);
                image->FillRect(x, y, x + 1, y + 1);
            }
        }
        return image;
    }
};

TEST_F(ImageObjectTest, DrawingIsClippedToThePicture) {
    Holding<IImage> image(NewImage(10, 8));
    image->SetCurColor(255, 0, 0);
    image->FillRect(INT_MIN, -5, INT_MAX, 1000);
    EXPECT_EQ(CountOf(image.get(), 0xFF0000), 80);
    image->SetCurColor(0, 255, 0);
    image->DrawLine(-100, 3, 100, 3);
    EXPECT_EQ(CountOf(image.get(), 0x00FF00), 10);
    // A frame whose every edge lies outside, and an inverted rectangle, draw nothing.
    image->FrameRect(-1, -1, 1 << 30, 1 << 30);
    image->FillRect(5, 5, 2, 2);
    EXPECT_EQ(CountOf(image.get(), 0x00FF00), 10);
    EXPECT_EQ(CountOf(image.get(), 0xFF0000), 70);

    // Source rectangles reaching outside the source read only what is there.
    Holding<IImage> source(NumberedImage());
    const int outside[] = {-3, -3, 40, 40};
    const int dst[] = {0, 0, 43, 43};
    EXPECT_EQ(image->Draw(dst, source.get(), outside), 0);
    EXPECT_EQ(PixelOf(image.get(), 3, 3), 0x01u);
    EXPECT_EQ(PixelOf(image.get(), 6, 4), 0x14u);
    EXPECT_EQ(PixelOf(image.get(), 2, 3), 0x00FF00u);
    EXPECT_EQ(PixelOf(image.get(), 7, 4), 0xFF0000u);
    EXPECT_EQ(CountOf(image.get(), 0xFF0000), 70 - 4);
    const int far[] = {1000, 1000, 1004, 1002};
    EXPECT_EQ(image->Draw(nullptr, source.get(), far), 0);
    EXPECT_EQ(CountOf(image.get(), 0xFF0000), 70 - 4);
    EXPECT_EQ(image->DrawAt(source.get(), -2, 7), 0);
    EXPECT_EQ(PixelOf(image.get(), 0, 7), 0x03u);
    EXPECT_EQ(PixelOf(image.get(), 1, 7), 0x04u);
    EXPECT_EQ(image->DrawAt(nullptr, 0, 0), 1);
    EXPECT_EQ(image->Draw(nullptr, nullptr, nullptr), 1);
}

TEST_F(ImageObjectTest, MirroredAndStretchedBlits) {
    Holding<IImage> source(NumberedImage());
    Holding<IImage> target(NewImage(4, 2));
    target->DrawAtEx(source.get(), 0, 0, kDrawMirrorLeftRight);
    EXPECT_EQ(PixelOf(target.get(), 0, 0), 0x04u);
    EXPECT_EQ(PixelOf(target.get(), 3, 1), 0x11u);
    target->DrawAtEx(source.get(), 0, 0, kDrawMirrorLeftRight | kDrawMirrorTopBottom);
    EXPECT_EQ(PixelOf(target.get(), 0, 0), 0x14u);
    EXPECT_EQ(PixelOf(target.get(), 3, 1), 0x01u);
    const int whole[] = {0, 0, 4, 2};
    target->DrawEx(whole, source.get(), whole, kDrawMirrorTopBottom);
    EXPECT_EQ(PixelOf(target.get(), 0, 0), 0x11u);

    Holding<IImage> wide(NewImage(8, 2));
    const int doubled[] = {0, 0, 8, 2};
    wide->Draw(doubled, source.get(), nullptr);
    EXPECT_EQ(PixelOf(wide.get(), 0, 0), 0x01u);
    EXPECT_EQ(PixelOf(wide.get(), 1, 0), 0x01u);
    EXPECT_EQ(PixelOf(wide.get(), 2, 0), 0x02u);
    EXPECT_EQ(PixelOf(wide.get(), 7, 1), 0x14u);

    // Keyed sources leave their key pixels out.
    Holding<IImage> keyed(NewImage(2, 1, CRenderTarget::kFlagColorKeyed));
    keyed->SetCurColor(9, 9, 9);
    keyed->FillRect(0, 0, 1, 1);
    target->DrawAt(keyed.get(), 0, 0);
    EXPECT_EQ(PixelOf(target.get(), 0, 0), 0x090909u);
    EXPECT_EQ(PixelOf(target.get(), 1, 0), 0x12u);
}

TEST_F(ImageObjectTest, PixelBuffersAreClippedToPictureAndBuffer) {
    Holding<IImage> image(NumberedImage());
    // The sanitizer build guards the words after the buffer.
    AppletPixelBuffer& buffer = *GamePixelBuffers().Create(3, 3, this);
    std::span<uint32_t> pixels(buffer.pixels, 9);
    const int huge[] = {-10, -10, 1000, 1000};
    EXPECT_EQ(image->ReadPixels(huge, &buffer, nullptr), 0);
    const int all[] = {0, 0, 4, 2};
    const int at[] = {1, 2};
    EXPECT_EQ(image->ReadPixels(all, &buffer, at), 0);
    EXPECT_EQ(pixels[2 * 3 + 1], 0x01u);
    EXPECT_EQ(pixels[2 * 3 + 2], 0x02u);
    EXPECT_EQ(image->ReadPixels(all, nullptr, nullptr), 1);
    EXPECT_EQ(image->ReadPixels(nullptr, &buffer, nullptr), 1);

    std::fill(pixels.begin(), pixels.begin() + 9, 0x777777u);
    pixels[0] = 0xFF00FF;  // the buffer's key: left out
    EXPECT_EQ(image->WritePixels(huge, &buffer, nullptr), 0);  // nothing of it meets the buffer
    EXPECT_EQ(PixelOf(image.get(), 2, 1), 0x13u);
    EXPECT_EQ(image->WritePixels(all, &buffer, nullptr), 0);
    EXPECT_EQ(PixelOf(image.get(), 0, 0), 0x01u);
    EXPECT_EQ(PixelOf(image.get(), 2, 1), 0x777777u);
    EXPECT_EQ(PixelOf(image.get(), 3, 1), 0x14u);
    EXPECT_EQ(image->WritePixels(all, nullptr, nullptr), 1);
    AppletPixelBuffer empty{};
    EXPECT_EQ(image->WritePixels(all, &empty, nullptr), 4);
    GamePixelBuffers().FreeAllOf(this);
}

TEST_F(ImageObjectTest, SetAndClearPixelsSkipWhatIsOutside) {
    Holding<IImage> image(NewImage(4, 4));
    const AppletColor green = 0x00FF00;
    std::vector<AppletPixelEntry> entries = {{0, 0, green}, {3, 3, green}, {-1, 2, green}, {4, 0, green},
                                             {2, 4, green}, {1, 1, 12345}};
    EXPECT_EQ(image->SetPixels(entries.data(), static_cast<int>(entries.size()), 1), 0);
    EXPECT_EQ(CountOf(image.get(), 0x00FF00), 2);
    EXPECT_EQ(image->SetPixels(entries.data(), -1, 1), 0);
    EXPECT_EQ(image->SetPixels(nullptr, 5, 1), 0);

    image->ClearToColor(5, 5, 5);
    EXPECT_EQ(image->ClearPixels(entries.data(), static_cast<int>(entries.size()), 1), 0);
    EXPECT_EQ(CountOf(image.get(), 0), 3);
    EXPECT_EQ(image->ClearPixels(entries.data(), 0, 1), 0);
    EXPECT_EQ(image->ClearPixels(nullptr, 3, 1), 0);
}

TEST_F(ImageObjectTest, TextLengthsAreCutToTheText) {
    Holding<IImage> image(NewImage(200, 40));
    int exact[2] = {0, 0}, longer[2] = {0, 0}, none[2] = {-1, -1};
    image->GetTextExtent(nullptr, "abc", 3, exact);
    image->GetTextExtent(nullptr, "abc", 1000, longer);
    EXPECT_GT(exact[0], 0);
    EXPECT_EQ(longer[0], exact[0]);
    EXPECT_EQ(longer[1], exact[1]);
    image->GetTextExtent(nullptr, "abc", -1, none);
    EXPECT_EQ(none[0], 0);
    EXPECT_EQ(none[1], 0);
    image->GetTextExtent(nullptr, nullptr, 3, none);
    EXPECT_EQ(none[0], 0);

    image->SetTextColor(255, 255, 255);
    image->SetTransparent(true);
    image->DrawText("abc", 0, 2, 2);
    image->DrawText("abc", -1, 2, 2);
    image->DrawText(nullptr, 5, 2, 2);
    EXPECT_EQ(CountOf(image.get(), 0xFFFFFF), 0);
    image->DrawText("abc", 1000, 2, 2);
    EXPECT_GT(CountOf(image.get(), 0xFFFFFF), 0);
}

TEST_F(ImageObjectTest, FontsAreHandedOutAsNewObjects) {
    Holding<IImage> image(NewImage(50, 20));
    Holding<IFont> font(NewFontObject(12, kFontBold | kFontItalic));
    EXPECT_EQ(image->SetFont(font.get()), 0);
    EXPECT_EQ(image->SetFont(nullptr), 0);  // keeps the font
    IFont* first = nullptr;
    IFont* second = nullptr;
    image->GetFont(&first);
    image->GetFont(&second);
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(Unwrap<CFont>(first), Unwrap<CFont>(font.get()));
    first->Release();

    char face[4];
    int size = 0, sizeClass = 0, style = 0;
    EXPECT_EQ(second->GetInfo(face, sizeof face, &size, &sizeClass, &style), 0);
    EXPECT_STREQ(face, "Ari");
    EXPECT_EQ(size, 12);
    EXPECT_EQ(sizeClass, 3);
    EXPECT_EQ(style, kFontBold | kFontItalic);
    EXPECT_EQ(second->GetInfo(nullptr, 0, nullptr, nullptr, nullptr), 0);
    int width = 0, height = 0;
    second->GetMetrics(&width, &height);
    EXPECT_GT(height, 0);
    second->Release();

    Holding<IFont> tiny(NewFontObject(6, 0));
    tiny->GetInfo(nullptr, 0, &size, &sizeClass, &style);
    EXPECT_EQ(sizeClass, 5);
}

TEST_F(ImageObjectTest, ColoursPolygonsAndQueries) {
    Holding<IImage> image(NewImage(10, 10));
    image->SetCurColor(300, 2, 3);  // clamped, as every colour setter clamps
    int r = 0, g = 0, b = 0;
    image->GetCurColor(&r, &g, &b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(b, 3);
    image->SetBackgroundColor(7, 8, 9);
    image->GetBackgroundColor(&r, &g, nullptr);
    EXPECT_EQ(g, 8);
    image->ClearToBackground();
    EXPECT_EQ(PixelOf(image.get(), 9, 9), 0x070809u);

    image->SetCurColor(255, 255, 0);
    const int line[] = {0, 0, 9, 9};
    image->DrawPolygon(line, 2);
    image->DrawPolygon(nullptr, 3);
    image->DrawPolygon(line, -4);
    EXPECT_EQ(CountOf(image.get(), 0xFFFF00), 0);
    const int triangle[] = {0, 0, 9, 0, 0, 9};
    image->DrawPolygon(triangle, 3);
    EXPECT_GT(CountOf(image.get(), 0xFFFF00), 10);

    EXPECT_EQ(image->TargetQuery(0), 2);
    EXPECT_EQ(image->Resize(20, 5), 0);
    int width = 0, height = 0;
    image->GetSize(&width, &height);
    EXPECT_EQ(width, 20);
    EXPECT_EQ(height, 5);
    EXPECT_NE(image->Resize(-1, 5), 0);
    image->GetSize(&width, nullptr);
    EXPECT_EQ(width, 20);
}

}  // namespace
