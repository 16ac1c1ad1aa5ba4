#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/resources/ResourceBlob.h"
#include "core/resources/ResourceFormat.h"
#include "core/resources/ResourceModule.h"
#include "core/resources/ResourceRegistry.h"

namespace {

using resources::ResourceBlob;

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// A blob of two resources ("RCDATA" "a.gif" = "AAAA", "RCDATA" "b.wav" = "BB") and string 3 = "1.0",
// laid out by hand so the reader is checked against the format, not against the packer.
std::vector<uint8_t> SmallBlob() {
    std::vector<uint8_t> b(24 + 2 * 16 + 12);
    std::memcpy(b.data(), "RIVRES1", 8);
    Put32(b, 12, 2);
    Put32(b, 16, 1);
    const auto append = [&](std::string_view text) {
        const size_t at = b.size();
        b.insert(b.end(), text.begin(), text.end());
        return static_cast<uint32_t>(at);
    };
    const uint32_t keyA = append("RCDATAa.gif"), keyB = append("RCDATAb.wav");
    const uint32_t dataA = append("AAAA"), dataB = append("BB"), text = append("1.0");
    const uint32_t entries[2][4] = {{keyA, dataA, 4, 0}, {keyB, dataB, 2, 0}};
    for (int i = 0; i < 2; ++i) {
        const size_t e = 24 + i * 16;
        Put32(b, e, entries[i][0]);
        b[e + 4] = 6, b[e + 5] = 0, b[e + 6] = 5, b[e + 7] = 0;
        Put32(b, e + 8, entries[i][1]);
        Put32(b, e + 12, entries[i][2]);
    }
    Put32(b, 56, 3);
    Put32(b, 60, text);
    Put32(b, 64, 3);
    Put32(b, 8, static_cast<uint32_t>(b.size()));
    return b;
}

std::string AsText(std::span<const uint8_t> data) { return {data.begin(), data.end()}; }

TEST(ResourceBlobTest, FindsResourcesAndStringsWithoutRegardToCase) {
    const auto bytes = SmallBlob();
    const auto blob = ResourceBlob::Parse(bytes);
    ASSERT_TRUE(blob);
    EXPECT_EQ(AsText(*blob->Find("rcdata", "A.GIF")), "AAAA");
    EXPECT_EQ(AsText(*blob->Find("RCDATA", "b.wav")), "BB");
    EXPECT_FALSE(blob->Find("RCDATA", "c.gif"));
    EXPECT_FALSE(blob->Find("BITMAP", "a.gif"));
    EXPECT_EQ(*blob->GetString(3), "1.0");
    EXPECT_FALSE(blob->GetString(4));
}

TEST(ResourceBlobTest, TrailingPaddingAfterTheStatedSizeIsIgnored) {
    auto bytes = SmallBlob();
    bytes.resize(bytes.size() + 13, 0);
    ASSERT_TRUE(ResourceBlob::Parse(bytes));
}

TEST(ResourceBlobTest, RefusesTruncatedAndLyingBlobs) {
    const auto good = SmallBlob();
    for (size_t cut = 0; cut < good.size(); ++cut)
        EXPECT_FALSE(ResourceBlob::Parse(std::span(good).first(cut))) << "cut at " << cut;

    const auto refused = [&](size_t at, uint32_t value) {
        auto bad = good;
        Put32(bad, at, value);
        return !ResourceBlob::Parse(bad).has_value();
    };
    EXPECT_TRUE(refused(8, static_cast<uint32_t>(good.size() + 1)));  // stated size beyond the bytes
    EXPECT_TRUE(refused(12, 0x10000000));                               // index count that overflows
    EXPECT_TRUE(refused(16, 0xFFFFFFFF));
    EXPECT_TRUE(refused(24 + 8, 0xFFFFFFFE));                           // data offset + size wraps
    EXPECT_TRUE(refused(24 + 12, 0xFFFFFFFF));                          // data size beyond the blob
    EXPECT_TRUE(refused(24 + 0, static_cast<uint32_t>(good.size() - 2)));  // name runs past the end
    EXPECT_TRUE(refused(24 + 8, 4));                                    // data overlapping the index
    EXPECT_TRUE(refused(60, 0xFFFFFFF0));                               // string text out of range
}

TEST(ResourceBlobTest, RefusesUnsortedOrDuplicateIndexes) {
    auto swapped = SmallBlob();
    std::swap_ranges(swapped.begin() + 24, swapped.begin() + 40, swapped.begin() + 40);
    EXPECT_FALSE(ResourceBlob::Parse(swapped));

    auto duplicate = SmallBlob();
    std::copy(duplicate.begin() + 24, duplicate.begin() + 40, duplicate.begin() + 40);
    EXPECT_FALSE(ResourceBlob::Parse(duplicate));
}

TEST(ResourceModuleTest, CopyStringCutsToTheBufferAndAlwaysTerminates) {
    const auto module = resources::ResourceModule::FromBlob(SmallBlob(), "test");
    ASSERT_TRUE(module);
    char small[3];
    EXPECT_TRUE(module->CopyString(3, small));
    EXPECT_STREQ(small, "1.");
    char missing[8] = "x";
    EXPECT_FALSE(module->CopyString(9, missing));
    EXPECT_STREQ(missing, "");
    EXPECT_FALSE(module->CopyString(3, std::span<char>()));
}

TEST(ResourceModuleTest, AProgramWithoutASectionHasNoOwnResources) {
    EXPECT_EQ(resources::ResourceModule::Own(), nullptr);
}

TEST(ResourceRegistryTest, TheAppletsResourceWinsOverTheShells) {
    auto shellBytes = SmallBlob();
    const auto shell = resources::ResourceModule::FromBlob(shellBytes, "shell");
    auto appletBytes = SmallBlob();
    appletBytes[appletBytes.size() - 6] = 'Z';  // the last byte of "a.gif": the applet's reads "AAAZ"
    auto& registry = resources::ResourceRegistry::Instance();
    registry.SetShell(shell.get());
    EXPECT_EQ(AsText(*registry.FindData("a.gif")), "AAAA");

    auto applet = resources::ResourceModule::FromBlob(appletBytes, "applet");
    ASSERT_TRUE(applet);
    registry.SetApplet(std::move(applet));
    EXPECT_EQ(AsText(*registry.FindData("A.gif")), "AAAZ");
    EXPECT_EQ(AsText(*registry.FindData("b.wav")), "BB");  // same bytes in both
    EXPECT_FALSE(registry.FindData("none.gif"));

    registry.ClearApplet();
    EXPECT_EQ(AsText(*registry.FindData("a.gif")), "AAAA");
    registry.SetShell(nullptr);
}

}  // namespace
