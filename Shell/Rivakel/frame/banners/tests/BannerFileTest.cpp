// Banner and catalogue description files as they come from the disk or the server: well-formed
// ones, every truncation of one, and a table of lying fields.
#include "frame/banners/BannerFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/store/Base64.h"
#include "core/store/RdtNode.h"
#include "core/store/WholeDataFile.h"

namespace {

constexpr int64_t kNow = 1000000000;

std::string Banner(const std::string& children) { return "<RDT>\r\n<Banner>" + children + "</Banner>\r\n</RDT>"; }

const std::string kBannerChildren =
    "<DateStart>999999000</DateStart><DateExp>1000000500</DateExp><GUID>{11111111-2222-3333-4444-555555555555}</GUID>"
    "<IMG>sbn-offer.gif</IMG><URL>https://www.rivakel.example/offer</URL>";

const std::string kCatalogText =
    "<RDT><Catalog><DateExp>1000000500</DateExp><GUID>{C}</GUID><IMG>page.gif</IMG><ICON>icon.gif</ICON>"
    "<Title>New games</Title><coloractive>#00ff80</coloractive><Map>"
    "<Area><SHAPE>rect</SHAPE><COORDS>0,0,10,10</COORDS><HREF>https://a.example/</HREF></Area>"
    "<Area><SHAPE>Default</SHAPE><HREF>https://b.example/</HREF></Area>"
    "<Area><SHAPE>star</SHAPE><COORDS>1,2</COORDS><HREF>https://c.example/</HREF></Area>"
    "</Map></Catalog></RDT>";

BannerFileResult Read(std::string_view text, std::string_view fileName = "sbn-offer.rdt", bool catalogSpot = false,
                      int64_t now = kNow) {
    const std::unique_ptr<RdtNode> root = ParseWholeRdt(text);
    if (!root) return BannerFileResult{};
    BannerFileRequest request;
    request.fileName = fileName;
    request.catalogSpot = catalogSpot;
    request.now = now;
    return ReadBannerDocument(*root, request);
}

TEST(BannerFileTest, ABannerGivesItsPictureAddressAndDates) {
    const BannerFileResult result = Read(Banner(kBannerChildren));
    ASSERT_EQ(result.outcome, BannerFileOutcome::Read) << result.problem;
    const BannerEntry& entry = result.entry;
    EXPECT_EQ(entry.imageName, "sbn-offer.gif");
    EXPECT_EQ(entry.url, "https://www.rivakel.example/offer");
    EXPECT_EQ(entry.guid, "{11111111-2222-3333-4444-555555555555}");
    EXPECT_EQ(entry.fileName, "sbn-offer.rdt");
    EXPECT_EQ(entry.dateStart, 999999000);
    EXPECT_EQ(entry.dateExp, 1000000500);
    EXPECT_FALSE(entry.catalog);
    EXPECT_FALSE(entry.imageData);
}

TEST(BannerFileTest, ACatalogueGivesItsIconTitleColourAndImageMap) {
    const BannerFileResult result = Read(kCatalogText, "spc-new.rdt", true);
    ASSERT_EQ(result.outcome, BannerFileOutcome::Read) << result.problem;
    const BannerEntry& entry = result.entry;
    EXPECT_TRUE(entry.catalog);
    EXPECT_EQ(entry.imageName, "icon.gif");
    EXPECT_EQ(entry.catalogImage, "page.gif");
    EXPECT_EQ(entry.title, "New games");
    EXPECT_EQ(entry.colorActive, 0x00FF80u);
    ASSERT_EQ(entry.areas.size(), 2u);  // the unknown shape is left out
    EXPECT_EQ(entry.areas[0].shape, AreaShape::Rect);
    EXPECT_EQ(entry.areas[0].numbers, (std::vector<int>{0, 0, 10, 10}));
    EXPECT_EQ(entry.defaultHref, "https://b.example/");
}

TEST(BannerFileTest, TheCatalogueSpotReadsNamesWithSecondLetterMAsBanners) {
    EXPECT_TRUE(ReadsAsCatalog("spc-x.rdt", true));
    EXPECT_TRUE(ReadsAsCatalog("epc-x.rdt", true));
    EXPECT_FALSE(ReadsAsCatalog("smb-x.rdt", true));
    EXPECT_FALSE(ReadsAsCatalog("PMB-x.rdt", true));
    EXPECT_FALSE(ReadsAsCatalog("spc-x.rdt", false));
    EXPECT_TRUE(ReadsAsCatalog("", true));
    EXPECT_TRUE(ReadsAsCatalog("s", true));
    const BannerFileResult small = Read(Banner(kBannerChildren), "smb-small.rdt", true);
    ASSERT_EQ(small.outcome, BannerFileOutcome::Read);
    EXPECT_FALSE(small.entry.catalog);
    EXPECT_EQ(Read(kCatalogText, "smb-small.rdt", true).outcome, BannerFileOutcome::Invalid);
}

TEST(BannerFileTest, DatesDecideBetweenShownExpiredAndNotYet) {
    const struct {
        int64_t now;
        BannerFileOutcome outcome;
    } cases[] = {
        {1000000500, BannerFileOutcome::Read},     // expiring now: still shown
        {1000000501, BannerFileOutcome::Expired},  // a second after
        {999999000, BannerFileOutcome::Read},      // starting now
        {999998999, BannerFileOutcome::NotYet},    // a second before
    };
    for (const auto& c : cases) EXPECT_EQ(Read(Banner(kBannerChildren), "sbn-x.rdt", false, c.now).outcome, c.outcome) << c.now;
}

TEST(BannerFileTest, CarriedPictureDataIsDecodedAndStandsForTheRightPicture) {
    CBase64 base64;
    base64.EncodeText("GIF89a-picture-bytes");
    const std::string data = "<IMGDATA>\r\n" + std::string(base64.GetEncoded()) + "\r\n</IMGDATA>";
    const BannerFileResult banner =
        Read(Banner("<DateExp>1000000500</DateExp><GUID>G</GUID>" + data + "<URL>https://x.example/</URL>"));
    ASSERT_EQ(banner.outcome, BannerFileOutcome::Read) << banner.problem;
    ASSERT_TRUE(banner.entry.imageData);
    EXPECT_EQ(std::string(banner.entry.imageData->begin(), banner.entry.imageData->end()), "GIF89a-picture-bytes");
    EXPECT_TRUE(banner.entry.imageName.empty());
}

// Each field lying in its own way: the file is refused, never taken for expired (which would
// delete it), and no picture name leaves its folder or names memory.
TEST(BannerFileTest, LyingFieldsMakeTheFileInvalid) {
    const auto with = [](std::string from, std::string to) {
        std::string text = Banner(kBannerChildren);
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const struct {
        std::string text;
        const char* what;
    } cases[] = {
        {"<RDT><Other/></RDT>", "no Banner element"},
        {with("<DateExp>1000000500</DateExp>", ""), "no DateExp"},
        {with("1000000500", "abc"), "DateExp not a number"},
        {with("1000000500", "99999999999999999999"), "DateExp beyond 64 bits"},
        {with("1000000500", "12 34"), "DateExp with a blank inside"},
        {with("999999000", "soon"), "DateStart not a number"},
        {with("<GUID>{11111111-2222-3333-4444-555555555555}</GUID>", ""), "no GUID"},
        {with("<GUID>{11111111-2222-3333-4444-555555555555}</GUID>", "<GUID></GUID>"), "empty GUID"},
        {with("<IMG>sbn-offer.gif</IMG>", ""), "no IMG"},
        {with("sbn-offer.gif", "MEM:10,4096"), "IMG naming memory"},
        {with("sbn-offer.gif", "mem:10,1"), "IMG naming memory in lower case"},
        {with("sbn-offer.gif", "..\\..\\System\\Core.rdt"), "IMG leaving its folder"},
        {with("sbn-offer.gif", "/etc/passwd"), "IMG absolute"},
        {with("sbn-offer.gif", "sub\\x.gif"), "IMG in a subfolder"},
        {with("sbn-offer.gif", "C:x.gif"), "IMG with a drive"},
        {with("<IMG>sbn-offer.gif</IMG>", "<IMGDATA>!!!!</IMGDATA>"), "IMGDATA not base64"},
        {with("<IMG>sbn-offer.gif</IMG>", "<IMGDATA>QUJD=</IMGDATA>"), "IMGDATA badly padded"},
        {with("<IMG>sbn-offer.gif</IMG>", "<IMGDATA></IMGDATA>"), "IMGDATA empty"},
        {with("<IMG>sbn-offer.gif</IMG>", "<IMGDATA>" + std::string(1500000, 'A') + "</IMGDATA>"), "IMGDATA over 1 MiB"},
        {with("<URL>https://www.rivakel.example/offer</URL>", ""), "no URL"},
    };
    for (const auto& c : cases) EXPECT_EQ(Read(c.text).outcome, BannerFileOutcome::Invalid) << c.what;
}

// A date that does not read is no date at all: a file whose DateExp is garbage is refused, not
// deleted as long expired.
TEST(BannerFileTest, AnUnreadableExpiryIsNeverTakenForAnExpiredOne) {
    for (const char* date : {"abc", "", "0x10", "1e9", "99999999999999999999"}) {
        std::string text = Banner(kBannerChildren);
        text.replace(text.find("1000000500"), 10, date);
        EXPECT_EQ(Read(text, "sbn-x.rdt", false, INT64_MAX).outcome, BannerFileOutcome::Invalid) << date;
    }
}

TEST(BannerFileTest, LyingCatalogueFieldsMakeTheFileInvalid) {
    const auto with = [](std::string from, std::string to) {
        std::string text = kCatalogText;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::string cases[] = {
        with("<ICON>icon.gif</ICON>", ""),
        with("icon.gif", "MEM:1,1"),
        with("icon.gif", "../icon.gif"),
        with("<Title>New games</Title>", ""),
        with("<coloractive>#00ff80</coloractive>", ""),
        with("#00ff80", "zzzzzz"),
        with("#00ff80", "#fff"),
        with("#00ff80", "00ff8000"),
        with("<Catalog>", "<Banner>"),
    };
    for (const std::string& text : cases) EXPECT_EQ(Read(text, "spc-x.rdt", true).outcome, BannerFileOutcome::Invalid) << text;
}

// Cut anywhere, a file is refused: nothing half-read shows.
TEST(BannerFileTest, EveryTruncationIsRefused) {
    const std::string banner = Banner(kBannerChildren);
    ASSERT_EQ(Read(banner).outcome, BannerFileOutcome::Read);
    for (size_t length = 0; length + 1 < banner.size(); ++length) {
        const std::string_view cut = std::string_view(banner).substr(0, length);
        if (cut.ends_with("</RDT")) continue;  // only the last '>' is missing: the tag still reads
        EXPECT_EQ(Read(cut).outcome, BannerFileOutcome::Invalid) << length;
    }
    ASSERT_EQ(Read(kCatalogText, "spc-x.rdt", true).outcome, BannerFileOutcome::Read);
    for (size_t length = 0; length + 1 < kCatalogText.size(); ++length) {
        const std::string_view cut = std::string_view(kCatalogText).substr(0, length);
        if (cut.ends_with("</RDT")) continue;
        EXPECT_EQ(Read(cut, "spc-x.rdt", true).outcome, BannerFileOutcome::Invalid) << length;
    }
}

TEST(BannerFileTest, NumbersAndColoursReadOnlyWhenWhole) {
    EXPECT_EQ(ParseSeconds("0"), 0);
    EXPECT_EQ(ParseSeconds("-1"), -1);
    EXPECT_EQ(ParseSeconds("+42"), 42);
    EXPECT_EQ(ParseSeconds("9223372036854775807"), INT64_MAX);
    EXPECT_EQ(ParseSeconds("9223372036854775808"), std::nullopt);
    EXPECT_EQ(ParseSeconds(""), std::nullopt);
    EXPECT_EQ(ParseSeconds("12a"), std::nullopt);
    EXPECT_EQ(ParseHexColour("FF9900"), 0xFF9900u);
    EXPECT_EQ(ParseHexColour("#ff9900"), 0xFF9900u);
    EXPECT_EQ(ParseHexColour("ff990"), std::nullopt);
    EXPECT_EQ(ParseHexColour("-f9900"), std::nullopt);
    EXPECT_EQ(ParseHexColour("ff99 0"), std::nullopt);
}

}  // namespace
