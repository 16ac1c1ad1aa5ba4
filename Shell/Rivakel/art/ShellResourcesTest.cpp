// The shell's resources as the program sees them: every name the shell asks for is there, in
// the form its reader expects, both through the linked section and read from the file.
#include <gtest/gtest.h>

#include <cstring>

#include "core/resources/CursorResource.h"
#include "core/resources/ResourceFormat.h"
#include "core/resources/ResourceModule.h"
#include "platform/Host.h"

namespace {

using resources::ResourceModule;

int GifWidth(std::span<const uint8_t> gif) { return gif.size() >= 10 ? gif[6] | gif[7] << 8 : 0; }
int GifHeight(std::span<const uint8_t> gif) { return gif.size() >= 10 ? gif[8] | gif[9] << 8 : 0; }

TEST(ShellResourcesTest, HoldsTheSplashIconsCursorsAndSounds) {
    const ResourceModule* own = ResourceModule::Own();
    ASSERT_NE(own, nullptr);
    const auto splash = own->Find(resources::kTypeBitmap, "IMG-SPLASH");
    ASSERT_TRUE(splash);
    EXPECT_EQ(std::memcmp(splash->data(), "GIF89a", 6), 0);
    EXPECT_EQ(GifWidth(*splash), 400);
    EXPECT_EQ(GifHeight(*splash), 240);
    for (const int size : {32, 48}) {
        const auto icon = own->Find(resources::kTypeIcon, "RivIcon-" + std::to_string(size) + "x" + std::to_string(size));
        ASSERT_TRUE(icon) << size;
        EXPECT_EQ(GifWidth(*icon), size);
    }
    for (const char* name : {"Pointer.cur", "Hand.cur", "NoLink.cur", "OpenHand.cur", "ClosedHand.cur", "HourGlass.cur"}) {
        const auto data = own->Find(resources::kTypeCursor, name);
        ASSERT_TRUE(data) << name;
        const auto cursor = resources::ParseCursorResource(*data);
        ASSERT_TRUE(cursor) << name;
        EXPECT_EQ(GifWidth(cursor->gif), 32);
        EXPECT_LT(cursor->hotX, 32);
        EXPECT_LT(cursor->hotY, 32);
    }
    EXPECT_EQ(ResourceModule::Own()->Find(resources::kTypeCursor, "pointer.cur").value().size(),
              own->Find(resources::kTypeCursor, "POINTER.CUR").value().size());
    for (const char* name : {"OpenShell.wav", "CloseShell.wav", "BtnClick.wav", "Popup.wav"}) {
        const auto wav = own->FindData(name);
        ASSERT_TRUE(wav) << name;
        ASSERT_GT(wav->size(), 44u);
        EXPECT_EQ(std::memcmp(wav->data() + 8, "WAVE", 4), 0);
        EXPECT_EQ((*wav)[24] | (*wav)[25] << 8, 22050);
        EXPECT_EQ((*wav)[34], 16);
    }
}

// The frame's pictures, named as the shell window asks for them (its big skin spells the
// navigation names in lower case, the Exit page asks for "join"), with the size each must have.
TEST(ShellResourcesTest, HoldsEveryFramePictureUnderTheNamesTheWindowUses) {
    const struct {
        const char* name;
        int width, height;
    } pictures[] = {
        {"img-main-800x572.gif", 800, 572},
        {"img-main-640x482.gif", 640, 482},
        {"asl-btn-big-support-83x28x2.gif", 83, 28},
        {"asl-icn-mini-support-32x32x2.gif", 32, 32},
        {"asl-icn-mini-Support-32x32x2.gif", 32, 32},
        {"asl-sysbuttons-16x14x4.gif", 16, 14},
        {"slb-BevelEdges.gif", 40, 5},
        {"ani-logomain-117x84.gif", 117, 84},
        {"img-logomain-small-39x29.gif", 39, 29},
        {"img-paghdr-join-326x50.gif", 326, 50},
        {"img-paghdr-Games-Get-More-326x50.gif", 326, 50},
        {"img-paghdr-Email_This-326x50.gif", 326, 50},
        {"returntogame_rollover.gif", 50, 48},
        {"img-tm.gif", 13, 9},
    };
    for (const auto& p : pictures) {
        const auto gif = ResourceModule::Own()->FindData(p.name);
        ASSERT_TRUE(gif) << p.name;
        EXPECT_EQ(GifWidth(*gif), p.width) << p.name;
        EXPECT_EQ(GifHeight(*gif), p.height) << p.name;
    }
}

TEST(ShellResourcesTest, ReadingTheProgramFileGivesTheSameBlob) {
    const auto fromFile = ResourceModule::FromModuleFile(platform::ExecutablePath());
    ASSERT_NE(fromFile, nullptr);
    const auto& linked = ResourceModule::Own()->Blob().Bytes();
    const auto& read = fromFile->Blob().Bytes();
    ASSERT_EQ(linked.size(), read.size());
    EXPECT_EQ(std::memcmp(linked.data(), read.data(), linked.size()), 0);
}

}  // namespace
