// The server's banner definitions: which become banners, which may be kept as files and under
// what name, and that a kept file reads back as the same banner.
#include "frame/banners/ServerBanners.h"

#include <gtest/gtest.h>

#include <string>

#include "core/store/Base64.h"
#include "core/store/MarkupDoc.h"
#include "core/store/RdtNode.h"
#include "core/store/RdtReader.h"
#include "frame/banners/BannerFile.h"

namespace {

constexpr int64_t kNow = 1000000000;

std::string Picture() {
    CBase64 base64;
    base64.EncodeText("GIF89a<picture & bytes>");
    return std::string(base64.GetEncoded());
}

std::string Definition(const std::string& guidAttr, const std::string& extra = "") {
    return "<Banner guid=\"" + guidAttr + "\"><GUID>{AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE}</GUID><IMGDATA>" + Picture() +
           "</IMGDATA><URL>https://www.rivakel.example/deal?a=1&amp;b=2</URL>" + extra + "</Banner>";
}

std::vector<ServerBanner> Read(const std::string& definitions) {
    CMarkupDoc document;
    document.Parse("<OBJDEFLIST><BANNERDEFLIST>" + definitions + "</BANNERDEFLIST></OBJDEFLIST>", true);
    return ReadServerBanners(document, kNow);
}

TEST(ServerBannersTest, OnlyAWellFormedIdentifierNamesAKeptFile) {
    const struct {
        std::string guid;
        std::string file;
    } cases[] = {
        {"{AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE}", "pbn-{AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE}.rdt"},
        {"0123456789abcdefABCDEF0123456789", "pbn-0123456789abcdefABCDEF0123456789.rdt"},
        {"", ""},
        {"..", ""},
        {"a\\..\\..\\Core", ""},
        {"x/y", ""},
        {"{AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEE}", ""},   // one digit short
        {"{AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEEX}", ""},  // one too many
        {"{AAAAAAAAXBBBB-CCCC-DDDD-EEEEEEEEEEEE}", ""},   // a dash misplaced
        {"0123456789abcdef0123456789abcdeg", ""},
        {std::string(5000, 'A'), ""},
    };
    for (const auto& c : cases) {
        const std::vector<ServerBanner> banners = Read(Definition(c.guid));
        ASSERT_EQ(banners.size(), 1u) << c.guid;  // shown this session either way
        EXPECT_EQ(banners[0].fileName, c.file) << c.guid;
        EXPECT_EQ(banners[0].fileText.empty(), c.file.empty()) << c.guid;
    }
    EXPECT_TRUE(Read("<Banner><GUID>G</GUID><IMGDATA>" + Picture() + "</IMGDATA><URL>u</URL></Banner>")[0]
                    .fileName.empty());
}

TEST(ServerBannersTest, AKeptFileReadsBackAsTheSameBanner) {
    const std::vector<ServerBanner> banners = Read(Definition("{AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE}",
                                                              "<DateExp>1000000500</DateExp><DateStart>5</DateStart>"));
    ASSERT_EQ(banners.size(), 1u);
    std::unique_ptr<RdtNode> root;
    ASSERT_TRUE(ParseRdt(banners[0].fileText, root));
    BannerFileRequest request;
    request.fileName = banners[0].fileName;
    request.now = kNow;
    const BannerFileResult back = ReadBannerDocument(*root, request);
    ASSERT_EQ(back.outcome, BannerFileOutcome::Read) << back.problem;
    const BannerEntry& sent = banners[0].entry;
    EXPECT_EQ(back.entry.url, "https://www.rivakel.example/deal?a=1&b=2");
    EXPECT_EQ(back.entry.url, sent.url);
    EXPECT_EQ(back.entry.guid, sent.guid);
    EXPECT_EQ(back.entry.dateExp, 1000000500);
    ASSERT_TRUE(back.entry.imageData && sent.imageData);
    EXPECT_EQ(*back.entry.imageData, *sent.imageData);
    EXPECT_EQ(std::string(sent.imageData->begin(), sent.imageData->end()), "GIF89a<picture & bytes>");
}

TEST(ServerBannersTest, DefinitionsThatDoNotReadOrAreOutOfDateAreLeftOut) {
    const std::string good = Definition("{AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE}");
    const std::string list = good + "<Banner guid=\"x\"><GUID>G</GUID><URL>u</URL></Banner>" +      // no picture
                             "<Banner guid=\"x\"><GUID>G</GUID><IMGDATA>" + Picture() + "</IMGDATA></Banner>" +  // no URL
                             Definition("y", "<DateExp>1</DateExp>") +                             // expired
                             Definition("z", "<DateStart>2000000000</DateStart>") +                 // not yet
                             Definition("w", "<DateExp>never</DateExp>") + good;
    EXPECT_EQ(Read(list).size(), 2u);
}

TEST(ServerBannersTest, ADocumentTakesAtMostFiftyDefinitionsAndNeedsItsTwoLevels) {
    std::string list;
    for (int i = 0; i < 1000; ++i) list += Definition("g" + std::to_string(i));
    EXPECT_EQ(Read(list).size(), kMaxServerBanners);
    EXPECT_TRUE(Read("").empty());
    CMarkupDoc flat;
    flat.Parse(Definition("{AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE}"), true);
    EXPECT_TRUE(ReadServerBanners(flat, kNow).empty());
    CMarkupDoc oneLevel;
    oneLevel.Parse("<OBJDEFLIST>" + Definition("g") + "</OBJDEFLIST>", true);
    EXPECT_TRUE(ReadServerBanners(oneLevel, kNow).empty());
}

}  // namespace
