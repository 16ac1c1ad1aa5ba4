#include <gtest/gtest.h>

#include <string>

#include "core/resources/ResourceBlob.h"
#include "respack/BlobBuilder.h"
#include "respack/Manifest.h"

namespace {

using respack::BlobBuilder;
using respack::ParseManifest;

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

TEST(ManifestTest, ReadsResourcesStringsAndSkipsComments) {
    std::string error;
    const auto m = ParseManifest("# shell\r\n\nRCDATA BtnClick.wav  @art/BtnClick.wav\n"
                                 "string 3 01.00.00.0001\nstring 4  Two words \n\tBITMAP img-splash art/splash.gif",
                                 &error);
    ASSERT_TRUE(m) << error;
    ASSERT_EQ(m->resources.size(), 2u);
    EXPECT_EQ(m->resources[0].type, "RCDATA");
    EXPECT_EQ(m->resources[0].name, "BtnClick.wav");
    EXPECT_EQ(m->resources[1].line, 6);
    ASSERT_EQ(m->strings.size(), 2u);
    EXPECT_EQ(m->strings[0].text, "01.00.00.0001");
    EXPECT_EQ(m->strings[1].text, " Two words ");  // one blank separates; the rest is the text
    EXPECT_EQ(respack::ResolveSource("@art/a.gif", "/m", "/art"), "/art/a.gif");
    EXPECT_EQ(respack::ResolveSource("b/a.gif", "/m", "/art"), "/m/b/a.gif");
}

TEST(ManifestTest, ReportsTheFirstBadLine) {
    std::string error;
    EXPECT_FALSE(ParseManifest("RCDATA a.gif\n", &error));
    EXPECT_EQ(error, "line 1: expected: TYPE name source");
    EXPECT_FALSE(ParseManifest("# ok\nrcdata a b\n", &error));
    EXPECT_EQ(error.substr(0, 7), "line 2:");
    EXPECT_FALSE(ParseManifest("string x text\n", &error));
    EXPECT_FALSE(ParseManifest("string 99999999999 text\n", &error));
    EXPECT_FALSE(ParseManifest("RCDATA a b c\n", &error));
    EXPECT_FALSE(ParseManifest("include\n", &error));
    EXPECT_FALSE(ParseManifest("include a b\n", &error));
}

TEST(ManifestTest, KeepsIncludesInOrder) {
    std::string error;
    const auto m = ParseManifest("include art/Art.manifest\nRCDATA a a\ninclude ../x.manifest\n", &error);
    ASSERT_TRUE(m) << error;
    ASSERT_EQ(m->includes.size(), 2u);
    EXPECT_EQ(m->includes[0].path, "art/Art.manifest");
    EXPECT_EQ(m->includes[1].line, 3);
}

TEST(BlobBuilderTest, BuildsABlobTheReaderFindsEverythingIn) {
    BlobBuilder builder;
    // Names chosen so that byte order and upper-cased order differ ('_' sorts between cases).
    const char* names[] = {"b_x.gif", "B.gif", "a.gif", "_c.gif", "Zeta.wav", "zz"};
    for (const char* name : names) builder.AddResource("RCDATA", name, Bytes(name));
    builder.AddResource("CURSOR", "Hand.cur", Bytes("hand"));
    builder.AddResource("RCDATA", "empty", {});
    builder.AddString(8, "Mix");
    builder.AddString(3, "01.00.00.0001");
    std::string error;
    const auto bytes = builder.Build(&error);
    ASSERT_TRUE(bytes) << error;
    const auto blob = resources::ResourceBlob::Parse(*bytes, &error);
    ASSERT_TRUE(blob) << error;
    EXPECT_EQ(blob->ResourceCount(), 8u);
    for (const char* name : names) {
        std::string upper(name);
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const auto found = blob->Find("rcdata", upper);
        ASSERT_TRUE(found) << name;
        EXPECT_EQ(std::string(found->begin(), found->end()), name);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(found->data()) % 4, reinterpret_cast<uintptr_t>(bytes->data()) % 4);
    }
    EXPECT_TRUE(blob->Find("CURSOR", "hand.cur"));
    EXPECT_FALSE(blob->Find("RCDATA", "hand.cur"));
    EXPECT_EQ(blob->Find("RCDATA", "EMPTY")->size(), 0u);
    EXPECT_EQ(*blob->GetString(3), "01.00.00.0001");
    EXPECT_EQ(*blob->GetString(8), "Mix");
}

TEST(BlobBuilderTest, RefusesDuplicatesAndEmptyTypes) {
    std::string error;
    BlobBuilder sameName;
    sameName.AddResource("RCDATA", "Pointer.cur", Bytes("1"));
    sameName.AddResource("rcdata", "POINTER.CUR", Bytes("2"));
    EXPECT_FALSE(sameName.Build(&error));
    EXPECT_NE(error.find("two resources"), std::string::npos);

    BlobBuilder sameId;
    sameId.AddString(5, "a");
    sameId.AddString(5, "b");
    EXPECT_FALSE(sameId.Build(&error));

    BlobBuilder noType;
    noType.AddResource("", "x", {});
    EXPECT_FALSE(noType.Build(&error));

    BlobBuilder longName;
    longName.AddResource("RCDATA", std::string(70000, 'n'), {});
    EXPECT_FALSE(longName.Build(&error));
}

TEST(BlobBuilderTest, AnEmptyBlobIsValid) {
    std::string error;
    const auto bytes = BlobBuilder().Build(&error);
    ASSERT_TRUE(bytes);
    const auto blob = resources::ResourceBlob::Parse(*bytes);
    ASSERT_TRUE(blob);
    EXPECT_FALSE(blob->Find("RCDATA", "a"));
    EXPECT_FALSE(blob->GetString(0));
}

}  // namespace
