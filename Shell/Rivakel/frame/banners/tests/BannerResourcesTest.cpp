// The shell's own pictures and data for the spots and the cardbacks, under the names the code
// asks for, at the sizes and frame counts it relies on; and the built-in catalogue reads whole,
// with its pictures and an image map within them.
#include <gtest/gtest.h>

#include "core/gif/GifDecoder.h"
#include "core/resources/ResourceModule.h"
#include "frame/banners/AdBanner.h"
#include "frame/banners/BannerFolder.h"
#include "frame/banners/BannerFile.h"

namespace {

GifImage Decode(std::string_view name) {
    GifImage image;
    const auto data = resources::ResourceModule::Own()->FindData(name);
    EXPECT_TRUE(data) << name;
    if (data) {
        EXPECT_EQ(DecodeGif(*data, image, name), kGifOk) << name;
    }
    return image;
}

TEST(BannerResourcesTest, EveryPictureIsThereAtItsSizeAndFrameCount) {
    const struct {
        const char* name;
        int width, height;
        size_t minFrames;
    } pictures[] = {
        {"GETRIVPED.GIF", 468, 60, 1},
        {"rivfriend.gif", 468, 60, 3},  // its third frame takes the mail-a-friend text
        {"img-catalog-icon-120x60x2.gif", 120, 60, 2},
        {"img-paghdr-Catalog-326x50.gif", 326, 50, 1},
        {"p-img-shell-defaultcardback.gif", 49, 66, 1},
        {"slb-cardselect-left", 18, 27, 2},
        {"slb-cardselect-right", 18, 27, 2},
        {"CheckBox2.gif", 13, 13, 2},
    };
    for (const auto& p : pictures) {
        const GifImage image = Decode(p.name);
        EXPECT_EQ(image.width, p.width) << p.name;
        EXPECT_EQ(image.height, p.height) << p.name;
        EXPECT_GE(image.frames.size(), p.minFrames) << p.name;
    }
}

TEST(BannerResourcesTest, TheBuiltInCatalogueReadsWholeWithItsPicturesAndMapInside) {
    const std::unique_ptr<RdtNode> document = LoadBuiltInCatalog(kBuiltInCatalog);
    ASSERT_NE(document, nullptr);
    BannerFileRequest request;
    request.fileName = kBuiltInCatalog;
    request.catalogSpot = true;
    request.now = 1893456000;  // 2030
    const BannerFileResult result = ReadBannerDocument(*document, request);
    ASSERT_EQ(result.outcome, BannerFileOutcome::Read) << result.problem;
    const GifImage icon = Decode(result.entry.imageName);
    EXPECT_EQ(icon.width, 120);
    EXPECT_EQ(icon.height, 60);
    const GifImage page = Decode(result.entry.catalogImage);
    EXPECT_LE(page.width, 500);
    EXPECT_LE(page.height, 420);
    ASSERT_GE(result.entry.areas.size(), 2u);
    for (const ImageMapArea& area : result.entry.areas) {
        EXPECT_TRUE(area.href.starts_with("https://www.rivakel.example/")) << area.href;
        if (const std::optional<platform::Rect> bounds = AreaBounds(area)) {
            EXPECT_GE(bounds->left, 0);
            EXPECT_GE(bounds->top, 0);
            EXPECT_LT(bounds->right, page.width);
            EXPECT_LT(bounds->bottom, page.height);
        }
    }
    EXPECT_FALSE(result.entry.defaultHref.empty());
}

}  // namespace
