// Cardback description files and the decision to offer a game's own cardback.
#include "frame/cardbacks/CardbackTable.h"

#include <gtest/gtest.h>

#include "core/store/WholeDataFile.h"
#include "frame/cardbacks/CardbackSelector.h"

namespace {

const std::string kFile =
    "<RDT><cardback><GUID>{C0C0C0C0-0000-0000-0000-000000000001}</GUID><ORGANIZATION>Deck Makers</ORGANIZATION>"
    "<TITLE>Blue Waves</TITLE><TAG>waves</TAG><VERSION>12</VERSION></cardback></RDT>";

std::optional<CardbackRecord> Read(std::string_view text, std::string_view name = "cbk-waves.rdt") {
    const std::unique_ptr<RdtNode> root = ParseWholeRdt(text);
    return root ? ReadCardbackDocument(*root, name) : std::nullopt;
}

TEST(CardbackTableTest, AFileGivesItsRecordWithThePictureBesideIt) {
    const std::optional<CardbackRecord> record = Read(kFile);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->guid, "{C0C0C0C0-0000-0000-0000-000000000001}");
    EXPECT_EQ(record->fileName, "cbk-waves.rdt");
    EXPECT_EQ(record->imageName, "cbk-waves.gif");
    EXPECT_EQ(record->organization, "Deck Makers");
    EXPECT_EQ(record->title, "Blue Waves");
    EXPECT_EQ(record->tag, "waves");
    EXPECT_EQ(record->version, 12);
}

TEST(CardbackTableTest, TheRootIsFoundInAnyCaseAndWithOrWithoutItsWrapper) {
    for (const char* root : {"cardback", "Cardback", "CARDBACK"}) {
        std::string text = kFile;
        for (size_t at = text.find("cardback"); at != std::string::npos; at = text.find("cardback", at + 1))
            text.replace(at, 8, root);
        EXPECT_TRUE(Read(text)) << root;
        EXPECT_TRUE(Read(text.substr(5, text.size() - 11))) << root;  // without <RDT>
    }
}

TEST(CardbackTableTest, AMissingChildOrAVersionThatIsNoNumberRefusesTheFile) {
    const auto with = [](std::string from, std::string to) {
        std::string text = kFile;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::string cases[] = {
        with("<GUID>{C0C0C0C0-0000-0000-0000-000000000001}</GUID>", ""),
        with("<ORGANIZATION>Deck Makers</ORGANIZATION>", ""),
        with("<TITLE>Blue Waves</TITLE>", ""),
        with("<TAG>waves</TAG>", ""),
        with("<VERSION>12</VERSION>", ""),
        with("<VERSION>12</VERSION>", "<VERSION></VERSION>"),
        with(">12<", ">twelve<"),
        with(">12<", ">12b<"),
        with(">12<", ">99999999999<"),
        with("cardback>", "deck>"),
        "<RDT><Other/></RDT>",
    };
    for (const std::string& text : cases) EXPECT_FALSE(Read(text)) << text;
    for (size_t length = 0; length + 1 < kFile.size(); ++length) {
        const std::string_view cut = std::string_view(kFile).substr(0, length);
        if (cut.ends_with("</RDT")) continue;  // only the last '>' is missing: the tag still reads
        EXPECT_FALSE(Read(cut)) << length;
    }
    EXPECT_FALSE(Read(kFile, "..\\cbk-x.rdt"));
    EXPECT_FALSE(Read(kFile, "a/cbk-x.rdt"));
}

TEST(CardbackTableTest, TheTableStartsWithTheDefaultAndPagesRoundIt) {
    CardbackTable table;
    table.Reset();
    ASSERT_EQ(table.Count(), 1u);
    EXPECT_EQ(table.Record(0).imageName, "p-img-shell-defaultcardback.gif");
    EXPECT_EQ(table.Record(0).guid, "F23E03EC2A814a0fA892BA9C9F188937");
    EXPECT_EQ(table.Record(0).organization, "Rivakel, Inc.");
    EXPECT_EQ(table.Record(0).title, "Default Cardback");
    EXPECT_EQ(table.VersionOf("P-IMG-SHELL-DEFAULTCARDBACK.GIF"), 1);
    EXPECT_EQ(table.VersionOf("cbk-none.rdt"), std::nullopt);
    table.SetFirst(7);
    EXPECT_EQ(table.First(), 0u);
}

TEST(CardbackTableTest, TheOfferIsMadeUnlessRefusedForGoodOrAlreadyInUse) {
    EXPECT_TRUE(ShouldOfferCardback("p-img-shell-defaultcardback.gif", "System\\Skins\\Cardbacks\\cbk-new.gif", false));
    EXPECT_FALSE(ShouldOfferCardback("p-img-shell-defaultcardback.gif", "System\\Skins\\Cardbacks\\cbk-new.gif", true));
    EXPECT_FALSE(ShouldOfferCardback("cbk-new.gif", "System\\Skins\\Cardbacks\\CBK-NEW.GIF", false));
    EXPECT_FALSE(ShouldOfferCardback("cbk-new.gif", "cbk-new.gif", false));
    EXPECT_TRUE(ShouldOfferCardback("cbk-old.gif", "System/Skins/Cardbacks/cbk-new.gif", false));
}

}  // namespace
