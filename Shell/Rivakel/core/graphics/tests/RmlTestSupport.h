// Shared set-up of the rich-text tests: the bitmap font, images, a fake link factory and pixel
// comparison against text drawn piece by piece.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/graphics/Image.h"
#include "core/graphics/RmlRenderer.h"
#include "core/text/CSubsystem_Font.h"
#include "platform/fonts/Fonts.h"

struct MadeLink {
    platform::Rect area;
    std::string label;
    int number = 0;
    int sizeIndex = 0;
    int style = 0;
};

class FakeLinkFactory : public IRmlLinkFactory {
public:
    // The image takes the only reference, so the link lives as long as the image keeps it.
    CRefCounted* CreateLink(const RmlLinkRequest& request) override {
        made.push_back({request.area, std::string(request.label), request.number, request.sizeIndex, request.style});
        return new CRefCounted();
    }
    std::vector<MadeLink> made;
};

// Text expected at a place, in the bitmap font of that size and style.
struct ExpectedPiece {
    std::string text;
    int x = 0, y = 0;
    int size = 18;
    int style = 0;
    uint32_t colour = 0xFFFFFF;
};

class RmlTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 300;
    static constexpr int kHeight = 200;

    std::unique_ptr<CImage> NewImage(int width = kWidth, int height = kHeight, uint32_t paper = 0) {
        auto image = std::make_unique<CImage>(&fonts_, width, height, 0);
        image->ClearToColor(static_cast<uint8_t>(paper >> 16), static_cast<uint8_t>(paper >> 8),
                            static_cast<uint8_t>(paper));
        return image;
    }

    int Render(CImage& image, std::string_view text, platform::Rect box, IRmlLinkFactory* links = nullptr,
               unsigned flags = 0, int x = -1, int y = -1) {
        return RenderRMLText(image, &fonts_, x < 0 ? box.left : x, y < 0 ? box.top : y, box, flags, text, links);
    }

    // An image with exactly the given pieces drawn on `paper`.
    std::unique_ptr<CImage> Expected(const std::vector<ExpectedPiece>& pieces, int width = kWidth,
                                     int height = kHeight, uint32_t paper = 0) {
        auto image = NewImage(width, height, paper);
        for (const ExpectedPiece& piece : pieces) {
            CFont* font = fonts_.CreateFont("Arial", piece.size, piece.style);
            CRenderTarget& target = image->GetRenderTarget();
            target.SetTextColor(static_cast<uint8_t>(piece.colour >> 16), static_cast<uint8_t>(piece.colour >> 8),
                                static_cast<uint8_t>(piece.colour));
            const TextFont textFont{&font->PlatformFont(), (piece.style & kFontUnderline) != 0, false};
            target.DrawText(textFont, piece.x, piece.y, {0, 0, width, height}, piece.text.c_str(), -1, true);
            font->ReleaseInternalRef();
        }
        return image;
    }

    static ::testing::AssertionResult SamePixels(const CImage& actual, const CImage& expected) {
        const CRenderTarget& a = actual.GetRenderTarget();
        const CRenderTarget& e = expected.GetRenderTarget();
        if (a.Width() != e.Width() || a.Height() != e.Height()) return ::testing::AssertionFailure() << "sizes differ";
        for (int y = 0; y < a.Height(); ++y) {
            for (int x = 0; x < a.Width(); ++x) {
                if (a.Pixel(x, y) != e.Pixel(x, y)) {
                    return ::testing::AssertionFailure() << "first difference at (" << x << ", " << y << "): "
                                                         << std::hex << a.Pixel(x, y) << " instead of " << e.Pixel(x, y);
                }
            }
        }
        return ::testing::AssertionSuccess();
    }

    // The bounding box of the pixels of `colour`; empty when there are none.
    static platform::Rect InkBox(const CImage& image, uint32_t colour) {
        const CRenderTarget& t = image.GetRenderTarget();
        platform::Rect box{t.Width(), t.Height(), 0, 0};
        for (int y = 0; y < t.Height(); ++y) {
            for (int x = 0; x < t.Width(); ++x) {
                if (t.Pixel(x, y) != colour) continue;
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
            }
        }
        return box;
    }

    CSubsystem_Font fonts_{[](const platform::FontRequest& r) { return platform::OpenBitmapFont(r); }};
};
