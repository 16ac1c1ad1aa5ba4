// A module's packed resources read back as pictures and bytes, and what comes back for resources
// that are missing, damaged or no pictures at all.
#include "harness/ModulePictures.h"

#include <gtest/gtest.h>

#include "respack/BlobBuilder.h"

namespace {

// A 1 x 1 picture whose one pixel takes the first of two palette colours, red.
const std::vector<uint8_t> kRedDot = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0, 0, 0, 0, 0,
                                      0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 1, 0, 0x3B};

std::vector<uint8_t> Packed() {
    respack::BlobBuilder builder;
    builder.AddResource("RCDATA", "Dot.gif", kRedDot);
    builder.AddResource("RCDATA", "Cut.gif", std::vector<uint8_t>(kRedDot.begin(), kRedDot.begin() + 20));
    builder.AddResource("RCDATA", "Board.txt", {'1', ' ', '2'});
    std::string error;
    return *builder.Build(&error);
}

TEST(ModulePicturesTest, PicturesAndBytesComeBackByNameWithoutRegardToCase) {
    const auto pictures = ModulePictures::FromPacked(Packed());
    ASSERT_TRUE(pictures.Loaded());
    const auto dot = pictures.Picture("dot.GIF");
    ASSERT_TRUE(dot.has_value());
    EXPECT_EQ(dot->width, 1);
    EXPECT_EQ(dot->height, 1);
    EXPECT_EQ(dot->At(0, 0), 0xFF0000u);
    EXPECT_EQ(pictures.Resource("Board.txt"), (std::vector<uint8_t>{'1', ' ', '2'}));
}

TEST(ModulePicturesTest, MissingDamagedAndOtherResourcesGiveNothing) {
    const auto pictures = ModulePictures::FromPacked(Packed());
    for (const char* name : {"Cut.gif", "Board.txt", "Absent.gif", ""}) EXPECT_FALSE(pictures.Picture(name)) << name;
    EXPECT_FALSE(pictures.Resource("Absent.gif"));

    const std::vector<uint8_t> whole = Packed();
    const std::vector<std::vector<uint8_t>> damaged = {
        {}, {'n', 'o', 't', ' ', 'a', ' ', 'b', 'l', 'o', 'b'}, std::vector<uint8_t>(whole.begin(), whole.begin() + 12)};
    for (const auto& blob : damaged) {
        const auto unreadable = ModulePictures::FromPacked(blob);
        EXPECT_FALSE(unreadable.Loaded()) << blob.size();
        EXPECT_FALSE(unreadable.Picture("Dot.gif"));
        EXPECT_FALSE(unreadable.Resource("Dot.gif"));
    }
    EXPECT_FALSE(ModulePictures("/nonexistent/Game.gam").Loaded());
}

}  // namespace
